#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/Errors.h"
#include "base/Utf8.h"
#include "naming/CandidateCsv.h"
#include "naming/ScoreExplanation.h"
#include "naming/Shortlist.h"
#include "reports/ShortlistReport.h"
#include "support/TestDataDir.h"

using namespace korvani::naming;
using korvani::base::RandomSource;
using korvani::chart::BirthInput;
using korvani::testing::BuiltDataDir;
using korvani::testing::ScratchDir;
namespace fs = std::filesystem;

namespace {

BirthInput Birth() {
    BirthInput b;
    b.surname = "欧阳";
    b.givenName = "明";
    b.sex = "女";
    b.lunar = true;
    b.year = "1985";
    b.month = "6";
    b.day = "15";
    b.hour = 9;
    b.minute = "30";
    return b;
}

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A reader of the CSV the program writes (RFC 4180: quoted fields, doubled quotes, line breaks
// inside quotes), to read back what a spreadsheet program would see.
std::vector<std::vector<std::string>> ReadCsv(std::string_view text) {
    std::vector<std::vector<std::string>> records(1);
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"' && field.empty()) {
            quoted = fieldStarted = true;
        } else if (c == ',') {
            records.back().push_back(field);
            field.clear();
        } else if (c == '\n') {
            records.back().push_back(field);
            field.clear();
            records.emplace_back();
        } else {
            field += c;
        }
    }
    if (records.back().empty())
        records.pop_back();
    return records;
}

ShortlistEntry Entry(const std::string& body, int score) {
    ShortlistEntry e;
    e.prefix = "成都";
    e.suffix = "科技有限公司";
    e.name = e.prefix + body + e.suffix;
    e.traditional = "成都" + body + "科技有限公司";
    e.body = body;
    e.elements = "金水";
    e.total = 60;
    e.bodyStrokes = 20;
    e.suffixStrokes = 30;
    e.score = score;
    e.explanation = "笔画组合 8+12（主体 20 凶）得 70 分 + 全称总笔画 60 凶（+2）= " + std::to_string(score);
    e.missing = "金水土";
    e.birth = Birth();
    e.birth.hourText = "巳 9";
    e.birth.hour.reset();
    e.added = "2026-12-09 19:40";
    return e;
}

} // namespace

class ScoreExplanationTest : public testing::Test {
protected:
    korvani::data::DataStore m_store{BuiltDataDir().string()};
};

// For every row of seeded runs of every length, with and without affixes, the explanation looks the
// characters up afresh and its parts give the grid's own numbers: the pattern's score plus the
// bonus of the whole name's total is the 总体评分, the strokes add up to 主体笔画 and 总体笔画, and the
// body supplies every required element.
TEST_F(ScoreExplanationTest, AddsUpForEveryRowOfASeededRun) {
    struct Case {
        int length;
        const char* prefix;
        const char* suffix;
        const char* fixed1;
        ElementMode mode = ElementMode::Missing;
    };
    const Case cases[] = {
        {2, "", "", ""},         {2, "成都", "科技有限公司", ""},     {3, "深圳", "贸易商行", ""},
        {3, "", "服装店", "华"}, {4, "杭州", "餐饮管理有限公司", ""}, {3, "", "", "", ElementMode::Favourable}};
    RandomSource random(2026);
    int rows = 0;
    for (const Case& c : cases) {
        NamingRequest request{Birth(), c.prefix, c.suffix, c.length, {c.fixed1, "", "", ""}, c.mode};
        const NamingOutcome outcome = RunNaming(m_store, request, random);
        ASSERT_TRUE(outcome.result) << c.length;
        const NamingState& state = outcome.result->state;
        for (const GridRow& row : ShowCandidatePage(*outcome.result, c.prefix, c.suffix, random)) {
            const ScoreExplanation e = ExplainScore(m_store, state, row);
            ASSERT_TRUE(e.patternScore) << row[4];
            EXPECT_EQ(e.strokes.size(), korvani::base::SplitCharacters(row[4]).size()) << row[4];
            EXPECT_EQ(std::to_string(e.bodyStrokes), row[6]) << row[4];
            EXPECT_EQ(std::to_string(e.total), row[3]) << row[4];
            EXPECT_EQ(std::to_string(e.Score()), row[8]) << row[4];
            std::string asked;
            for (const std::string& element : state.requiredElements)
                asked += element;
            // A 喜用神 run explains by the favourable elements it asked for, not by the missing ones.
            EXPECT_EQ(e.missing, c.mode == ElementMode::Favourable ? asked : state.missingElements);
            for (const std::string& element : state.requiredElements)
                EXPECT_NE(e.supplied.find(element), std::string::npos) << row[4] << " lacks " << element;
            const std::string text = ExplanationText(e);
            if (c.mode == ElementMode::Favourable)
                EXPECT_NE(text.find("；喜用：" + korvani::base::SplitCharacters(asked).front()), std::string::npos)
                    << text;
            EXPECT_TRUE(text.ends_with("= " + row[8]) || text.find("= " + row[8] + "；") != std::string::npos) << text;
            ++rows;
        }
    }
    EXPECT_GT(rows, 300);
}

