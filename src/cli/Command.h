#pragma once

#include <ostream>
#include <vector>

#include "data/DataFileId.h"
#include "data/DataStore.h"

namespace CLI {
class App;
}

namespace korvani::cli {

struct CommandContext {
    data::DataStore& store;
    // Standard error, for what is no output line: the beep of a bad digit pair, why a search found
    // nothing. May be null.
    std::ostream* err = nullptr;
};

// One command of korvani-cli. A fresh object parses and runs each invocation, and each line of a
// batch read from standard input.
class Command {
public:
    virtual ~Command() = default;

    // Declares the command's arguments and options, bound to members of this object.
    virtual void Declare(CLI::App& app) = 0;

    // The data files the command reads. They are opened before it runs, so that a missing or
    // damaged file ends the run with exit status 1 and its name, even where the lookup itself
    // would answer empty (as the chart lookups do).
    virtual std::vector<data::DataFileId> DataFiles() const { return {}; }

    // The lines the command writes for one input: a bad line of a batch gives as many empty lines,
    // so that the output of every input keeps its place.
    virtual int LinesPerInput() const { return 1; }

    // Runs on the parsed arguments and writes the output lines. Bad input throws InputError.
    virtual void Run(CommandContext& context, std::ostream& out) = 0;
};

} // namespace korvani::cli
