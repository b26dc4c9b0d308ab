#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "base/DateValue.h"
#include "base/Utf8.h"
#include "chart/ChartDetails.h"
#include "chart/FavourableElements.h"

using namespace korvani::chart;
using korvani::calendar::EarthlyBranch;
using korvani::calendar::FiveElement;
using korvani::calendar::SixtyCycle;

namespace {

std::string Pillars(const FourPillars& p) {
    return p.YearPillar.Name() + " " + p.MonthPillar.Name() + " " + p.DayPillar.Name() + " " + p.HourPillar.Name();
}

std::string Elements(const std::vector<FiveElement>& elements) {
    std::string text;
    for (const FiveElement& e : elements)
        text += e.Name();
    return text;
}

struct WorkedChart {
    int year, month, day, hour;
    const char* pillars;
    int seasonPoints;
    int support;
    StrengthVerdict verdict;
    const char* favourable;   // 用神 then 喜神
    const char* unfavourable; // 忌神
};

// The pillars are taken with the birth after the term's moment; 1985-05-05 (立夏) and 1984-02-04
// (立春) are term days, so a birth before the moment would have the month (and year) before.
// Points: 得令 40/32/16/8/0 for 旺相休囚死; each other stem 10; the year, day and hour branches 10,
// shared by their hidden stems 10, 7+3 or 6+3+1 (main, middle, residual qi). 55 and over is 偏强,
// 45 and under 偏弱.
const WorkedChart kWorkedCharts[] = {
    // 四戊午, the textbook chart of parched earth. 戊 (土) in a 午 month: 火 produces 土, 相, 32.
    // Stems 戊戊戊: 比劫 30. Each 午 holds 丁 7 (印) and 己 3 (比劫): 印 21, 比劫 9. Support
    // 32 + 39 + 21 = 92: 偏强. 印 (21 + the month's 40 = 61) outweighs 比劫 (39): the excess comes from
    // the producing fire, so 财 水 restrains it (用) and 食伤 金 feeds 水 (喜); 忌 火, then 土.
    {1978, 6, 25, 12, "戊午 戊午 戊午 戊午", 32, 92, StrengthVerdict::Strong, "水金", "火土"},
    // Earth on earth. 戊 in a 未 month: 旺, 40. Stems 戊己戊: 比劫 30. 戌 (戊6 丁3 辛1) twice: 比劫
    // 12, 印 6, 食伤 2; 午 (丁7 己3): 印 7, 比劫 3. Support 40 + 45 + 13 = 98: 偏强. 比劫 (45 + 40)
    // outweighs 印 (13); no 官杀 (木) at all, so 食伤 金 drains the earth (用) and 财 水 takes it on (喜).
    {1958, 7, 20, 12, "戊戌 己未 戊戌 戊午", 40, 98, StrengthVerdict::Strong, "金水", "土火"},
    // 甲 (木) in a 卯 month: 旺, 40. Stems 癸 (印 10) 乙 甲 (比劫 20). 亥 (壬7 甲3): 印 7, 比劫 3;
    // 寅 (甲6 丙3 戊1): 比劫 6, 食伤 3, 财 1; 子 (癸): 印 10. Support 40 + 29 + 27 = 96: 偏强, the
    // peers in excess (69 against 27). 官杀 金 is absent and 食伤 火 has 3 points: 火 drains (用),
    // 土 carries it (喜) — the 木火通明 of the classics; 忌 木, then 水.
    {1983, 3, 27, 0, "癸亥 乙卯 甲寅 甲子", 40, 96, StrengthVerdict::Strong, "火土", "木水"},
    // 甲 in a 寅 month: 旺, 40. Stems 癸 甲 甲: 印 10, 比劫 20. 卯 比劫 10; 申 (庚6 壬3 戊1): 官杀 6,
    // 印 3, 财 1; 子 印 10. Support 40 + 30 + 23 = 93: 偏强, peers in excess. The chart carries 官杀
    // (6) and no 食伤, so 金 restrains the peers (用) with 土 feeding it (喜); 忌 木, then 水.
    {1963, 2, 10, 0, "癸卯 甲寅 甲申 甲子", 40, 93, StrengthVerdict::Strong, "金土", "木水"},
    // 甲 in a 巳 month: 木 produces 火, 休, 16. Stems 乙 (比劫 10) 辛 庚 (官杀 20). 丑 (己6 辛3 癸1):
    // 财 6, 官杀 3, 印 1; 辰 (戊6 癸3 乙1): 财 6, 印 3, 比劫 1; 午 (丁7 己3): 食伤 7, 财 3. Support
    // 16 + 11 + 4 = 31: 偏弱. Heaviest pressure: 食伤 (7 + the month's 40) over 官杀 (23) and 财 (15):
    // 印 水 restrains 食伤 and feeds the day master (用), 比劫 木 helps (喜); 忌 土 (财 breaks 印), 火.
    {1985, 5, 5, 12, "乙丑 辛巳 甲辰 庚午", 16, 31, StrengthVerdict::Weak, "水木", "土火"},
    // 财多身弱. 壬 (水) in a 巳 month: 水 restrains 火, 囚, 8. Stems 己 己 (官杀 20) 丙 (财 10). 卯
    // (乙): 食伤 10; 午 twice (丁7 己3): 财 14, 官杀 6. Support 8: 偏弱. Heaviest: 财 (24 + 40). 印 金
    // would be broken by the fire, so 比劫 水 shares the load (用) and 印 金 helps (喜); 忌 土 (官杀
    // restrains 水), then 火.
    {1999, 5, 30, 12, "己卯 己巳 壬午 丙午", 8, 8, StrengthVerdict::Weak, "水金", "土火"},
    // 丙 (火) in a 酉 month: 囚, 8. Stems 癸 (官杀 10) 辛 (财 10) 戊 (食伤 10). 酉: 财 10; 申 (庚6
    // 壬3 戊1): 财 6, 官杀 3, 食伤 1; 子: 官杀 10. Support 8: 偏弱. Heaviest: 财 (26 + 40): 比劫 火
    // (用), 印 木 (喜); 忌 水, then 金.
    {1993, 9, 12, 0, "癸酉 辛酉 丙申 戊子", 8, 8, StrengthVerdict::Weak, "火木", "水金"},
    // 己 (土) in a 申 month: 土 produces 金, 休, 16. Stems 庚 庚 (食伤 20) 甲 (官杀 10). 子: 财 10;
    // 巳 (丙6 庚3 戊1): 印 6, 食伤 3, 比劫 1; 午 (丁7 己3): 印 7, 比劫 3. Support 16 + 4 + 13 = 33:
    // 偏弱. Heaviest: 食伤 (23 + 40), the day master drained: 印 火 (用), 比劫 土 (喜); 忌 水, then 金.
    {1960, 8, 9, 12, "庚子 甲申 己巳 庚午", 16, 33, StrengthVerdict::Weak, "火土", "水金"},
    // 丙 in a 丑 month: 休, 16. Stems 己 (食伤 10) 丁 (比劫 10) 甲 (印 10). 巳 (丙6 庚3 戊1): 比劫 6,
    // 财 3, 食伤 1; 戌 (戊6 丁3 辛1): 食伤 6, 比劫 3, 财 1; 午 (丁7 己3): 比劫 7, 食伤 3. Support
    // 16 + 26 + 10 = 52: 中和, leaning strong: 食伤 土 (用) and 财 金 (喜) keep the flow; 忌 火, the
    // heavier supporting side (26 against 10).
    {1990, 1, 21, 12, "己巳 丁丑 丙戌 甲午", 16, 52, StrengthVerdict::Balanced, "土金", "火"},
    // 乙 (木) in a 子 month: 水 produces 木, 相, 32. Stems 甲 (比劫 10) 丙 (食伤 10) 戊 (财 10). 戌
    // (戊6 丁3 辛1): 财 6, 食伤 3, 官杀 1; 酉: 官杀 10; 寅 (甲6 丙3 戊1): 比劫 6, 食伤 3, 财 1. Support
    // 32 + 16 = 48: 中和, leaning weak: 印 水 (用), 比劫 木 (喜); 忌 the heaviest pressure, 财 土
    // (17, against 食伤 16 and 官杀 11).
    {1994, 12, 25, 4, "甲戌 丙子 乙酉 戊寅", 32, 48, StrengthVerdict::Balanced, "水木", "土"},
    // 戊 in a 子 month: 土 restrains 水, 囚, 8. Stems 己 (比劫 10) 丙 (印 10) 壬 (财 10). 卯: 官杀 10;
    // 午 (丁7 己3): 印 7, 比劫 3; 子: 财 10. Support 8 + 13 + 17 = 38: 偏弱. Heaviest: 财 (20 + 40):
    // 比劫 土 (用), 印 火 (喜); 忌 木 (restrains 土), then 水.
    {2000, 1, 1, 0, "己卯 丙子 戊午 壬子", 8, 38, StrengthVerdict::Weak, "土火", "木水"},
    // 戊 in a 寅 month: 木 restrains 土, 死, 0. Stems 甲 (官杀 10) 丙 (印 10) 戊 (比劫 10). 子: 财 10;
    // 辰 (戊6 癸3 乙1): 比劫 6, 财 3, 官杀 1; 午: 印 7, 比劫 3. Support 0 + 19 + 17 = 36: 偏弱.
    // Heaviest: 官杀 (11 + 40): 印 火 turns the pressure into support (用), 比劫 土 (喜); 忌 水 (财
    // breaks 印), then 木.
    {1984, 2, 4, 12, "甲子 丙寅 戊辰 戊午", 0, 36, StrengthVerdict::Weak, "火土", "水木"},
};

} // namespace

