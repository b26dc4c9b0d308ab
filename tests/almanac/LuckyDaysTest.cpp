#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "almanac/DailyAlmanac.h"
#include "almanac/LuckyDays.h"
#include "base/Errors.h"
#include "base/Gbk.h"
#include "data/OrvBirth.h"
#include "support/GoldenFile.h"
#include "support/TestDataDir.h"

using namespace korvani::almanac;
using korvani::base::CivilDate;
using korvani::calendar::SixtyCycle;
using korvani::chart::FourPillars;
using korvani::testing::BuiltDataDir;

namespace {

SixtyCycle PillarNamed(std::string_view name) {
    for (int i = 0; i < 60; ++i)
        if (SixtyCycle(i).Name() == name)
            return SixtyCycle(i);
    throw std::logic_error("no pillar " + std::string(name));
}

// A chart whose year and day pillars are given; the search reads nothing else of it.
FourPillars ChartWith(std::string_view year, std::string_view day) {
    FourPillars p;
    p.YearPillar = PillarNamed(year);
    p.DayPillar = PillarNamed(day);
    return p;
}

LuckyDayEntry Entry(std::string yi, std::string ji, std::string jsyq = "", int spirit = 0, int officer = 8) {
    return {std::move(yi), std::move(ji), std::move(jsyq), spirit, officer};
}

std::vector<std::string> Dates(const std::vector<LuckyDay>& days) {
    std::vector<std::string> dates;
    for (const LuckyDay& d : days)
        dates.push_back(korvani::base::FormatDate(d.date));
    return dates;
}

} // namespace

class LuckyDaysTest : public testing::Test {
protected:
    korvani::data::DataStore m_store{BuiltDataDir().string()};

    // The representative of the samples: born 1985-06-15 09:30, after 立春, so 乙丑 (牛), day 乙酉.
    FourPillars Representative(const char* year = "1985", const char* month = "6", const char* day = "15", int hour = 9,
                               const char* minute = "30") {
        korvani::chart::BirthInput birth;
        birth.year = year;
        birth.month = month;
        birth.day = day;
        birth.hour = hour;
        birth.minute = minute;
        auto chart = RepresentativeChart(m_store, birth);
        EXPECT_TRUE(std::holds_alternative<FourPillars>(chart));
        return std::get<FourPillars>(chart);
    }
};

// A name is found only as a whole name of the blank-separated list.
TEST(LuckyDayRules, ListsNameMatchesWholeNamesOnly) {
    EXPECT_TRUE(ListsName("祭祀 开市 交易", "开市"));
    EXPECT_TRUE(ListsName("开市", "开市"));
    EXPECT_TRUE(ListsName("交易 开市", "开市"));
    EXPECT_FALSE(ListsName("祭祀 开市场 交易", "开市"));
    EXPECT_FALSE(ListsName("祭祀 大开市", "开市"));
    EXPECT_FALSE(ListsName("", "开市"));
    EXPECT_FALSE(ListsName("开市", ""));
}

// The rules in their order: 宜 must name the affair; 诸事不宜 (in 宜 or 忌) wins over any list; 忌
// wins over 宜; the representative's animal is never clashed.
TEST(LuckyDayRules, QualificationRulesInOrder) {
    const SixtyCycle jiazi = PillarNamed("甲子"); // clashes 午 (马)
    EXPECT_EQ(JudgeDay(Entry("祭祀 开市", "安葬"), jiazi, "开市", nullptr), DayVerdict::Qualifies);
    EXPECT_EQ(JudgeDay(Entry("祭祀 交易", "安葬"), jiazi, "开市", nullptr), DayVerdict::NotListed);
    EXPECT_EQ(JudgeDay(Entry("开市 交易", "开市"), jiazi, "开市", nullptr), DayVerdict::Forbidden);
    EXPECT_EQ(JudgeDay(Entry("开市 交易", "嫁娶 开市 安葬"), jiazi, "交易", nullptr), DayVerdict::Qualifies);
    EXPECT_EQ(JudgeDay(Entry("纳财 交易 立券", "诸事不宜"), jiazi, "交易", nullptr), DayVerdict::AllUnsuitable);
    EXPECT_EQ(JudgeDay(Entry("塞穴 诸事不宜 开市", "安门"), jiazi, "开市", nullptr), DayVerdict::AllUnsuitable);

    const FourPillars horse = ChartWith("庚午", "甲子");
    const FourPillars ox = ChartWith("乙丑", "乙酉");
    EXPECT_EQ(JudgeDay(Entry("开市", "安葬"), jiazi, "开市", &horse), DayVerdict::ClashesAnimal);
    EXPECT_EQ(JudgeDay(Entry("开市", "安葬"), jiazi, "开市", &ox), DayVerdict::Qualifies);
    // A day that clashes the representative's day branch (卯 against 酉) still qualifies.
    EXPECT_EQ(JudgeDay(Entry("开市", "安葬"), PillarNamed("己卯"), "开市", &ox), DayVerdict::Qualifies);
}

