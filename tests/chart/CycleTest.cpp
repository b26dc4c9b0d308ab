#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/DateValue.h"
#include "calendar/SixtyCycle.h"
#include "chart/FourPillars.h"

using namespace korvani::calendar;

namespace {

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

} // namespace

TEST(SixtyCycle, StemsBranchesAndPairsAgree) {
    std::set<std::string> names;
    for (int i = 0; i < 60; ++i) {
        const SixtyCycle c(i);
        EXPECT_EQ(SixtyCycle::Of(c.Stem(), c.Branch()), c) << i;
        names.insert(c.Name());
    }
    EXPECT_EQ(names.size(), 60u);
    EXPECT_EQ(SixtyCycle(0).Name(), "甲子");
    EXPECT_EQ(SixtyCycle(59).Name(), "癸亥");
    EXPECT_EQ(SixtyCycle(-1).Name(), "癸亥");
    EXPECT_EQ(SixtyCycle(40).Name(), "甲辰");
    EXPECT_EQ(SixtyCycle(0).Next(-1), SixtyCycle(59));
    EXPECT_EQ(SixtyCycle(1).NayinIndex(), SixtyCycle(0).NayinIndex());
    // The chart's numbering: 甲 1 .. 壬 9, 癸 0; 子 1 .. 戌 11, 亥 0.
    EXPECT_EQ(HeavenlyStem::FromOrdinal(0).Name(), "癸");
    EXPECT_EQ(HeavenlyStem::FromName("甲")->Ordinal(), 1);
    EXPECT_EQ(EarthlyBranch::FromOrdinal(0).Name(), "亥");
    EXPECT_EQ(EarthlyBranch::FromName("寅")->Ordinal(), 3);
    EXPECT_FALSE(HeavenlyStem::FromName("子").has_value());
    EXPECT_EQ(EarthlyBranch(4).Animal(), "龙");
    EXPECT_EQ(HeavenlyStem(6).Element().Name(), "金");
    EXPECT_EQ(EarthlyBranch(11).Element().Name(), "水");
    EXPECT_EQ(EarthlyBranch(7).Element().Name(), "土");
    EXPECT_TRUE(HeavenlyStem(0).IsYang());
    EXPECT_FALSE(HeavenlyStem(9).IsYang());
    EXPECT_EQ(FiveElement::FromName("木")->Produces().Name(), "火");
    EXPECT_EQ(FiveElement::FromName("水")->Restrains().Name(), "火");
}

// 五鼠遁, as the tradition tabulates it: the twelve hour pillars of a day, by its stem. Every one of
// the 10 day stems and 24 hours of the day is checked through the pillars of a real birth; 23:00
// is already the 子 hour of the same day.
TEST(HourPillar, FollowsTheFiveRatsRuleForEveryDayStemAndHour) {
    const std::vector<std::string> kRows[5] = {
        Words("甲子 乙丑 丙寅 丁卯 戊辰 己巳 庚午 辛未 壬申 癸酉 甲戌 乙亥"), // 甲 己 days
        Words("丙子 丁丑 戊寅 己卯 庚辰 辛巳 壬午 癸未 甲申 乙酉 丙戌 丁亥"), // 乙 庚
        Words("戊子 己丑 庚寅 辛卯 壬辰 癸巳 甲午 乙未 丙申 丁酉 戊戌 己亥"), // 丙 辛
        Words("庚子 辛丑 壬寅 癸卯 甲辰 乙巳 丙午 丁未 戊申 己酉 庚戌 辛亥"), // 丁 壬
        Words("壬子 癸丑 甲寅 乙卯 丙辰 丁巳 戊午 己未 庚申 辛酉 壬戌 癸亥"), // 戊 癸
    };
    // 2024-02-10 is a 甲辰 day; the nine days after it bring the other nine stems.
    const int first = korvani::base::DayNumber({2024, 2, 10});
    std::set<std::string> stems;
    for (int k = 0; k < 10; ++k) {
        const korvani::base::CivilDate d = korvani::base::DateOfDayNumber(first + k);
        for (int hour = 0; hour < 24; ++hour) {
            const auto p = korvani::chart::ComputeFourPillars(false, d.year, d.month, d.day, hour, 0, "男");
            const int stem = p.DayPillar.Stem().Index();
            const int branch = (hour + 1) / 2 % 12; // 23:00 and 00:00 are 子, 21:00 and 22:00 亥
            EXPECT_EQ(p.HourPillar.Name(), kRows[stem % 5][branch]) << p.DayPillar.Name() << " " << hour << ":00";
            stems.insert(std::string(p.DayPillar.Stem().Name()));
        }
    }
    EXPECT_EQ(stems.size(), 10u);
}

// 五虎遁: the 寅 month of each year stem.
TEST(MonthPillar, FollowsTheFiveTigersRule) {
    const std::vector<std::string> first = Words("丙寅 戊寅 庚寅 壬寅 甲寅 丙寅 戊寅 庚寅 壬寅 甲寅");
    for (int stem = 0; stem < 10; ++stem)
        EXPECT_EQ(MonthCycle(HeavenlyStem(stem), EarthlyBranch(2)).Name(), first[stem]) << stem;
    EXPECT_EQ(MonthCycle(HeavenlyStem(0), EarthlyBranch(1)).Name(), "丁丑"); // the last month of a 甲 year
    const auto p = korvani::chart::ComputeFourPillars(false, 2024, 2, 10, 12, 0, "男");
    EXPECT_EQ(p.YearPillar.Name() + p.MonthPillar.Name() + p.DayPillar.Name(), "甲辰丙寅甲辰");
}
