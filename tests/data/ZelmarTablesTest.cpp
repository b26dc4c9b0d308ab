#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "PoolRules.h"
#include "base/Gbk.h"
#include "base/Utf8.h"
#include "data/DataStore.h"
#include "support/TestDataDir.h"
#include "numerology/NumberVerdictTable.h"

using namespace korvani::data;
using korvani::testing::BuiltDataDir;

namespace {

struct WordRow {
    int bh;
    std::string ft;
    std::string wuhang;
};

const std::set<std::string> kElements = {"金", "木", "水", "火", "土"};

} // namespace

class ZelmarTables : public testing::Test {
protected:
    void SetUp() override {
        auto& st = Db().Prepare("select zi, bh, ft, wuhang from word");
        while (st.Step())
            m_word[st.Text(0)] = {static_cast<int>(st.Int(1)), st.Text(2), st.Text(3)};
    }
    SqliteDatabase& Db() { return m_store.Connection(DataFileId::Zelmar); }

    DataStore m_store{BuiltDataDir().string()};
    std::map<std::string, WordRow> m_word;
};

TEST_F(ZelmarTables, WordHoldsEveryGbkIdeographWithSoundValues) {
    for (char32_t cp = 0x4E00; cp <= 0x9FA5; ++cp) {
        std::string zi;
        korvani::base::AppendUtf8(zi, cp);
        ASSERT_TRUE(m_word.count(zi)) << zi;
    }
    for (const auto& [zi, row] : m_word) {
        EXPECT_GE(row.bh, 1) << zi;
        EXPECT_EQ(korvani::base::CharacterCount(row.ft), 1u) << zi;
        EXPECT_TRUE(kElements.count(row.wuhang)) << zi;
        EXPECT_NO_THROW(korvani::base::Utf8ToGbk(zi + row.ft + row.wuhang)) << zi;
    }
}

// The business-name pool: each character with its values from `word`, a role and a gloss; every
// element is well supplied at the head and at the end of a body, so the element filter fills pages.
TEST_F(ZelmarTables, PoolCharactersCarryTheirValuesRolesAndGlosses) {
    auto& st = Db().Prepare("select ID, zi, wuhang, ft, bh, role, gloss from CYZI");
    std::set<std::string> seen;
    std::map<std::string, int> heads, ends;
    while (st.Step()) {
        const std::string zi = st.Text(1);
        ASSERT_TRUE(m_word.count(zi)) << zi;
        const WordRow& w = m_word[zi];
        EXPECT_EQ(st.Text(2), w.wuhang) << zi;
        EXPECT_EQ(st.Text(3), w.ft) << zi;
        EXPECT_EQ(st.Int(4), w.bh) << zi;
        EXPECT_TRUE(seen.insert(zi).second) << zi;
        const std::string role = st.Text(5);
        EXPECT_TRUE(role == "first" || role == "last" || role == "either") << zi;
        heads[w.wuhang] += role != "last";
        ends[w.wuhang] += role != "first";
        const std::size_t gloss = korvani::base::CharacterCount(st.Text(6));
        EXPECT_GE(gloss, 2u) << zi;
        EXPECT_LE(gloss, 16u) << zi;
    }
    EXPECT_GE(seen.size(), 150u);
    EXPECT_LE(seen.size(), 1000u);
    // Openers of business names are many, true trade endings fewer; each element keeps enough of both.
    for (const std::string& element : kElements) {
        EXPECT_GE(heads[element], 30) << element;
        EXPECT_GE(ends[element], 20) << element;
    }
}

