#include "cli/AlmanacCommand.h"

#include <CLI/CLI.hpp>
#include <fmt/format.h>

#include "almanac/DailyAlmanac.h"
#include "base/Errors.h"

namespace korvani::cli {

void AlmanacCommand::Declare(CLI::App& app) {
    app.add_option("DATE", m_dates, "公历日期 yyyy-mm-dd（月、日可不补零）")->required();
}

void AlmanacCommand::Run(CommandContext& context, std::ostream& out) {
    // Every date is checked before anything is written, so that a bad one refuses the command whole.
    for (const std::string& text : m_dates) {
        if (!almanac::IsAlmanacDate(text))
            throw InputError(fmt::format("'{}': {}", text, almanac::kInvalidDateMessage));
    }
    std::string lines;
    for (const std::string& text : m_dates) {
        if (const auto entry = almanac::LookUpAlmanacDay(context.store, text))
            for (const std::string& line : entry->lines)
                (lines += line) += '\n';
    }
    out << lines;
}

} // namespace korvani::cli
