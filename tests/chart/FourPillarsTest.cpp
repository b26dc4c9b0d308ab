#include <gtest/gtest.h>

#include "chart/FourPillars.h"
#include "support/TestDataDir.h"

using namespace korvani::chart;

namespace {

std::string Chart(const FourPillars& p) {
    return p.YearPillar.Name() + " " + p.MonthPillar.Name() + " " + p.DayPillar.Name() + " " +
           p.HourPillar.Name();
}

struct PillarCase {
    int y, m, d, h;
    bool beforeTerm;
    const char* pillars;
};

} // namespace

class FourPillarsCase : public testing::TestWithParam<PillarCase> {};

TEST_P(FourPillarsCase, PillarsOfABirthMoment) {
    const PillarCase& c = GetParam();
    EXPECT_EQ(Chart(ComputeFourPillars(c.beforeTerm, c.y, c.m, c.d, c.h, 0, "男")), c.pillars)
        << c.y << "-" << c.m << "-" << c.d << " " << c.h;
}

INSTANTIATE_TEST_SUITE_P(FourPillars, FourPillarsCase,
                         testing::Values(PillarCase{2000, 1, 1, 0, false, "己卯 丙子 戊午 壬子"},
                                         PillarCase{1984, 2, 4, 12, false, "甲子 丙寅 戊辰 戊午"},
                                         PillarCase{1984, 2, 4, 12, true, "癸亥 乙丑 戊辰 戊午"},
                                         PillarCase{1984, 2, 3, 23, false, "癸亥 乙丑 丁卯 庚子"},
                                         PillarCase{2024, 2, 10, 0, false, "甲辰 丙寅 甲辰 甲子"},
                                         PillarCase{2024, 2, 10, 23, false, "甲辰 丙寅 甲辰 甲子"},
                                         PillarCase{2024, 1, 5, 10, false, "癸卯 甲子 戊辰 丁巳"},
                                         PillarCase{2024, 1, 6, 10, false, "癸卯 乙丑 己巳 己巳"},
                                         PillarCase{2024, 12, 7, 10, false, "甲辰 乙亥 乙巳 辛巳"},
                                         PillarCase{2024, 12, 8, 10, false, "甲辰 丙子 丙午 癸巳"},
                                         PillarCase{1900, 1, 31, 0, false, "己亥 丁丑 甲辰 甲子"},
                                         // 1900-02-20 is a 甲子 day.
                                         PillarCase{1900, 2, 20, 12, false, "庚子 戊寅 甲子 庚午"}));

TEST(FourPillars, RecordsTheInputAndTheSex) {
    const FourPillars p = ComputeFourPillars(true, 1984, 2, 4, 12, 30, "男");
    EXPECT_EQ(p.MonthCode, 203);
    EXPECT_TRUE(p.IsMale);
    EXPECT_EQ(p.Minute, 30);
    for (const char* sex : {"女", "", " 男", "male"})
        EXPECT_FALSE(ComputeFourPillars(false, 1984, 2, 4, 12, 0, sex).IsMale) << sex;
    EXPECT_TRUE(IsSectionTerm("立春"));
    EXPECT_TRUE(IsSectionTerm("小寒"));
    EXPECT_FALSE(IsSectionTerm("雨水"));
    EXPECT_FALSE(IsSectionTerm(" 立春"));
}

// The term test reads the moment of the day's section term from the term table.
TEST(FourPillars, TermMomentDecidesOnlyOnTheTermDay) {
    korvani::data::DataStore store(korvani::testing::BuiltDataDir().string());
    // 立春 2024 fell at 16:27:07.
    EXPECT_TRUE(ComputeFourPillars(store, 2024, 2, 4, 16, 26, "男").BornBeforeTerm);
    EXPECT_FALSE(ComputeFourPillars(store, 2024, 2, 4, 16, 28, "男").BornBeforeTerm);
    EXPECT_EQ(Chart(ComputeFourPillars(store, 2024, 2, 4, 16, 26, "男")).substr(0, 13), "癸卯 乙丑");
    EXPECT_EQ(Chart(ComputeFourPillars(store, 2024, 2, 4, 16, 28, "男")).substr(0, 13), "甲辰 丙寅");
    EXPECT_FALSE(ComputeFourPillars(store, 2024, 2, 5, 0, 0, "男").BornBeforeTerm);
    // 惊蛰 2024 fell on 5 March at 10:22; after it the fixed ranges still give the 寅 month.
    const FourPillars afterTerm = ComputeFourPillars(store, 2024, 3, 5, 12, 0, "男");
    EXPECT_FALSE(afterTerm.BornBeforeTerm);
    EXPECT_EQ(afterTerm.MonthPillar.Branch().Name(), "寅");
    // Without the data file the test answers false.
    korvani::testing::ScratchDir empty;
    korvani::data::DataStore noFiles(empty.path().string());
    EXPECT_FALSE(ComputeFourPillars(noFiles, 2024, 2, 4, 16, 26, "男").BornBeforeTerm);
}
