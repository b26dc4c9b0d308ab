#pragma once

#include <string>
#include <string_view>

#include "data/DataStore.h"

// The character lookups of name numerology: strokes and traditional form. (The element of a
// character is a lookup of the chart: chart/ChartDetails.h.)
//
// A text is cut into characters. A Chinese character is one unit and is looked up in the character
// table; a one-byte character (a digit, a Latin letter, a blank) is a unit of its own that counts 0
// strokes and adds nothing to the traditional form, so "3M科技" counts exactly as 科技 does. (Cutting
// the GBK bytes two at a time would let every unit after a one-byte character straddle two
// characters and find nothing.) Texts of Chinese characters only give the same results either way.
namespace korvani::numerology {

// Stroke total of the characters of the text, as passed (not trimmed). A character that the table
// lacks counts 0. A data-file failure is not caught: it ends the command that asked.
int StrokeCount(data::DataStore& store, std::string_view text);

// The traditional form of every character of the text, in order: the first character of each
// stored form. A character that the table lacks adds nothing.
std::string TraditionalForm(data::DataStore& store, std::string_view text);


} // namespace korvani::numerology
