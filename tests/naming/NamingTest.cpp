#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "base/Errors.h"
#include "base/Utf8.h"
#include "naming/AssociationFilter.h"
#include "naming/CandidatePage.h"
#include "naming/NamingRun.h"
#include "support/TestDataDir.h"

using namespace korvani::naming;
using korvani::base::RandomSource;
using korvani::chart::BirthInput;
using korvani::testing::BuiltDataDir;

namespace {

BirthInput Birth(const char* y = "1980", const char* m = "5", const char* d = "17", int hour = 12) {
    BirthInput b;
    b.surname = "张";
    b.year = y;
    b.month = m;
    b.day = d;
    b.hour = hour;
    return b;
}

const char* const kFixedCharacters[] = {"华", "兴", "达", "信"};

} // namespace

class NamingTest : public testing::Test {
protected:
    void SetUp() override {
        auto& db = m_store.Connection(korvani::data::DataFileId::Zelmar);
        auto& words = db.Prepare("select zi, bh from word");
        while (words.Step())
            m_strokes[words.Text(0)] = static_cast<int>(words.Int(1));
        auto& patterns = db.Prepare("select lx, bh11, bh12, bh21, bh22, zf from gz");
        while (patterns.Step())
            m_patterns[{int(patterns.Int(0)), int(patterns.Int(1)), int(patterns.Int(2)), int(patterns.Int(3)),
                        int(patterns.Int(4))}] = int(patterns.Int(5));
    }

    korvani::data::DataStore m_store{BuiltDataDir().string()};
    std::map<std::string, int> m_strokes;
    std::map<std::tuple<int, int, int, int, int>, int> m_patterns;
};

// Every template returns only candidates that honour it: the fixed characters in their places, a
// stroke pattern listed for the length with its score, every required element, the row limit.
TEST_F(NamingTest, EveryTemplateHonoursItsRules) {
    RandomSource random(2024);
    for (const CandidateTemplate& t : AllTemplates()) {
        NamingRequest request{Birth(), "", "", t.length, {}};
        for (int i = 0; i < t.length; ++i)
            if (t.fixed[i])
                request.fixed[i] = kFixedCharacters[i];
        const NamingOutcome outcome = RunNaming(m_store, request, random);
        ASSERT_TRUE(outcome.result) << t.length;
        const NamingResult& result = *outcome.result;
        if (t.rowLimit > 0) {
            EXPECT_LE(result.rows.size(), static_cast<std::size_t>(t.rowLimit));
        }
        for (const CandidateRow& row : result.rows) {
            const auto characters = korvani::base::SplitCharacters(row.zi);
            ASSERT_EQ(characters.size(), static_cast<std::size_t>(t.length)) << row.zi;
            std::array<int, 4> strokes{};
            int total = 0;
            for (int i = 0; i < t.length; ++i) {
                if (t.fixed[i]) {
                    ASSERT_EQ(characters[i], kFixedCharacters[i]) << row.zi;
                }
                strokes[i] = m_strokes.at(characters[i]);
                total += strokes[i];
            }
            EXPECT_EQ(row.bh, total) << row.zi;
            const auto pattern = m_patterns.find({t.length, strokes[0], strokes[1], strokes[2], strokes[3]});
            ASSERT_NE(pattern, m_patterns.end()) << row.zi;
            EXPECT_EQ(row.fs, pattern->second) << row.zi;
            for (const std::string& element : result.state.requiredElements)
                EXPECT_NE(row.wuhang.find(element), std::string::npos) << row.zi << " " << element;
        }
    }
}

// Four free characters are a head word and a tail word, both of grade A.
TEST_F(NamingTest, FourCharactersWithoutFixedOnesAreAHeadWordAndATailWord) {
    RandomSource random(7);
    const NamingOutcome outcome = RunNaming(m_store, {Birth(), "", "", 4, {}}, random);
    ASSERT_TRUE(outcome.result);
    ASSERT_FALSE(outcome.result->rows.empty());
    auto& words =
        m_store.Connection(korvani::data::DataFileId::Zelmar).Prepare("select zi, place from MZ where grade = 'A'");
    std::set<std::string> heads, tails;
    while (words.Step()) {
        if (words.Text(1) != "tail")
            heads.insert(words.Text(0));
        if (words.Text(1) != "head")
            tails.insert(words.Text(0));
    }
    for (const CandidateRow& row : outcome.result->rows) {
        const auto c = korvani::base::SplitCharacters(row.zi);
        EXPECT_TRUE(heads.count(c[0] + c[1])) << row.zi;
        EXPECT_TRUE(tails.count(c[2] + c[3])) << row.zi;
    }
}

