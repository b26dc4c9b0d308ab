#include "cli/Cli.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

#include "base/Errors.h"
#include "cli/CommandRegistry.h"

namespace korvani::cli {

namespace {

// Position of the command's name among the arguments, past the global options.
std::optional<std::size_t> CommandPosition(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--data-dir") {
            ++i;
            continue;
        }
        if (args[i].starts_with("-"))
            continue;
        return i;
    }
    return std::nullopt;
}

std::vector<std::string> SplitBlanks(const std::string& line) {
    std::vector<std::string> tokens;
    std::istringstream in(line);
    std::string token;
    while (in >> token)
        tokens.push_back(token);
    return tokens;
}

// CLI11 takes the arguments in reverse order.
void Parse(CLI::App& app, std::vector<std::string> args) {
    std::reverse(args.begin(), args.end());
    app.parse(args);
}

// One input per line of `in`, each read exactly as the command's own arguments; one output line
// (or the command's lines) per input line. A bad line gives empty lines, as many as the command
// writes for one input, and its message.
int RunBatch(const CommandInfo& info, CommandContext& context, std::istream& in, std::ostream& out, std::ostream& err) {
    int status = kExitDone;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        auto command = info.make();
        CLI::App app(info.description, info.name);
        command->Declare(app);
        std::ostringstream result;
        try {
            Parse(app, SplitBlanks(line));
            command->Run(context, result);
            out << (result.str().empty() ? "\n" : result.str());
        } catch (const CLI::ParseError& e) {
            out << std::string(command->LinesPerInput(), '\n');
            err << e.what() << '\n';
            status = kExitBadInput;
        } catch (const InputError& e) {
            out << std::string(command->LinesPerInput(), '\n');
            err << e.what() << '\n';
            status = kExitBadInput;
        }
    }
    return status;
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           const std::string& defaultDataDir) {
    CLI::App app("Korvani 店铺公司起名软件的命令行：与桌面程序同一套计算。", "korvani-cli");
    std::string dataDir = defaultDataDir;
    app.add_option("--data-dir", dataDir, "存放五个数据文件的文件夹（默认为程序所在文件夹）");
    app.require_subcommand(1, 1);

    const auto position = CommandPosition(args);
    const bool batch = position && *position + 2 == args.size() && args.back() == "-";

    std::vector<std::pair<CLI::App*, const CommandInfo*>> subcommands;
    std::unique_ptr<Command> chosen;
    const CommandInfo* chosenInfo = nullptr;
    for (const CommandInfo& info : AllCommands()) {
        CLI::App* sub = app.add_subcommand(info.name, info.description);
        auto command = info.make();
        if (batch && info.name == args[*position]) {
            sub->add_option("INPUT", "-：从标准输入逐行读取");
        } else {
            command->Declare(*sub);
        }
        subcommands.emplace_back(sub, &info);
        if (position && info.name == args[*position]) {
            chosen = std::move(command);
            chosenInfo = &info;
        }
    }

    try {
        Parse(app, args);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? kExitDone : kExitBadInput;
    }

    data::DataStore store(dataDir);
    CommandContext context{store, &err};
    try {
        for (data::DataFileId id : chosen->DataFiles())
            store.Connection(id);
        if (batch)
            return RunBatch(*chosenInfo, context, in, out, err);
        chosen->Run(context, out);
        return kExitDone;
    } catch (const InputError& e) {
        err << e.what() << '\n';
        return kExitBadInput;
    } catch (const DataFileError& e) {
        err << e.what() << '\n';
        return kExitDataFile;
    } catch (const CommandAbandoned&) {
        return kExitDataFile;
    }
}

} // namespace korvani::cli
