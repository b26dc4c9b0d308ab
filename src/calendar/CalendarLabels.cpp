#include "calendar/CalendarLabels.h"
#include "calendar/SixtyCycle.h"

#include <cmath>
#include <cstdint>

namespace korvani::calendar {

namespace {

// Minutes of each term within the tropical year that starts at the base moment.
constexpr std::array<std::int32_t, 24> kSolarTermOffsets = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

constexpr long double kTropicalYearMs = 31556925974.7L;
constexpr std::int64_t kMsPerDay = 86'400'000;
// 1900-01-06 02:05:00 in milliseconds since day 0 (1899-12-30).
constexpr std::int64_t kBaseMs = 7 * kMsPerDay + (2 * 60 + 5) * 60'000;

// Milliseconds since day 0 of the term's moment.
std::int64_t TermMs(int year, int index) {
    const long double yearTerm = static_cast<long double>(year - 1900) * kTropicalYearMs;
    const double ms = static_cast<double>(yearTerm + static_cast<long double>(kSolarTermOffsets[index]) * 60000.0L);
    return kBaseMs + static_cast<std::int64_t>(std::nearbyint(ms));
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

} // namespace

base::DateValue SolarTermMoment(int year, int index) {
    const std::int64_t ms = TermMs(year, index);
    const std::int64_t day = FloorDiv(ms, kMsPerDay);
    const double fraction = static_cast<double>(ms - day * kMsPerDay) / kMsPerDay;
    return day >= 0 ? day + fraction : day - fraction;
}

std::string SolarTermName(base::DateValue date) {
    if (date != std::trunc(date))
        return {};
    const base::CivilDate d = base::DatePart(date);
    const int day = static_cast<int>(date);
    const int k = 2 * (d.month - 1);
    for (int index : {k, k + 1})
        if (FloorDiv(TermMs(d.year, index), kMsPerDay) == day)
            return std::string(names::kSolarTerms[index]);
    return {};
}

std::string YearCycleLabel(int n) {
    const SixtyCycle cycle(n);
    return cycle.Name() + "(" + std::string(cycle.Branch().Animal()) + "年)";
}

std::string LunarMonthLabel(int month, bool leap) {
    std::string label;
    if (leap)
        label = "闰";
    if (month >= 1 && month <= 10)
        label += ChineseNumerals[month];
    else if (month == 11 || month == 12)
        label += std::string("十") + std::string(ChineseNumerals[month - 10]);
    return label + "月";
}

std::string LunarDayLabel(int day) {
    if (day >= 1 && day <= 10)
        return "初" + std::string(ChineseNumerals[day]);
    if (day >= 11 && day <= 19)
        return "十" + std::string(ChineseNumerals[day - 10]);
    if (day == 20)
        return "二十";
    if (day >= 21 && day <= 29)
        return "廿" + std::string(ChineseNumerals[day - 20]);
    if (day == 30)
        return "三十";
    return {};
}

std::string ConstellationOf(base::DateValue date) {
    struct Range {
        int fromMonth, fromDay, toMonth, toDay;
        const char* name;
    };
    static constexpr Range kRanges[] = {
        {12, 22, 12, 31, "摩羯座"}, {1, 1, 1, 19, "摩羯座"},   {1, 20, 2, 18, "水瓶座"},  {2, 19, 3, 20, "双鱼座"},
        {3, 21, 4, 20, "白羊座"},   {4, 21, 5, 20, "金牛座 "}, {5, 21, 6, 21, "双子座"},  {6, 22, 7, 22, "巨蟹座"},
        {7, 23, 8, 22, "狮子座"},   {8, 23, 9, 22, "处女座"},  {9, 23, 10, 22, "天秤座"}, {10, 23, 11, 21, "天蝎座"},
        {11, 22, 12, 21, "射手座"},
    };
    const int year = base::DatePart(date).year;
    for (const Range& r : kRanges) {
        const double from = base::DayNumber({year, r.fromMonth, r.fromDay});
        const double to = base::DayNumber({year, r.toMonth, r.toDay});
        if (date >= from && date <= to)
            return r.name;
    }
    return {};
}

} // namespace korvani::calendar
