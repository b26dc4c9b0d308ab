#include "chart/ChartDetails.h"

#include "base/Gbk.h"
#include "base/Text.h"
#include "calendar/CalendarLabels.h"
#include "calendar/LunarCalendar.h"

namespace korvani::chart {

namespace {

constexpr int kTermSearchDays = 32;

// Distance in days to the first section term after (or before) the birth day, the birth day itself
// not examined; 0 when none lies within 32 days.
int DaysToSectionTerm(int birthDay, bool backward) {
    for (int j = 1; j <= kTermSearchDays; ++j) {
        const int day = backward ? birthDay - j : birthDay + j;
        if (IsSectionTerm(base::Trim(calendar::SolarTermName(day))))
            return j;
    }
    return 0;
}

// Yang stems: 甲 丙 戊 庚 壬, the odd stem numbers.
bool IsYinStem(int stem) { return stem % 2 == 0; }

} // namespace

ChartDetails ComputeChartDetails(const FourPillars& p) {
    ChartDetails d;
    const int birthDay = base::DayNumber({p.Year, p.Month, p.Day});

    d.ConceptionPillar = {Mod(p.MonthStem + 1, 10), Mod(p.MonthBranch + 3, 12)};

    // Men of yang years and women of yin years go forward.
    d.LuckBackward = p.IsMale == IsYinStem(p.YearStem);

    // Three days count one year; 31 or 32 days give 11, which becomes 1.
    d.TermDays = DaysToSectionTerm(birthDay, d.LuckBackward);
    int age = d.TermDays / 3 + (d.TermDays % 3 != 0 ? 1 : 0);
    if (age == 0)
        age = 10;
    else if (age != 10)
        age %= 10;
    d.StartAge = age;

    for (int i = 0; i < 10; ++i)
        d.LuckPillars[i] = d.LuckBackward ? Pillar{Mod(p.MonthStem + 10 - i, 10), Mod(p.MonthBranch + 12 - i, 12)}
                                          : Pillar{Mod(p.MonthStem + i, 10), Mod(p.MonthBranch + i, 12)};

    // The year column shows the branch of the lunar year in which the next section term falls.
    const int forward = DaysToSectionTerm(birthDay, false);
    const int lunarYear = calendar::SolarToLunar(birthDay + (forward == 0 ? kTermSearchDays + 1 : forward)).Year;
    d.YearHidden = HiddenStems[Mod(lunarYear - 1924, 12)];
    d.MonthHidden = HiddenStems[Mod(p.Month, 12)];
    d.DayHidden = HiddenStems[Mod(p.DayBranch + 11, 12)];
    d.HourHidden = HiddenStems[Mod(p.HourBranch + 11, 12)];
    return d;
}

std::string TenGodName(data::Catalogue& catalogue, std::string_view stemPair) { return catalogue.TenGod(stemPair); }

std::string NayinName(data::Catalogue& catalogue, std::string_view pillar) { return catalogue.Nayin(pillar); }

std::string ElementCountText(std::string_view elementText) {
    std::string gbk;
    try {
        gbk = base::Utf8ToGbk(elementText);
    } catch (const base::GbkEncodeError&) {
        // Element texts are made of element characters and blanks; anything else counts nothing.
    }
    static constexpr std::size_t kPlaces[] = {1, 3, 8, 10, 15, 17, 22, 24};
    static constexpr std::string_view kElements[] = {"金", "木", "水", "火", "土"};
    std::string result;
    for (std::string_view element : kElements) {
        const std::string code = base::Utf8ToGbk(element);
        int count = 0;
        for (std::size_t place : kPlaces)
            if (place + 1 <= gbk.size() && gbk.compare(place - 1, 2, code) == 0)
                ++count;
        if (!result.empty())
            result += ", ";
        result += std::string(element) + ":占" + std::to_string(count) + "个";
    }
    return result;
}

} // namespace korvani::chart
