#pragma once

#include <string>
#include <string_view>

namespace korvani::base {

// A calendar date of the proleptic Gregorian calendar, 0001-01-01 to 9999-12-31.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
    friend auto operator<=>(const CivilDate&, const CivilDate&) = default;
};

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

// The program's date value: whole days since 1899-12-30 (day 0), the fraction the time of day.
// Before day 0 the fraction still counts forward from midnight: -1.25 is 1899-12-29 06:00.
using DateValue = double;

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// Day number of a date (day 0 = 1899-12-30). The date must be valid.
int DayNumber(const CivilDate& date);
// Date of a day number within 0001-01-01..9999-12-31.
CivilDate DateOfDayNumber(int dayNumber);

DateValue ToDateValue(const CivilDate& date, const TimeOfDay& time = {});
CivilDate DatePart(DateValue value);
// Time of day of a date value, rounded to the millisecond.
TimeOfDay TimePart(DateValue value);

// Day of the week, 0 = Sunday.
int DayOfWeek(const CivilDate& date);

// "yyyy-mm-dd".
std::string FormatDate(const CivilDate& date);
// "yyyy-mm-dd hh:mm:ss.zzz".
std::string FormatDateTime(DateValue value);

// The program's date text: year, month and day joined by "-", months and days with or without a
// leading zero (1980-5-7, 1980-05-07), blanks around the whole allowed. A text that is no existing
// day fails with InputError "'%s' 不是有效的日期".
CivilDate ParseDate(std::string_view text);

// A date with a time of day: "yyyy-mm-dd hh:mm[:ss[.zzz]]", or a date alone (midnight).
// Fails with InputError "'%s' 不是有效的日期和时间".
DateValue ParseDateTime(std::string_view text);

} // namespace korvani::base
