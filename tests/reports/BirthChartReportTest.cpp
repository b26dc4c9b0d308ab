#include <gtest/gtest.h>

#include "base/Errors.h"
#include "reports/BirthChartReport.h"
#include "support/Births.h"
#include "support/GoldenFile.h"
#include "support/TestDataDir.h"

using namespace korvani::chart;
using namespace korvani::reports;
using korvani::InputError;
using korvani::base::InputField;
using korvani::base::ReportOutcome;
using korvani::base::ValidationMessage;
using korvani::testing::BuiltDataDir;

namespace {

constexpr int kThisYear = 2026;

BirthInput Birth(const char* year, const char* month, const char* day, int hour, const char* minute, const char* sex,
                 bool lunar = false) {
    return korvani::testing::MakeBirth("张", "三", sex, lunar, year, month, day, hour, minute);
}

} // namespace

class BirthChartReportTest : public testing::Test {
protected:
    korvani::data::DataStore m_store{BuiltDataDir().string()};

    ReportOutcome Report(const BirthInput& input) { return BuildBirthChartReport(m_store, input, kThisYear); }
    std::optional<ValidationMessage> Message(const BirthInput& input) { return Report(input).message; }
};

// Reports compared line by line with files checked by hand against the report's layout.
TEST_F(BirthChartReportTest, GoldenReports) {
    const std::pair<BirthInput, const char*> cases[] = {
        {Birth("1980", "1", "1", 0, "0", "女"), "solar-1980-01-01.txt"},
        {Birth("1990", "5", "17", 14, "5", "男", true), "lunar-1990-05-17.txt"},
        {Birth("2024", "2", "4", 10, "30", "男"), "before-term-2024-02-04.txt"},
    };
    for (const auto& [input, file] : cases) {
        const ReportOutcome outcome = Report(input);
        ASSERT_FALSE(outcome.message) << file << ": " << outcome.message->text;
        const std::string made = korvani::testing::JoinedLines(outcome.lines);
        EXPECT_EQ(made, korvani::testing::Golden("chart/" + std::string(file), made)) << file;
    }
}

TEST_F(BirthChartReportTest, InputChecksInTheirOrder) {
    BirthInput input = Birth("1980", "1", "1", 0, "0", "男");
    input.surname = " ";
    input.givenName = "";
    EXPECT_EQ(Message(input), (ValidationMessage{"姓不能为空!", InputField::Surname}));
    input.surname = "张";
    EXPECT_EQ(Message(input), (ValidationMessage{"名不能为空!", InputField::GivenName}));
    // Names that GBK cannot hold, or bytes that are no UTF-8, never reach the memo.
    input.givenName = "三😀";
    EXPECT_EQ(Message(input), (ValidationMessage{"字符“😀”(U+1F600)不能用GBK编码", InputField::GivenName}));
    input.surname = "\xff";
    EXPECT_EQ(Message(input), (ValidationMessage{"字符“\xEF\xBF\xBD”(U+FFFD)不能用GBK编码", InputField::Surname}));
    input.surname = "张";
    input.givenName = "三";
    input.year = "";
    input.month = "";
    EXPECT_EQ(Message(input)->text, "请选择出生年!");
    input.year = "1980";
    EXPECT_EQ(Message(input)->text, "请选择出生月!");
    input.month = "1";
    input.day = " ";
    EXPECT_EQ(Message(input)->text, "请选择出生日!");
    input.day = "1";
    input.hour.reset();
    EXPECT_EQ(Message(input)->text, "请选择出生小时!");
}

TEST_F(BirthChartReportTest, DatesThatCannotBeConverted) {
    try {
        Report(Birth("1980", "2", "30", 0, "0", "男"));
        FAIL();
    } catch (const InputError& e) {
        EXPECT_STREQ(e.what(), "'1980-2-30' 不是有效的日期");
    }
    EXPECT_THROW(Report(Birth("1980", "1", "1", 0, "5a", "男")), InputError);
    EXPECT_THROW(Report(Birth("一九八〇", "1", "1", 0, "0", "男", true)), InputError);
    // A lunar date that does not exist, and the lunar years the calendar cannot convert.
    EXPECT_EQ(Message(Birth("2023", "1", "30", 0, "0", "男", true))->text, "农历日期不存在!");
    EXPECT_EQ(Message(Birth("1900", "5", "1", 0, "0", "男", true))->text, "农历日期不存在!");
    EXPECT_EQ(Message(Birth("2100", "1", "1", 0, "0", "男", true))->text, "农历日期不存在!");
    EXPECT_EQ(Message(Birth("1900", "1", "30", 0, "0", "男"))->text, "公历日期须在1900-01-31至2100-12-31之间!");
    EXPECT_EQ(Message(Birth("2101", "1", "1", 0, "0", "男"))->text, "公历日期须在1900-01-31至2100-12-31之间!");
    BirthInput late = Birth("1980", "1", "1", 0, "60", "男");
    EXPECT_EQ(Message(late)->text, "出生分钟须在0至59之间!");
    late.minute = "0";
    late.hour = 24;
    EXPECT_EQ(Message(late)->text, "出生小时须在0至23之间!");
    EXPECT_FALSE(Message(Birth("1900", "1", "31", 0, "0", "男")));
    EXPECT_FALSE(Message(Birth("2100", "12", "31", 23, "59", "男")));
}

TEST_F(BirthChartReportTest, HoursTwentyThreeAndZeroShareTheChart) {
    const auto late = Report(Birth("1980", "1", "1", 23, "0", "女")).lines;
    const auto early = Report(Birth("1980", "1", "1", 0, "0", "女")).lines;
    ASSERT_EQ(late.size(), early.size());
    for (std::size_t i = 8; i < late.size() - 6; ++i)
        EXPECT_EQ(late[i], early[i]) << i;
    EXPECT_NE(late[3], early[3]); // 23点 versus 0点
}

TEST_F(BirthChartReportTest, MissingBoneWeightFileAbandonsTheReport) {
    korvani::testing::ScratchDir dir;
    dir.CopyDataFiles();
    std::filesystem::remove(dir.path() / "dream.dll");
    korvani::data::DataStore store(dir.path().string());
    EXPECT_THROW(BuildBirthChartReport(store, Birth("1980", "1", "1", 0, "0", "男"), kThisYear),
                 korvani::CommandAbandoned);
}