// A drawn character sits where its role fits: two free characters are a head character and a
// traditional trade ending that a reader graded as a pair (never one graded C); three are a head word and a trade
// ending; no drawn character repeats another.
TEST_F(NamingTest, DrawnCharactersSitWhereTheirRoleFits) {
    std::map<std::string, std::string> roles;
    std::set<std::string> endings;
    auto& pool = m_store.Connection(korvani::data::DataFileId::Zelmar).Prepare("select zi, role, ending from CYZI");
    while (pool.Step()) {
        roles[pool.Text(0)] = pool.Text(1);
        if (pool.Int(2) == 1)
            endings.insert(pool.Text(0));
    }
    std::set<std::string> heads;
    auto& words = m_store.Connection(korvani::data::DataFileId::Zelmar)
                      .Prepare("select zi from MZ where grade = 'A' and place in ('head', 'both')");
    while (words.Step())
        heads.insert(words.Text(0));
    std::set<std::string> gradedBodies;
    auto& bodies =
        m_store.Connection(korvani::data::DataFileId::Zelmar).Prepare("select zi from SZ where grade in ('A', 'B')");
    while (bodies.Step())
        gradedBodies.insert(bodies.Text(0));
    RandomSource random(5);
    for (int length : {2, 3}) {
        const NamingOutcome outcome = RunNaming(m_store, {Birth(), "", "", length, {}}, random);
        ASSERT_TRUE(outcome.result);
        ASSERT_FALSE(outcome.result->rows.empty()) << length;
        for (const CandidateRow& row : outcome.result->rows) {
            const auto c = korvani::base::SplitCharacters(row.zi);
            if (length == 2) {
                EXPECT_NE(roles.at(c.front()), "last") << row.zi;
                EXPECT_TRUE(gradedBodies.count(row.zi)) << row.zi;
            } else
                EXPECT_TRUE(heads.count(c[0] + c[1])) << row.zi;
            EXPECT_TRUE(endings.count(c.back())) << row.zi;
            EXPECT_EQ(std::set<std::string>(c.begin(), c.end()).size(), c.size()) << row.zi;
        }
    }
}

// Two free characters come from the bodies a reader took as a shop name while those fill a page;
// a chart that lacks two rarely paired elements (木 and 水) takes the looser pairings as well.
TEST_F(NamingTest, TwoFreeCharactersPreferTheChosenBodies) {
    std::map<std::string, std::string> grade;
    auto& bodies = m_store.Connection(korvani::data::DataFileId::Zelmar).Prepare("select zi, grade from SZ");
    while (bodies.Step())
        grade[bodies.Text(0)] = bodies.Text(1);
    const auto t = TemplateFor(2, {false, false, false, false});
    ASSERT_TRUE(t);
    AssociationFilter filter(m_store);
    RandomSource random(11);
    const auto counts = [&](const std::vector<std::string>& required) {
        std::map<std::string, std::size_t> n;
        for (const CandidateRow& row : DrawCandidates(m_store, filter, *t, {}, required, {}, "", "", random))
            ++n[grade.at(row.zi)];
        return n;
    };
    const auto none = counts({});
    EXPECT_GE(none.at("A"), 100u);
    EXPECT_EQ(none.count("B"), 0u);
    const auto rare = counts({"木", "水"});
    EXPECT_GT(rare.at("B"), 0u);
    EXPECT_GE(rare.at("A") + rare.at("B"), 100u);
}

