#include <gtest/gtest.h>

#include "calendar/LunarCalendar.h"
#include "calendar/window/WindowCalendar.h"

using namespace korvani::calendar;
using korvani::base::CivilDate;
using korvani::base::DateOfDayNumber;
using korvani::base::DayNumber;
using korvani::base::FormatDate;
using korvani::base::ToDateValue;

namespace {
LunarDate Lunar(const CivilDate& d) { return SolarToLunar(DayNumber(d)); }
CivilDate Solar(const LunarDate& d) { return DateOfDayNumber(static_cast<int>(LunarToSolar(d))); }
} // namespace

TEST(LunarCalendar, TableReadings) {
    // 1900 = 4BD8: months 2, 5, 7, 8, 9, 10 and 12 big, a 29-day leap month after month 8.
    EXPECT_EQ(LeapMonthOf(1900), 8);
    EXPECT_EQ(LeapMonthDays(1900), 29);
    EXPECT_EQ(LunarMonthDays(1900, 1), 29);
    EXPECT_EQ(LunarMonthDays(1900, 2), 30);
    EXPECT_EQ(LunarMonthDays(1900, 12), 30);
    EXPECT_EQ(LunarMonthDays(1900, 0), LunarMonthDays(1900, 1));
    EXPECT_EQ(LunarYearDays(1900), 384);
    // 1906 = 5554 leaps after month 4 with 30 days: 1907's word ends in F, which means no leap.
    EXPECT_EQ(LeapMonthDays(1906), 30);
    EXPECT_EQ(LeapMonthOf(1907), 0);
    for (int y = kFirstLunarYear; y <= kLastLunarYear; ++y) {
        EXPECT_GE(LunarYearDays(y), 353) << y;
        EXPECT_LE(LunarYearDays(y), 385) << y;
    }
}

struct SolarCase {
    CivilDate solar;
    LunarDate lunar;
};

class SolarToLunarCase : public testing::TestWithParam<SolarCase> {};

TEST_P(SolarToLunarCase, ConvertsAsThePublishedCalendar) {
    EXPECT_EQ(Lunar(GetParam().solar), GetParam().lunar) << FormatDate(GetParam().solar);
}

INSTANTIATE_TEST_SUITE_P(
    LunarCalendar, SolarToLunarCase,
    testing::Values(SolarCase{{1900, 1, 31}, {1900, 1, 1, false}}, SolarCase{{1900, 1, 30}, {}},
                    SolarCase{{2000, 2, 5}, {2000, 1, 1, false}}, SolarCase{{2024, 2, 10}, {2024, 1, 1, false}},
                    SolarCase{{2023, 3, 22}, {2023, 2, 1, true}}, SolarCase{{2023, 4, 19}, {2023, 2, 29, true}},
                    SolarCase{{2023, 4, 20}, {2023, 3, 1, false}}, SolarCase{{2020, 5, 23}, {2020, 4, 1, true}},
                    SolarCase{{2100, 12, 31}, {2100, 12, 1, false}}, SolarCase{{2101, 1, 1}, {}},
                    SolarCase{{1, 1, 1}, {}}, SolarCase{{1980, 5, 17}, {1980, 4, 4, false}}));

TEST(LunarCalendar, TimeOfDayChangesNothing) {
    EXPECT_EQ(SolarToLunar(ToDateValue({2023, 3, 22}, {23, 59, 59, 999})), (LunarDate{2023, 2, 1, true}));
    EXPECT_EQ(SolarToLunar(ToDateValue({1900, 1, 31}, {0, 0, 0, 1})), (LunarDate{1900, 1, 1, false}));
    EXPECT_EQ(SolarToLunar(ToDateValue({1900, 1, 30}, {23, 59, 0, 0})), LunarDate{});
}

