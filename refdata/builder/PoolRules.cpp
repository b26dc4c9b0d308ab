#include "PoolRules.h"

#include <cmath>
#include <numeric>

#include "numerology/NumberVerdictTable.h"

namespace korvani::refdata {

double VerdictWeight(std::string_view verdict) {
    if (verdict == "吉")
        return 1.0;
    if (verdict == "吉带凶")
        return 0.7;
    if (verdict == "凶带吉")
        return 0.5;
    return 0.0;
}

double NumberWeight(int number) {
    return VerdictWeight(numerology::TraditionalNumberEntry(number).verdict);
}

int PatternScore(const std::vector<int>& strokes) {
    const int total = std::accumulate(strokes.begin(), strokes.end(), 0);
    double mean = 0;
    for (int s : strokes)
        mean += NumberWeight(s);
    mean /= static_cast<double>(strokes.size());
    return static_cast<int>(std::lround(100.0 * (0.6 * NumberWeight(total) + 0.4 * mean)));
}

bool IsListedPattern(const std::vector<int>& strokes) {
    constexpr double kLucky = 0.7;
    const int total = std::accumulate(strokes.begin(), strokes.end(), 0);
    if (NumberWeight(total) < kLucky)
        return false;
    if (strokes.size() == 4)
        return NumberWeight(strokes[0] + strokes[1]) >= kLucky && NumberWeight(strokes[2] + strokes[3]) >= kLucky;
    return true;
}

int WordScore(int bh1, int bh2, WordGrade grade) {
    const double g = grade == WordGrade::A ? 1.0 : 0.6;
    const double mean = (NumberWeight(bh1) + NumberWeight(bh2)) / 2.0;
    return static_cast<int>(std::lround(55.0 * NumberWeight(bh1 + bh2) + 15.0 * mean + 30.0 * g));
}

} // namespace korvani::refdata
