#pragma once

#include "cli/ChartCommands.h"

namespace korvani::cli {

// `analyze` (birth options) `--prefix P --body B --suffix X` → the company-name analysis report.
class AnalyzeCommand : public Command {
public:
    void Declare(CLI::App& app) override;
    std::vector<data::DataFileId> DataFiles() const override;
    void Run(CommandContext& context, std::ostream& out) override;

private:
    BirthOptions m_birth;
    std::string m_prefix;
    std::string m_body;
    std::string m_suffix;
};

} // namespace korvani::cli
