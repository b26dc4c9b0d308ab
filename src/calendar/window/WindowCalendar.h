#pragma once

#include <string>

#include "base/DateValue.h"

// The calendar window's own Chinese calendar for the Gregorian years 1901 to 2050: its lunar
// table, solar-term days, traditional month names (正月, 冬月, 腊月), festivals, year animal and
// constellation. Separate from the report calendar, whose names and tables differ. Every function
// answers for every int in a date's fields: a day that does not exist counts as outside the years.
namespace korvani::calendar::window {

inline constexpr int kFirstWindowYear = 1901;
inline constexpr int kLastWindowYear = 2050;

// month × 100 + day of the lunar date, negated in a leap month; 0 outside 1901..2050 (and for a day
// that does not exist).
int WindowLunarCode(const base::CivilDate& date);

// 正月 .. 腊月; 闰 + the name without 月 in a leap month (闰二, 闰冬); "" outside 1901..2050.
std::string WindowMonthText(const base::CivilDate& date);

// 初一 .. 三十; "" outside 1901..2050.
std::string WindowDayText(const base::CivilDate& date);

// 春节, 元宵节, 端午节, 七夕节, 中秋节, 重阳节, 腊八节 or 除夕 (the day before 正月初一), else "".
std::string WindowLunarFestival(const base::CivilDate& date);

// The Gregorian festival on `day` of the month of `date`, else "".
std::string WindowSolarFestival(int day, const base::CivilDate& date);

// The solar term that falls on the day by the window's term table, else "".
std::string WindowSolarTerm(const base::CivilDate& date);

// The year's branch and animal (子鼠 .. 亥猪); in January to March, before the lunar new year,
// the previous year's.
std::string WindowYearAnimal(const base::CivilDate& date);

// The constellation of `day` in the month of `date` (the window's own bounds), else "".
std::string WindowConstellation(int day, const base::CivilDate& date);

} // namespace korvani::calendar::window