// A surname fixed first, then a tail word that opens like a given name, reads as a person (华永兴,
// 华德昌): such bodies are dropped. The same words after a character that is no surname (鑫永兴) stay,
// and a surname the user fixes in both places is the user's choice.
TEST_F(NamingTest, ASurnameFixedFirstDoesNotMakeAPersonsName) {
    const auto seconds = [&](const char* first, const char* second = "") {
        RandomSource random(8);
        const NamingOutcome outcome = RunNaming(m_store, {Birth(), "", "", 3, {first, second}}, random);
        std::set<std::string> found;
        if (outcome.result)
            for (const CandidateRow& row : outcome.result->rows)
                found.insert(korvani::base::SplitCharacters(row.zi)[1]);
        return found;
    };
    const auto hua = seconds("华");
    ASSERT_FALSE(hua.empty());
    for (const char* opener : {"永", "德", "建", "伟"})
        EXPECT_EQ(hua.count(opener), 0u) << opener;
    EXPECT_TRUE(seconds("鑫").count("永"));
    EXPECT_TRUE(seconds("华", "永").count("永"));
}

// A fixed character's partner makes a grade A word with it where the word list has such words.
TEST_F(NamingTest, AFixedCharactersPartnerMakesAGoodWordWithIt) {
    auto& words = m_store.Connection(korvani::data::DataFileId::Zelmar)
                      .Prepare("select zi from MZ where grade = 'A' and substr(zi, 1, 1) = '华'");
    std::set<std::string> good;
    while (words.Step())
        good.insert(words.Text(0));
    ASSERT_FALSE(good.empty());
    RandomSource random(3);
    const NamingOutcome outcome = RunNaming(m_store, {Birth(), "", "", 2, {"华"}}, random);
    ASSERT_TRUE(outcome.result);
    for (const CandidateRow& row : outcome.result->rows)
        EXPECT_TRUE(good.count(row.zi)) << row.zi;
}

// Every set of missing elements, at every length, with nothing fixed, fills at least a page.
TEST_F(NamingTest, EveryMissingElementSetFillsAPageAtEveryLength) {
    static constexpr const char* kOrder[] = {"金", "木", "水", "火", "土"};
    AssociationFilter filter(m_store);
    RandomSource random(99);
    for (int length : {2, 3, 4}) {
        const auto t = TemplateFor(length, {false, false, false, false});
        ASSERT_TRUE(t);
        for (int set = 0; set < 32; ++set) {
            std::vector<std::string> required;
            for (int e = 0; e < 5; ++e)
                if (set & (1 << e) && static_cast<int>(required.size()) < length)
                    required.push_back(kOrder[e]);
            const auto rows = DrawCandidates(m_store, filter, *t, {}, required, {}, "", "", random);
            EXPECT_GE(rows.size(), 100u) << "length " << length << ", elements set " << set;
        }
    }
}

TEST_F(NamingTest, MissingElementsBecomeTheFilter) {
    // A birth that lacks three elements or more, and one that lacks none.
    std::vector<BirthInput> births;
    bool sawNone = false;
    bool sawThree = false;
    for (int year = 1980; year < 2000 && !(sawNone && sawThree); ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int hour : {0, 6, 12, 18}) {
                const std::string y = std::to_string(year);
                const std::string m = std::to_string(month);
                const BirthInput birth = Birth(y.c_str(), m.c_str(), "9", hour);
                const std::string missing = std::get<std::string>(ComputeMissingElements(m_store, birth));
                if ((missing.size() >= 9 && !sawThree) || (missing.empty() && !sawNone))
                    births.push_back(birth);
                sawThree = sawThree || missing.size() >= 9;
                sawNone = sawNone || missing.empty();
            }
        }
    }
    ASSERT_TRUE(sawThree);
    ASSERT_TRUE(sawNone);
    for (const BirthInput& birth : births) {
        const std::string missing = std::get<std::string>(ComputeMissingElements(m_store, birth));
        RandomSource random(11);
        for (int length : {2, 3}) {
            const NamingOutcome outcome = RunNaming(m_store, {birth, "", "", length, {"华"}}, random);
            ASSERT_TRUE(outcome.result);
            const auto& required = outcome.result->state.requiredElements;
            EXPECT_EQ(outcome.result->state.missingElements, missing);
            // The first n missing elements, n the name length; none for a chart that lacks none.
            const std::size_t n = std::min<std::size_t>(missing.size() / 3, length);
            ASSERT_EQ(required.size(), n);
            for (std::size_t i = 0; i < n; ++i)
                EXPECT_EQ(required[i], missing.substr(3 * i, 3));
        }
    }
}