TEST(HiddenQi, MainQiIsTheBranchsOwnElementAndTheStemsAreThoseTheReportPrints) {
    for (int b = 0; b < 12; ++b) {
        const EarthlyBranch branch(b);
        EXPECT_EQ(branch.HiddenStem(0).Element(), branch.Element()) << branch.Name();
        // The same stems as the printed table, in the order of their weight.
        std::multiset<std::string> weighed;
        for (int i = 0; i < branch.HiddenStemCount(); ++i)
            weighed.insert(std::string(branch.HiddenStem(i).Name()));
        const std::vector<std::string> printed = korvani::base::SplitCharacters(HiddenStems[b]);
        EXPECT_EQ(weighed, std::multiset<std::string>(printed.begin(), printed.end())) << branch.Name();
    }
}

TEST(FavourableElements, HandWorkedCharts) {
    for (const WorkedChart& c : kWorkedCharts) {
        const FourPillars p = ComputeFourPillars(false, c.year, c.month, c.day, c.hour, 0, "男");
        ASSERT_EQ(Pillars(p), c.pillars);
        const FavourableReading f = FavourableElements(p);
        EXPECT_EQ(f.strength.seasonPoints, c.seasonPoints) << c.pillars;
        EXPECT_EQ(f.strength.support, c.support) << c.pillars;
        EXPECT_EQ(f.strength.verdict, c.verdict) << c.pillars;
        EXPECT_EQ(Elements(f.favourable), c.favourable) << c.pillars;
        EXPECT_EQ(Elements(f.unfavourable), c.unfavourable) << c.pillars;
        EXPECT_FALSE(f.explanation.empty());
    }
}

