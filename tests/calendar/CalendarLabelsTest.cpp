#include <gtest/gtest.h>

#include "calendar/CalendarLabels.h"

using namespace korvani::calendar;
using korvani::base::CivilDate;
using korvani::base::DatePart;
using korvani::base::DayNumber;
using korvani::base::FormatDateTime;

namespace {
double Day(int y, int m, int d) { return DayNumber({y, m, d}); }
} // namespace

TEST(CalendarLabels, SolarTermMoments) {
    EXPECT_EQ(FormatDateTime(SolarTermMoment(1900, 0)), "1900-01-06 02:05:00.000");
    EXPECT_EQ(DatePart(SolarTermMoment(2024, 2)), (CivilDate{2024, 2, 4}));
    EXPECT_EQ(DatePart(SolarTermMoment(2024, 23)), (CivilDate{2024, 12, 21}));
    // Every term falls in its own month, in order.
    for (int y = 1900; y <= 2100; ++y) {
        for (int k = 0; k < 24; ++k) {
            ASSERT_EQ(DatePart(SolarTermMoment(y, k)).month, k / 2 + 1) << y << " " << k;
            if (k > 0) {
                ASSERT_LT(SolarTermMoment(y, k - 1), SolarTermMoment(y, k));
            }
        }
    }
}

TEST(CalendarLabels, SolarTermNames) {
    EXPECT_EQ(SolarTermName(Day(2024, 2, 4)), "立春");
    EXPECT_EQ(SolarTermName(Day(2024, 2, 5)), "");
    EXPECT_EQ(SolarTermName(Day(2024, 12, 21)), "冬至");
    EXPECT_EQ(SolarTermName(Day(1900, 1, 6)), "小寒");
    EXPECT_EQ(SolarTermName(Day(2024, 2, 4) + 0.5), ""); // a time of day never matches
}

TEST(CalendarLabels, YearCycle) {
    EXPECT_EQ(YearCycleLabel(0), "甲子(鼠年)");
    EXPECT_EQ(YearCycleLabel(59), "癸亥(猪年)");
    EXPECT_EQ(YearCycleLabel(60), "甲子(鼠年)");
    EXPECT_EQ(YearCycleLabel(1900 - 1864), "庚子(鼠年)");
    EXPECT_EQ(YearCycleLabel(2000 - 1864), "庚辰(龙年)");
    EXPECT_EQ(YearCycleLabel(2024 - 1864), "甲辰(龙年)");
    // The empty lunar date gives index −1864: taken into the cycle.
    EXPECT_EQ(YearCycleLabel(-1864), YearCycleLabel(-1864 + 60 * 32));
    EXPECT_EQ(YearCycleLabel(-1), "癸亥(猪年)");
    EXPECT_EQ(YearCycleLabel(INT32_MIN), YearCycleLabel(static_cast<int>((INT32_MIN % 60) + 60)));
}

TEST(CalendarLabels, MonthAndDayLabels) {
    EXPECT_EQ(LunarMonthLabel(1, false), "一月");
    EXPECT_EQ(LunarMonthLabel(4, true), "闰四月");
    EXPECT_EQ(LunarMonthLabel(10, false), "十月");
    EXPECT_EQ(LunarMonthLabel(12, false), "十二月");
    EXPECT_EQ(LunarMonthLabel(11, true), "闰十一月");
    EXPECT_EQ(LunarMonthLabel(13, false), "月");
    EXPECT_EQ(LunarMonthLabel(0, true), "闰月");
    EXPECT_EQ(LunarDayLabel(1), "初一");
    EXPECT_EQ(LunarDayLabel(10), "初十");
    EXPECT_EQ(LunarDayLabel(15), "十五");
    EXPECT_EQ(LunarDayLabel(20), "二十");
    EXPECT_EQ(LunarDayLabel(29), "廿九");
    EXPECT_EQ(LunarDayLabel(30), "三十");
    EXPECT_EQ(LunarDayLabel(0), "");
    EXPECT_EQ(LunarDayLabel(31), "");
}

TEST(CalendarLabels, Constellations) {
    EXPECT_EQ(ConstellationOf(Day(2024, 1, 1)), "摩羯座");
    EXPECT_EQ(ConstellationOf(Day(2024, 12, 31)), "摩羯座");
    EXPECT_EQ(ConstellationOf(Day(2024, 4, 20)), "白羊座");
    EXPECT_EQ(ConstellationOf(Day(2024, 4, 21)), "金牛座 ");
    EXPECT_EQ(ConstellationOf(Day(2024, 6, 21)), "双子座");
    EXPECT_EQ(ConstellationOf(Day(2024, 6, 22)), "巨蟹座");
    EXPECT_EQ(ConstellationOf(Day(2024, 11, 21)), "天蝎座");
    EXPECT_EQ(ConstellationOf(Day(2024, 11, 22)), "射手座");
    EXPECT_EQ(ConstellationOf(Day(2024, 1, 19) + 0.5), ""); // past the end day's midnight
    for (int day = DayNumber({2023, 1, 1}); day <= DayNumber({2024, 12, 31}); ++day)
        ASSERT_FALSE(ConstellationOf(day).empty()) << day;
}
