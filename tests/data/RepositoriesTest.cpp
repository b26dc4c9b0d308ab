#include <gtest/gtest.h>

#include "base/DateValue.h"
#include "chart/BoneWeight.h"
#include "chart/ChartDetails.h"
#include "chart/FourPillars.h"
#include "data/Dream.h"
#include "data/OrvBirth.h"
#include "data/OrvFile.h"
#include "data/Tgcode.h"
#include "data/Zelmar.h"
#include "numerology/NumberVerdictTable.h"
#include "support/TestDataDir.h"

using namespace korvani::data;
using korvani::CommandAbandoned;
using korvani::DataFileError;
using korvani::base::CivilDate;
using korvani::base::FormatDateTime;
using korvani::testing::BuiltDataDir;
using korvani::testing::ScratchDir;

class RepositoriesTest : public testing::Test {
protected:
    DataStore m_store{BuiltDataDir().string()};
    Zelmar m_zelmar{m_store};
    OrvFile m_orvFile{m_store};
    OrvBirth m_orvBirth{m_store};
    Dream m_dream{m_store};
    Tgcode m_tgcode{m_store};
};

TEST_F(RepositoriesTest, ElementsOfTheStemsAndBranches) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"甲", "木"}, {"乙", "木"}, {"丙", "火"}, {"丁", "火"}, {"戊", "土"}, {"己", "土"}, {"庚", "金"}, {"辛", "金"},
        {"壬", "水"}, {"癸", "水"}, {"子", "水"}, {"丑", "土"}, {"寅", "木"}, {"卯", "木"}, {"辰", "土"}, {"巳", "火"},
        {"午", "火"}, {"未", "土"}, {"申", "金"}, {"酉", "金"}, {"戌", "土"}, {"亥", "水"}};
    for (const auto& [character, element] : expected)
        EXPECT_EQ(m_tgcode.ElementOf(character), element) << character;
    // The character is trimmed; the empty text matches every row and answers with the first.
    EXPECT_EQ(m_tgcode.ElementOf(" 甲 "), "木");
    EXPECT_EQ(m_tgcode.ElementOf(""), "金");
    EXPECT_EQ(m_tgcode.ElementOf("  "), "金");
    EXPECT_EQ(m_tgcode.ElementOf("江"), "");
}

TEST_F(RepositoriesTest, TenGodsAndNayin) {
    EXPECT_EQ(m_tgcode.TenGod("甲甲"), "比肩");
    EXPECT_EQ(m_tgcode.TenGod("甲丙"), "食神");
    EXPECT_EQ(m_tgcode.TenGod("甲辛"), "正官");
    EXPECT_EQ(m_tgcode.TenGod("癸戊"), "正官");
    EXPECT_EQ(m_tgcode.TenGod("丙壬"), "七杀");
    EXPECT_EQ(m_tgcode.TenGod("己丙"), "正印");
    EXPECT_EQ(m_tgcode.TenGod("庚甲"), "偏财");
    EXPECT_EQ(m_tgcode.TenGod("甲子"), "");
    EXPECT_EQ(m_tgcode.Nayin("甲子"), "海中金");
    EXPECT_EQ(m_tgcode.Nayin("丙寅"), "炉中火");
    EXPECT_EQ(m_tgcode.Nayin("甲辰"), "覆灯火");
    EXPECT_EQ(m_tgcode.Nayin("壬戌"), "大海水");
    EXPECT_EQ(m_tgcode.Nayin("癸亥"), "大海水");
    EXPECT_EQ(m_tgcode.Nayin("甲丑"), "");
}

TEST_F(RepositoriesTest, SolarTermsOfADayInChinaTime) {
    const auto lichun = m_tgcode.TermsOn(2024, {2024, 2, 4});
    ASSERT_EQ(lichun.size(), 1u);
    EXPECT_EQ(lichun[0].name, "立春");
    EXPECT_EQ(lichun[0].moment.substr(0, 19), "2024-02-04 16:27:07");
    // 小寒 opens the year's first month; it belongs to the civil year it falls in.
    EXPECT_EQ(m_tgcode.TermsOn(1900, {1900, 1, 6}).size(), 1u);
    EXPECT_EQ(m_tgcode.TermsOn(2100, {2100, 12, 7}).at(0).name, "大雪");
    EXPECT_EQ(m_tgcode.TermsOn(2024, {2024, 2, 19}).at(0).name, "雨水");
    EXPECT_TRUE(m_tgcode.TermsOn(2024, {2024, 2, 5}).empty());
    // The year must match the civil year of the moment.
    EXPECT_TRUE(m_tgcode.TermsOn(2023, {2024, 2, 4}).empty());
    EXPECT_TRUE(m_tgcode.TermsOn(1899, {1899, 12, 7}).empty());
}

// The term test of the chart looks at the section terms (节) only: 雨水 opens no month.
TEST_F(RepositoriesTest, OnlySectionTermsMoveTheMonthPillar) {
    using korvani::base::ToDateValue;
    EXPECT_TRUE(korvani::chart::BeforeTermMoment(m_store, 2024, ToDateValue({2024, 2, 4}, {16, 0, 0, 0})));
    EXPECT_FALSE(korvani::chart::BeforeTermMoment(m_store, 2024, ToDateValue({2024, 2, 4}, {16, 30, 0, 0})));
    EXPECT_FALSE(korvani::chart::BeforeTermMoment(m_store, 2024, ToDateValue({2024, 2, 19}, {0, 0, 0, 0})));
}

