#include "cli/LookupCommand.h"

#include <CLI/CLI.hpp>

namespace korvani::cli {

LookupCommand::LookupCommand(std::string argumentName, std::string argumentHelp, std::vector<data::DataFileId> files,
                             Answer answer, bool ownTextCheck)
    : m_argumentName(std::move(argumentName)), m_argumentHelp(std::move(argumentHelp)), m_files(std::move(files)),
      m_answer(std::move(answer)), m_ownTextCheck(ownTextCheck) {}

std::vector<std::string> LookupCommand::OwnTextChecks() const {
    return m_ownTextCheck ? std::vector{m_argumentName} : std::vector<std::string>{};
}

void LookupCommand::Declare(CLI::App& app) { app.add_option(m_argumentName, m_argument, m_argumentHelp)->required(); }

void LookupCommand::Run(CommandContext& context, std::ostream& out) { out << m_answer(context, m_argument) << '\n'; }

} // namespace korvani::cli