TEST(LuckyDayRules, ScoreAndReasons) {
    // 青龙 (黄道) 3, 成 2, three good spirits of trade 3: the first three in their rank, so 五富 is
    // not named.
    DayScore best = ScoreDay(Entry("开市 交易 嫁娶 安葬", "动土", "天德 月德 母仓 五富 天恩", 0, 8),
                             PillarNamed("甲子"), "开市", nullptr);
    EXPECT_EQ(best.points, 8);
    EXPECT_EQ(best.reasons, "黄道吉日（青龙），成日，吉神天德、月德、天恩，宜开市、交易、嫁娶");

    // 白虎 (黑道) 0, 闭 −2; the other affairs the 忌 names are not offered; 母仓 is no spirit of trade.
    const FourPillars ox = ChartWith("乙丑", "乙酉");
    DayScore poor = ScoreDay(Entry("交易 开市 动土", "动土", "母仓 鸣吠", 6, 11), PillarNamed("甲子"), "交易", &ox);
    EXPECT_EQ(poor.points, -2);
    EXPECT_EQ(poor.reasons, "黑道日（白虎），闭日欠佳，宜交易、开市；不冲属牛");

    // A 卯 day clashes the representative's day branch 酉: −2; 满 is plain.
    DayScore clash = ScoreDay(Entry("开市", ""), PillarNamed("辛卯"), "开市", &ox);
    EXPECT_EQ(clash.points, 3 + 2 - 2);
    EXPECT_EQ(clash.reasons, "黄道吉日（青龙），成日，宜开市；不冲属牛；与法人日支酉相冲，稍逊");
    clash = ScoreDay(Entry("开市", "", "", 1, 2), PillarNamed("辛卯"), "开市", &ox);
    EXPECT_EQ(clash.points, 3 + 0 - 2);
    EXPECT_EQ(clash.reasons, "黄道吉日（明堂），满日，宜开市；不冲属牛；与法人日支酉相冲，稍逊");
}

// An entry whose spirit, path or officer the rules do not know is a damaged data file. (A search over
// the whole span reads all 720 entries, so EveryActivityAppearsInTheData checks every path the data
// gives against the rules' yellow path.)
TEST(LuckyDayRules, UnknownSpiritOrOfficerIsADamagedFile) {
    const LuckyDayEntry ok = ReadLuckyDayEntry({0, "", "开市", "", "值神天德(黄道)", "开日"});
    EXPECT_EQ(ok.spirit, 5);
    EXPECT_EQ(ok.officer, 10);
    for (const auto& [spirit, officer] :
         std::initializer_list<std::pair<const char*, const char*>>{{"值神青龙(黑道)", "成日"},
                                                                    {"值神白龙(黄道)", "成日"},
                                                                    {"青龙(黄道)", "成日"},
                                                                    {"值神青龙", "成日"},
                                                                    {"值神青龙(黄道)", "成"},
                                                                    {"值神青龙(黄道)", "开市日"},
                                                                    {"值神青龙(黄道)", ""}}) {
        try {
            ReadLuckyDayEntry({0, "", "开市", "", spirit, officer});
            ADD_FAILURE() << spirit << " " << officer;
        } catch (const korvani::DataFileError& e) {
            EXPECT_EQ(e.fileName(), "OrvBirth.dll");
            EXPECT_NE(std::string(e.what()).find("OrvBirth.dll"), std::string::npos);
        }
    }
}

