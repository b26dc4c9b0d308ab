#include <gtest/gtest.h>

#include "base/Errors.h"
#include "support/Births.h"
#include "support/GoldenFile.h"
#include "support/TestDataDir.h"
#include "numerology/CharacterLookup.h"
#include "reports/CompanyNameReport.h"
#include "numerology/NumberMeaning.h"

using namespace korvani::reports;
using korvani::numerology::StrokeCount;
using korvani::base::InputField;
using korvani::base::ReportOutcome;
using korvani::base::ValidationMessage;
using korvani::chart::BirthInput;
using korvani::chart::HourItemText;
using korvani::testing::BuiltDataDir;

namespace {

constexpr int kThisYear = 2026;

using korvani::testing::MakeBirth;
constexpr auto Birth = MakeBirth;

BirthInput AnyBirth() { return Birth("李", "明", "男", false, "1985", "6", "15", 9, "30"); }

} // namespace

class CompanyNameReportTest : public testing::Test {
protected:
    korvani::data::DataStore m_store{BuiltDataDir().string()};

    ReportOutcome Report(const BirthInput& birth, const CompanyNameParts& name) {
        return BuildCompanyNameReport(m_store, birth, name, kThisYear);
    }
    std::optional<ValidationMessage> Message(const BirthInput& birth, const CompanyNameParts& name) {
        return Report(birth, name).message;
    }
    // The lines of the report that head a grid ("【...】数理n分析：").
    std::vector<std::string> GridHeads(const CompanyNameParts& name) {
        std::vector<std::string> heads;
        for (const std::string& line : Report(AnyBirth(), name).lines)
            if (line.starts_with("【") && line.ends_with("分析："))
                heads.push_back(line);
        return heads;
    }
};

// Reports compared line by line with files checked by hand against the report's layout.
TEST_F(CompanyNameReportTest, GoldenReports) {
    struct Case {
        BirthInput birth;
        CompanyNameParts name;
        const char* file;
    };
    const Case cases[] = {
        {Birth("王", "丽", "女", false, "1992", "3", "15", 8, "20"), {"", "嘉禾", ""}, "two-characters.txt"},
        {Birth("李", "明", "男", false, "1985", "6", "15", 9, "30"),
         {"成都", "鸿图兴隆", "贸易有限公司"},
         "four-characters-prefix-suffix.txt"},
        // 成都鼎盛文化传媒 has 81 strokes: written 0, with the meaning of 0.
        {Birth("赵", "建国", "男", false, "1975", "11", "30", 23, "05"),
         {"成都", "鼎盛", "文化传媒"},
         "whole-name-81.txt"},
        {Birth("陈", "芳", "女", true, "1980", "1", "1", 12, "0"), {"", "华信", "科技"}, "lunar-birth.txt"},
        // 江海 has 18 strokes, a lucky number (铁镜重磨): its grids read positively.
        {Birth("周", "涛", "男", false, "1988", "8", "8", 10, "15"), {"", "江海", ""}, "body-18-strokes.txt"},
    };
    for (const Case& c : cases) {
        const ReportOutcome outcome = Report(c.birth, c.name);
        ASSERT_FALSE(outcome.message) << c.file << ": " << outcome.message->text;
        const std::string made = korvani::testing::JoinedLines(outcome.lines);
        EXPECT_EQ(made, korvani::testing::Golden("analysis/" + std::string(c.file), made)) << c.file;
    }
}

