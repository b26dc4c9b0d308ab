#include <gtest/gtest.h>

#include "base/DateValue.h"
#include "data/Catalogue.h"
#include "data/TestDataDir.h"

using namespace korvani::data;
using korvani::CommandAbandoned;
using korvani::DataFileError;
using korvani::base::CivilDate;
using korvani::base::FormatDateTime;
using korvani::testing::BuiltDataDir;
using korvani::testing::ScratchDir;

class CatalogueTest : public testing::Test {
protected:
    DataStore m_store{BuiltDataDir().string()};
    Catalogue m_catalogue{m_store};
};

TEST_F(CatalogueTest, ElementsOfTheStemsAndBranches) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"甲", "木"}, {"乙", "木"}, {"丙", "火"}, {"丁", "火"}, {"戊", "土"}, {"己", "土"}, {"庚", "金"}, {"辛", "金"},
        {"壬", "水"}, {"癸", "水"}, {"子", "水"}, {"丑", "土"}, {"寅", "木"}, {"卯", "木"}, {"辰", "土"}, {"巳", "火"},
        {"午", "火"}, {"未", "土"}, {"申", "金"}, {"酉", "金"}, {"戌", "土"}, {"亥", "水"}};
    for (const auto& [character, element] : expected)
        EXPECT_EQ(m_catalogue.ElementOf(character), element) << character;
    // The character is trimmed; the empty text matches every row and answers with the first.
    EXPECT_EQ(m_catalogue.ElementOf(" 甲 "), "木");
    EXPECT_EQ(m_catalogue.ElementOf(""), "金");
    EXPECT_EQ(m_catalogue.ElementOf("  "), "金");
    EXPECT_EQ(m_catalogue.ElementOf("江"), "");
}

TEST_F(CatalogueTest, TenGodsAndNayin) {
    EXPECT_EQ(m_catalogue.TenGod("甲甲"), "比肩");
    EXPECT_EQ(m_catalogue.TenGod("甲丙"), "食神");
    EXPECT_EQ(m_catalogue.TenGod("甲辛"), "正官");
    EXPECT_EQ(m_catalogue.TenGod("癸戊"), "正官");
    EXPECT_EQ(m_catalogue.TenGod("丙壬"), "七杀");
    EXPECT_EQ(m_catalogue.TenGod("己丙"), "正印");
    EXPECT_EQ(m_catalogue.TenGod("庚甲"), "偏财");
    EXPECT_EQ(m_catalogue.TenGod("甲子"), "");
    EXPECT_EQ(m_catalogue.Nayin("甲子"), "海中金");
    EXPECT_EQ(m_catalogue.Nayin("丙寅"), "炉中火");
    EXPECT_EQ(m_catalogue.Nayin("甲辰"), "覆灯火");
    EXPECT_EQ(m_catalogue.Nayin("壬戌"), "大海水");
    EXPECT_EQ(m_catalogue.Nayin("癸亥"), "大海水");
    EXPECT_EQ(m_catalogue.Nayin("甲丑"), "");
}

TEST_F(CatalogueTest, SectionTermMomentsInChinaTime) {
    const auto lichun = m_catalogue.SectionTermMomentOn(2024, {2024, 2, 4});
    ASSERT_TRUE(lichun.has_value());
    EXPECT_EQ(FormatDateTime(*lichun), "2024-02-04 16:27:07.000");
    // 小寒 opens the year's first month; it belongs to the civil year it falls in.
    EXPECT_TRUE(m_catalogue.SectionTermMomentOn(1900, {1900, 1, 6}).has_value());
    EXPECT_TRUE(m_catalogue.SectionTermMomentOn(2100, {2100, 12, 7}).has_value()); // 大雪
    // 雨水 is a middle term, not one that opens a month; an ordinary day has no term.
    EXPECT_FALSE(m_catalogue.SectionTermMomentOn(2024, {2024, 2, 19}).has_value());
    EXPECT_FALSE(m_catalogue.SectionTermMomentOn(2024, {2024, 2, 5}).has_value());
    // The year must match the civil year of the moment.
    EXPECT_FALSE(m_catalogue.SectionTermMomentOn(2023, {2024, 2, 4}).has_value());
    EXPECT_FALSE(m_catalogue.SectionTermMomentOn(1899, {1899, 12, 7}).has_value());
}

