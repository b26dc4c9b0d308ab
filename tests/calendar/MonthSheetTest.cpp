#include <gtest/gtest.h>

#include "base/Errors.h"
#include "calendar/window/MonthSheet.h"
#include "calendar/window/WindowCalendar.h"

using namespace korvani::calendar::window;
using korvani::InputError;
using korvani::base::CivilDate;

namespace {

struct LowerTextCase {
    const char* what;
    CivilDate date;
    const char* text;
    CellTextKind kind;
};

void PrintTo(const LowerTextCase& c, std::ostream* os) { *os << c.what; }

class MonthSheetLowerText : public testing::TestWithParam<LowerTextCase> {};

} // namespace

// The lower text of a day, by rising priority: lunar day, lunar month on its first day, Gregorian
// festival, solar term, lunar festival.
TEST_P(MonthSheetLowerText, ShowsTheTextOfHighestPriority) {
    const LowerTextCase& c = GetParam();
    const MonthSheet sheet(c.date.year, c.date.month, 1);
    const DayCell& cell = sheet.CellOfDay(c.date.day);
    EXPECT_EQ(cell.day, c.date.day);
    EXPECT_EQ(cell.lowerText, c.text);
    EXPECT_EQ(cell.kind, c.kind);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeDays, MonthSheetLowerText,
    testing::Values(
        LowerTextCase{"plain lunar day", {2024, 2, 11}, "初二", CellTextKind::LunarDay},
        LowerTextCase{"first day of a leap month", {2023, 3, 22}, "闰二", CellTextKind::LunarMonth},
        LowerTextCase{"first day of an ordinary month", {2024, 3, 10}, "二月", CellTextKind::LunarMonth},
        LowerTextCase{"first day of the leap eleventh month", {2033, 12, 22}, "闰冬", CellTextKind::LunarMonth},
        LowerTextCase{"solar term", {2024, 2, 4}, "立春", CellTextKind::SolarTerm},
        LowerTextCase{"spring festival over 正月 on its first day", {2024, 2, 10}, "春节", CellTextKind::LunarFestival},
        LowerTextCase{"second Sunday of May", {2024, 5, 12}, "母亲节", CellTextKind::SolarFestival},
        LowerTextCase{
            "Gregorian festival over a month's first day", {2016, 10, 1}, "国庆节", CellTextKind::SolarFestival},
        LowerTextCase{"term over Gregorian festival and 五月初一 (父亲节 on 夏至)",
                      {2020, 6, 21},
                      "夏至",
                      CellTextKind::SolarTerm},
        LowerTextCase{"term over Gregorian festival (记者日 on 立冬)", {2023, 11, 8}, "立冬", CellTextKind::SolarTerm},
        LowerTextCase{"lunar festival over term (除夕 on 立春)", {2019, 2, 4}, "除夕", CellTextKind::LunarFestival},
        LowerTextCase{
            "lunar festival over term (元宵节 on 雨水)", {2000, 2, 19}, "元宵节", CellTextKind::LunarFestival}));

// The priority cases above test the order only where both texts fall on the same day.
TEST(MonthSheet, PriorityCasesFallOnTheDaysTheyClaim) {
    EXPECT_EQ(WindowSolarFestival(21, {2020, 6, 1}), "父亲节");
    EXPECT_EQ(WindowSolarTerm({2020, 6, 21}), "夏至");
    EXPECT_EQ(WindowSolarFestival(8, {2023, 11, 1}), "记者日");
    EXPECT_EQ(WindowSolarTerm({2023, 11, 8}), "立冬");
    EXPECT_EQ(WindowLunarFestival({2019, 2, 4}), "除夕");
    EXPECT_EQ(WindowSolarTerm({2019, 2, 4}), "立春");
    EXPECT_EQ(WindowDayText({2020, 6, 21}), "初一");
    EXPECT_EQ(WindowLunarFestival({2000, 2, 19}), "元宵节");
    EXPECT_EQ(WindowSolarTerm({2000, 2, 19}), "雨水");
    EXPECT_EQ(WindowDayText({2016, 10, 1}), "初一");
    EXPECT_EQ(WindowSolarFestival(1, {2016, 10, 1}), "国庆节");
}

TEST(MonthSheet, CellsFollowTheWeekdayOfTheFirst) {
    // July 2023 has 31 days and begins on a Saturday: cells 7 to 37, the last two in a sixth row.
    const MonthSheet july(2023, 7, 1);
    ASSERT_EQ(july.Cells().size(), 31u);
    EXPECT_EQ(july.Cells().front().cell, 7);
    EXPECT_EQ(july.Cells().back().cell, 37);
    EXPECT_EQ((july.CellOfDay(30).cell - 1) / MonthSheet::kColumns, 5);
    EXPECT_EQ((july.CellOfDay(29).cell - 1) / MonthSheet::kColumns, 4);

    // February 2015 begins on a Sunday and fills exactly four rows.
    const MonthSheet february(2015, 2, 14);
    ASSERT_EQ(february.Cells().size(), 28u);
    EXPECT_EQ(february.Cells().front().cell, 1);
    EXPECT_EQ(february.Cells().back().cell, 28);
    EXPECT_EQ(february.ChosenCell(), 14);
}