TEST(LuckyDayRules, SearchChecks) {
    EXPECT_FALSE(CheckLuckyDaySearch({2027, 1, 1}, {2027, 1, 1}, "开市"));
    EXPECT_FALSE(CheckLuckyDaySearch({1901, 1, 1}, {2100, 12, 31}, "嫁娶"));
    EXPECT_TRUE(CheckLuckyDaySearch({2027, 1, 1}, {2027, 2, 1}, "祭祀")->text.starts_with("“祭祀”不是可选的事项"));
    EXPECT_TRUE(CheckLuckyDaySearch({2027, 1, 1}, {2027, 2, 1}, "")->text.starts_with("“”不是可选的事项"));
    EXPECT_EQ(CheckLuckyDaySearch({1900, 12, 31}, {1901, 2, 1}, "开市")->text, "日期须在1901-01-01至2100-12-31之间!");
    EXPECT_EQ(CheckLuckyDaySearch({2100, 12, 1}, {2101, 1, 1}, "开市")->text, "日期须在1901-01-01至2100-12-31之间!");
    EXPECT_EQ(CheckLuckyDaySearch({2027, 2, 1}, {2027, 1, 31}, "开市")->text, "起始日期不能晚于结束日期!");
}

// March 2027 by hand from the almanac, for the representative born 1985-06-15 (乙丑 牛, day 乙酉):
// the 开市 days are 1 己卯 朱雀 除 天恩 (0+2+1, a 卯 day against his day branch 酉 −2: 1), 4 壬午
// 白虎 定 天德合 天恩 三合 (5), 8 丙戌 天牢 危 六合 (3), 9 丁亥 玄武 成 月恩 三合 (4), 13 辛卯 明堂
// 建 (3, −2 for 卯: 1), 15 and 27 (朱雀 满, no spirit of trade: 0); 29 丁未 clashes 丑, his animal.
TEST_F(LuckyDaysTest, RankingOfAFixedMonth) {
    const FourPillars ox = Representative();
    ASSERT_EQ(ox.YearPillar.Name(), "乙丑");
    ASSERT_EQ(ox.DayPillar.Name(), "乙酉");
    const LuckyDayResult result = FindLuckyDays(m_store, {2027, 3, 1}, {2027, 3, 31}, "开市", ox);
    EXPECT_EQ(Dates(result.days), (std::vector<std::string>{"2027-03-04", "2027-03-09", "2027-03-08", "2027-03-01",
                                                            "2027-03-13", "2027-03-15", "2027-03-27"}));
    std::vector<int> scores;
    for (const LuckyDay& d : result.days)
        scores.push_back(d.score);
    EXPECT_EQ(scores, (std::vector<int>{5, 4, 3, 1, 1, 0, 0}));
    EXPECT_EQ(result.tally.days, 31);
    EXPECT_EQ(result.tally.listed, 8);
    EXPECT_EQ(result.tally.clashing, 1);

    const LuckyDay& first = result.days.front();
    EXPECT_EQ(first.pillar.Name(), "壬午");
    EXPECT_EQ(first.SpiritText(), "白虎(黑道)");
    EXPECT_EQ(first.OfficerText(), "定日");
    EXPECT_EQ(first.weekday, "星期四");
    EXPECT_EQ(first.lunarDate, "正月廿七");
    EXPECT_EQ(first.reasons,
              "黑道日（白虎），定日，吉神天德合、天恩、三合，宜开市、入宅、移徙、动土、修造、嫁娶；不冲属牛");

    // In date order, the same days.
    std::vector<LuckyDay> byDate = result.days;
    OrderLuckyDays(byDate, LuckyDayOrder::ByDate);
    EXPECT_EQ(Dates(byDate), (std::vector<std::string>{"2027-03-01", "2027-03-04", "2027-03-08", "2027-03-09",
                                                       "2027-03-13", "2027-03-15", "2027-03-27"}));

    // Without a representative, 29 丁未 is back and no day loses points for a clash.
    const LuckyDayResult anyone = FindLuckyDays(m_store, {2027, 3, 1}, {2027, 3, 31}, "开市", std::nullopt);
    EXPECT_EQ(anyone.days.size(), 8u);
    EXPECT_EQ(anyone.tally.clashing, 0);
    const auto march29 = std::find_if(anyone.days.begin(), anyone.days.end(), [](const LuckyDay& d) {
        return d.date == CivilDate{2027, 3, 29};
    });
    ASSERT_NE(march29, anyone.days.end());
    EXPECT_EQ(march29->reasons.find("冲"), std::string::npos);

    const std::vector<std::string> lines = LuckyDayReportLines({2027, 3, 1}, {2027, 3, 31}, "开市", ox, result);
    for (const std::string& line : lines)
        EXPECT_FALSE(korvani::base::FirstNonGbkCharacter(line)) << line;
    const std::string made = korvani::testing::JoinedLines(lines);
    EXPECT_EQ(made, korvani::testing::Golden("luckydays/2027-03-kaishi-1985-06-15.txt", made));
}

