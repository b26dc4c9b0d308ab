#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/DataStore.h"
#include "numerology/NumberVerdictTable.h"

namespace korvani::numerology {

// The verdict of a number typed as text: "phrase|verdict|personality" of the traditional number
// n mod 81 (truncated division, so the remainder has the sign of n), or kNoNumberVerdictText when
// that remainder is negative. A text that is no 64-bit integer fails with "'%s' 不是有效的整数".
std::string NumberVerdict(std::string_view numberText);

// The meaning text of a number from `namefx` (key: the remainder in decimal), or "" without a row.
// A data-file failure is not caught: it ends the command that asked.
std::string NumberText(data::DataStore& store, std::int64_t number);

} // namespace korvani::numerology