TEST(FavourableElements, TheSeasonsOfWood) {
    // 甲 in the months of 木 (寅), 火 (午), 土 (辰), 金 (申) and 水 (子): 旺 相 休 囚 死 named from the
    // season's element: 木 in spring 旺, in summer 休 (it feeds the fire), in the earth months 囚 (it
    // must work on the earth), in autumn 死, in winter 相.
    const struct {
        int branch;
        Season season;
        int points;
    } kSeasons[] = {{2, Season::Prosperous, 40},
                    {6, Season::Resting, 16},
                    {4, Season::Confined, 8},
                    {8, Season::Dead, 0},
                    {0, Season::Strengthened, 32}};
    for (const auto& s : kSeasons) {
        FourPillars p;
        p.DayPillar = SixtyCycle(0); // 甲子
        p.MonthPillar = SixtyCycle::Of(korvani::calendar::HeavenlyStem(2 + s.branch % 10), EarthlyBranch(s.branch));
        const StrengthReading r = DayMasterStrength(p);
        EXPECT_EQ(r.season, s.season) << s.branch;
        EXPECT_EQ(r.seasonPoints, s.points) << s.branch;
    }
}

// A chart whose every stem and branch carries the day master's element is 偏强, whatever the
// element and whatever the pillars chosen.
TEST(FavourableElements, ADayMasterThatFillsEveryPillarIsStrong) {
    for (int element = 0; element < 5; ++element) {
        std::vector<SixtyCycle> pure;
        for (int i = 0; i < 60; ++i) {
            const SixtyCycle c(i);
            if (c.Stem().Element().Index() == element && c.Branch().Element().Index() == element)
                pure.push_back(c);
        }
        ASSERT_GE(pure.size(), 2u);
        for (const SixtyCycle& y : pure)
            for (const SixtyCycle& m : pure)
                for (const SixtyCycle& d : pure)
                    for (const SixtyCycle& h : pure) {
                        FourPillars p;
                        p.YearPillar = y;
                        p.MonthPillar = m;
                        p.DayPillar = d;
                        p.HourPillar = h;
                        const FavourableReading f = FavourableElements(p);
                        EXPECT_EQ(f.strength.verdict, StrengthVerdict::Strong) << Pillars(p);
                        EXPECT_EQ(f.strength.season, Season::Prosperous);
                        // Too much of itself: its own element is never wanted.
                        EXPECT_NE(Elements(f.unfavourable).find(d.Stem().Element().Name()), std::string::npos);
                    }
    }
}

