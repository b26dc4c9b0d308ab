#include <gtest/gtest.h>

#include "chart/BoneWeight.h"
#include "support/DataFileEdit.h"
#include "support/TestDataDir.h"

using namespace korvani::chart;
using korvani::data::DataStore;
using korvani::testing::EditDataFile;
using korvani::testing::ScratchDir;

TEST(BoneWeight, KeyOfATotal) {
    EXPECT_EQ(BoneWeightKey(3.5), "35");
    EXPECT_EQ(BoneWeightKey(4.0), "40");
    EXPECT_EQ(BoneWeightKey(1.2 + 0.7 + 1.6 + 0.6), "41");
    EXPECT_EQ(BoneWeightKey(0.5 + 0.5 + 0.5 + 0.6), "21");
    EXPECT_EQ(BoneWeightKey(1.9 + 1.8 + 1.8 + 1.6), "71");
}

// A dream.dll of our own rows, so that each case shows one rule.
class BoneWeightLines : public testing::Test {
protected:
    void SetUp() override {
        m_dir.CopyDataFiles();
        const char* sql = "insert or replace into chenggu1 values ('y', 1.2);"
                          "insert or replace into chenggu2 values ('m', 0.7);"
                          "insert or replace into chenggu3 values ('d', 1.6);"
                          "insert or replace into chenggu4 values ('t', 0.6);"
                          "insert or replace into chenggu values ('41', ' 诗四一 ', ' 解四一 ');"
                          "insert or replace into chenggu values ('40', '诗四', '解四');"
                          "delete from chenggu where weight = '34';";
        ASSERT_EQ(EditDataFile(m_dir.path() / "dream.dll", sql), "");
    }
    ScratchDir m_dir;
    DataStore m_store{m_dir.path().string()};
};

TEST_F(BoneWeightLines, WeightVerseAndExplanation) {
    EXPECT_EQ(BoneWeightLine(m_store, "y", "m", "d", 0, "t"), "你的骨重为：4两1钱");
    EXPECT_EQ(BoneWeightLine(m_store, "y", "m", "d", 1, "t"), "骨重诗评：诗四一");
    EXPECT_EQ(BoneWeightLine(m_store, "y", "m", "d", 2, "t"), "骨重解评：解四一");
    EXPECT_EQ(BoneWeightLine(m_store, "y", "m", "d", 3, "t"), "");
    // A missing weight counts 0: the lines are those of the smaller total (0.7 + 1.6 + 0.6).
    EXPECT_EQ(BoneWeightLine(m_store, "y'", "m", "d", 0, "t"), "你的骨重为：2两9钱");
    // A total without a verse row (1.2 + 1.6 + 0.6 = 3.4 here) gives empty lines of every kind.
    for (int kind : {0, 1, 2})
        EXPECT_EQ(BoneWeightLine(m_store, "y", "missing", "d", kind, "t"), "") << kind;
}

TEST_F(BoneWeightLines, WholeWeightHasNoQian) {
    ASSERT_EQ(EditDataFile(m_dir.path() / "dream.dll", "insert or replace into chenggu4 values ('t3', 0.5)"), "");
    DataStore store(m_dir.path().string());
    EXPECT_EQ(BoneWeightLine(store, "y", "m", "d", 0, "t3"), "你的骨重为：4两");
    EXPECT_EQ(BoneWeightLine(store, "y", "m", "d", 1, "t3"), "骨重诗评：诗四");
}

TEST(BoneWeight, MissingFileAbandonsTheReport) {
    ScratchDir empty;
    DataStore store(empty.path().string());
    EXPECT_THROW(BoneWeightLine(store, "1980", "1", "1", 0, "0"), korvani::CommandAbandoned);
}