TEST_F(NamingTest, InputChecksAndAllPositionsFixed) {
    RandomSource random(1);
    BirthInput birth = Birth();
    birth.surname = " ";
    EXPECT_EQ(RunNaming(m_store, {birth, "", "", 2, {}}, random).message->text, "姓不能为空!");
    birth.surname = "张";
    birth.hour.reset();
    EXPECT_EQ(RunNaming(m_store, {birth, "", "", 2, {}}, random).message->text, "请选择出生小时!");
    const NamingOutcome all = RunNaming(m_store, {Birth(), "", "", 3, {"华", "兴", "达"}}, random);
    EXPECT_EQ(all.message->text, "三字名不能同时固定三个字！");
    EXPECT_EQ(all.caption, "信息提示");
    EXPECT_EQ(RunNaming(m_store, {Birth(), "", "", 2, {"华", "兴"}}, random).message->text,
              "二字名不能同时固定两个字！");
    EXPECT_EQ(RunNaming(m_store, {Birth(), "", "", 4, {"华", "兴", "达", "信"}}, random).message->text,
              "四字名不能同时固定四个字！");
    // A third fixed character left in place for a two-character name is not read.
    EXPECT_TRUE(RunNaming(m_store, {Birth(), "", "", 2, {"华", "", "达"}}, random).result);
    // A fixed character that the table lacks gives an empty result, not an error.
    EXPECT_TRUE(RunNaming(m_store, {Birth(), "", "", 2, {"😀"}}, random).result->rows.empty());
    EXPECT_THROW(RunNaming(m_store, {Birth("2023", "2", "30"), "", "", 2, {}}, random), korvani::InputError);
    EXPECT_EQ(RunNaming(m_store, {Birth("1899", "2", "3"), "", "", 2, {}}, random).message->text,
              "公历日期须在1900-01-31至2100-12-31之间!");
}

TEST_F(NamingTest, AffixesAndTheGridRow) {
    RandomSource random(3);
    const NamingOutcome outcome = RunNaming(m_store, {Birth(), " 成都 ", "科技有限公司", 2, {"华"}}, random);
    const NamingState& s = outcome.result->state;
    EXPECT_EQ(s.prefixFt, "成都");
    EXPECT_EQ(s.suffixFt, "科技有限公司");
    EXPECT_EQ(s.suffixBh, 46);
    EXPECT_EQ(s.affixBh, 46 + 23);
    const auto page = ShowCandidatePage(*outcome.result, " 成都 ", "科技有限公司", random);
    ASSERT_FALSE(page.empty());
    const GridRow& row = page.front();
    EXPECT_EQ(row[0], "1");
    EXPECT_EQ(row[1], "成都" + row[4] + "科技有限公司");
    EXPECT_EQ(row[3], std::to_string(std::stoi(row[6]) + 69));
    EXPECT_EQ(row[7], "46");

    // Without affixes the name is the body, its strokes the body's, the suffix's 0.
    const NamingOutcome bare = RunNaming(m_store, {Birth(), "", "", 2, {"华"}}, random);
    for (const GridRow& r : ShowCandidatePage(*bare.result, "", "", random)) {
        EXPECT_EQ(r[1], r[4]);
        EXPECT_EQ(r[3], r[6]);
        EXPECT_EQ(r[7], "0");
    }
}

TEST(CandidatePage, ScoreBonusByTheRemainder) {
    EXPECT_EQ(ScoreBonus(81), 4);
    EXPECT_EQ(ScoreBonus(162), 4);
    EXPECT_EQ(ScoreBonus(80), 2);
    EXPECT_EQ(ScoreBonus(6), 3);
    EXPECT_EQ(ScoreBonus(87), 3);
    EXPECT_EQ(ScoreBonus(68), 4);
    EXPECT_EQ(ScoreBonus(2), 2);
}

TEST(CandidatePage, PagesDrawRowsAtRandomWithReplacement) {
    NamingResult result;
    RandomSource random(5);
    EXPECT_TRUE(ShowCandidatePage(result, "", "", random).empty());
    result.rows = {{"华兴", "水金", "華興", 30, 80}};
    auto page = ShowCandidatePage(result, "", "", random);
    ASSERT_EQ(page.size(), 1u);
    EXPECT_EQ(page[0][8], std::to_string(80 + ScoreBonus(30)));
    EXPECT_FALSE(HasMorePages(result));
    result.rows.push_back({"达信", "火金", "達信", 25, 90});
    EXPECT_EQ(ShowCandidatePage(result, "", "", random).size(), 2u);
    result.rows.resize(150, result.rows[0]);
    EXPECT_TRUE(HasMorePages(result));
    page = ShowCandidatePage(result, "", "", random);
    ASSERT_EQ(page.size(), 100u);
    EXPECT_EQ(page.back()[0], "100");
}

