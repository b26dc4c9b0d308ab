#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace korvani::cli {

// Exit statuses of korvani-cli.
constexpr int kExitDone = 0;
constexpr int kExitDataFile = 1; // a data file is missing, unreadable or damaged
constexpr int kExitBadInput = 2;
constexpr int kExitOutput = 3; // the output could not be written

// Runs korvani-cli on its arguments (without the program name) and returns the exit status.
// `defaultDataDir` is the folder of the data files when --data-dir is not given.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           const std::string& defaultDataDir);

} // namespace korvani::cli
