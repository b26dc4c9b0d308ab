#include "naming/CandidatePage.h"

#include <algorithm>

#include "base/Text.h"
#include "numerology/NumberMeaning.h"

namespace korvani::naming {

namespace {
constexpr int kFourPoints[] = {0,  1,  3,  5,  7,  8,  11, 13, 15, 16, 18, 21, 23, 24, 25, 31,
                               32, 33, 35, 37, 39, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68};
constexpr int kThreePoints[] = {6, 17, 26, 27, 29, 30, 38, 49, 51, 55, 58, 71, 73, 75};
} // namespace

int ScoreBonus(int total) {
    const int r = numerology::NumberRemainder(total);
    if (std::find(std::begin(kFourPoints), std::end(kFourPoints), r) != std::end(kFourPoints))
        return 4;
    if (std::find(std::begin(kThreePoints), std::end(kThreePoints), r) != std::end(kThreePoints))
        return 3;
    return 2;
}

bool HasMorePages(const NamingResult& result) { return result.rows.size() > kPageRows; }

std::vector<GridRow> ShowCandidatePage(const NamingResult& result, std::string_view prefix, std::string_view suffix,
                                       base::RandomSource& random) {
    const std::size_t n = result.rows.size();
    const std::size_t k = std::min<std::size_t>(n, kPageRows);
    const std::string before = base::TrimCopy(prefix);
    const std::string after = base::TrimCopy(suffix);
    const NamingState& s = result.state;
    std::vector<GridRow> page;
    page.reserve(k);
    for (std::size_t i = 1; i <= k; ++i) {
        const CandidateRow& row = result.rows[random.Uniform(0, n - 1)];
        const int total = row.bh + s.affixBh;
        page.push_back({std::to_string(i), before + row.zi + after, s.prefixFt + row.ft + s.suffixFt,
                        std::to_string(total), row.zi, row.wuhang, std::to_string(row.bh), std::to_string(s.suffixBh),
                        std::to_string(row.fs + ScoreBonus(total))});
    }
    return page;
}

} // namespace korvani::naming
