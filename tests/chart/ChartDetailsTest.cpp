#include <gtest/gtest.h>

#include "chart/ChartDetails.h"
#include "support/TestDataDir.h"

using namespace korvani::chart;

namespace {

std::string Luck(const ChartDetails& d) {
    std::string text;
    for (const Pillar& p : d.LuckPillars)
        text += (text.empty() ? "" : " ") + p.Name();
    return text;
}

ChartDetails Details(int y, int m, int d, int h, const char* sex) {
    return ComputeChartDetails(ComputeFourPillars(false, y, m, d, h, 0, sex));
}

} // namespace

TEST(ChartDetails, ForwardAndBackwardLuck) {
    const ChartDetails female = Details(1980, 1, 1, 12, "女");
    EXPECT_FALSE(female.LuckBackward); // a woman of a yin (己) year goes forward
    EXPECT_EQ(female.TermDays, 5);     // 小寒 on 1980-01-06
    EXPECT_EQ(female.StartAge, 2);
    EXPECT_EQ(Luck(female), "丙子 丁丑 戊寅 己卯 庚辰 辛巳 壬午 癸未 甲申 乙酉");
    EXPECT_EQ(female.ConceptionPillar.Name(), "丁卯");

    const ChartDetails male = Details(1980, 1, 1, 12, "男");
    EXPECT_TRUE(male.LuckBackward);
    EXPECT_EQ(Luck(male), "丙子 乙亥 甲戌 癸酉 壬申 辛未 庚午 己巳 戊辰 丁卯");
}

TEST(ChartDetails, StartingAgeFromTheDaysToTheTerm) {
    // 31 days to 立秋 give 11, which becomes 1.
    const ChartDetails d = Details(1990, 7, 8, 12, "男");
    EXPECT_EQ(d.TermDays, 31);
    EXPECT_EQ(d.StartAge, 1);
    // Find births whose term lies 28 to 30 days ahead: age 10 stays 10; and 1 to 3 days give 1.
    bool sawTen = false;
    bool sawOne = false;
    for (int day = 1; day <= 28; ++day) {
        const ChartDetails f = Details(1990, 7, day, 12, "男");
        if (f.TermDays >= 28 && f.TermDays <= 30) {
            EXPECT_EQ(f.StartAge, 10) << day;
            sawTen = true;
        }
        if (f.TermDays >= 1 && f.TermDays <= 3) {
            EXPECT_EQ(f.StartAge, 1) << day;
            sawOne = true;
        }
    }
    EXPECT_TRUE(sawTen);
    EXPECT_TRUE(sawOne);
}

TEST(ChartDetails, HiddenStems) {
    // The next section term (立春 2020-02-04) falls in lunar year 2020, a 子 year.
    const ChartDetails january = Details(2020, 1, 10, 12, "男");
    EXPECT_EQ(january.YearHidden, "癸");
    EXPECT_EQ(january.MonthHidden, "癸辛己");
    // The month column follows the Gregorian month, not the term.
    EXPECT_EQ(Details(2020, 2, 2, 12, "男").MonthHidden, "甲丙戊");
    EXPECT_EQ(Details(2020, 2, 2, 23, "男").HourHidden, "癸");
    EXPECT_EQ(Details(2020, 2, 2, 0, "男").HourHidden, "癸");
    EXPECT_EQ(Details(2020, 2, 2, 12, "男").HourHidden, "己丁");
    // 1900-02-20 is a 甲子 day.
    EXPECT_EQ(Details(1900, 2, 20, 12, "男").DayHidden, "癸");
}

TEST(ChartDetails, ElementCountsFollowThePlaces) {
    EXPECT_EQ(ElementCountText("土水   火土   木水   金木"), "金:占1个, 木:占2个, 水:占2个, 火:占1个, 土:占2个");
    // One empty element shifts the later places.
    EXPECT_EQ(ElementCountText("水   火土   木水   金木"), "金:占0个, 木:占1个, 水:占2个, 火:占0个, 土:占1个");
    EXPECT_EQ(ElementCountText(""), "金:占0个, 木:占0个, 水:占0个, 火:占0个, 土:占0个");
}

TEST(ChartDetails, LookupsAnswerEmptyWithoutData) {
    korvani::testing::ScratchDir empty;
    korvani::data::DataStore store(empty.path().string());
    EXPECT_EQ(NayinName(store, "甲子"), "");
    korvani::data::DataStore built(korvani::testing::BuiltDataDir().string());
    EXPECT_EQ(NayinName(built, "甲子"), "海中金");
    EXPECT_EQ(TenGodName(built, "甲丙"), "食神");
    EXPECT_EQ(TenGodName(built, "甲子"), "");
}