// Over the charts of every fifth day from 1900 to 2100, at every two-hour period: the figures add
// up, the verdict follows them, and the favourable and unfavourable elements never overlap.
TEST(FavourableElements, FavourableAndUnfavourableNeverOverlap) {
    const int first = korvani::base::DayNumber({1900, 2, 1});
    const int last = korvani::base::DayNumber({2100, 12, 31});
    std::set<StrengthVerdict> verdicts;
    int charts = 0;
    for (int day = first; day <= last; day += 5) {
        const korvani::base::CivilDate date = korvani::base::DateOfDayNumber(day);
        for (int hour = 0; hour < 24; hour += 2) {
            const FourPillars p = ComputeFourPillars(false, date.year, date.month, date.day, hour, 0, "女");
            const FavourableReading f = FavourableElements(p);
            const StrengthReading& s = f.strength;
            ++charts;
            int places = 0;
            for (int points : s.groupPoints)
                places += points;
            ASSERT_EQ(places, 60);
            ASSERT_EQ(s.support + s.pressure, 100);
            ASSERT_EQ(s.verdict, s.support >= 55   ? StrengthVerdict::Strong
                                 : s.support <= 45 ? StrengthVerdict::Weak
                                                   : StrengthVerdict::Balanced);
            verdicts.insert(s.verdict);

            ASSERT_EQ(f.favourable.size(), 2u) << Pillars(p);
            ASSERT_NE(f.favourable[0], f.favourable[1]);
            ASSERT_GE(f.unfavourable.size(), 1u);
            ASSERT_LE(f.unfavourable.size(), 2u);
            for (const FiveElement& good : f.favourable)
                for (const FiveElement& bad : f.unfavourable)
                    ASSERT_NE(good, bad) << Pillars(p);
            // A strong day master is not given more of itself, a weak one not more pressure.
            const FiveElement self = p.DayPillar.Stem().Element();
            if (s.verdict == StrengthVerdict::Strong) {
                ASSERT_NE(f.favourable[0], self);
                ASSERT_NE(f.favourable[0].Produces(), self);
            }
            if (s.verdict == StrengthVerdict::Weak) {
                ASSERT_TRUE(f.favourable[0] == self || f.favourable[0].Produces() == self) << Pillars(p);
            }
        }
    }
    EXPECT_GT(charts, 170000);
    EXPECT_EQ(verdicts.size(), 3u);
}