// The shortlist goes to its file and comes back whole, Chinese text included (readable in the file,
// not escaped), through a folder whose name holds blanks and Chinese characters; no temporary file
// stays behind, and a second save replaces the first.
TEST(ShortlistFile, RoundTripsWithChineseText) {
    ScratchDir dir;
    const fs::path file = dir.path() / "用户数据" / kShortlistFileName;
    Shortlist list;
    ASSERT_TRUE(list.Add(Entry("鸿图", 86)));
    ShortlistEntry favourable = Entry("鑫源, \"达\"", 90);
    favourable.favourable = true;
    ASSERT_TRUE(list.Add(favourable));
    SaveShortlist(file, list);
    const std::string text = ReadAll(file);
    EXPECT_NE(text.find("成都鸿图科技有限公司"), std::string::npos);
    EXPECT_NE(text.find("欧阳"), std::string::npos);

    const ShortlistLoad load = LoadShortlist(file);
    EXPECT_FALSE(load.message);
    ASSERT_EQ(load.list.Size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const ShortlistEntry& a = list.Entries()[i];
        const ShortlistEntry& b = load.list.Entries()[i];
        EXPECT_EQ(std::tie(a.name, a.traditional, a.total, a.body, a.elements, a.bodyStrokes, a.suffixStrokes, a.score,
                           a.explanation, a.prefix, a.suffix, a.missing, a.favourable, a.added),
                  std::tie(b.name, b.traditional, b.total, b.body, b.elements, b.bodyStrokes, b.suffixStrokes, b.score,
                           b.explanation, b.prefix, b.suffix, b.missing, b.favourable, b.added));
        EXPECT_EQ(BirthText(a.birth), BirthText(b.birth));
        EXPECT_EQ(b.birth.surname, "欧阳");
        EXPECT_TRUE(b.birth.lunar);
        EXPECT_EQ(b.birth.hourText, "巳 9");
    }
    EXPECT_EQ(BirthText(load.list.Entries()[0].birth), "欧阳明 女 农历 1985年6月15日 巳 9时30分");

    Shortlist shorter = load.list;
    shorter.Remove({0});
    SaveShortlist(file, shorter);
    EXPECT_EQ(LoadShortlist(file).list.Size(), 1u);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(file.parent_path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{kShortlistFileName});
}

