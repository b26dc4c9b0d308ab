// korvani-cli in-process on any arguments: the input is the arguments, one a line; after the first
// empty line comes the standard input. Every run ends with one of the documented exit statuses.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::size_t split = text.find("\n\n");
    const std::string head = text.substr(0, split);
    const std::string stdinText = split == std::string::npos ? std::string() : text.substr(split + 2);

    std::vector<std::string> args;
    std::size_t start = 0;
    while (start <= head.size() && !head.empty()) {
        const std::size_t end = head.find('\n', start);
        args.push_back(head.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    // The data files are the built ones, whatever folder the arguments name.
    for (std::size_t i = 0; i < args.size(); ++i)
        if (args[i].starts_with("--data-dir"))
            args[i] = "--ignored";

    std::istringstream in(stdinText);
    std::ostringstream out;
    std::ostringstream err;
    const int status = korvani::cli::RunCli(args, in, out, err, KORVANI_BIN_DIR);
    Require(status >= 0 && status <= 3);
    // Bad input and data-file failures always say why; the built files are sound.
    Require(status != 1);
    if (status == 2)
        Require(!err.str().empty());
    return 0;
}
