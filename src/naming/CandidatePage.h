#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/RandomSource.h"
#include "naming/NamingRun.h"

namespace korvani::naming {

inline constexpr int kPageRows = 100;

// The nine column headings of the results grid.
inline constexpr std::array<std::string_view, 9> kGridHeadings = {
    "编号", "企业名称", "企业繁体字", "总体笔画", "单位主体", "主体五行", "主体笔画", "行业笔画", "总体评分"};

using GridRow = std::array<std::string, 9>;

// The bonus that the stroke total of the whole name adds to a candidate's score: 4, 3 or 2 by the
// remainder of the total modulo 81.
int ScoreBonus(int total);

// True when the result holds more than one page ("继续显示" is enabled).
bool HasMorePages(const NamingResult& result);

// One page: up to 100 rows drawn uniformly at random from the result, a fresh draw for each row (the
// same candidate may come twice). `prefix` and `suffix` are the texts of the affix fields now.
std::vector<GridRow> ShowCandidatePage(const NamingResult& result, std::string_view prefix, std::string_view suffix,
                                       base::RandomSource& random);

} // namespace korvani::naming