// A missing file is an empty list with no message. A file that cannot be read as a shortlist is set
// aside under a name of its own, byte for byte, with a message naming both files; the next save
// writes a fresh list and leaves the damaged copy alone.
TEST(ShortlistFile, DamagedFileIsSetAsideNotLost) {
    ScratchDir dir;
    const fs::path file = dir.path() / kShortlistFileName;
    EXPECT_FALSE(LoadShortlist(file).message);
    EXPECT_TRUE(LoadShortlist(file).list.Empty());

    Shortlist one;
    one.Add(Entry("鸿图", 86));
    const std::string good = ShortlistJson(one);
    const std::string damaged[] = {
        good.substr(0, good.size() / 2),                                            // cut short
        "\xE6\x88\x90\xE9\x83\xBD",                                                 // text, no JSON
        R"({"format": "korvani-shortlist", "version": 1, "names": [{"name": 5}]})", // a field of the wrong type
        R"({"format": "other", "version": 1, "names": []})",                        // another program's file
        R"({"format": "korvani-shortlist", "version": 9, "names": []})", // a version this program cannot read
        "{\"format\": \"korvani-shortlist\", \"version\": 1, \"names\": [\"\xFF\xFE\"]}", // not UTF-8
        std::string("\0\0\0\0", 4),
    };
    for (const std::string& bytes : damaged) {
        for (const auto& entry : fs::directory_iterator(dir.path()))
            fs::remove(entry.path());
        dir.WriteFile(kShortlistFileName, bytes);
        const ShortlistLoad load = LoadShortlist(file);
        EXPECT_TRUE(load.list.Empty());
        ASSERT_TRUE(load.message) << bytes;
        ASSERT_TRUE(load.setAside);
        EXPECT_TRUE(load.canSave);
        EXPECT_NE(load.message->find("已损坏"), std::string::npos) << *load.message;
        EXPECT_NE(load.message->find(load.setAside->filename().string()), std::string::npos) << *load.message;
        EXPECT_TRUE(load.setAside->filename().string().starts_with("shortlist.json.damaged-"));
        EXPECT_FALSE(fs::exists(file));
        EXPECT_EQ(ReadAll(*load.setAside), bytes);

        SaveShortlist(file, one);
        EXPECT_EQ(LoadShortlist(file).list.Size(), 1u);
        EXPECT_EQ(ReadAll(*load.setAside), bytes);
    }
}

// A list that cannot be written (its folder is a file) is refused with a message that names the
// file.
TEST(ShortlistFile, UnwritableFolderIsReported) {
    ScratchDir dir;
    dir.WriteFile("不是文件夹", "x");
    Shortlist list;
    list.Add(Entry("鸿图", 86));
    try {
        SaveShortlist(dir.path() / "不是文件夹" / kShortlistFileName, list);
        FAIL() << "saved into a file";
    } catch (const korvani::KorvaniError& e) {
        EXPECT_NE(std::string(e.what()).find("收藏夹无法保存"), std::string::npos) << e.what();
    }
}

// Adding the same name for the same birth keeps one; the same name for another birth is another
// entry. Removing takes positions in any order; sorting puts the best score first, ties in order.
TEST(ShortlistEdits, AddRemoveSort) {
    Shortlist list;
    EXPECT_TRUE(list.Add(Entry("鸿图", 80)));
    EXPECT_FALSE(list.Add(Entry("鸿图", 80)));
    ShortlistEntry other = Entry("鸿图", 80);
    other.birth.day = "16";
    EXPECT_TRUE(list.Add(other));
    EXPECT_TRUE(list.Add(Entry("鑫源", 90)));
    EXPECT_TRUE(list.Add(Entry("华通", 85)));
    list.SortByScore();
    std::vector<std::string> order;
    for (const ShortlistEntry& e : list.Entries())
        order.push_back(e.body + e.birth.day);
    EXPECT_EQ(order, (std::vector<std::string>{"鑫源15", "华通15", "鸿图15", "鸿图16"}));
    list.Remove({3, 0, 7, 0});
    order.clear();
    for (const ShortlistEntry& e : list.Entries())
        order.push_back(e.body);
    EXPECT_EQ(order, (std::vector<std::string>{"华通", "鸿图"}));
}

// Fields are quoted where a spreadsheet would split or misread them, and read back as written; a
// text that would run as a formula is defused.
TEST(CandidateCsv, FieldsReadBackAsWritten) {
    EXPECT_EQ(CsvField("鸿图"), "鸿图");
    EXPECT_EQ(CsvField("86"), "86");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(CsvField(" edge"), "\" edge\"");
    EXPECT_EQ(CsvField("=HYPERLINK(\"x\")"), "\"'=HYPERLINK(\"\"x\"\")\"");
    EXPECT_EQ(CsvField("@SUM(A1)"), "'@SUM(A1)");
    const std::vector<std::string> fields = {"成都,鸿图", "\"引号\"", "换\n行", "", "笔画组合 8+12"};
    const auto back = ReadCsv(CsvRecord(fields));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0], fields);
}