TEST_F(ZelmarTables, NameWordsCarryTheirValuesGradeAndPlace) {
    auto& st = Db().Prepare("select zi, wuhang, ft, bh, bh1, bh2, fs, grade, place from MZ");
    int words = 0;
    std::map<std::string, int> places;
    while (st.Step()) {
        ++words;
        const auto characters = korvani::base::SplitCharacters(st.Text(0));
        ASSERT_EQ(characters.size(), 2u) << st.Text(0);
        ASSERT_TRUE(m_word.count(characters[0]) && m_word.count(characters[1])) << st.Text(0);
        const WordRow& a = m_word[characters[0]];
        const WordRow& b = m_word[characters[1]];
        EXPECT_EQ(st.Text(1), a.wuhang + b.wuhang);
        EXPECT_EQ(st.Text(2), a.ft + b.ft);
        EXPECT_EQ(st.Int(3), a.bh + b.bh);
        EXPECT_EQ(st.Int(4), a.bh);
        EXPECT_EQ(st.Int(5), b.bh);
        const bool gradeA = st.Text(7) == "A";
        EXPECT_EQ(st.Int(6), korvani::refdata::WordScore(a.bh, b.bh,
                                                          gradeA ? korvani::refdata::WordGrade::A
                                                                 : korvani::refdata::WordGrade::B))
            << st.Text(0);
        const std::string place = st.Text(8);
        EXPECT_EQ(gradeA, place == "head" || place == "tail" || place == "both") << st.Text(0);
        // Only grade A words with a lucky total score above 89, the four-character draws' bar.
        if (st.Int(6) > 89)
            ++places[place];
    }
    EXPECT_GE(words, 3000);
    EXPECT_GE(places["head"] + places["both"], 50);
    EXPECT_GE(places["tail"] + places["both"], 50);
}

// Every pattern the rule lists is in the table with its score, and nothing else is; the stroke
// counts cover every pool character.
TEST_F(ZelmarTables, StrokePatternsAreExactlyTheListedOnes) {
    std::map<std::tuple<int, int, int, int, int>, int> gz;
    int maxStrokes = 0;
    {
        auto& st = Db().Prepare("select lx, bh11, bh12, bh21, bh22, zf from gz");
        while (st.Step()) {
            gz[{int(st.Int(0)), int(st.Int(1)), int(st.Int(2)), int(st.Int(3)), int(st.Int(4))}] = int(st.Int(5));
            maxStrokes = std::max(maxStrokes, static_cast<int>(st.Int(1)));
        }
    }
    auto& st = Db().Prepare("select max(bh) from CYZI");
    st.Step();
    EXPECT_GE(maxStrokes, st.Int(0));

    std::size_t listed = 0;
    std::vector<int> p;
    const auto check = [&](int a, int b, int c, int d) {
        const auto it = gz.find({static_cast<int>(p.size()), a, b, c, d});
        if (korvani::refdata::IsListedPattern(p)) {
            ++listed;
            ASSERT_NE(it, gz.end()) << a << " " << b << " " << c << " " << d;
            EXPECT_EQ(it->second, korvani::refdata::PatternScore(p));
        } else {
            ASSERT_EQ(it, gz.end()) << a << " " << b << " " << c << " " << d;
        }
    };
    const int m = maxStrokes;
    for (int a = 1; a <= m; ++a)
        for (int b = 1; b <= m; ++b) {
            p = {a, b};
            check(a, b, 0, 0);
            for (int c = 1; c <= m; ++c) {
                p = {a, b, c};
                check(a, b, c, 0);
                for (int d = 1; d <= m; ++d) {
                    p = {a, b, c, d};
                    check(a, b, c, d);
                }
            }
        }
    EXPECT_EQ(listed, gz.size());
}

// A listed pattern is one whose whole total (and, for four characters, each two-character word's
// total) the 81 numbers read as 吉 or 吉带凶, by the traditional number of each total.
TEST_F(ZelmarTables, StrokePatternsHaveLuckyTraditionalTotals) {
    const auto lucky = [](int total) {
        const std::string_view verdict = korvani::numerology::TraditionalNumberEntry(total).verdict;
        return verdict == "吉" || verdict == "吉带凶";
    };
    auto& st = Db().Prepare("select lx, bh11, bh12, bh21, bh22 from gz");
    int rows = 0;
    while (st.Step()) {
        ++rows;
        const int lx = static_cast<int>(st.Int(0));
        const int a = static_cast<int>(st.Int(1)), b = static_cast<int>(st.Int(2));
        const int c = static_cast<int>(st.Int(3)), d = static_cast<int>(st.Int(4));
        EXPECT_TRUE(lucky(a + b + c + d)) << lx << ": " << a << " " << b << " " << c << " " << d;
        if (lx == 4) {
            EXPECT_TRUE(lucky(a + b)) << a << " " << b << " " << c << " " << d;
            EXPECT_TRUE(lucky(c + d)) << a << " " << b << " " << c << " " << d;
        }
    }
    EXPECT_GT(rows, 0);
    // 18 is lucky and 19 is not, so a two-character pattern of 9 + 9 is listed and 9 + 10 is not.
    EXPECT_TRUE(lucky(18));
    EXPECT_FALSE(lucky(19));
}
