#include <gtest/gtest.h>

#include <filesystem>

#include "base/DateValue.h"
#include "base/Gbk.h"
#include "base/Text.h"
#include "data/DataStore.h"
#include "support/TestDataDir.h"

using namespace korvani::data;
using korvani::base::CivilDate;
using korvani::testing::BuiltDataDir;

class OrvBirthTables : public testing::Test {
protected:
    SqliteDatabase& Db() { return m_store.Connection(DataFileId::OrvBirth); }
    long long Count(const char* sql) {
        auto& st = Db().Prepare(sql);
        st.Step();
        return st.Int(0);
    }

    DataStore m_store{BuiltDataDir().string()};
};

// The view `huangdao` reads as the almanac table: its eleven columns in order, one row of texts for
// every day from 1901-01-01 to 2100-12-31, each text trimmed and not empty.
TEST_F(OrvBirthTables, ViewReadsAsTheAlmanacTable) {
    const std::vector<std::string> expected = {"gn",   "nn",   "suici", "tszf", "wuhang", "cong",
                                               "pzbj", "jsyq", "yi",    "xsyq", "ji"};
    auto& info = Db().Prepare("select name from pragma_table_info('huangdao')");
    std::vector<std::string> columns;
    while (info.Step())
        columns.push_back(info.Text(0));
    EXPECT_EQ(columns, expected);

    auto& rows = Db().Prepare("select * from huangdao order by gn");
    int day = korvani::base::DayNumber({1901, 1, 1});
    int count = 0;
    while (rows.Step()) {
        const std::string gn = rows.Text(0);
        ASSERT_EQ(gn, korvani::base::FormatDate(korvani::base::DateOfDayNumber(day + count))) << "after " << count;
        for (int c = 1; c < 11; ++c) {
            const std::string text = rows.Text(c);
            ASSERT_FALSE(text.empty()) << gn << " " << expected[c];
            ASSERT_EQ(text, korvani::base::TrimCopy(text)) << gn << " " << expected[c];
        }
        ++count;
    }
    EXPECT_EQ(count, 73049);
    EXPECT_EQ(korvani::base::FormatDate(korvani::base::DateOfDayNumber(day + count - 1)), "2100-12-31");
    EXPECT_EQ(Count("select count(*) from huangdao where typeof(nn) || typeof(suici) || typeof(tszf) || "
                    "typeof(wuhang) || typeof(cong) || typeof(pzbj) || typeof(jsyq) || typeof(yi) || "
                    "typeof(xsyq) || typeof(ji) <> 'texttexttexttexttexttexttexttexttexttext'"),
              0);
}

// The file keeps each text once and a row of small numbers per day, which keeps it small; a day is
// found by its key, not by reading the table.
TEST_F(OrvBirthTables, EachTextOnceAndTheFileStaysSmall) {
    EXPECT_EQ(Count("select count(*) - count(distinct text) from huangdao_text"), 0);
    auto& texts = Db().Prepare("select text from huangdao_text");
    while (texts.Step())
        EXPECT_FALSE(korvani::base::FirstNonGbkCharacter(texts.Text(0))) << texts.Text(0);
    EXPECT_EQ(Count("select count(*) from huangdao_entry"), 720);
    EXPECT_EQ(Count("select count(*) from huangdao_day"), 73049);
    EXPECT_LT(std::filesystem::file_size(BuiltDataDir() / "OrvBirth.dll"), 5u * 1024 * 1024);

    auto& plan = Db().Prepare("explain query plan select * from huangdao where gn = ?");
    plan.Bind(1, std::string_view("2024-02-10"));
    std::string steps;
    while (plan.Step())
        steps += plan.Text(3) + "\n";
    EXPECT_NE(steps.find("SEARCH d USING PRIMARY KEY (gn=?)"), std::string::npos) << steps;
    EXPECT_EQ(steps.find("SCAN"), std::string::npos) << steps;
}
