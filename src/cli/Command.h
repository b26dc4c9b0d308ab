#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "data/DataFileId.h"
#include "data/DataStore.h"

namespace CLI {
class App;
class Option;
} // namespace CLI

namespace korvani::cli {

struct CommandContext {
    data::DataStore& store;
    // Standard error, for what is no output line: the beep of a bad digit pair, why a search found
    // nothing. May be null.
    std::ostream* err = nullptr;
};

// One command of korvani-cli. A fresh object parses and runs each invocation, and each line of a
// batch read from standard input.
//
// What the command line does for every command, so that a command has only to declare its options
// and run (see Cli.cpp):
// - every command object lives as long as the parser that writes into its members;
// - a stray word before the command, an unknown option, a missing or extra argument is bad input
//   (exit 2) with a Chinese message;
// - every text given to the command is checked to be UTF-8 that GBK can hold (CheckTexts), except
//   the options the command names in OwnTextChecks;
// - the data files of DataFiles() are opened, and their seals checked, before the command runs;
// - a failed write of the output is reported and exits 3.
// What a command itself must do:
// - keep every option's value as text (std::string) and check it with the validators of
//   OptionChecks.h (OneOf, WholeNumber) or in Run, never bind a number or enumeration that the
//   parser converts;
// - read a `--from DATE --to DATE` range through ParseDayRange, which refuses an empty or reversed one;
// - throw InputError for bad input, write nothing before its checks are done.
class Command {
public:
    virtual ~Command() = default;

    // Declares the command's arguments and options, bound to members of this object.
    virtual void Declare(CLI::App& app) = 0;

    // The options (by their CLI11 name, such as "NAME" or "--body") whose text the command checks
    // itself with a message of its own, instead of the common GBK check.
    virtual std::vector<std::string> OwnTextChecks() const { return {}; }

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