TEST_F(CatalogueTest, TheTermTableHoldsEveryTermOfEveryYear) {
    const auto [rows, years] = m_store.Read(DataFileId::Tgcode, [](SqliteDatabase& db) {
        auto& st = db.Prepare("select count(*), count(distinct YearA) from JQ "
                              "where cast(substr(SJ, 1, 4) as integer) = YearA");
        st.Step();
        return std::pair{st.Int(0), st.Int(1)};
    });
    EXPECT_EQ(rows, 201 * 24);
    EXPECT_EQ(years, 201);
}

// Keys are bound, never spliced into SQL: quotes, wildcards and SQL fragments find nothing.
TEST_F(CatalogueTest, HostileKeysFindNothingAndBreakNothing) {
    for (const char* key :
         {"'", "''", "%", "%%", "_", "\\", "'; drop table word; --", "甲' or '1'='1", "\"", "甲%", "%甲%"}) {
        EXPECT_EQ(m_catalogue.ElementOf(key), "") << key;
        EXPECT_EQ(m_catalogue.TenGod(key), "") << key;
        EXPECT_EQ(m_catalogue.Nayin(key), "") << key;
        EXPECT_FALSE(m_catalogue.WordStrokes(key).has_value()) << key;
        EXPECT_FALSE(m_catalogue.WordTraditional(key).has_value()) << key;
        EXPECT_FALSE(m_catalogue.NumberMeaning(key).has_value()) << key;
        EXPECT_TRUE(m_catalogue.DreamTitles(key).empty()) << key;
        EXPECT_FALSE(m_catalogue.DreamText(key).has_value()) << key;
        EXPECT_FALSE(m_catalogue.PhoneReadingOf(key).has_value()) << key;
        EXPECT_FALSE(m_catalogue.BoneWeight(BoneWeightTable::Year, key).has_value()) << key;
        EXPECT_FALSE(m_catalogue.BoneWeightVerseOf(key).has_value()) << key;
    }
    EXPECT_EQ(m_catalogue.ElementOf("甲"), "木");
    EXPECT_EQ(m_catalogue.Nayin("甲子"), "海中金");
}

TEST_F(CatalogueTest, EmptyTablesAnswerEmpty) {
    EXPECT_FALSE(m_catalogue.AlmanacDay({2024, 2, 10}).has_value());
    EXPECT_TRUE(m_catalogue.DreamCategories().empty());
}

// Each lookup keeps its own failure rule when its file is missing.
TEST(CatalogueFailures, EachLookupKeepsItsFailureRule) {
    ScratchDir empty;
    DataStore store(empty.path().string());
    Catalogue catalogue(store);
    // The chart lookups swallow the failure.
    EXPECT_EQ(catalogue.ElementOf("甲"), "");
    EXPECT_EQ(catalogue.TenGod("甲丙"), "");
    EXPECT_EQ(catalogue.Nayin("甲子"), "");
    EXPECT_FALSE(catalogue.SectionTermMomentOn(2024, {2024, 2, 4}).has_value());
    // The phone reading shows nothing.
    EXPECT_FALSE(catalogue.PhoneReadingOf("1").has_value());
    // The bone-weight lookups abandon the command silently.
    EXPECT_THROW(catalogue.BoneWeight(BoneWeightTable::Hour, "子"), CommandAbandoned);
    EXPECT_THROW(catalogue.BoneWeightVerseOf("21"), CommandAbandoned);
    // The page lookups end the command with a message that names the file.
    EXPECT_THROW(catalogue.WordStrokes("江"), DataFileError);
    EXPECT_THROW(catalogue.NumberMeaning("1"), DataFileError);
    EXPECT_THROW(catalogue.AlmanacDay({2024, 2, 10}), DataFileError);
    EXPECT_THROW(catalogue.DreamCategories(), DataFileError);
    try {
        catalogue.DreamText("飞");
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.fileName(), "dream.dll");
        EXPECT_NE(std::string(e.what()).find("dream.dll"), std::string::npos);
    }
}
