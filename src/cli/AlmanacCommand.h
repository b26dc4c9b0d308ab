#pragma once

#include <string>
#include <vector>

#include "cli/Command.h"

namespace korvani::cli {

// `almanac DATE...` → the almanac memo lines of each day, nothing for a day the almanac has no row
// for. A text that is no existing day refuses the whole command with the almanac page's message.
class AlmanacCommand : public Command {
public:
    void Declare(CLI::App& app) override;
    std::vector<data::DataFileId> DataFiles() const override { return {data::DataFileId::OrvBirth}; }
    void Run(CommandContext& context, std::ostream& out) override;

private:
    std::vector<std::string> m_dates;
};

} // namespace korvani::cli