TEST_F(NamingTest, TheSameSeedRepeatsARunAndFreshRunsDiffer) {
    const auto grid = [&](RandomSource random) {
        const NamingOutcome outcome = RunNaming(m_store, {Birth(), "", "", 3, {}}, random);
        return ShowCandidatePage(*outcome.result, "", "", random);
    };
    EXPECT_EQ(grid(RandomSource(99)), grid(RandomSource(99)));
    EXPECT_NE(grid(RandomSource(99)), grid(RandomSource(100)));
    EXPECT_NE(grid(RandomSource::Fresh()), grid(RandomSource::Fresh()));
}

// 喜用神 mode asks for the elements that balance the chart (用神 then 喜神, up to the name length)
// and keeps out its 忌神; the note says which and why. Two charts worked by hand in the chart tests:
// 2000-01-01 0:00 (己卯 丙子 戊午 壬子, 戊 weak under heavy water: 土 then 火, avoiding 木 and 水) and
// 1978-06-25 12:00 (four 戊午, earth scorched: 水 then 金, avoiding 火 and 土).
TEST_F(NamingTest, FavourableModeAsksForTheBalancingElements) {
    const struct {
        BirthInput birth;
        std::vector<std::string> wanted;
        std::vector<std::string> avoided;
    } kCases[] = {{Birth("2000", "1", "1", 0), {"土", "火"}, {"木", "水"}},
                  {Birth("1978", "6", "25", 12), {"水", "金"}, {"火", "土"}}};
    RandomSource random(24);
    for (const auto& c : kCases) {
        for (int length : {2, 3, 4}) {
            const NamingOutcome outcome =
                RunNaming(m_store, {c.birth, "", "", length, {}, ElementMode::Favourable}, random);
            ASSERT_TRUE(outcome.result);
            const NamingState& state = outcome.result->state;
            EXPECT_EQ(state.requiredElements, c.wanted);
            EXPECT_EQ(state.avoidedElements, c.avoided);
            ASSERT_GE(outcome.result->rows.size(), 100u) << c.birth.year << " length " << length;
            for (const CandidateRow& row : outcome.result->rows) {
                for (const std::string& e : c.wanted)
                    ASSERT_NE(row.wuhang.find(e), std::string::npos) << row.zi << " " << row.wuhang;
                for (const std::string& e : c.avoided)
                    ASSERT_EQ(row.wuhang.find(e), std::string::npos) << row.zi << " " << row.wuhang;
            }
            const std::string& note = outcome.result->note;
            EXPECT_TRUE(note.starts_with("共找到")) << note;
            EXPECT_NE(note.find("按喜用神取字"), std::string::npos) << note;
            EXPECT_NE(note.find("名字须含用神" + c.wanted[0] + "、喜神" + c.wanted[1]), std::string::npos) << note;
            EXPECT_NE(note.find("避开忌神" + c.avoided[0] + "、" + c.avoided[1]), std::string::npos) << note;
        }
        // 补缺, the default, asks only for what the chart lacks and avoids nothing.
        const NamingOutcome missing = RunNaming(m_store, {c.birth, "", "", 3, {}}, random);
        EXPECT_TRUE(missing.result->state.avoidedElements.empty());
        EXPECT_EQ(missing.result->note.find("喜用神"), std::string::npos);
    }

    // A fixed character that carries a 忌神 stands: that element is no longer avoided, and the note
    // says so. 海 is 水, a 忌神 of the first chart.
    const NamingOutcome fixed =
        RunNaming(m_store, {kCases[0].birth, "", "", 3, {"海"}, ElementMode::Favourable}, random);
    ASSERT_TRUE(fixed.result);
    EXPECT_EQ(fixed.result->state.avoidedElements, std::vector<std::string>{"木"});
    EXPECT_NE(fixed.result->note.find("固定字带水，不避"), std::string::npos) << fixed.result->note;
    for (const CandidateRow& row : fixed.result->rows)
        EXPECT_TRUE(row.zi.starts_with("海"));
}
