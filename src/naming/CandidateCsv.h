#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "naming/CandidatePage.h"
#include "naming/Shortlist.h"

// Candidate names as CSV for spreadsheet programs: UTF-8 with a byte-order mark (without it a
// spreadsheet program reads the Chinese as the local code page), fields separated by commas and
// quoted where a comma, a quote, a line break or a leading or trailing blank stands in them, one
// record a line (LF).
namespace korvani::naming {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The heading of the explained score's column, after the nine of the grid.
inline constexpr std::string_view kExplanationHeading = "评分说明";

// One field as written: quoted when needed, inner quotes doubled. A text that a spreadsheet would
// take for a formula (one that starts with =, +, -, @, a tab or a carriage return) is written with
// a leading apostrophe, so that a name or a surname cannot run as one.
std::string CsvField(std::string_view text);

// One record: the fields joined by commas, ending in a line break.
std::string CsvRecord(const std::vector<std::string>& fields);

// A page of the results grid: the byte-order mark, the nine headings and 评分说明, then one record
// per row with its explanation (`explanations[i]` for `rows[i]`).
std::string GridCsv(const std::vector<GridRow>& rows, const std::vector<std::string>& explanations);

// The shortlist: the same ten columns (编号 is the place in the list), then 法人生辰 and 收藏时间.
std::string ShortlistCsv(const Shortlist& list);

} // namespace korvani::naming