TEST(MonthSheet, ChosenDayIsKeptWithinTheMonth) {
    const MonthSheet common(2023, 2, 31);
    EXPECT_EQ(common.ChosenDay(), 28);
    EXPECT_EQ(common.ChosenDate(), (CivilDate{2023, 2, 28}));
    EXPECT_EQ(common.Constellation(), "双鱼座");
    const MonthSheet leap(2024, 2, 31);
    EXPECT_EQ(leap.ChosenDay(), 29);
    EXPECT_EQ(leap.ChosenCell(), leap.CellOfDay(29).cell);
    EXPECT_EQ(MonthSheet(2000, 2, 30).ChosenDay(), 29); // a leap year by the 400-year rule
    EXPECT_EQ(MonthSheet(2023, 4, 31).ChosenDay(), 30);
    EXPECT_EQ(MonthSheet(2023, 1, 31).ChosenDay(), 31);
}

// The year animal turns with the lunar year, so it belongs to the chosen day; the constellation too.
TEST(MonthSheet, AnimalAndConstellationOfTheChosenDay) {
    EXPECT_EQ(MonthSheet(2024, 2, 9).YearAnimal(), "卯兔");
    EXPECT_EQ(MonthSheet(2024, 2, 10).YearAnimal(), "辰龙");
    EXPECT_EQ(MonthSheet(2024, 2, 18).Constellation(), "水瓶座");
    EXPECT_EQ(MonthSheet(2024, 2, 19).Constellation(), "双鱼座");
    EXPECT_EQ(MonthSheet(2024, 4, 20).Constellation(), "金牛座");
}

TEST(MonthSheet, RefusesWhatTheWindowCannotShow) {
    EXPECT_THROW(MonthSheet(1900, 12, 1), InputError);
    EXPECT_THROW(MonthSheet(2051, 1, 1), InputError);
    EXPECT_THROW(MonthSheet(2024, 0, 1), InputError);
    EXPECT_THROW(MonthSheet(2024, 13, 1), InputError);
    EXPECT_THROW(MonthSheet(2024, 2, 0), InputError);
    try {
        MonthSheet(2051, 1, 1);
    } catch (const InputError& e) {
        EXPECT_STREQ(e.what(), "2051年不在万年历的范围内，请选择1901年至2050年之间的年份");
    }
    EXPECT_NO_THROW(MonthSheet(1901, 1, 1));
    EXPECT_NO_THROW(MonthSheet(2050, 12, 31));
}

// Every month of the span lays out: days in order, the first in its weekday's cell, consecutive
// cells within 1 to 37, and a lower text on every day (no gap in the window's tables).
TEST(MonthSheet, EveryMonthOfTheSpanLaysOut) {
    for (int year = kFirstWindowYear; year <= kLastWindowYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const MonthSheet sheet(year, month, 31);
            const auto& cells = sheet.Cells();
            ASSERT_EQ(static_cast<int>(cells.size()), korvani::base::DaysInMonth(year, month));
            ASSERT_EQ(cells.front().cell, korvani::base::DayOfWeek({year, month, 1}) + 1);
            ASSERT_LE(cells.back().cell, MonthSheet::kCellCount);
            for (std::size_t i = 0; i < cells.size(); ++i) {
                ASSERT_EQ(cells[i].day, static_cast<int>(i) + 1);
                ASSERT_EQ(cells[i].cell, cells.front().cell + static_cast<int>(i));
                ASSERT_FALSE(cells[i].lowerText.empty()) << year << "-" << month << "-" << i + 1;
            }
            ASSERT_EQ(sheet.ChosenDay(), static_cast<int>(cells.size()));
        }
    }
}

TEST(MonthSheet, NearestWindowDate) {
    EXPECT_EQ(NearestWindowDate({2024, 2, 10}), (CivilDate{2024, 2, 10}));
    EXPECT_EQ(NearestWindowDate({1901, 1, 1}), (CivilDate{1901, 1, 1}));
    EXPECT_EQ(NearestWindowDate({2050, 12, 31}), (CivilDate{2050, 12, 31}));
    EXPECT_EQ(NearestWindowDate({2051, 3, 5}), (CivilDate{2050, 12, 31}));
    EXPECT_EQ(NearestWindowDate({1899, 7, 1}), (CivilDate{1901, 1, 1}));
}
