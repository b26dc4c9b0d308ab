#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "base/Errors.h"
#include "base/Gbk.h"
#include "base/Utf8.h"
#include "support/TestDataDir.h"
#include "numerology/NumberMeaning.h"
#include "numerology/NumberVerdictTable.h"

using namespace korvani::numerology;
using korvani::InputError;

namespace {
std::string Phrase(const std::string& text) { return text.substr(0, text.find('|')); }
std::string Verdict(const std::string& text) {
    const auto bar1 = text.find('|');
    return text.substr(bar1 + 1, text.find('|', bar1 + 1) - bar1 - 1);
}
} // namespace

// A number reads as the traditional number of its remainder: 1 and 82 as number 1 (entry 0), 18 as
// number 18 (entry 17), and 81 with every multiple of 81 as number 81 (entry 80).
TEST(NumberVerdict, ReadsTheTraditionalNumberOfTheRemainder) {
    const std::map<std::string, int> cases = {
        {"1", 0},      {"82", 0},     {"0", 80},      {"81", 80},   {"162", 80},         {"-81", 80},
        {"-162", 80},  {"80", 79},    {"18", 17},     {"2", 1},     {"27", 26},          {"12345", 32},
        {"123456789", 71}, {"007", 6}, {" 42", 41},   {"+1", 0},    {"9223372036854775807", 24},
    };
    for (const auto& [text, entry] : cases)
        EXPECT_EQ(NumberVerdict(text), NumberVerdictEntryText(entry)) << text;
    EXPECT_TRUE(NumberVerdict("1").starts_with("大展鸿图，信用得固，名利双收，可获成功|吉|"));
    EXPECT_TRUE(NumberVerdict("82").starts_with("大展鸿图，信用得固，名利双收，可获成功|吉|"));
    for (const char* text : {"81", "0", "162", "-81"})
        EXPECT_TRUE(NumberVerdict(text).starts_with("最极之数，还本归元，能得繁荣，发达成功|吉|")) << text;
    EXPECT_EQ(Verdict(NumberVerdict("18")), "吉");
    EXPECT_EQ(Verdict(NumberVerdict("2")), "凶");
    EXPECT_EQ(Verdict(NumberVerdict("27")), "凶带吉");
    EXPECT_EQ(NumberVerdict("-5"), "对不起,此号不在分解之类。");
    EXPECT_EQ(NumberVerdict("-1"), kNoNumberVerdictText);
    EXPECT_EQ(NumberVerdict("-9223372036854775808"), kNoNumberVerdictText);
}

// The traditional verdicts of the numbers most tables agree on, read through the one mapping.
TEST(NumberVerdict, AgreesWithTheTraditionalVerdicts) {
    const std::map<int, std::string> traditional = {
        {1, "吉"},  {2, "凶"},  {3, "吉"},  {4, "凶"},  {5, "吉"},  {9, "凶"},  {10, "凶"}, {11, "吉"},
        {13, "吉"}, {15, "吉"}, {16, "吉"}, {18, "吉"}, {19, "凶"}, {20, "凶"}, {21, "吉"}, {23, "吉"},
        {24, "吉"}, {28, "凶"}, {31, "吉"}, {32, "吉"}, {33, "吉"}, {34, "凶"}, {41, "吉"}, {81, "吉"},
    };
    for (const auto& [number, verdict] : traditional) {
        EXPECT_EQ(TraditionalNumberEntry(number).verdict, verdict) << number;
        EXPECT_EQ(TraditionalNumberEntry(number + 81).verdict, verdict) << number;
    }
}

TEST(NumberVerdict, TextThatIsNoIntegerFails) {
    for (const char* text : {"12a", "12345678901234567890", "", "1.5", "九"}) {
        try {
            NumberVerdict(text);
            FAIL() << text;
        } catch (const InputError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' 不是有效的整数");
        }
    }
}

// The shape of every entry: the callers split it at the two bars and print the parts.
TEST(NumberVerdictTable, EveryEntryHasItsThreeFieldsInTheirForm) {
    std::map<std::string, int> verdicts;
    for (int r = 0; r < kNumberCount; ++r) {
        const std::string& text = NumberVerdictEntryText(r);
        const auto bar1 = text.find('|');
        const auto bar2 = text.find('|', bar1 + 1);
        ASSERT_NE(bar2, std::string::npos) << r;
        EXPECT_EQ(text.find('|', bar2 + 1), std::string::npos) << r;
        const std::string phrase = text.substr(0, bar1);
        const std::string verdict = text.substr(bar1 + 1, bar2 - bar1 - 1);
        const std::string personality = text.substr(bar2 + 1);
        ++verdicts[verdict];

        std::vector<std::size_t> clauses;
        std::size_t start = 0;
        for (std::size_t comma; (comma = phrase.find("，", start)) != std::string::npos; start = comma + 3)
            clauses.push_back(korvani::base::CharacterCount(phrase.substr(start, comma - start)));
        clauses.push_back(korvani::base::CharacterCount(phrase.substr(start)));
        // Four clauses of four characters; entries 51 and 67 have one clause of five.
        std::sort(clauses.begin(), clauses.end());
        const std::vector<std::size_t> expected =
            r == 51 || r == 67 ? std::vector<std::size_t>{4, 4, 4, 5} : std::vector<std::size_t>{4, 4, 4, 4};
        EXPECT_EQ(clauses, expected) << r << " " << phrase;

        EXPECT_TRUE(personality.starts_with("主人性格类型：[")) << r;
        EXPECT_NE(personality.find("]，其具体表现为："), std::string::npos) << r;
        EXPECT_TRUE(personality.ends_with("。")) << r;
        EXPECT_NO_THROW(korvani::base::Utf8ToGbk(text)) << r;
    }
    EXPECT_EQ(verdicts, (std::map<std::string, int>{{"吉", 35}, {"凶", 30}, {"吉带凶", 13}, {"凶带吉", 3}}));
    EXPECT_EQ(NumberVerdictEntryText(26),
              "一成一败，一盛一衰，惟靠谨慎，可守成功|凶带吉|" + std::string(kPersonalityTexts[0]));
    EXPECT_EQ(Phrase(NumberVerdictEntryText(80)), "最极之数，还本归元，能得繁荣，发达成功");
}

TEST(NumberText, LooksUpTheRemainderInTheMeaningTable) {
    korvani::data::DataStore store(korvani::testing::BuiltDataDir().string());
    EXPECT_EQ(NumberText(store, 81), NumberText(store, 0));
    EXPECT_EQ(NumberText(store, 82), NumberText(store, 1));
    EXPECT_EQ(NumberText(store, 85), NumberText(store, 4));
    for (int n = 0; n <= 80; ++n) {
        const std::string text = NumberText(store, n);
        EXPECT_FALSE(text.empty()) << n;
        EXPECT_NO_THROW(korvani::base::Utf8ToGbk(text)) << n;
    }
    EXPECT_NE(NumberText(store, 80), NumberText(store, 0));
}
