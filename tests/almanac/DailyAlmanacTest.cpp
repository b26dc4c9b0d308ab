#include <gtest/gtest.h>

#include <algorithm>

#include "almanac/AlmanacGlossary.h"
#include "almanac/DailyAlmanac.h"
#include "base/Gbk.h"
#include "support/GoldenFile.h"
#include "support/TestDataDir.h"

using namespace korvani::almanac;
using korvani::base::ValidationMessage;
using korvani::testing::BuiltDataDir;

class DailyAlmanacTest : public testing::Test {
protected:
    korvani::data::DataStore m_store{BuiltDataDir().string()};

    AlmanacOutcome LookUp(const char* year, const char* month, const char* day) {
        return LookUpAlmanac(m_store, {year, month, day});
    }
    std::optional<std::string> Message(const char* year, const char* month, const char* day) {
        const AlmanacOutcome outcome = LookUp(year, month, day);
        if (!outcome.message)
            return std::nullopt;
        EXPECT_FALSE(outcome.entry);
        return outcome.message->text;
    }
    // The memo line that starts with `label`, without the label.
    std::string Field(const AlmanacEntry& entry, std::string_view label) {
        for (const std::string& line : entry.lines)
            if (line.starts_with(label))
                return line.substr(label.size());
        return "(no line " + std::string(label) + ")";
    }
};

// Memos compared line by line with files checked by hand against lunar-javascript and a published
// almanac; the second is a date typed without leading zeros, which the overview line keeps as typed.
TEST_F(DailyAlmanacTest, GoldenMemos) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"2024", "02", "10", "2024-02-10.txt"},
        {"2010", "2", "3", "2010-2-3.txt"},
    };
    for (const auto& [year, month, day, file] : cases) {
        const AlmanacOutcome outcome = LookUp(year, month, day);
        ASSERT_FALSE(outcome.message) << file << ": " << outcome.message->text;
        ASSERT_TRUE(outcome.entry) << file;
        const std::string made = korvani::testing::JoinedLines(outcome.entry->lines);
        EXPECT_EQ(made, korvani::testing::Golden("almanac/" + std::string(file), made)) << file;
    }
}

// Ten labelled lines with one empty line between each two: 19 lines, none after "忌:".
TEST_F(DailyAlmanacTest, MemoIsTenLabelledLinesWithEmptyLinesBetween) {
    const std::optional<AlmanacEntry> entry = LookUpAlmanacDay(m_store, "2024-02-10");
    ASSERT_TRUE(entry);
    ASSERT_EQ(entry->lines.size(), 19u);
    const char* labels[] = {
        "当日统览:", "岁次:", "每日胎神占方:", "五行:", "冲:", "彭祖百忌:", "吉神宜趋:", "宜:", "凶神宜忌:", "忌:"};
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_TRUE(entry->lines[2 * i].starts_with(labels[i])) << entry->lines[2 * i];
        EXPECT_GT(entry->lines[2 * i].size(), std::string_view(labels[i]).size()) << labels[i];
        if (i < 9) {
            EXPECT_EQ(entry->lines[2 * i + 1], "") << i;
        }
    }
    EXPECT_EQ(entry->overview, "2024-02-10  农历正月初一 星期六 值神金匮(黄道) 满日 氐宿(凶)");
    EXPECT_EQ(entry->lines[0], "当日统览:" + entry->overview);
    for (const std::string& line : entry->lines)
        EXPECT_FALSE(korvani::base::FirstNonGbkCharacter(line)) << line;
}

TEST_F(DailyAlmanacTest, InputChecksInTheirOrder) {
    EXPECT_EQ(Message("", "", ""), "请选择年!");
    EXPECT_EQ(Message(" ", "02", "10"), "请选择年!");
    EXPECT_EQ(Message("2024", "\t", ""), "请选择月!");
    EXPECT_EQ(Message("2024", "2", " "), "请选择日!");
    for (const auto& [year, month, day] :
         std::initializer_list<std::tuple<const char*, const char*, const char*>>{{"2010", "02", "30"},
                                                                                  {"2023", "2", "29"},
                                                                                  {"2024", "13", "01"},
                                                                                  {"2024", "00", "10"},
                                                                                  {"二〇二四", "2", "10"},
                                                                                  {"2024", "2", "10日"},
                                                                                  {"2024", "-2", "10"},
                                                                                  {"2024", "2", "1 0"},
                                                                                  {"20245", "2", "10"},
                                                                                  {"2024", "002", "10"}}) {
        EXPECT_EQ(Message(year, month, day), "请选择有效的日期!") << year << "-" << month << "-" << day;
    }
    // Blanks around a box's text are trimmed; 2024-2-29 exists.
    EXPECT_FALSE(Message(" 2024 ", " 2", "29 "));
    EXPECT_EQ(std::get<std::string>(AlmanacDateText({" 2024 ", " 2", "29 "})), "2024-2-29");
}

