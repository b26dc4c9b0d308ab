#pragma once

#include <string>

#include "calendar/EarthlyBranch.h"
#include "calendar/HeavenlyStem.h"

namespace korvani::calendar {

// One of the sixty stem-branch pairs (六十甲子), 甲子 0 to 癸亥 59: a pillar of the birth chart, or
// the cycle of a year, a month, a day or an hour. Any integer is taken into the cycle.
class SixtyCycle {
public:
    static constexpr int kCount = 60;

    // 甲子. Not explicit, so that an array of pillars can be value-initialised with {}.
    constexpr SixtyCycle() = default;
    constexpr explicit SixtyCycle(int index) : m_index(((index % kCount) + kCount) % kCount) {}
    // The pair of a stem and a branch. Only stems and branches of the same yin or yang meet in the
    // cycle; for a mixed pair the stem decides within the branch's pairs.
    static constexpr SixtyCycle Of(HeavenlyStem stem, EarthlyBranch branch) {
        // index ≡ stem (mod 10) and ≡ branch (mod 12): 6·stem − 5·branch solves both.
        return SixtyCycle(6 * stem.Index() - 5 * branch.Index());
    }

    constexpr int Index() const { return m_index; }
    constexpr HeavenlyStem Stem() const { return HeavenlyStem(m_index); }
    constexpr EarthlyBranch Branch() const { return EarthlyBranch(m_index); }
    // The two characters, stem then branch (甲子).
    std::string Name() const { return std::string(Stem().Name()) + std::string(Branch().Name()); }
    constexpr SixtyCycle Next(int steps) const { return SixtyCycle(m_index + steps % kCount); }
    // The nayin (纳音) is shared by the two pairs of a couple: 甲子 and 乙丑 are both 海中金.
    constexpr int NayinIndex() const { return m_index / 2; }

    friend constexpr bool operator==(SixtyCycle, SixtyCycle) = default;

private:
    int m_index = 0;
};

// 五虎遁: the stem of the month of a given branch in a year of the given stem. The 寅 month of a 甲
// or 己 year is 丙寅, of 乙 or 庚 戊寅, of 丙 or 辛 庚寅, of 丁 or 壬 壬寅, of 戊 or 癸 甲寅; the
// months follow from 寅 to 丑.
constexpr SixtyCycle MonthCycle(HeavenlyStem yearStem, EarthlyBranch monthBranch) {
    const HeavenlyStem firstMonth((yearStem.Index() % 5) * 2 + 2);
    const int fromFirstMonth = (monthBranch.Index() - 2 + EarthlyBranch::kCount) % EarthlyBranch::kCount;
    return SixtyCycle::Of(firstMonth.Next(fromFirstMonth), monthBranch);
}

// 五鼠遁: the stem of the hour of a given branch on a day of the given stem. The 子 hour of a 甲 or
// 己 day is 甲子, of 乙 or 庚 丙子, of 丙 or 辛 戊子, of 丁 or 壬 庚子, of 戊 or 癸 壬子.
constexpr SixtyCycle HourCycle(HeavenlyStem dayStem, EarthlyBranch hourBranch) {
    const HeavenlyStem firstHour((dayStem.Index() % 5) * 2);
    return SixtyCycle::Of(firstHour.Next(hourBranch.Index()), hourBranch);
}

} // namespace korvani::calendar
