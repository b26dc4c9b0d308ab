#include "calendar/window/MonthSheet.h"

#include <algorithm>
#include <fmt/format.h>

#include "base/Errors.h"
#include "calendar/window/WindowCalendar.h"

namespace korvani::calendar::window {

namespace {

// The lower text of a day and what it is. Each later rule that applies replaces the text before it:
// a festival outranks the lunar date, a solar term a Gregorian festival, a lunar festival a term.
DayCell LowerText(const base::CivilDate& date) {
    DayCell cell;
    cell.day = date.day;
    cell.lowerText = WindowDayText(date);
    if (cell.lowerText == "初一") {
        cell.lowerText = WindowMonthText(date);
        cell.kind = CellTextKind::LunarMonth;
    }
    const auto replace = [&cell](std::string text, CellTextKind kind) {
        if (!text.empty()) {
            cell.lowerText = std::move(text);
            cell.kind = kind;
        }
    };
    replace(WindowSolarFestival(date.day, date), CellTextKind::SolarFestival);
    replace(WindowSolarTerm(date), CellTextKind::SolarTerm);
    replace(WindowLunarFestival(date), CellTextKind::LunarFestival);
    return cell;
}

} // namespace

MonthSheet::MonthSheet(int year, int month, int chosenDay) : m_year(year), m_month(month) {
    if (year < kFirstWindowYear || year > kLastWindowYear)
        throw InputError(
            fmt::format("{}年不在万年历的范围内，请选择{}年至{}年之间的年份", year, kFirstWindowYear, kLastWindowYear));
    if (month < 1 || month > 12)
        throw InputError(fmt::format("'{}' 不是有效的月份", month));
    if (chosenDay < 1)
        throw InputError(fmt::format("'{}' 不是有效的日期", chosenDay));
    const int length = base::DaysInMonth(year, month);
    m_chosenDay = std::min(chosenDay, length);

    // Weekday of the 1st: 1 for Sunday to 7 for Saturday, which is also the cell of day 1.
    const int firstCell = base::DayOfWeek({year, month, 1}) + 1;
    m_cells.reserve(length);
    for (int day = 1; day <= length; ++day) {
        DayCell cell = LowerText({year, month, day});
        cell.cell = firstCell + day - 1;
        m_cells.push_back(std::move(cell));
    }
    m_yearAnimal = WindowYearAnimal(ChosenDate());
    m_constellation = WindowConstellation(m_chosenDay, ChosenDate());
}

base::CivilDate NearestWindowDate(const base::CivilDate& today) {
    if (today.year < kFirstWindowYear)
        return {kFirstWindowYear, 1, 1};
    if (today.year > kLastWindowYear)
        return {kLastWindowYear, 12, 31};
    return today;
}

} // namespace korvani::calendar::window