TEST(LunarCalendar, LunarToSolar) {
    EXPECT_EQ(Solar({2023, 2, 1, true}), (CivilDate{2023, 3, 22}));
    EXPECT_EQ(Solar({2023, 2, 1, false}), (CivilDate{2023, 2, 20}));
    EXPECT_EQ(Solar({2099, 12, 30, false}), (CivilDate{2100, 2, 8}));
    EXPECT_EQ(Solar({1901, 1, 1, false}), (CivilDate{1901, 2, 19}));
    const CivilDate invalid{1, 1, 1};
    for (const LunarDate& d :
         {LunarDate{2022, 2, 1, true}, LunarDate{1900, 5, 1, false}, LunarDate{2100, 1, 1, false},
          LunarDate{2023, 1, 31, false}, LunarDate{2023, 13, 1, false}, LunarDate{2023, 0, 1, false},
          LunarDate{2023, 1, 0, false}, LunarDate{2023, 3, 1, true}}) {
        EXPECT_FALSE(IsValidLunarDate(d)) << d.Year << "-" << d.Month << "-" << d.Day;
        EXPECT_EQ(Solar(d), invalid);
    }
    // Day 30 of a 29-day month, and of a 29-day leap month (2023's leap second month).
    EXPECT_EQ(LunarMonthDays(2023, 1), 29);
    EXPECT_FALSE(IsValidLunarDate({2023, 1, 30, false}));
    EXPECT_EQ(LeapMonthDays(2023), 29);
    EXPECT_FALSE(IsValidLunarDate({2023, 2, 30, true}));
    EXPECT_TRUE(IsValidLunarDate({2023, 2, 29, true}));
}

TEST(LunarCalendar, EveryDayRoundTrips) {
    const int first = DayNumber({1901, 2, 19});
    const int last = DayNumber({2100, 2, 8});
    for (int day = first; day <= last; ++day) {
        const LunarDate lunar = SolarToLunar(day);
        ASSERT_EQ(LunarToSolar(lunar), day) << FormatDate(DateOfDayNumber(day));
    }
    // Consecutive days step the lunar day by one or open the next month.
    LunarDate previous = SolarToLunar(DayNumber({1900, 1, 31}));
    for (int day = DayNumber({1900, 2, 1}); day <= DayNumber({2100, 12, 31}); ++day) {
        const LunarDate lunar = SolarToLunar(day);
        if (lunar.Day != 1) {
            ASSERT_TRUE(lunar.Day == previous.Day + 1 && lunar.Month == previous.Month &&
                        lunar.IsLeap == previous.IsLeap)
                << FormatDate(DateOfDayNumber(day));
        } else {
            ASSERT_GE(previous.Day, 29) << FormatDate(DateOfDayNumber(day));
        }
        previous = lunar;
    }
}

// The two lunar tables agree with each other on every day of 1901..2050.
TEST(LunarCalendar, TheTwoLunarTablesAgreeEveryDay) {
    for (int day = DayNumber({1901, 1, 1}); day <= DayNumber({2050, 12, 31}); ++day) {
        const LunarDate lunar = SolarToLunar(day);
        const int code = (lunar.Month * 100 + lunar.Day) * (lunar.IsLeap ? -1 : 1);
        ASSERT_EQ(code, window::WindowLunarCode(DateOfDayNumber(day))) << FormatDate(DateOfDayNumber(day));
    }
}

// The months where the old tables swapped a big and a small month, pinned to the published
// calendar: the first and the last day of each span.
TEST(LunarCalendar, CorrectedMonthsFollowThePublishedCalendar) {
    EXPECT_EQ(Lunar({1906, 4, 23}), (LunarDate{1906, 3, 30, false}));
    EXPECT_EQ(Lunar({1906, 5, 22}), (LunarDate{1906, 4, 29, false}));
    EXPECT_EQ(Lunar({1906, 5, 23}), (LunarDate{1906, 4, 1, true}));
    EXPECT_EQ(Lunar({1914, 11, 17}), (LunarDate{1914, 10, 1, false}));
    EXPECT_EQ(Lunar({1914, 12, 16}), (LunarDate{1914, 10, 30, false}));
    EXPECT_EQ(Lunar({2089, 9, 4}), (LunarDate{2089, 8, 1, false}));
    EXPECT_EQ(Lunar({2089, 10, 3}), (LunarDate{2089, 8, 30, false}));
    EXPECT_EQ(Lunar({2097, 8, 7}), (LunarDate{2097, 7, 1, false}));
    EXPECT_EQ(Lunar({2097, 9, 5}), (LunarDate{2097, 7, 30, false}));
    EXPECT_EQ(window::WindowLunarCode({1989, 8, 1}), 630);
    EXPECT_EQ(window::WindowLunarCode({1989, 8, 30}), 729);
    EXPECT_EQ(window::WindowLunarCode({1989, 8, 31}), 801);
    EXPECT_EQ(window::WindowLunarCode({2013, 6, 8}), 501);
    EXPECT_EQ(window::WindowLunarCode({2013, 7, 7}), 530);
    EXPECT_EQ(Lunar({1989, 8, 1}), (LunarDate{1989, 6, 30, false}));
    EXPECT_EQ(Lunar({2013, 6, 8}), (LunarDate{2013, 5, 1, false}));
}
