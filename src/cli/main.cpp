#include <iostream>

#include "cli/Cli.h"
#include "data/DataStore.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return korvani::cli::RunCli(args, std::cin, std::cout, std::cerr, korvani::data::ProgramDirectory());
}
