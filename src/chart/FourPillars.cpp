#include "chart/FourPillars.h"

#include <algorithm>

namespace korvani::chart {

std::string PillarText(int stem, int branch) {
    return std::string(StemByNumber[Mod(stem, 10)]) + std::string(BranchByNumber[Mod(branch, 12)]);
}

std::string PillarText(const Pillar& pillar) { return PillarText(pillar.stem, pillar.branch); }

bool IsSectionTerm(std::string_view text) {
    return std::find(SectionTermNames.begin(), SectionTermNames.end(), text) != SectionTermNames.end();
}

bool BeforeTermMoment(data::Catalogue& catalogue, int year, base::DateValue birthMoment) {
    const auto moment = catalogue.SectionTermMomentOn(year, base::DatePart(birthMoment));
    return moment && *moment > birthMoment;
}

FourPillars ComputeFourPillars(data::Catalogue& catalogue, int year, int month, int day, int hour, int minute,
                               std::string_view sex) {
    const base::DateValue birth = base::ToDateValue({year, month, day}, {hour, minute, 0, 0});
    return ComputeFourPillars(BeforeTermMoment(catalogue, year, birth), year, month, day, hour, minute, sex);
}

namespace {

// The month branch by the fixed days on which the section terms usually fall.
int MonthBranchOf(int monthCode) {
    struct Range {
        int from, to, branch;
    };
    static constexpr Range kRanges[] = {
        {204, 305, 3},   {306, 404, 4}, {405, 504, 5},   {505, 605, 6},    {606, 706, 7},
        {707, 807, 8},   {808, 907, 9}, {908, 1007, 10}, {1008, 1106, 11}, {1107, 1207, 0},
        {1208, 1231, 1}, {101, 105, 1}, {106, 203, 2},
    };
    for (const Range& r : kRanges)
        if (monthCode >= r.from && monthCode <= r.to)
            return r.branch;
    return 1; // not reached: the ranges cover every day of the year
}

} // namespace

FourPillars ComputeFourPillars(bool bornBeforeTerm, int year, int month, int day, int hour, int minute,
                               std::string_view sex) {
    FourPillars p;
    p.Year = year;
    p.Month = month;
    p.Day = day;
    p.Hour = hour;
    p.Minute = minute;
    p.IsMale = sex == "男";
    p.BornBeforeTerm = bornBeforeTerm;
    p.MonthCode = month * 100 + day - (bornBeforeTerm ? 1 : 0);
    p.MonthBranch = MonthBranchOf(p.MonthCode);

    // The year turns at 立春 (4 February), not at the lunar new year.
    const int yearBase = p.MonthCode >= 204 ? year - 3 : year - 4;
    p.YearStem = Mod(yearBase, 10);
    p.YearBranch = Mod(yearBase, 12);

    // 五虎遁: the month stems of a year follow from its stem.
    p.MonthStem =
        p.MonthBranch >= 3 ? Mod(2 * p.YearStem + p.MonthBranch + 8, 10) : Mod(2 * p.YearStem + p.MonthBranch, 10);

    // The sixty-day cycle: 1 is 甲子, 0 is 癸亥.
    const int h = year - 1;
    const int base = 5 * h + h / 4 - h / 100 + h / 400;
    int dayOfYear = day;
    for (int m = 1; m < month; ++m)
        dayOfYear += base::DaysInMonth(year, m);
    const int cycle = Mod(base + dayOfYear + 6015, 60);
    p.DayStem = cycle % 10;
    p.DayBranch = cycle % 12;

    // 五鼠遁: two-hour branches, 23:00 already 子 of the same day.
    p.HourBranch = Mod((hour + 3) / 2, 12);
    p.HourStem = p.HourBranch != 0 ? Mod(2 * p.DayStem + p.HourBranch + 8, 10) : Mod(2 * p.DayStem, 10);
    return p;
}

} // namespace korvani::chart
