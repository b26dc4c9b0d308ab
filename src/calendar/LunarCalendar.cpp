#include "calendar/LunarCalendar.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace korvani::calendar {

namespace {

// One word per lunar year 1900..2100: bits 15..4 the ordinary months 1..12 (set: 30 days, clear:
// 29); bits 3..0 the month followed by a leap month (0 none), or 15 when the year has no leap month
// and the previous year's leap month has 30 days.
//
// Four words are corrected to the published Chinese calendar, which the old table missed by
// swapping a big and a small month, so that a whole month carried its neighbour's lunar days:
//  (a) 1906 was 0x5554: month 3 has 30 days and month 4 29 (1906-04-23..05-22 were a day off);
//  (b) 1914 was 0xD295: month 9 has 29 days and month 10 30 (1914-11-17..12-16, month 10);
//  (c) 2089 was 0xD260: month 7 has 29 days and month 8 30 (2089-09-04..10-03, month 8);
//  (d) 2097 was 0xA4D0: month 6 has 29 days and month 7 30 (2097-08-07..09-05, month 7).
// clang-format off
constexpr std::array<std::uint16_t, 201> kLunarYearTable = {
    0x4BD8, 0x4AE0, 0xA570, 0x54D5, 0xD260, 0xD950, 0x6554, 0x56AF, 0x9AD0, 0x55D2, // 1900 (a)
    0x4AE0, 0xA5B6, 0xA4D0, 0xD250, 0xD255, 0xB54F, 0xD6A0, 0xADA2, 0x95B0, 0x4977, // 1910 (b)
    0x497F, 0xA4B0, 0xB4B5, 0x6A50, 0x6D40, 0xAB54, 0x2B6F, 0x9570, 0x52F2, 0x4970, // 1920
    0x6566, 0xD4A0, 0xEA50, 0x6A95, 0x5ADF, 0x2B60, 0x86E3, 0x92EF, 0xC8D7, 0xC95F, // 1930
    0xD4A0, 0xD8A6, 0xB55F, 0x56A0, 0xA5B4, 0x25DF, 0x92D0, 0xD2B2, 0xA950, 0xB557, // 1940
    0x6CA0, 0xB550, 0x5355, 0x4DAF, 0xA5B0, 0x4573, 0x52BF, 0xA9A8, 0xE950, 0x6AA0, // 1950
    0xAEA6, 0xAB50, 0x4B60, 0xAAE4, 0xA570, 0x5260, 0xF263, 0xD950, 0x5B57, 0x56A0, // 1960
    0x96D0, 0x4DD5, 0x4AD0, 0xA4D0, 0xD4D4, 0xD250, 0xD558, 0xB540, 0xB6A0, 0x95A6, // 1970
    0x95BF, 0x49B0, 0xA974, 0xA4B0, 0xB27A, 0x6A50, 0x6D40, 0xAF46, 0xAB60, 0x9570, // 1980
    0x4AF5, 0x4970, 0x64B0, 0x74A3, 0xEA50, 0x6B58, 0x5AC0, 0xAB60, 0x96D5, 0x92E0, // 1990
    0xC960, 0xD954, 0xD4A0, 0xDA50, 0x7552, 0x56A0, 0xABB7, 0x25D0, 0x92D0, 0xCAB5, // 2000
    0xA950, 0xB4A0, 0xBAA4, 0xAD50, 0x55D9, 0x4BA0, 0xA5B0, 0x5176, 0x52BF, 0xA930, // 2010
    0x7954, 0x6AA0, 0xAD50, 0x5B52, 0x4B60, 0xA6E6, 0xA4E0, 0xD260, 0xEA65, 0xD530, // 2020
    0x5AA0, 0x76A3, 0x96D0, 0x4AFB, 0x4AD0, 0xA4D0, 0xD0B6, 0xD25F, 0xD520, 0xDD45, // 2030
    0xB5A0, 0x56D0, 0x55B2, 0x49B0, 0xA577, 0xA4B0, 0xAA50, 0xB255, 0x6D2F, 0xADA0, // 2040
    0x4B63, 0x937F, 0x49F8, 0x4970, 0x64B0, 0x68A6, 0xEA5F, 0x6B20, 0xA6C4, 0xAAEF, // 2050
    0x92E0, 0xD2E3, 0xC960, 0xD557, 0xD4A0, 0xDA50, 0x5D55, 0x56A0, 0xA6D0, 0x55D4, // 2060
    0x52D0, 0xA9B8, 0xA950, 0xB4A0, 0xB6A6, 0xAD50, 0x55A0, 0xABA4, 0xA5B0, 0x52B0, // 2070
    0xB273, 0x6930, 0x7337, 0x6AA0, 0xAD50, 0x4B55, 0x4B6F, 0xA570, 0x54E4, 0xD160, // 2080 (c)
    0xE968, 0xD520, 0xDAA0, 0x6AA6, 0x56DF, 0x4AE0, 0xA9D4, 0xA2D0, 0xD150, 0xF252, // 2090 (d)
    0xD520,                                                                         // 2100
};
// clang-format on
static_assert(kLunarYearTable.back() == 0xD520, "one word per year 1900..2100");

constexpr std::uint16_t Word(int year) { return kLunarYearTable[year - kFirstLunarYear]; }

constexpr int LeapOf(int year) {
    const int low = Word(year) & 0xF;
    return low == 0xF ? 0 : low;
}

constexpr int LeapDays(int year) {
    if (LeapOf(year) == 0)
        return 0;
    // The leap month's length is kept in the low bits of the next year's word.
    return year < kLastLunarYear && (Word(year + 1) & 0xF) == 0xF ? 30 : 29;
}

constexpr int MonthDays(int year, int month) {
    const int bit = month < 2 ? 15 : 16 - month;
    return (Word(year) >> bit) & 1 ? 30 : 29;
}

constexpr int YearDays(int year) {
    int days = 348;
    for (int bit = 15; bit >= 4; --bit)
        days += (Word(year) >> bit) & 1;
    return days + LeapDays(year);
}

constexpr int kFirstDay = 32;  // 1900-01-31, lunar 1900-01-01, as a day number
constexpr int kEndDay = 73416; // 2101-01-01, the first day past the table
constexpr int kYearCount = kLastLunarYear - kFirstLunarYear + 1;

// Day number of each lunar new year 1900..2100, and one past the end.
constexpr std::array<int, kYearCount + 1> kNewYearDay = [] {
    std::array<int, kYearCount + 1> days{};
    days[0] = kFirstDay;
    for (int i = 0; i < kYearCount; ++i)
        days[i + 1] = days[i] + YearDays(kFirstLunarYear + i);
    return days;
}();

// Lunar 2000-01-01 is 2000-02-05, the anchor of the lunar-to-solar direction.
static_assert(kNewYearDay[2000 - kFirstLunarYear] == 36561);

} // namespace

