#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "base/Errors.h"
#include "base/Text.h"
#include "numerology/NumberMeaning.h"
#include "numerology/NumberVerdictTable.h"
#include "support/TestDataDir.h"
#include "tools/NumberReading.h"

using namespace korvani::tools;
using korvani::DataFileError;
using korvani::InputError;
using korvani::data::DataStore;
using korvani::testing::BuiltDataDir;
using korvani::testing::ScratchDir;

namespace {

// A mobile number whose last four digits are `lastFour`.
std::string Mobile(int lastFour) {
    char digits[5];
    std::snprintf(digits, sizeof digits, "%04d", lastFour);
    return "1380013" + std::string(digits);
}

std::string InputErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const InputError& e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

// The key: the digits from the 8th on, modulo 80; fewer than 8 digits read as "0".
TEST(TelephoneKey, LastDigitsModuloEighty) {
    const std::map<std::string, std::string> cases = {
        {Mobile(123), "43"},
        {Mobile(80), "0"},
        {Mobile(0), "0"},
        {Mobile(160), "0"},
        {Mobile(79), "79"},
        {Mobile(81), "1"},
        {Mobile(9999), "79"},
        {Mobile(18), "18"},
        {Mobile(8018), "18"},
        {"12345", "0"},
        {"1234567", "0"},
        {"12345678", "8"},
        {"0000000000", "0"},
        {"00000000099", "19"},
        // Longer than a mobile number: the whole tail counts, without overflowing.
        {"1380013123456789012345678901", "21"},
    };
    for (const auto& [number, key] : cases)
        EXPECT_EQ(shoujiinfostr(number), key) << number;
    for (const char* bad : {"", "1380013abcd", "138 0013 0123", "+8613800130123", "１３８"})
        EXPECT_EQ(InputErrorOf([&] { shoujiinfostr(bad); }), "'" + std::string(bad) + "' 不是有效的手机号码") << bad;
}

TEST(TelephoneReading, KeyZeroIsBestOfAllWithoutTheDataFile) {
    ScratchDir empty; // no dream.dll: key 0 never asks for it
    DataStore store(empty.path().string());
    for (const std::string& number :
         {Mobile(80), Mobile(0), Mobile(160), std::string("12345"), std::string(" 1234567 ")}) {
        const NumberReadingOutcome outcome = TelephoneReading(store, number);
        EXPECT_FALSE(outcome.message) << number;
        EXPECT_EQ(outcome.reading,
                  (NumberReading{korvani::base::TrimCopy(number), "超吉", "超吉", "超吉不做详细评论"}));
    }
    try {
        TelephoneReading(store, Mobile(123));
        FAIL();
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.fileName(), "dream.dll");
    }
}

TEST(TelephoneReading, EmptyEntryAndPastedText) {
    DataStore store(BuiltDataDir().string());
    for (const char* empty : {"", "   ", "\t"}) {
        const NumberReadingOutcome outcome = TelephoneReading(store, empty);
        EXPECT_EQ(outcome.message, std::optional<std::string>("请输入11位手机号码！"));
        EXPECT_EQ(outcome.reading, NumberReading{});
    }
    EXPECT_EQ(InputErrorOf([&] { TelephoneReading(store, "1380013abcd"); }), "'1380013abcd' 不是有效的手机号码");
}

// Key 43 shows its row of `shouji`; every key's verdict is that of the same traditional number, so
// that the telephone, QQ and any-number windows agree on a number.
TEST(TelephoneReading, EveryKeyReadsItsRowAndAgreesWithTheEightyOneNumbers) {
    DataStore store(BuiltDataDir().string());
    const NumberReadingOutcome k43 = TelephoneReading(store, " " + Mobile(123) + " ");
    EXPECT_EQ(k43.reading.number, Mobile(123));
    EXPECT_EQ(k43.reading.state, "才华外露，应酬繁多，收放有度，稳中求安");
    EXPECT_EQ(k43.reading.verdict, "吉带凶");
    EXPECT_TRUE(k43.reading.description.starts_with("四十三数才华出众"));

    std::map<std::string, int> verdicts;
    for (int key = 1; key <= 79; ++key) {
        const NumberReading phone = TelephoneReading(store, Mobile(key + 80 * (key % 3))).reading;
        ASSERT_FALSE(phone.state.empty()) << key;
        ASSERT_FALSE(phone.description.empty()) << key;
        EXPECT_EQ(phone.verdict, korvani::numerology::TraditionalNumberEntry(key).verdict) << key;
        const NumberReading qq = NumberVerdictReading(std::to_string(key + 81 * 1000), kQqEmptyMessage).reading;
        EXPECT_EQ(phone.verdict, qq.verdict) << key;
        EXPECT_NE(phone.state, qq.state) << key; // our own phrases, not the table's
        ++verdicts[phone.verdict];
    }
    EXPECT_EQ(verdicts, (std::map<std::string, int>{{"吉", 34}, {"凶", 30}, {"吉带凶", 12}, {"凶带吉", 3}}));
}

// The QQ and any-number windows split the verdict text of the traditional number.
TEST(NumberVerdictReading, SplitsTheVerdictTextOfTheTraditionalNumber) {
    const NumberReading one = NumberVerdictReading("1", kQqEmptyMessage).reading;
    EXPECT_EQ(one.number, "1");
    EXPECT_EQ(one.state, "大展鸿图，信用得固，名利双收，可获成功");
    EXPECT_EQ(one.verdict, "吉");
    EXPECT_TRUE(one.description.starts_with("主人性格类型：["));
    const std::string& stored = korvani::numerology::NumberVerdictEntryText(0);
    EXPECT_EQ(one.state + "|" + one.verdict + "|" + one.description, stored);

    // 82 reads as 1; 81 and 162 alike, as number 81.
    NumberReading r82 = NumberVerdictReading("82", kQqEmptyMessage).reading;
    EXPECT_EQ(r82.number, "82");
    r82.number = "1";
    EXPECT_EQ(r82, one);
    NumberReading r162 = NumberVerdictReading("162", kAnyNumberEmptyMessage).reading;
    const NumberReading r81 = NumberVerdictReading("81", kAnyNumberEmptyMessage).reading;
    EXPECT_EQ(r81.state, "最极之数，还本归元，能得繁荣，发达成功");
    r162.number = "81";
    EXPECT_EQ(r162, r81);
    EXPECT_EQ(NumberVerdictReading(" 000018 ", kQqEmptyMessage).reading.number, "000018");
    EXPECT_EQ(NumberVerdictReading("999999999999999999", kQqEmptyMessage).reading.verdict,
              korvani::numerology::TraditionalNumberEntry(999999999999999999).verdict);

    // A text without "|" is all description.
    const NumberReading negative = NumberVerdictReading("-5", kQqEmptyMessage).reading;
    EXPECT_EQ(negative, (NumberReading{"-5", "", "", "对不起,此号不在分解之类。"}));
}

TEST(NumberVerdictReading, EmptyEntryGivesTheWindowsMessageAndTextFailsToConvert) {
    EXPECT_EQ(NumberVerdictReading(" ", kQqEmptyMessage).message, std::optional<std::string>("请输入你的QQ号码！"));
    EXPECT_EQ(NumberVerdictReading("", kAnyNumberEmptyMessage).message, std::optional<std::string>("请输入你的号码！"));
    for (const char* bad : {"12a", "QQ12345", "12345678901234567890", "一二三"})
        EXPECT_EQ(InputErrorOf([&] { NumberVerdictReading(bad, kQqEmptyMessage); }),
                  "'" + std::string(bad) + "' 不是有效的整数");
}
