#pragma once

#include <string>

#include "cli/Command.h"

namespace korvani::cli {

// `element CHAR` → the five-element class of the character, or an empty line when it has none.
class ElementCommand : public Command {
public:
    void Declare(CLI::App& app) override;
    std::vector<data::DataFileId> DataFiles() const override { return {data::DataFileId::Tgcode}; }
    void Run(CommandContext& context, std::ostream& out) override;

private:
    std::string m_character;
};

} // namespace korvani::cli