// 2027-03-29 (丁未) suits 开市 but clashes 丑: a representative of the ox never gets it, one of the
// horse does.
TEST_F(LuckyDaysTest, DayThatClashesTheAnimalIsLeftOut) {
    const CivilDate day{2027, 3, 29};
    const LuckyDayResult ox = FindLuckyDays(m_store, day, day, "开市", Representative());
    EXPECT_TRUE(ox.days.empty());
    EXPECT_EQ(ox.tally.clashing, 1);
    EXPECT_EQ(WhyNoLuckyDay(ox.tally, "开市", Representative()),
              "所选的1天里宜开市的1天都冲法人的生肖（属牛），请把日期范围放宽一些再查找。");
    const LuckyDayResult horse = FindLuckyDays(m_store, day, day, "开市", ChartWith("庚午", "甲子"));
    ASSERT_EQ(horse.days.size(), 1u);
    EXPECT_TRUE(horse.days[0].reasons.ends_with("；不冲属马"));
}

// The animal is that of the year that turns at 立春 (1985-02-04 05:12): a birth at 04:00 that day is a
// rat (甲子), at noon an ox (乙丑), and so is a birth of 1985-02-10, before the lunar new
// year (02-20). 2027-03-04 (壬午) clashes the rat.
TEST_F(LuckyDaysTest, AnimalTurnsAtTheBeginningOfSpring) {
    EXPECT_EQ(Representative("1985", "2", "4", 4, "0").YearPillar.Name(), "甲子");
    EXPECT_EQ(Representative("1985", "2", "4", 12, "0").YearPillar.Name(), "乙丑");
    EXPECT_EQ(Representative("1985", "2", "10", 12, "0").YearPillar.Name(), "乙丑");
    const CivilDate day{2027, 3, 4};
    EXPECT_TRUE(FindLuckyDays(m_store, day, day, "开市", Representative("1985", "2", "4", 4, "0")).days.empty());
    EXPECT_EQ(FindLuckyDays(m_store, day, day, "开市", Representative("1985", "2", "10", 12, "0")).days.size(), 1u);
    // A lunar birth date is converted first: 农历1985-1-1 is 1985-02-20, an ox.
    korvani::chart::BirthInput lunar;
    lunar.lunar = true;
    lunar.year = "1985";
    lunar.month = "1";
    lunar.day = "1";
    EXPECT_EQ(std::get<FourPillars>(RepresentativeChart(m_store, lunar)).YearPillar.Name(), "乙丑");
    lunar.year = "";
    EXPECT_EQ(std::get<korvani::base::ValidationMessage>(RepresentativeChart(m_store, lunar)).text, "请选择出生年!");
}

// 2022-03-02 (entry of the 寅 month and 甲寅) lists 纳财 交易 立券 in its 宜 but 诸事不宜 in its 忌.
TEST_F(LuckyDaysTest, AllUnsuitableDayNeverAppears) {
    const CivilDate day{2022, 3, 2};
    const auto entry = LookUpAlmanacDay(m_store, "2022-03-02");
    ASSERT_TRUE(entry);
    EXPECT_NE(entry->lines[14].find("交易"), std::string::npos) << entry->lines[14];
    EXPECT_EQ(entry->lines[18], "忌:诸事不宜");
    const LuckyDayResult result = FindLuckyDays(m_store, day, day, "交易", std::nullopt);
    EXPECT_TRUE(result.days.empty());
    EXPECT_EQ(result.tally.allUnsuitable, 1);
    EXPECT_EQ(WhyNoLuckyDay(result.tally, "交易", std::nullopt),
              "所选的1天里宜交易的有1天，其中1天诸事不宜，没有余下的日子。请把日期范围放宽一些再查找。");
    const LuckyDayResult month = FindLuckyDays(m_store, {2022, 3, 1}, {2022, 3, 31}, "交易", std::nullopt);
    EXPECT_FALSE(month.days.empty());
    for (const LuckyDay& d : month.days)
        EXPECT_NE(d.date, day);
}

