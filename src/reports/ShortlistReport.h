#pragma once

#include <string>
#include <vector>

#include "data/DataStore.h"
#include "naming/Shortlist.h"

namespace korvani::reports {

// One line of the side-by-side comparison: what it compares, and one cell per name.
struct CompareRow {
    std::string label;
    std::vector<std::string> cells;
};

// Two to four kept names side by side: the name and its traditional form, the strokes and verdicts
// of the three grids (主体, 行业, 全称), the elements against the representative's missing ones, the
// score with its explanation, each character's meaning and the birth data it was scored for.
std::vector<CompareRow> CompareNames(data::DataStore& store, const std::vector<naming::ShortlistEntry>& entries);

// The kept names as a report for 打印 and 保存: a framed opening line, then each name with its
// grids, elements, explained score, meanings and birth data, divided by the name separator.
std::vector<std::string> ShortlistReportLines(data::DataStore& store,
                                              const std::vector<naming::ShortlistEntry>& entries);

} // namespace korvani::reports
