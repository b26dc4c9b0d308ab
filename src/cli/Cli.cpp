#include "cli/Cli.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <fmt/format.h>
#include <istream>
#include <ostream>
#include <sstream>

#include "base/Errors.h"
#include "cli/CommandRegistry.h"
#include "cli/OptionChecks.h"

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

// CLI11 takes the arguments in reverse order. The parser keeps what it could not place (a word
// past the last argument, an unknown option); that is bad input, named in the order given.
void Parse(CLI::App& app, std::vector<std::string> args) {
    std::reverse(args.begin(), args.end());
    app.parse(args);
    const std::vector<std::string> extras = app.remaining(true);
    if (!extras.empty()) {
        std::string words;
        for (const std::string& word : extras)
            words += (words.empty() ? "" : " ") + word;
        throw InputError(fmt::format("多余的参数或不认识的选项：{}", words));
    }
}

const CommandInfo* FindCommand(const std::string& name) {
    for (const CommandInfo& info : AllCommands())
        if (info.name == name)
            return &info;
    return nullptr;
}

// One input per line of `in`, each read exactly as the command's own arguments; one output line
// (or the command's lines) per input line. A bad line gives empty lines, as many as the command
// writes for one input, and its message. Reading stops when the output can no longer be written.
int RunBatch(const CommandInfo& info, CommandContext& context, std::istream& in, std::ostream& out, std::ostream& err) {
    int status = kExitDone;
    std::string line;
    while (out && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // The command object outlives the parser that writes into it.
        const auto command = info.make();
        CLI::App app(info.description, info.name);
        app.allow_extras();
        command->Declare(app);
        std::ostringstream result;
        try {
            Parse(app, SplitBlanks(line));
            CheckTexts(app, *command);
            command->Run(context, result);
            out << (result.str().empty() ? "\n" : result.str());
        } catch (const CLI::ParseError& e) {
            out << std::string(command->LinesPerInput(), '\n');
            err << ParseErrorMessage(e) << '\n';
            status = kExitBadInput;
        } catch (const InputError& e) {
            out << std::string(command->LinesPerInput(), '\n');
            err << e.what() << '\n';
            status = kExitBadInput;
        }
    }
    return status;
}

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
        const std::string& defaultDataDir) {
    // The word where the command's name belongs must be one: a stray word before it is bad input.
    const auto position = CommandPosition(args);
    if (position && !FindCommand(args[*position])) {
        err << fmt::format("'{}' 不是 korvani-cli 的命令（korvani-cli --help 列出全部命令）", args[*position]) << '\n';
        return kExitBadInput;
    }
    const bool batch = position && *position + 2 == args.size() && args.back() == "-";

    // Every command's options are bound to members of its object: the objects live as long as the
    // parser, which may write into any of them before it finds out which command was meant.
    std::vector<std::unique_ptr<Command>> commands;
    std::string dataDir = defaultDataDir;
    CLI::App app("Korvani 店铺公司起名软件的命令行：与桌面程序同一套计算。", "korvani-cli");
    app.add_option("--data-dir", dataDir, "存放五个数据文件的文件夹（默认为程序所在文件夹）");
    app.require_subcommand(1, 1);
    // Words the parser cannot place are kept and refused after parsing, by Parse (the subcommands
    // inherit this).
    app.allow_extras();
    std::vector<std::pair<CLI::App*, std::size_t>> subcommands;
    for (const CommandInfo& info : AllCommands()) {
        CLI::App* sub = app.add_subcommand(info.name, info.description);
        commands.push_back(info.make());
        if (batch && info.name == args[*position])
            sub->add_option("INPUT", "-：从标准输入逐行读取");
        else
            commands.back()->Declare(*sub);
        subcommands.emplace_back(sub, commands.size() - 1);
    }

    try {
        Parse(app, args);
    } catch (const CLI::Success& e) {
        return app.exit(e, out, err) == 0 ? kExitDone : kExitBadInput;
    } catch (const CLI::ParseError& e) {
        err << ParseErrorMessage(e) << '\n';
        return kExitBadInput;
    } catch (const InputError& e) {
        err << e.what() << '\n';
        return kExitBadInput;
    }

    CLI::App* chosenApp = nullptr;
    Command* chosen = nullptr;
    for (const auto& [sub, index] : subcommands) {
        if (sub->parsed()) {
            chosenApp = sub;
            chosen = commands[index].get();
        }
    }
    if (!chosen) {
        err << ParseErrorMessage(CLI::RequiredError::Subcommand(1)) << '\n';
        return kExitBadInput;
    }

    data::DataStore store(dataDir);
    CommandContext context{store, &err};
    try {
        if (!batch)
            CheckTexts(*chosenApp, *chosen);
        for (data::DataFileId id : chosen->DataFiles())
            store.Connection(id);
        if (batch)
            return RunBatch(*FindCommand(args[*position]), context, in, out, err);
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

} // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           const std::string& defaultDataDir) {
    const int status = Run(args, in, out, err, defaultDataDir);
    // A result that did not reach its reader is no result: a full disk or a closed pipe is reported.
    out.flush();
    if (!out) {
        err << "无法写出结果：标准输出写入失败，输出不完整" << '\n';
        return kExitOutput;
    }
    return status;
}

} // namespace korvani::cli
