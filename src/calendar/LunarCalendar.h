#pragma once

#include "base/DateValue.h"
#include "calendar/LunarDate.h"

// Conversion between the Gregorian calendar and the Chinese lunar calendar for the lunar years
// 1900 to 2100, over one table of month lengths and leap months.
namespace korvani::calendar {

inline constexpr int kFirstLunarYear = 1900;
inline constexpr int kLastLunarYear = 2100;

// Number of the month followed by a leap month in the year, 0 when there is none.
int LeapMonthOf(int year);
// Length of the year's leap month: 0 without one, else 29 or 30.
int LeapMonthDays(int year);
// Length of an ordinary month, 29 or 30 (a month below 2 reads month 1).
int LunarMonthDays(int year, int month);
// Length of the lunar year, leap month included (353 to 385).
int LunarYearDays(int year);

// The lunar date of a solar day (any time of day is ignored); the empty record outside
// 1900-01-31 to 2100-12-31.
LunarDate SolarToLunar(base::DateValue date);

// A lunar date of the years 1901 to 2099 that exists (a leap date only in the year's leap month).
bool IsValidLunarDate(const LunarDate& date);

// The solar day of a lunar date; 0001-01-01 when the lunar date is not valid.
base::DateValue LunarToSolar(const LunarDate& date);

} // namespace korvani::calendar