// A page of a seeded run as CSV: the byte-order mark, then UTF-8; the grid's nine headings and
// 评分说明; one record per row, the row's cells and its explanation. The shortlist adds the birth
// data and the time it was kept.
TEST_F(ScoreExplanationTest, CsvHasTheGridColumnsInUtf8WithBom) {
    RandomSource random(7);
    const NamingOutcome outcome = RunNaming(m_store, {Birth(), "成都", "科技,有限公司", 2, {}}, random);
    ASSERT_TRUE(outcome.result);
    const std::vector<GridRow> rows = ShowCandidatePage(*outcome.result, "成都", "科技,有限公司", random);
    std::vector<std::string> notes;
    for (const GridRow& row : rows)
        notes.push_back(ExplanationText(ExplainScore(m_store, outcome.result->state, row)));
    const std::string csv = GridCsv(rows, notes);
    ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBF"));
    EXPECT_TRUE(korvani::base::IsValidUtf8(csv));
    const auto records = ReadCsv(std::string_view(csv).substr(3));
    ASSERT_EQ(records.size(), rows.size() + 1);
    EXPECT_EQ(records[0], (std::vector<std::string>{"编号", "企业名称", "企业繁体字", "总体笔画", "单位主体",
                                                    "主体五行", "主体笔画", "行业笔画", "总体评分", "评分说明"}));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(records[i + 1].size(), 10u);
        EXPECT_EQ(std::vector<std::string>(records[i + 1].begin(), records[i + 1].begin() + 9),
                  std::vector<std::string>(rows[i].begin(), rows[i].end()));
        EXPECT_EQ(records[i + 1][9], notes[i]);
    }

    Shortlist list;
    list.Add(Entry("鸿图", 86));
    const std::string kept = ShortlistCsv(list);
    ASSERT_TRUE(kept.starts_with("\xEF\xBB\xBF"));
    const auto keptRecords = ReadCsv(std::string_view(kept).substr(3));
    ASSERT_EQ(keptRecords.size(), 2u);
    EXPECT_EQ(keptRecords[0].size(), 12u);
    EXPECT_EQ(keptRecords[0][10], "法人生辰");
    EXPECT_EQ(keptRecords[1][1], "成都鸿图科技有限公司");
    EXPECT_EQ(keptRecords[1][10], "欧阳明 女 农历 1985年6月15日 巳 9时30分");
}

// The comparison gives one cell per name on every line, the grids with the verdicts of their
// numbers; the printed report holds every name between its frame and its closing line.
TEST_F(ScoreExplanationTest, CompareAndReport) {
    std::vector<ShortlistEntry> entries = {Entry("鸿图", 86), Entry("鑫源", 90), Entry("华通", 85)};
    entries[1].suffix.clear();
    entries[2].missing = "木";
    entries[2].favourable = true; // kept from a 喜用神 run
    const auto rows = korvani::reports::CompareNames(m_store, entries);
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows)
        EXPECT_EQ(row.cells.size(), 3u) << row.label;
    const auto line = [&](const char* label) {
        for (const auto& row : rows)
            if (row.label == label)
                return row.cells;
        return std::vector<std::string>{};
    };
    EXPECT_EQ(line("主体笔画")[0], "20 凶");
    EXPECT_EQ(line("行业笔画")[1], "无行业后缀");
    EXPECT_EQ(line("全称笔画")[2], "60 凶");
    EXPECT_EQ(line("所需五行")[0], "缺 金水土，补 金水");
    EXPECT_TRUE(line("所需五行")[2].starts_with("喜用 木，补 ")) << line("所需五行")[2];
    EXPECT_NE(line("字义")[0].find("鸿："), std::string::npos);

    const auto report = korvani::reports::ShortlistReportLines(m_store, entries);
    ASSERT_GT(report.size(), 3u);
    EXPECT_EQ(report.front(), "<=================================================================================>");
    EXPECT_EQ(report.back(), "<-----------------------以上内容只作参考----------------------------->");
    for (const ShortlistEntry& e : entries) {
        bool found = false;
        for (const std::string& l : report)
            found = found || l.find(e.name) != std::string::npos;
        EXPECT_TRUE(found) << e.name;
    }
    EXPECT_TRUE(korvani::reports::ShortlistReportLines(m_store, {}).empty());
}
