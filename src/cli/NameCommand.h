#pragma once

#include <array>
#include <limits>

#include "cli/ChartCommands.h"

namespace korvani::cli {

// `name` (birth options) `--length 2|3|4 [--fix1 C] .. [--fix4 C] [--prefix P] [--suffix X]
// [--seed N] [--pages K] [--elements missing|favourable] [--format tsv|csv]` → the heading line of
// the results grid, then its rows, K pages; as TAB-separated lines, or as CSV with the explained
// score as a last column.
class NameCommand : public Command {
public:
    void Declare(CLI::App& app) override;
    std::vector<data::DataFileId> DataFiles() const override;
    void Run(CommandContext& context, std::ostream& out) override;

private:
    BirthOptions m_birth;
    std::string m_length = "2";
    std::array<std::string, 4> m_fixed;
    std::string m_prefix;
    std::string m_suffix;
    std::string m_seed;
    const CLI::Option* m_seedOption = nullptr;
    std::string m_pages = "1";
    std::string m_elements = "missing";
    std::string m_format = "tsv";
};

} // namespace korvani::cli
