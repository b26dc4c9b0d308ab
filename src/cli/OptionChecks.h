#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <string>
#include <vector>

#include "base/DateValue.h"

namespace korvani::cli {

class Command;

// The checks of option values that every command shares. An option's value is kept as the text
// typed and checked here, never converted by the parser: a conversion of the parser lets the empty
// text through as 0.

// The value must be one of `choices` exactly; `what` names it in the message, for example
// "'5': 名字字数须为2、3或4!".
CLI::Validator OneOf(std::vector<std::string> choices, std::string what);

// The value must be the program's integer text, within [min, max]: "'0': 页数须在1至1000之间!".
// A text that is no integer gets the integer message.
CLI::Validator WholeNumber(std::int64_t min, std::int64_t max, std::string what);

// Every text the command was given (each value of each of its options and arguments) must be UTF-8
// that GBK can hold, as the windows' fields hold it; else InputError with the same message the
// company-name report gives: "字符“😀”(U+1F600)不能用GBK编码". The options that the command names in
// OwnTextChecks() are left to it.
void CheckTexts(const CLI::App& app, const Command& command);

// The days of `--from DATE --to DATE`, both ends included. A text that is no date, or a start after
// the end, is bad input (InputError); a range is never empty.
struct DayRange {
    int first = 0; // day numbers (base::DayNumber)
    int last = 0;
};
DayRange ParseDayRange(const std::string& from, const std::string& to);

// The message of a parser error, in Chinese: a stray word, an unknown option, a missing argument,
// a value that fails its check.
std::string ParseErrorMessage(const CLI::ParseError& error);

} // namespace korvani::cli
