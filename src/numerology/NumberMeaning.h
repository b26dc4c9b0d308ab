#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/Catalogue.h"

namespace korvani::numerology {

// A number's place among the 81: the remainder modulo 81, so 81 gives 0 and 82 gives 1.
// Stroke totals are never negative; a negative number is taken into 0..80 all the same.
int NumberRemainder(std::int64_t number);

// The verdict of a number typed as text: "phrase|verdict|personality" of entry n mod 81 (truncated
// division, so the remainder has the sign of n), or kNoNumberVerdictText when that remainder is
// negative. A text that is no 64-bit integer fails with "'%s' is not a valid integer value".
std::string NumberVerdict(std::string_view numberText);

// The meaning text of a number from `namefx` (key: the remainder in decimal), or "" without a row.
// A data-file failure is not caught: it ends the command that asked.
std::string NumberText(data::Catalogue& catalogue, std::int64_t number);

} // namespace korvani::numerology