TEST_F(RepositoriesTest, TheTermTableHoldsEveryTermOfEveryYear) {
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
TEST_F(RepositoriesTest, HostileKeysFindNothingAndBreakNothing) {
    for (const char* key :
         {"'", "''", "%", "%%", "_", "\\", "'; drop table word; --", "甲' or '1'='1", "\"", "甲%", "%甲%"}) {
        EXPECT_EQ(m_tgcode.ElementOf(key), "") << key;
        EXPECT_EQ(m_tgcode.TenGod(key), "") << key;
        EXPECT_EQ(m_tgcode.Nayin(key), "") << key;
        EXPECT_FALSE(m_zelmar.WordStrokes(key).has_value()) << key;
        EXPECT_FALSE(m_zelmar.WordTraditional(key).has_value()) << key;
        EXPECT_FALSE(m_orvFile.NumberMeaning(key).has_value()) << key;
        EXPECT_TRUE(m_dream.DreamTitles(key).empty()) << key;
        EXPECT_FALSE(m_dream.DreamText(key).has_value()) << key;
        EXPECT_FALSE(m_dream.PhoneReadingOf(key).has_value()) << key;
        EXPECT_FALSE(m_dream.BoneWeight(BoneWeightTable::Year, key).has_value()) << key;
        EXPECT_FALSE(m_dream.BoneWeightVerseOf(key).has_value()) << key;
    }
    EXPECT_EQ(m_tgcode.ElementOf("甲"), "木");
    EXPECT_EQ(m_tgcode.Nayin("甲子"), "海中金");
}

// `shouji` holds keys 1 to 79; 0 (超吉) has no row, and every verdict is that of the same traditional
// number.
TEST_F(RepositoriesTest, TelephoneReadingsOfKeysOneToSeventyNine) {
    for (int key = 1; key <= 79; ++key) {
        const auto reading = m_dream.PhoneReadingOf(std::to_string(key));
        ASSERT_TRUE(reading.has_value()) << key;
        EXPECT_EQ(reading->jx, korvani::numerology::TraditionalNumberEntry(key).verdict) << key;
        EXPECT_FALSE(reading->title.empty());
        EXPECT_FALSE(reading->content.empty());
    }
    for (const char* key : {"0", "80", "01", " 1", "1.0"})
        EXPECT_FALSE(m_dream.PhoneReadingOf(key).has_value()) << key;
    EXPECT_EQ(m_dream.PhoneReadingOf("18")->title, "百炼成钢，客源渐积，用心经营，名声日显");
}

// A day of the almanac, every column read; a day outside its span has no row.
TEST_F(RepositoriesTest, AlmanacDayReadsEveryColumn) {
    const std::optional<AlmanacRow> row = m_orvBirth.AlmanacDay({2024, 2, 10});
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->gn, "2024-02-10");
    EXPECT_EQ(row->nn, "农历正月初一 星期六 值神金匮(黄道) 满日 氐宿(凶)");
    EXPECT_EQ(row->suici, "甲辰年 丙寅月 甲辰日");
    EXPECT_EQ(row->tszf, "占门栖 房内东");
    EXPECT_EQ(row->wuhang, "覆灯火");
    EXPECT_EQ(row->cong, "(戊戌)狗 煞南");
    EXPECT_EQ(row->pzbj, "甲不开仓财物耗散 辰不哭泣必主重丧");
    EXPECT_EQ(row->jsyq, "守日 天巫 福德 六仪 金堂 金匮");
    EXPECT_EQ(row->yi, "嫁娶 开光 求嗣 会亲友 安床 牧养 塑绘 针灸");
    EXPECT_EQ(row->xsyq, "厌对 招摇 九空 九坎 九焦 复日");
    EXPECT_EQ(row->ji, "入宅 移徙 出火 分居 安香 作灶 开市 交易 立券 安葬 动土 伐木");
    EXPECT_FALSE(m_orvBirth.AlmanacDay({1900, 12, 31}).has_value());
    EXPECT_FALSE(m_orvBirth.AlmanacDay({2101, 1, 1}).has_value());
}

// The repositories always report an unreadable file, naming it; the one-shot lookups keep the
// failure rule of their callers.
TEST(RepositoryFailures, TheDataLayerThrowsAndTheLookupsKeepTheirRules) {
    ScratchDir empty;
    DataStore store(empty.path().string());
    EXPECT_THROW(Tgcode(store).ElementOf("甲"), DataFileError);
    EXPECT_THROW(Tgcode(store).TermsOn(2024, {2024, 2, 4}), DataFileError);
    EXPECT_THROW(Dream(store).BoneWeight(BoneWeightTable::Hour, "子"), DataFileError);
    EXPECT_THROW(Zelmar(store).WordStrokes("江"), DataFileError);
    EXPECT_THROW(OrvFile(store).NumberMeaning("1"), DataFileError);
    EXPECT_THROW(OrvBirth(store).AlmanacDay({2024, 2, 10}), DataFileError);
    EXPECT_THROW(Dream(store).DreamCategories(), DataFileError);
    try {
        Dream(store).DreamText("飞");
        FAIL();
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.fileName(), "dream.dll");
        EXPECT_NE(std::string(e.what()).find("dream.dll"), std::string::npos);
    }
    // The chart lookups swallow the failure.
    EXPECT_EQ(korvani::chart::CharacterElement(store, "甲"), "");
    EXPECT_EQ(korvani::chart::TenGodName(store, "甲丙"), "");
    EXPECT_EQ(korvani::chart::NayinName(store, "甲子"), "");
    EXPECT_FALSE(korvani::chart::BeforeTermMoment(store, 2024, korvani::base::ToDateValue({2024, 2, 4}, {0, 0, 0, 0})));
    // The bone weights abandon the report silently.
    EXPECT_THROW(korvani::chart::BoneWeightLine(store, "1980", "1", "1", 0, "0"), CommandAbandoned);
}