int LeapMonthOf(int year) { return LeapOf(year); }
int LeapMonthDays(int year) { return LeapDays(year); }
int LunarMonthDays(int year, int month) { return MonthDays(year, month); }
int LunarYearDays(int year) { return YearDays(year); }

LunarDate SolarToLunar(base::DateValue date) {
    const int day = static_cast<int>(std::trunc(date));
    if (date < kFirstDay || day >= kEndDay)
        return {};
    // The year: the last new year on or before the day (a lunar year is 353 to 385 days long, so
    // the estimate is off by at most one).
    int index = static_cast<int>((day - kFirstDay) / 365.2422);
    if (index >= kYearCount)
        index = kYearCount - 1;
    while (kNewYearDay[index] > day)
        --index;
    while (kNewYearDay[index + 1] <= day)
        ++index;
    const int year = kFirstLunarYear + index;
    int offset = day - kNewYearDay[index];

    // The month: the ordinary months in order, each leap month after the month it repeats.
    const int leap = LeapOf(year);
    for (int month = 1;; ++month) {
        const int days = MonthDays(year, month);
        if (offset < days)
            return {year, month, offset + 1, false};
        offset -= days;
        if (month == leap) {
            const int leapDays = LeapDays(year);
            if (offset < leapDays)
                return {year, month, offset + 1, true};
            offset -= leapDays;
        }
    }
}

bool IsValidLunarDate(const LunarDate& d) {
    if (d.Year < 1901 || d.Year > 2099 || d.Month < 1 || d.Month > 12 || d.Day < 1 || d.Day > 30)
        return false;
    if (d.IsLeap)
        return LeapOf(d.Year) == d.Month && LeapDays(d.Year) >= d.Day;
    return MonthDays(d.Year, d.Month) >= d.Day;
}

base::DateValue LunarToSolar(const LunarDate& d) {
    if (!IsValidLunarDate(d))
        return base::DayNumber({1, 1, 1});
    const int leap = LeapOf(d.Year);
    int sum = 0;
    for (int month = 1; month < d.Month; ++month) {
        sum += MonthDays(d.Year, month);
        if (month == leap)
            sum += LeapDays(d.Year);
    }
    if (d.IsLeap)
        sum += MonthDays(d.Year, d.Month); // the ordinary month precedes its leap month
    return kNewYearDay[d.Year - kFirstLunarYear] + sum + d.Day - 1;
}

} // namespace korvani::calendar
