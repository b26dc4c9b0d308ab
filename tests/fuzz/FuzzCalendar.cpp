// The calendar conversions and labels on any numbers: every day of the report calendar converts to
// a lunar date and back, and the calendar window answers for every int in a date.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstddef>
#include <cstdint>

#include "base/DateValue.h"
#include "calendar/CalendarLabels.h"
#include "calendar/LunarCalendar.h"
#include "calendar/window/WindowCalendar.h"

using namespace korvani;

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

// Day numbers of 0001-01-01 and 9999-12-31: the date values the program knows.
constexpr int kFirstDayNumber = -693593;
constexpr int kLastDayNumber = 2958465;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);

    // A day, with a time of day, anywhere in the program's years.
    const int day = input.ConsumeIntegralInRange(kFirstDayNumber, kLastDayNumber);
    // A time of day to the millisecond, as the program's date values hold it.
    const double fraction = input.ConsumeIntegralInRange(0, 86'399'999) / 86'400'000.0;
    const base::DateValue value = day >= 0 ? day + fraction : day - fraction;
    const calendar::LunarDate lunar = calendar::SolarToLunar(value);
    if (lunar.Year != 0) {
        Require(calendar::IsValidLunarDate(lunar) || lunar.Year == 1900 || lunar.Year == 2100);
        if (calendar::IsValidLunarDate(lunar))
            Require(static_cast<int>(calendar::LunarToSolar(lunar)) == day);
        calendar::YearCycleLabel(lunar.Year - 1864);
        calendar::LunarMonthLabel(lunar.Month, lunar.IsLeap);
        calendar::LunarDayLabel(lunar.Day);
    }
    calendar::SolarTermName(value);
    calendar::ConstellationOf(value);

    // A lunar date of any ints.
    const calendar::LunarDate any{input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>(),
                                  input.ConsumeIntegral<int>(), input.ConsumeBool()};
    if (calendar::IsValidLunarDate(any))
        Require(calendar::SolarToLunar(calendar::LunarToSolar(any)).Day == any.Day);
    else
        Require(calendar::LunarToSolar(any) == base::ToDateValue({1, 1, 1}));
    calendar::YearCycleLabel(input.ConsumeIntegral<int>());
    calendar::LunarMonthLabel(input.ConsumeIntegral<int>(), input.ConsumeBool());
    calendar::LunarDayLabel(input.ConsumeIntegral<int>());

    // The solar terms of the calendar's years.
    const int year = input.ConsumeIntegralInRange(calendar::kFirstLunarYear, calendar::kLastLunarYear);
    const int index = input.ConsumeIntegralInRange(0, 23);
    const base::DateValue moment = calendar::SolarTermMoment(year, index);
    Require(base::DatePart(moment).year == year);
    calendar::LeapMonthOf(year);
    calendar::LunarYearDays(year);

    // The calendar window: any ints in a date's fields.
    const base::CivilDate date{input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>(),
                               input.ConsumeIntegral<int>()};
    const int otherDay = input.ConsumeIntegral<int>();
    using namespace calendar::window;
    const int code = WindowLunarCode(date);
    Require(code == 0 || (std::abs(code) % 100 >= 1 && std::abs(code) % 100 <= 30));
    WindowMonthText(date);
    WindowDayText(date);
    WindowLunarFestival(date);
    WindowSolarFestival(otherDay, date);
    WindowSolarFestival(date.day, date);
    WindowSolarTerm(date);
    WindowYearAnimal(date);
    WindowConstellation(otherDay, date);
    return 0;
}
