#include "chart/FourPillars.h"

#include "base/Text.h"
#include "data/Tgcode.h"


namespace korvani::chart {

bool IsSectionTerm(std::string_view text) {
    for (std::size_t i = 0; i < calendar::names::kSolarTerms.size(); i += 2)
        if (calendar::names::kSolarTerms[i] == text)
            return true;
    return false;
}

bool BeforeTermMoment(data::DataStore& store, int year, base::DateValue birthMoment) {
    try {
        for (const data::SolarTermRow& term : data::Tgcode(store).TermsOn(year, base::DatePart(birthMoment)))
            if (IsSectionTerm(term.name))
                return base::ParseDateTime(term.moment) > birthMoment;
    } catch (const KorvaniError&) {
        // A chart lookup: a term table that cannot be read counts as no term on the day.
    }
    return false;
}

FourPillars ComputeFourPillars(data::DataStore& store, int year, int month, int day, int hour, int minute,
                               std::string_view sex) {
    const base::DateValue birth = base::ToDateValue({year, month, day}, {hour, minute, 0, 0});
    return ComputeFourPillars(BeforeTermMoment(store, year, birth), year, month, day, hour, minute, sex);
}

FourPillars ComputeFourPillars(data::DataStore& store, const ResolvedBirth& b, std::string_view sex) {
    return ComputeFourPillars(store, b.date.year, b.date.month, b.date.day, b.hour, b.minute, base::Trim(sex));
}

namespace {

// The month branch by the fixed days on which the section terms usually fall: 寅 from 4 February.
calendar::EarthlyBranch MonthBranchOf(int monthCode) {
    struct Range {
        int from, to, branch;
    };
    static constexpr Range kRanges[] = {
        {204, 305, 2},  {306, 404, 3},   {405, 504, 4},    {505, 605, 5},  {606, 706, 6},
        {707, 807, 7},  {808, 907, 8},   {908, 1007, 9},   {1008, 1106, 10}, {1107, 1207, 11},
        {1208, 1231, 0}, {101, 105, 0},  {106, 203, 1},
    };
    for (const Range& r : kRanges)
        if (monthCode >= r.from && monthCode <= r.to)
            return calendar::EarthlyBranch(r.branch);
    return calendar::EarthlyBranch(0); // not reached: the ranges cover every day of the year
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

    // The year turns at 立春 (4 February), not at the lunar new year; 1984 from 立春 is 甲子.
    const int pillarYear = p.MonthCode >= 204 ? year : year - 1;
    p.YearPillar = Pillar(pillarYear - 1984);

    // 五虎遁: the month stems of a year follow from its stem.
    p.MonthPillar = calendar::MonthCycle(p.YearPillar.Stem(), MonthBranchOf(p.MonthCode));

    // The sixty-day cycle, counted from the Gregorian day count; the offset makes 2000-01-07 甲子.
    const int h = year - 1;
    const int base = 5 * h + h / 4 - h / 100 + h / 400;
    int dayOfYear = day;
    for (int m = 1; m < month; ++m)
        dayOfYear += base::DaysInMonth(year, m);
    p.DayPillar = Pillar(base + dayOfYear + 6014);

    // 五鼠遁: two-hour branches, 23:00 already 子 of the same day.
    p.HourPillar = calendar::HourCycle(p.DayPillar.Stem(), calendar::EarthlyBranch::OfHour(hour));
    return p;
}

} // namespace korvani::chart