// Every day a search keeps, read back through the almanac's own view: its 宜 names the affair, its
// 忌 does not, neither says 诸事不宜, and its 冲 line does not name the representative's animal.
TEST_F(LuckyDaysTest, EveryDayFoundAgreesWithItsAlmanacEntry) {
    const FourPillars ox = Representative();
    const korvani::data::OrvBirth almanac(m_store);
    for (std::string_view activity : kLuckyDayActivities) {
        const LuckyDayResult result = FindLuckyDays(m_store, {2026, 1, 1}, {2028, 12, 31}, activity, ox);
        ASSERT_FALSE(result.days.empty()) << activity;
        EXPECT_EQ(result.tally.listed, static_cast<int>(result.days.size()) + result.tally.allUnsuitable +
                                           result.tally.forbidden + result.tally.clashing)
            << activity;
        for (const LuckyDay& d : result.days) {
            const auto row = almanac.AlmanacDay(d.date);
            ASSERT_TRUE(row);
            EXPECT_TRUE(ListsName(row->yi, activity)) << row->gn;
            EXPECT_FALSE(ListsName(row->ji, activity)) << row->gn;
            EXPECT_EQ(row->yi.find("诸事不宜"), std::string::npos) << row->gn;
            EXPECT_EQ(row->ji.find("诸事不宜"), std::string::npos) << row->gn;
            EXPECT_EQ(row->cong.find(")牛"), std::string::npos) << row->gn << " " << row->cong;
            EXPECT_TRUE(row->suici.ends_with(d.pillar.Name() + "日")) << row->gn;
            EXPECT_NE(row->nn.find(d.lunarDate + " " + d.weekday + " 值神" + d.SpiritText() + " " + d.OfficerText()),
                      std::string::npos)
                << row->nn;
        }
    }
}

// The clash the search computes from the day's branch is the animal of every day's 冲 line,
// "(戊午)马 煞南", over the whole almanac.
TEST_F(LuckyDaysTest, ClashOfTheDayIsTheAnimalOfItsClashLine) {
    auto& st = m_store.Connection(korvani::data::DataFileId::OrvBirth)
                   .Prepare("select d.day_pillar, v.cong from huangdao_day d join huangdao v on v.gn = d.gn");
    int days = 0;
    while (st.Step()) {
        const SixtyCycle pillar(static_cast<int>(st.Int(0)));
        const std::string cong = st.Text(1);
        const std::string expected = std::string(")") + std::string(ClashOf(pillar.Branch()).Animal()) + " ";
        ASSERT_NE(cong.find(expected), std::string::npos) << pillar.Name() << " " << cong;
        ++days;
    }
    EXPECT_EQ(days, 73049);
}

// Every affair the window offers is named by the almanac's 宜 lines, and found over the whole span.
TEST_F(LuckyDaysTest, EveryActivityAppearsInTheData) {
    for (std::string_view activity : kLuckyDayActivities) {
        const LuckyDayResult result = FindLuckyDays(m_store, kFirstAlmanacDay, kLastAlmanacDay, activity, std::nullopt);
        EXPECT_EQ(result.tally.days, 73049);
        EXPECT_GT(result.days.size(), 1000u) << activity;
    }
    EXPECT_EQ(kLuckyDayActivities.front(), kDefaultActivity);
}

TEST_F(LuckyDaysTest, WhyAnEmptyListIsEmpty) {
    // 2027-01-01..04 holds no 开市 day (the first is 01-05).
    const LuckyDayResult shortSpan = FindLuckyDays(m_store, {2027, 1, 1}, {2027, 1, 4}, "开市", std::nullopt);
    EXPECT_TRUE(shortSpan.days.empty());
    EXPECT_EQ(WhyNoLuckyDay(shortSpan.tally, "开市", std::nullopt),
              "所选的4天里没有宜开市的日子：日期范围太短，请把结束日期往后放一些再查找。");
    // Causes together.
    const LuckyDayTally mixed{40, 3, 1, 0, 2};
    EXPECT_EQ(WhyNoLuckyDay(mixed, "开市", Representative()),
              "所选的40天里宜开市的有3天，其中1天诸事不宜、2天冲法人的生肖（属牛），没有余下的日子。请把日期范围放宽"
              "一些再查找。");
    EXPECT_EQ(WhyNoLuckyDay({60, 0, 0, 0, 0}, "挂匾", std::nullopt),
              "所选的60天里没有宜挂匾的日子，请换一段日期再查找。");
    // Bad input is refused by the search too.
    EXPECT_THROW(FindLuckyDays(m_store, {2027, 2, 1}, {2027, 1, 1}, "开市", std::nullopt), korvani::InputError);
}