// The date text is used exactly as typed: 2010-2-3 queries the day 2010-02-03 and the overview line
// reads 2010-2-3.
TEST_F(DailyAlmanacTest, DateTypedWithoutLeadingZeros) {
    const AlmanacOutcome typed = LookUp("2010", "2", "3");
    const AlmanacOutcome padded = LookUp("2010", "02", "03");
    ASSERT_TRUE(typed.entry);
    ASSERT_TRUE(padded.entry);
    EXPECT_TRUE(typed.entry->overview.starts_with("2010-2-3  农历腊月二十 星期三 "));
    EXPECT_TRUE(padded.entry->overview.starts_with("2010-02-03  农历腊月二十 星期三 "));
    EXPECT_TRUE(std::equal(typed.entry->lines.begin() + 1, typed.entry->lines.end(), padded.entry->lines.begin() + 1));
}

// The almanac covers 1901-01-01..2100-12-31; a day outside has no entry and no message.
TEST_F(DailyAlmanacTest, FirstAndLastDayOfTheAlmanac) {
    const AlmanacOutcome first = LookUp("1901", "01", "01");
    ASSERT_TRUE(first.entry);
    EXPECT_EQ(Field(*first.entry, "当日统览:"), "1901-01-01  农历冬月十一 星期二 值神玉堂(黄道) 平日 尾宿(吉)");
    EXPECT_EQ(Field(*first.entry, "岁次:"), "庚子年 戊子月 己卯日");
    const AlmanacOutcome last = LookUp("2100", "12", "31");
    ASSERT_TRUE(last.entry);
    EXPECT_EQ(Field(*last.entry, "当日统览:"), "2100-12-31  农历腊月初一 星期五 值神勾陈(黑道) 危日 亢宿(凶)");
    EXPECT_EQ(Field(*last.entry, "岁次:"), "庚申年 戊子月 丁未日");
    for (const auto& [year, month, day] : std::initializer_list<std::tuple<const char*, const char*, const char*>>{
             {"1900", "12", "31"}, {"2101", "1", "1"}, {"1", "1", "1"}, {"9999", "12", "31"}}) {
        const AlmanacOutcome outside = LookUp(year, month, day);
        EXPECT_FALSE(outside.message) << year;
        EXPECT_FALSE(outside.entry) << year;
    }
}

// The year pillar turns on the day of 立春 (2024-02-04 16:27), with the month pillar, so that the
// three pillars agree; the lunar new year (2024-02-10) does not turn it.
TEST_F(DailyAlmanacTest, YearPillarTurnsOnTheDayOfTheBeginningOfSpring) {
    EXPECT_EQ(Field(*LookUpAlmanacDay(m_store, "2024-02-03"), "岁次:"), "癸卯年 乙丑月 丁酉日");
    EXPECT_EQ(Field(*LookUpAlmanacDay(m_store, "2024-02-04"), "岁次:"), "甲辰年 丙寅月 戊戌日");
    EXPECT_EQ(Field(*LookUpAlmanacDay(m_store, "2024-02-09"), "岁次:"), "甲辰年 丙寅月 癸卯日");
    // A leap month is named as such.
    EXPECT_TRUE(
        Field(*LookUpAlmanacDay(m_store, "2023-03-22"), "当日统览:").starts_with("2023-03-22  农历闰二月初一 "));
}

TEST(AlmanacGlossary, ThirtyFourLinesOfTermsAndExplanations) {
    const std::vector<std::string>& lines = AlmanacGlossaryLines();
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines.front(), "嫁娶 ：男娶女嫁，举行结婚大典的吉日 ");
    EXPECT_EQ(lines.back(), "挂匾 ：指悬挂招牌或各种匾额 ");
    // 破土 runs on over two further lines; only its last line ends with a blank.
    EXPECT_EQ(lines[11], "破土 ：仅指埋葬用的破土、与一般建筑房屋的“动土”不同，即");
    EXPECT_EQ(lines[12], "“破土”属阴宅，“动土”属阳宅也。现");
    EXPECT_EQ(lines[13], "今社会上多已滥用属阴宅择日时属阴宅须辨别之。 ");
    // The term of contracts is 立券, as the 宜 and 忌 lines print it.
    EXPECT_EQ(lines[22], "立券 ：订立各种契约互相买卖之事 ");
    std::size_t terms = 0;
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find("立卷"), std::string::npos);
        EXPECT_FALSE(korvani::base::FirstNonGbkCharacter(line)) << line;
        // A term line: two characters, a blank, the full-width colon, the explanation.
        if (line.size() > 10 && line.substr(6, 4) == " ：")
            ++terms;
    }
    EXPECT_EQ(terms, 32u);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.ends_with(' '); }), 32);
}
