#include <gtest/gtest.h>

#include "base/Errors.h"
#include "base/Parse.h"

using korvani::InputError;
using korvani::base::ParseInt;
using korvani::base::ParseInt64;

TEST(ParseInt, AcceptsTheProgramsIntegerTexts) {
    EXPECT_EQ(ParseInt("1980"), 1980);
    EXPECT_EQ(ParseInt("  7"), 7);
    EXPECT_EQ(ParseInt("-5"), -5);
    EXPECT_EQ(ParseInt("+5"), 5);
    EXPECT_EQ(ParseInt("007"), 7);
    EXPECT_EQ(ParseInt("$1F"), 31);
    EXPECT_EQ(ParseInt("0x10"), 16);
    EXPECT_EQ(ParseInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt("-2147483648"), -2147483647 - 1);
}

class InvalidInteger : public testing::TestWithParam<const char*> {};

TEST_P(InvalidInteger, FailsWithTheSystemsMessage) {
    try {
        ParseInt(GetParam());
        FAIL() << GetParam();
    } catch (const InputError& e) {
        EXPECT_EQ(e.what(), "'" + std::string(GetParam()) + "' 不是有效的整数");
    }
}

INSTANTIATE_TEST_SUITE_P(ParseInt, InvalidInteger,
                         testing::Values("", " ", "-", "12 ", "1.5", "abc", "1e3", "2147483648", "-2147483649",
                                         "99999999999999999999", "３", "0x", "$", "12a"));

TEST(ParseInt64, CoversTheWholeSigned64BitRange) {
    EXPECT_EQ(ParseInt64("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(ParseInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(ParseInt64("1234567890123"), 1234567890123);
    EXPECT_EQ(ParseInt64("-0"), 0);
    EXPECT_THROW(ParseInt64("9223372036854775808"), InputError);
    EXPECT_THROW(ParseInt64("-9223372036854775809"), InputError);
    EXPECT_THROW(ParseInt64("12345678901234567890"), InputError);
    EXPECT_THROW(ParseInt64("12a"), InputError);
}
