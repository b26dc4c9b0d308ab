#include <gtest/gtest.h>

#include <climits>

#include "calendar/CalendarLabels.h"
#include "calendar/window/WindowCalendar.h"

using namespace korvani::calendar::window;
using korvani::base::CivilDate;
using korvani::base::DateOfDayNumber;
using korvani::base::DayNumber;

TEST(WindowCalendar, LunarCodesAndTexts) {
    EXPECT_EQ(WindowLunarCode({2000, 1, 1}), 1125);
    EXPECT_EQ(WindowLunarCode({2000, 2, 5}), 101);
    EXPECT_EQ(WindowLunarCode({2023, 3, 22}), -201);
    EXPECT_EQ(WindowMonthText({2023, 3, 22}), "闰二");
    EXPECT_EQ(WindowDayText({2023, 3, 22}), "初一");
    EXPECT_EQ(WindowLunarCode({2034, 1, 1}), -1111);
    EXPECT_EQ(WindowMonthText({2034, 1, 1}), "闰冬");
    EXPECT_EQ(WindowMonthText({2000, 1, 1}), "冬月");
    EXPECT_EQ(WindowMonthText({2000, 2, 4}), "腊月");
    EXPECT_EQ(WindowMonthText({2000, 2, 5}), "正月");
    EXPECT_EQ(WindowDayText({2000, 1, 1}), "廿五");
    EXPECT_EQ(WindowLunarCode({1900, 12, 31}), 0);
    EXPECT_EQ(WindowLunarCode({2051, 1, 1}), 0);
    EXPECT_EQ(WindowMonthText({2051, 1, 1}), "");
    EXPECT_EQ(WindowDayText({1899, 1, 1}), "");
}

TEST(WindowCalendar, Festivals) {
    EXPECT_EQ(WindowLunarFestival({2023, 1, 21}), "除夕");
    EXPECT_EQ(WindowLunarFestival({2023, 1, 22}), "春节");
    EXPECT_EQ(WindowLunarFestival({2023, 2, 5}), "元宵节");
    EXPECT_EQ(WindowLunarFestival({2023, 6, 22}), "端午节");
    EXPECT_EQ(WindowLunarFestival({2023, 9, 29}), "中秋节");
    EXPECT_EQ(WindowLunarFestival({2023, 3, 22}), "");     // 闰二月初一
    EXPECT_EQ(WindowLunarFestival({2024, 2, 9}), "除夕");  // 腊月三十
    EXPECT_EQ(WindowLunarFestival({2025, 1, 28}), "除夕"); // 腊月廿九 of a 29-day month
    EXPECT_EQ(WindowSolarFestival(1, {2024, 5, 20}), "劳动节");
    EXPECT_EQ(WindowSolarFestival(12, {2024, 5, 1}), "母亲节");
    EXPECT_EQ(WindowSolarFestival(5, {2024, 5, 1}), "");
    EXPECT_EQ(WindowSolarFestival(16, {2024, 6, 1}), "父亲节");
    EXPECT_EQ(WindowSolarFestival(28, {2024, 11, 1}), "感恩节");
    EXPECT_EQ(WindowSolarFestival(21, {2024, 11, 1}), "");
    EXPECT_EQ(WindowSolarFestival(31, {2024, 10, 1}), "万圣节");
}

TEST(WindowCalendar, TermsAnimalsConstellations) {
    EXPECT_EQ(WindowSolarTerm({2024, 1, 6}), "小寒");
    EXPECT_EQ(WindowSolarTerm({2024, 1, 20}), "大寒");
    EXPECT_EQ(WindowSolarTerm({2024, 2, 4}), "立春");
    EXPECT_EQ(WindowSolarTerm({2024, 2, 5}), "");
    EXPECT_EQ(WindowSolarTerm({2024, 12, 21}), "冬至");
    EXPECT_EQ(WindowSolarTerm({2051, 1, 6}), "");
    EXPECT_EQ(WindowYearAnimal({1972, 6, 1}), "子鼠");
    EXPECT_EQ(WindowYearAnimal({1972, 1, 20}), "亥猪");
    EXPECT_EQ(WindowYearAnimal({1972, 2, 15}), "子鼠");
    EXPECT_EQ(WindowYearAnimal({2024, 2, 9}), "卯兔");
    EXPECT_EQ(WindowYearAnimal({2024, 2, 10}), "辰龙");
    EXPECT_EQ(WindowConstellation(23, {2024, 8, 1}), "处女座");
    EXPECT_EQ(WindowConstellation(22, {2024, 8, 1}), "狮子座");
    EXPECT_EQ(WindowConstellation(20, {2024, 4, 1}), "金牛座");
    EXPECT_EQ(WindowConstellation(23, {2024, 10, 1}), "天秤座");
}

// The window's term days are the civil dates in China time; the report calendar's mean-year
// moments agree on most of them and lie a day or two off at the rest.
TEST(WindowCalendar, TermDaysMostlyAgreeWithTheMeanYearTerms) {
    int terms = 0;
    int agree = 0;
    for (int day = DayNumber({1901, 1, 1}); day <= DayNumber({2050, 12, 31}); ++day) {
        const CivilDate date = DateOfDayNumber(day);
        const std::string term = WindowSolarTerm(date);
        if (term.empty())
            continue;
        ++terms;
        agree += korvani::calendar::SolarTermName(day) == term;
    }
    EXPECT_EQ(terms, 3600);
    EXPECT_GT(agree, 3400);
}

// Every int in a date's fields is answered without overflow or a read outside the tables: a day that
// does not exist has no lunar date, term or festival.
TEST(WindowCalendar, EveryIntInADateIsAnswered) {
    const int kInts[] = {INT_MIN, INT_MIN + 1, -1, 0, 1, 2, 12, 13, 29, 31, 32, 1901, 2050, INT_MAX - 1, INT_MAX};
    for (int year : kInts) {
        for (int month : kInts) {
            for (int day : kInts) {
                const CivilDate date{year, month, day};
                const bool exists = year >= 1901 && year <= 2050 && month >= 1 && month <= 12 && day >= 1 &&
                                    day <= korvani::base::DaysInMonth(year, month);
                EXPECT_EQ(WindowLunarCode(date) != 0, exists) << year << "-" << month << "-" << day;
                if (!exists) {
                    EXPECT_EQ(WindowMonthText(date), "");
                    EXPECT_EQ(WindowDayText(date), "");
                    EXPECT_EQ(WindowLunarFestival(date), "");
                    EXPECT_EQ(WindowSolarTerm(date), "");
                }
                EXPECT_FALSE(WindowYearAnimal(date).empty());
                WindowSolarFestival(day, date);
                WindowConstellation(day, date);
            }
        }
    }
    // The year's branch counts on past the int's ends: 1960 and the smallest int are both 子 years.
    EXPECT_EQ(WindowYearAnimal({1960, 6, 1}), "子鼠");
    EXPECT_EQ(WindowYearAnimal({INT_MIN, 6, 1}), "子鼠");
    EXPECT_EQ(WindowYearAnimal({INT_MAX, 6, 1}), "卯兔");
    EXPECT_EQ(WindowSolarFestival(INT_MIN, {2024, 5, 1}), "");
    EXPECT_EQ(WindowSolarFestival(INT_MAX, {2024, 11, 1}), "");
    EXPECT_EQ(WindowConstellation(INT_MIN, {2024, 5, 1}), "");
}
