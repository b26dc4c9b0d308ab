#include <gtest/gtest.h>

#include <map>

#include "chart/ChartDetails.h"
#include "numerology/CharacterLookup.h"
#include "support/DataFileEdit.h"
#include "support/TestDataDir.h"

using namespace korvani::numerology;
using korvani::data::DataStore;
using korvani::testing::BuiltDataDir;
using korvani::testing::ScratchDir;

class CharacterLookupTest : public testing::Test {
protected:
    DataStore m_store{BuiltDataDir().string()};
};

// The values people check first: the Kangxi count of the traditional form, radicals in their
// full form (氵 as 水 4, 扌 as 手 4, 阝 as 邑 7 or 阜 8, 艹 as 艸 6), numerals by their value.
TEST_F(CharacterLookupTest, StrokesOfCommonSurnamesAndNumerals) {
    const std::map<std::string, int> expected = {
        {"江", 7},  {"海", 11}, {"华", 14}, {"国", 11}, {"张", 11}, {"刘", 15}, {"陈", 16}, {"杨", 13},
        {"黄", 12}, {"胡", 11}, {"郭", 15}, {"罗", 20}, {"谢", 17}, {"韩", 17}, {"邓", 19}, {"苏", 22},
        {"叶", 15}, {"范", 15}, {"万", 15}, {"龙", 16}, {"五", 5},  {"九", 9},  {"一", 1},  {"十", 10},
        {"王", 4},  {"李", 7},  {"赵", 14}, {"林", 8},  {"兴", 16}, {"隆", 17}, {"鑫", 24}, {"泰", 10},
    };
    for (const auto& [character, strokes] : expected)
        EXPECT_EQ(StrokeCount(m_store, character), strokes) << character;
}

TEST_F(CharacterLookupTest, StrokeTotalOfATextIsTheSumOfItsCharacters) {
    EXPECT_EQ(StrokeCount(m_store, ""), 0);
    EXPECT_EQ(StrokeCount(m_store, "江海"), 18);
    EXPECT_EQ(StrokeCount(m_store, "华国江海"), 43);
    // A character the table lacks counts 0.
    EXPECT_EQ(StrokeCount(m_store, "江😀"), 7);
}

// One-byte characters are units of their own and count 0: the Chinese characters after them are
// still found.
TEST_F(CharacterLookupTest, MixedTextsAreCutByCharacters) {
    const int kejie = StrokeCount(m_store, "科技");
    ASSERT_GT(kejie, 0);
    EXPECT_EQ(StrokeCount(m_store, "3M科技"), kejie);
    EXPECT_EQ(StrokeCount(m_store, "ABC贸易"), StrokeCount(m_store, "贸易"));
    EXPECT_EQ(StrokeCount(m_store, " 三好"), StrokeCount(m_store, "三好"));
    EXPECT_EQ(StrokeCount(m_store, "江 海"), 18);
    EXPECT_EQ(StrokeCount(m_store, "3"), 0);
    EXPECT_EQ(TraditionalForm(m_store, "3M科技"), TraditionalForm(m_store, "科技"));
    EXPECT_EQ(TraditionalForm(m_store, " 三好 "), TraditionalForm(m_store, "三好"));
}

TEST_F(CharacterLookupTest, TraditionalFormOfEveryCharacter) {
    EXPECT_EQ(TraditionalForm(m_store, "华国"), "華國");
    EXPECT_EQ(TraditionalForm(m_store, "兴隆贸易"), "興隆貿易");
    EXPECT_EQ(TraditionalForm(m_store, "江海"), "江海");
    EXPECT_EQ(TraditionalForm(m_store, "于"), "于");
    EXPECT_EQ(TraditionalForm(m_store, ""), "");
    // A character the table lacks adds nothing.
    EXPECT_EQ(TraditionalForm(m_store, "华😀国"), "華國");
}

TEST_F(CharacterLookupTest, HostileKeysFindNothing) {
    for (const char* key : {"'", "%", "'; drop table word; --", "江'", "%江%"}) {
        EXPECT_EQ(StrokeCount(m_store, key), key == std::string("江'") || key == std::string("%江%") ? 7 : 0) << key;
        EXPECT_EQ(korvani::chart::CharacterElement(m_store, key), "") << key;
    }
    EXPECT_EQ(StrokeCount(m_store, "江"), 7);
}

TEST(CharacterLookupStoredForms, OnlyTheFirstCharacterOfAStoredFormCounts) {
    ScratchDir dir;
    dir.CopyDataFiles();
    ASSERT_EQ(
        korvani::testing::EditDataFile(dir.path() / "Zelmar.dll", "update word set ft = '  乾 幹 ' where zi = '干'"),
        "");
    DataStore store(dir.path().string());
    EXPECT_EQ(TraditionalForm(store, "干江"), "乾江");
}

TEST(CharacterLookupFailures, MissingFiles) {
    ScratchDir empty;
    DataStore store(empty.path().string());
    EXPECT_EQ(korvani::chart::CharacterElement(store, "甲"), "");
    EXPECT_THROW(StrokeCount(store, "江"), korvani::DataFileError);
    EXPECT_THROW(TraditionalForm(store, "江"), korvani::DataFileError);
    // One-byte characters need no lookup, so they count 0 even without the file.
    EXPECT_EQ(StrokeCount(store, "3M"), 0);
}