TEST_F(CompanyNameReportTest, InputChecksInTheirOrder) {
    BirthInput birth = AnyBirth();
    CompanyNameParts name{"", "", ""};
    birth.surname = "";
    birth.givenName = " ";
    EXPECT_EQ(Message(birth, name), (ValidationMessage{"姓不能为空!"}));
    birth.surname = "李";
    EXPECT_EQ(Message(birth, name), (ValidationMessage{"名不能为空!"}));
    birth.givenName = "明";
    EXPECT_EQ(Message(birth, name), (ValidationMessage{"企业简称不能为空!", InputField::ShortName}));
    name.shortName = " 好 ";
    EXPECT_EQ(Message(birth, name), (ValidationMessage{"企业简称为两个字以上!", InputField::ShortName}));
    name.shortName = "3科"; // three bytes: still fewer than two characters
    EXPECT_EQ(Message(birth, name)->text, "企业简称为两个字以上!");
    name.shortName = "三好";
    birth.year = " ";
    birth.month = "";
    EXPECT_EQ(Message(birth, name)->text, "请选择出生年!");
    birth.year = "1985";
    EXPECT_EQ(Message(birth, name)->text, "请选择出生月!");
    birth.month = "6";
    birth.day = "";
    EXPECT_EQ(Message(birth, name)->text, "请选择出生日!");
    birth.day = "15";
    birth.hour.reset();
    EXPECT_EQ(Message(birth, name)->text, "请选择出生小时!");
}

TEST_F(CompanyNameReportTest, FieldLimitsAndBadDates) {
    EXPECT_EQ(Message(AnyBirth(), {"", "一二三四五", ""})->text, "企业简称不能超过四个字(8个字节)!");
    EXPECT_FALSE(Message(AnyBirth(), {"", "一二三四", ""}));
    EXPECT_EQ(Message(AnyBirth(), {std::string(101, 'a'), "三好", ""})->text, "地区前缀不能超过100个字节!");
    // 34 one-byte characters and 34 Chinese characters: 102 bytes.
    std::string suffix(34, 'x');
    for (int i = 0; i < 34; ++i)
        suffix += "司";
    EXPECT_EQ(Message(AnyBirth(), {"", "三好", suffix})->text, "行业后缀不能超过100个字节!");
    EXPECT_EQ(Message(AnyBirth(), {"", "三好😀", ""})->focus, InputField::ShortName);
    EXPECT_THROW(Report(Birth("李", "明", "男", false, "1985", "2", "30", 9, "0"), {"", "三好", ""}),
                 korvani::InputError);
    EXPECT_EQ(Message(Birth("李", "明", "男", true, "2023", "1", "30", 9, "0"), {"", "三好", ""})->text,
              "农历日期不存在!");
}

// The name enters the numerology as typed, cut by characters: one-byte characters count 0 and the
// Chinese characters after them keep their strokes.
TEST_F(CompanyNameReportTest, MixedNamesAreCutByCharacters) {
    const int ke = StrokeCount(m_store, "科");
    const int ji = StrokeCount(m_store, "技");
    const auto heads = GridHeads({"", "3M科技", ""});
    ASSERT_EQ(heads.size(), 6u); // four characters, the short name, the whole name
    EXPECT_EQ(heads[0], "【3】数理0分析：");
    EXPECT_EQ(heads[1], "【M】数理0分析：");
    EXPECT_EQ(heads[2], "【科】数理" + std::to_string(ke) + "分析：");
    EXPECT_EQ(heads[3], "【技】数理" + std::to_string(ji) + "分析：");
    EXPECT_EQ(heads[4], "【3M科技】行运格(主体)数理" + std::to_string(ke + ji) + "分析：");

    const auto abc = GridHeads({"", "ABC贸易", ""});
    EXPECT_EQ(abc[4], "【ABC贸易】行运格(主体)数理" + std::to_string(StrokeCount(m_store, "贸易")) + "分析：");

    // A leading blank passes the check (trimmed there) and is a grid of its own that reads 0.
    const auto spaced = GridHeads({"", " 三好", ""});
    EXPECT_EQ(spaced[0], "【 】数理0分析：");
    EXPECT_EQ(spaced[1], "【三】数理3分析：");
    EXPECT_EQ(spaced[3], "【 三好】行运格(主体)数理9分析：");
}

TEST_F(CompanyNameReportTest, SuffixAndPrefixGrids) {
    const auto lines = Report(AnyBirth(), {"", "三好", "  "}).lines;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "无行业后缀名称，此处无分析内容。"), lines.end());
    // The whole name still appends the blank suffix as typed; without a prefix it starts with the short name.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "【三好  】数理9分析："), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "企业名称：三好  "), lines.end());
}
