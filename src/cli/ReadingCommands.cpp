#include "cli/ReadingCommands.h"

#include <CLI/CLI.hpp>

#include "base/Errors.h"
#include "base/Gbk.h"
#include "base/Text.h"
#include "tools/NetName.h"

namespace korvani::cli {

void NumberReadingCommand::Declare(CLI::App& app) { app.add_option("NUMBER", m_number, "号码")->required(); }

void NumberReadingCommand::Run(CommandContext& context, std::ostream& out) {
    const tools::NumberReadingOutcome outcome = m_reader(context, m_number);
    if (outcome.message)
        throw InputError(*outcome.message);
    const tools::NumberReading& r = outcome.reading;
    out << r.number << '\n' << r.state << '\n' << r.verdict << '\n' << r.description << '\n';
}

std::string NetNameLine(CommandContext&, const std::string& name) {
    const std::string trimmed = base::TrimCopy(name);
    if (trimmed.empty())
        throw InputError(std::string(tools::kNetNameEmptyMessage));
    try {
        return base::TrimCopy(tools::NetNamePersonality(trimmed));
    } catch (const base::GbkEncodeError&) {
        throw InputError(std::string(tools::kNetNameFailedText));
    }
}

} // namespace korvani::cli
