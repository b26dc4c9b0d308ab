#include <gtest/gtest.h>

#include "base/DateValue.h"
#include "base/Errors.h"

using namespace korvani::base;
using korvani::InputError;

TEST(DateValue, DayNumbersOfKnownDates) {
    EXPECT_EQ(DayNumber({1899, 12, 30}), 0);
    EXPECT_EQ(DayNumber({1900, 1, 1}), 2);
    EXPECT_EQ(DayNumber({2000, 1, 1}), 36526);
    EXPECT_EQ(DayNumber({1, 1, 1}), -693593);
    EXPECT_EQ(DayNumber({9999, 12, 31}), 2958465);
    EXPECT_EQ(DayOfWeek({2024, 2, 10}), 6); // a Saturday
    EXPECT_EQ(DayOfWeek({1, 1, 1}), 1);     // a Monday in the proleptic calendar
}

TEST(DateValue, EveryDayOfTheRangeRoundTrips) {
    int expected = DayNumber({1, 1, 1});
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= DaysInMonth(y, m); ++d) {
                const CivilDate date{y, m, d};
                ASSERT_EQ(DayNumber(date), expected) << FormatDate(date);
                ASSERT_EQ(DateOfDayNumber(expected), date);
                ++expected;
            }
        }
    }
}

TEST(DateValue, FractionIsTheTimeOfDay) {
    const DateValue v = ToDateValue({2024, 2, 4}, {16, 27, 7, 0});
    EXPECT_EQ(DatePart(v), (CivilDate{2024, 2, 4}));
    EXPECT_EQ(TimePart(v), (TimeOfDay{16, 27, 7, 0}));
    EXPECT_EQ(FormatDateTime(v), "2024-02-04 16:27:07.000");
    // Before day 0 the fraction still counts forward from midnight.
    EXPECT_DOUBLE_EQ(ToDateValue({1899, 12, 29}, {6, 0, 0, 0}), -1.25);
    EXPECT_EQ(FormatDateTime(-1.25), "1899-12-29 06:00:00.000");
    // A hair before midnight rounds to the next day rather than printing 24:00.
    EXPECT_EQ(FormatDateTime(ToDateValue({2023, 12, 31}) + 0.9999999999), "2024-01-01 00:00:00.000");
    EXPECT_LT(ToDateValue({2024, 2, 4}, {16, 27, 6, 999}), v);
}

TEST(DateValue, ParsesTheProgramsDateTexts) {
    EXPECT_EQ(ParseDate("1980-5-7"), (CivilDate{1980, 5, 7}));
    EXPECT_EQ(ParseDate("1980-05-07"), (CivilDate{1980, 5, 7}));
    EXPECT_EQ(ParseDate(" 2024-2-29 "), (CivilDate{2024, 2, 29}));
    EXPECT_EQ(ParseDate("2000-2-29"), (CivilDate{2000, 2, 29}));
    EXPECT_EQ(ParseDate("9999-12-31"), (CivilDate{9999, 12, 31}));
}

class InvalidDate : public testing::TestWithParam<const char*> {};

TEST_P(InvalidDate, FailsWithTheSystemsMessage) {
    try {
        ParseDate(GetParam());
        FAIL() << GetParam();
    } catch (const InputError& e) {
        EXPECT_EQ(e.what(), "'" + std::string(GetParam()) + "' 不是有效的日期");
    }
}

INSTANTIATE_TEST_SUITE_P(DateValue, InvalidDate,
                         testing::Values("2023-2-29", "1900-2-29", "1980-13-1", "1980-0-10", "1980-4-31", "1980-5-0",
                                         "0-1-1", "1980-5", "1980-5-7-1", "1980/5/7", "abc", "", "1980-5-7x",
                                         "10000-1-1", "1980-005-07"));

TEST(DateValue, ParsesMomentsOfTheTermTable) {
    EXPECT_EQ(FormatDateTime(ParseDateTime("2024-02-04 16:27:07")), "2024-02-04 16:27:07.000");
    EXPECT_EQ(FormatDateTime(ParseDateTime("1900-01-06 02:03")), "1900-01-06 02:03:00.000");
    EXPECT_EQ(FormatDateTime(ParseDateTime("2024-2-4")), "2024-02-04 00:00:00.000");
    EXPECT_EQ(FormatDateTime(ParseDateTime("2024-02-04 16:27:07.5")), "2024-02-04 16:27:07.500");
    EXPECT_THROW(ParseDateTime("2024-02-04 24:00:00"), InputError);
    EXPECT_THROW(ParseDateTime("2024-02-04 16:60"), InputError);
    EXPECT_THROW(ParseDateTime("2024-02-04T16:27:07"), InputError);
    try {
        ParseDateTime("2024-02-04 16:60");
        FAIL();
    } catch (const InputError& e) {
        EXPECT_STREQ(e.what(), "'2024-02-04 16:60' 不是有效的日期和时间");
    }
}
