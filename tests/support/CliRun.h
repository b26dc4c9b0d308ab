#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <utility>
#include <vector>

#include "cli/Cli.h"
#include "support/TestDataDir.h"

namespace korvani::testing {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs korvani-cli in-process on the arguments, with `input` as its standard input.
inline CliRun RunInProcess(const std::vector<std::string>& args, const std::string& input = "",
                           const std::string& dataDir = BuiltDataDir().string()) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunCli(args, in, out, err, dataDir);
    return {status, out.str(), err.str()};
}

// Runs a shell command line and returns its exit status and standard output.
inline std::pair<int, std::string> Shell(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    const int status = pclose(pipe);
    return {WEXITSTATUS(status), output};
}

inline std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

} // namespace korvani::testing
