#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/Command.h"

namespace korvani::cli {

struct CommandInfo {
    std::string name;
    std::string description;
    std::function<std::unique_ptr<Command>()> make;
};

// Every command of korvani-cli, in the order of its help text.
const std::vector<CommandInfo>& AllCommands();

} // namespace korvani::cli
