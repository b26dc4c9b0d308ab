#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/DateValue.h"

// The Chinese words of the calendar that the reports print, and the moments of the 24 solar terms
// (their names: calendar/CycleNames.h).
namespace korvani::calendar {

// Index 1 to 10; index 0 is unused.
inline constexpr std::array<std::string_view, 11> ChineseNumerals = {"",   "一", "二", "三", "四", "五",
                                                                     "六", "七", "八", "九", "十"};
// The moment of solar term `index` (0 小寒 .. 23 冬至) of a Gregorian year, from the mean tropical
// year counted from 1900-01-06 02:05; its date part is taken as the term's day.
base::DateValue SolarTermMoment(int year, int index);

// The name of the solar term that falls on the day, or "". Only the two terms of the day's own
// month are tried; a date value with a time of day never matches.
std::string SolarTermName(base::DateValue date);

// Stem, branch, "(", animal, "年)" of cycle index n: 0 is 甲子(鼠年). Lunar year Y has index
// Y − 1864. A negative index is taken into the cycle (modulo 60), so it never reads outside the
// tables.
std::string YearCycleLabel(int n);

// 一月 .. 十二月, 闰四月 for a leap month; a month outside 1..12 gives just 月 (or 闰月).
std::string LunarMonthLabel(int month, bool leap);

// 初一 .. 初十, 十一 .. 十九, 二十, 廿一 .. 廿九, 三十; "" outside 1..30.
std::string LunarDayLabel(int day);

// The Western constellation of a day ("金牛座 " keeps its trailing blank), or "" for a date value
// whose time of day falls past the end of a range.
std::string ConstellationOf(base::DateValue date);

} // namespace korvani::calendar
