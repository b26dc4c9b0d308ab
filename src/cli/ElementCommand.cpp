#include "cli/ElementCommand.h"

#include <CLI/CLI.hpp>

namespace korvani::cli {

void ElementCommand::Declare(CLI::App& app) {
    app.add_option("CHAR", m_character, "一个汉字")->required();
}

void ElementCommand::Run(CommandContext& context, std::ostream& out) {
    out << context.catalogue.ElementOf(m_character) << '\n';
}

} // namespace korvani::cli
