#pragma once

#include <string>
#include <vector>

#include "base/DateValue.h"

namespace korvani::calendar::window {

// What the lower text of a day cell shows, by rising priority: the lunar day, the lunar month's
// name on its first day, a Gregorian festival, a solar term, a lunar festival. The calendar window
// gives each its own colour.
enum class CellTextKind {
    LunarDay,
    LunarMonth,
    SolarFestival,
    SolarTerm,
    LunarFestival,
};

// One day of the month as the calendar window lays it out.
struct DayCell {
    int cell = 0; // 1 to 37: seven columns from Sunday, row after row
    int day = 0;
    std::string lowerText;
    CellTextKind kind = CellTextKind::LunarDay;
    friend bool operator==(const DayCell&, const DayCell&) = default;
};

// The calendar window's month: the cells of its days, the year animal of the chosen date and the
// constellation of the chosen day. The first day of the month sits in the cell of its weekday
// (1 Sunday to 7 Saturday), so a 31-day month that begins on a Saturday reaches cell 37.
class MonthSheet {
public:
    static constexpr int kCellCount = 37;
    static constexpr int kColumns = 7;

    // A month of 1901 to 2050 with the chosen day; a day beyond the month's end is taken as its
    // last day (day 31 stepped to February chooses the 28th or 29th). A year outside the window's
    // span, a month outside 1 to 12 or a day below 1 fails with InputError.
    MonthSheet(int year, int month, int chosenDay);

    int Year() const { return m_year; }
    int Month() const { return m_month; }
    int ChosenDay() const { return m_chosenDay; }
    base::CivilDate ChosenDate() const { return {m_year, m_month, m_chosenDay}; }

    // The days of the month in order: Cells()[d - 1] is day d.
    const std::vector<DayCell>& Cells() const { return m_cells; }
    const DayCell& CellOfDay(int day) const { return m_cells.at(day - 1); }
    // The cell of the chosen day, where the window puts its mark.
    int ChosenCell() const { return CellOfDay(m_chosenDay).cell; }

    // Branch and animal of the chosen date's lunar year (子鼠 .. 亥猪).
    const std::string& YearAnimal() const { return m_yearAnimal; }
    // Constellation of the chosen day.
    const std::string& Constellation() const { return m_constellation; }

private:
    int m_year;
    int m_month;
    int m_chosenDay;
    std::vector<DayCell> m_cells;
    std::string m_yearAnimal;
    std::string m_constellation;
};

// The month that the window opens on for `today`: today itself within 1901 to 2050, else the
// nearest day of that span (1901-01-01 or 2050-12-31).
base::CivilDate NearestWindowDate(const base::CivilDate& today);

} // namespace korvani::calendar::window
