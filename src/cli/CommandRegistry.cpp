#include "cli/CommandRegistry.h"

#include "cli/ElementCommand.h"

namespace korvani::cli {

namespace {
template <typename T>
std::function<std::unique_ptr<Command>()> Maker() {
    return [] { return std::make_unique<T>(); };
}
} // namespace

const std::vector<CommandInfo>& AllCommands() {
    static const std::vector<CommandInfo> commands = {
        {"element", "一个字的五行 (CharacterElement)", Maker<ElementCommand>()},
    };
    return commands;
}

} // namespace korvani::cli
