#include <gtest/gtest.h>

#include <fstream>
#include <streambuf>

#include "data/SqliteDatabase.h"
#include "support/CliRun.h"

using korvani::testing::BuiltDataDir;
using korvani::testing::CliRun;
using korvani::testing::Quoted;
using korvani::testing::RunInProcess;
using korvani::testing::ScratchDir;
using korvani::testing::Shell;

namespace {

using Args = std::vector<std::string>;

void ExpectBadInput(const Args& args, const std::string& message) {
    std::string shown;
    for (const std::string& arg : args)
        shown += arg + " ";
    const CliRun run = RunInProcess(args);
    EXPECT_EQ(run.status, 2) << shown;
    EXPECT_EQ(run.out, "") << shown;
    EXPECT_EQ(run.err, message + "\n") << shown;
}

const Args kPerson = {"--surname", "张", "--given", "三"};

Args With(const Args& head, const Args& tail) {
    Args all = head;
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
}

} // namespace

// A word before the command once left the parser writing into freed command objects (exit 139).
TEST(CliInputChecks, AStrayWordBeforeTheCommandIsBadInput) {
    ExpectBadInput({"x", "lunar", "2000-01-01"}, "'x' 不是 korvani-cli 的命令（korvani-cli --help 列出全部命令）");
    ExpectBadInput({"2000", "solar", "2000", "1", "1"},
                   "'2000' 不是 korvani-cli 的命令（korvani-cli --help 列出全部命令）");
    ExpectBadInput({"x", "name", "--surname", "张"}, "'x' 不是 korvani-cli 的命令（korvani-cli --help 列出全部命令）");
    ExpectBadInput({"--data-dir", BuiltDataDir().string(), "x", "lunar", "2000-01-01"},
                   "'x' 不是 korvani-cli 的命令（korvani-cli --help 列出全部命令）");
    // The same through the program, where the fault showed as a crash.
    const std::string cli = Quoted(BuiltDataDir() / "korvani-cli");
    for (const char* line : {" x lunar 2000-01-01", " 2000 solar 2000 1 1", " x name --surname 张"})
        EXPECT_EQ(Shell(cli + line + " 2>/dev/null").first, 2) << line;
}

// The parser's own refusals read in Chinese and name what is wrong.
TEST(CliInputChecks, ParserRefusalsNameWhatIsWrong) {
    ExpectBadInput({}, "缺少命令（korvani-cli --help 列出全部命令）");
    ExpectBadInput({"element"}, "缺少参数 CHAR");
    ExpectBadInput({"element", "甲", "乙"}, "多余的参数或不认识的选项：乙");
    ExpectBadInput({"lunar", "--week", "2000-01-01"}, "多余的参数或不认识的选项：--week");
    ExpectBadInput({"element", "甲", "--data-dir", "/x", "乙"}, "多余的参数或不认识的选项：--data-dir /x 乙");
    ExpectBadInput({"lunar", "--from", "2000-01-01"}, "--from 须与 --to 一起给出");
    ExpectBadInput({"lunar", "2000-01-01", "--from", "2000-01-01", "--to", "2000-01-02"},
                   "DATE 不能与 --from 一起给出");
    ExpectBadInput({"chart", "--surname"}, "--surname 的值的个数不对");
}

// Enumerated and numeric options are checked as texts after parsing: the empty text is no 0.
TEST(CliInputChecks, EveryOptionValueIsChecked) {
    const Args name = With({"name"}, kPerson);
    ExpectBadInput(With(name, {"--length", ""}), "'': 名字字数须为2、3或4!");
    ExpectBadInput(With(name, {"--length", "5"}), "'5': 名字字数须为2、3或4!");
    ExpectBadInput(With(name, {"--length", "3.0"}), "'3.0': 名字字数须为2、3或4!");
    ExpectBadInput(With(name, {"--seed", ""}), "'' 不是有效的整数");
    ExpectBadInput(With(name, {"--seed", "12x"}), "'12x' 不是有效的整数");
    ExpectBadInput(With(name, {"--pages", "0"}), "'0': 页数须在1至1000之间!");
    ExpectBadInput(With(name, {"--pages", ""}), "'' 不是有效的整数");
    ExpectBadInput(With(name, {"--sex", ""}), "'': 性别须为男或女!");
    ExpectBadInput(With(name, {"--elements", "lacking"}), "'lacking': 五行取法须为missing或favourable!");
    ExpectBadInput(With({"chart"}, With(kPerson, {"--sex", "男人"})), "'男人': 性别须为男或女!");
    ExpectBadInput(With({"analyze"}, With(kPerson, {"--calendar", ""})), "'': 历法须为solar或lunar!");
    ExpectBadInput({"pillars", "2000-02-04", "8", "0", "x"}, "'x': 性别须为男或女!");
    ExpectBadInput({"details", "2000-02-04", "8", "0", "男", "--before-term", ""}, "'': --before-term 的值须为0或1!");

    // Good values still run; a seed repeats its draws, also a negative one.
    const Args seeded = With(name, {"--length", "2", "--seed", "-7"});
    const CliRun run = RunInProcess(seeded);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(RunInProcess(seeded).out, run.out);
    // The checks hold on each line of a batch as well.
    const CliRun batch = RunInProcess({"pillars", "-"}, "2000-02-04 8 0 男 --before-term 1\n2000-02-04 8 0 x\n");
    EXPECT_EQ(batch.out, "1\t己卯 丁丑 壬辰 甲辰\n\n");
    EXPECT_EQ(batch.err, "'x': 性别须为男或女!\n");
}

// The hour and minute are numbers with the pages' range checks, never the first bytes of a text.
TEST(CliInputChecks, HourAndMinuteAreWholeNumbersInRange) {
    const Args chart = With({"chart"}, kPerson);
    ExpectBadInput(With(chart, {"--hour", "123"}), "出生小时须在0至23之间!");
    ExpectBadInput(With(chart, {"--hour", "239"}), "出生小时须在0至23之间!");
    ExpectBadInput(With(chart, {"--hour", "-1"}), "出生小时须在0至23之间!");
    ExpectBadInput(With(chart, {"--hour", "12abc"}), "'12abc' 不是有效的整数");
    ExpectBadInput(With(chart, {"--hour", ""}), "请选择出生小时!");
    ExpectBadInput(With(chart, {"--minute", "60"}), "出生分钟须在0至59之间!");
    ExpectBadInput(With({"analyze", "--body", "三好"}, With(kPerson, {"--hour", "24"})), "出生小时须在0至23之间!");
    ExpectBadInput(With({"name"}, With(kPerson, {"--minute", "-1"})), "出生分钟须在0至59之间!");

    const CliRun noon = RunInProcess(With(chart, {"--hour", "12"}));
    EXPECT_EQ(noon.status, 0);
    EXPECT_NE(noon.out.find("12点"), std::string::npos);
}

TEST(CliInputChecks, EmptyOrReversedRangesAreBadInput) {
    for (const char* command : {"lunar", "wincal"}) {
        ExpectBadInput({command, "--from", "", "--to", "2000-01-01"}, "'' 不是有效的日期");
        ExpectBadInput({command, "--from", "2000-01-01", "--to", ""}, "'' 不是有效的日期");
        ExpectBadInput({command, "--from", "2000-01-02", "--to", "2000-01-01"},
                       "'2000-01-02' '2000-01-01': 起始日期不能晚于结束日期!");
        // A range of one day is a range.
        const CliRun one = RunInProcess({command, "--from", "2000-01-01", "--to", "2000-01-01"});
        EXPECT_EQ(one.status, 0);
        EXPECT_TRUE(one.out.starts_with("2000-01-01\t")) << one.out;
    }
    const CliRun batch = RunInProcess({"lunar", "-"}, "--from 2000-01-02 --to 2000-01-01\n2000-01-01\n");
    EXPECT_EQ(batch.status, 2);
    EXPECT_EQ(batch.out, "\n2000-01-01\t1999\t11\t25\t0\n");
}

// Every text given to any command must be UTF-8 that GBK can hold; the message is the one the
// analysis report gives. The net name keeps its window's own message.
TEST(CliInputChecks, TextsOutsideGbkOrNotUtf8AreRefusedAlike) {
    const std::string emoji = "字符“😀”(U+1F600)不能用GBK编码";
    const std::string broken = "字符“\xEF\xBF\xBD”(U+FFFD)不能用GBK编码";
    ExpectBadInput({"chart", "--surname", "\xff", "--given", "三"}, broken);
    ExpectBadInput(With({"name", "--prefix", "😀"}, kPerson), emoji);
    ExpectBadInput(With({"name", "--fix1", "\xe5\x8f"}, kPerson), broken);
    ExpectBadInput(With({"analyze", "--body", "三好", "--suffix", "😀"}, kPerson), emoji);
    ExpectBadInput({"element", "😀"}, emoji);
    ExpectBadInput({"strokes", "江\xff"}, broken);
    ExpectBadInput({"lunar", "2000-01-01", "\xc0\x80"}, "字符“\xEF\xBF\xBD”(U+FFFD)不能用GBK编码");
    ExpectBadInput({"netname", "小明😀"}, "请重新输入网名，请不要输入特殊字符！");

    const CliRun batch = RunInProcess({"trad", "-"}, "兴\n😀\n隆\n");
    EXPECT_EQ(batch.status, 2);
    EXPECT_EQ(batch.out, "興\n\n隆\n");
    EXPECT_EQ(batch.err, emoji + "\n");
    // Text that GBK holds passes: a full-width sign, the euro sign, Latin letters.
    EXPECT_EQ(RunInProcess({"strokes", "Ａ€ab"}).status, 0);
}

namespace {

// An output that refuses every byte, as a full disk does.
class FullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

} // namespace

TEST(CliInputChecks, AFailedWriteOfTheOutputExitsThree) {
    FullBuffer full;
    std::ostream out(&full);
    std::istringstream in("2000-01-01\n2000-01-02\n");
    std::ostringstream err;
    EXPECT_EQ(korvani::cli::RunCli({"lunar", "2000-01-01"}, in, out, err, BuiltDataDir().string()), 3);
    EXPECT_EQ(err.str(), "无法写出结果：标准输出写入失败，输出不完整\n");
    out.clear();
    err.str("");
    EXPECT_EQ(korvani::cli::RunCli({"lunar", "-"}, in, out, err, BuiltDataDir().string()), 3);
    EXPECT_EQ(err.str(), "无法写出结果：标准输出写入失败，输出不完整\n");

    if (std::filesystem::exists("/dev/full")) {
        const std::string cli = Quoted(BuiltDataDir() / "korvani-cli");
        EXPECT_EQ(Shell(cli + " lunar 2000-01-01 > /dev/full 2>/dev/null").first, 3);
        EXPECT_EQ(Shell(cli + " lunar --from 1900-01-31 --to 2100-12-31 > /dev/full 2>/dev/null").first, 3);
    }
}

namespace {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Byte offset of the middle of a table's first page (its root page), in the built file.
std::size_t MiddleOfTable(const std::string& file, const std::string& table) {
    korvani::data::SqliteDatabase db((BuiltDataDir() / file).string(), korvani::data::SqliteDatabase::Mode::ReadOnly);
    auto& size = db.Prepare("PRAGMA page_size");
    size.Step();
    const auto pageSize = static_cast<std::size_t>(size.Int(0));
    auto& root = db.Prepare("select rootpage from sqlite_master where name = ?");
    root.Bind(1, table);
    EXPECT_TRUE(root.Step()) << table;
    return static_cast<std::size_t>(root.Int(0) - 1) * pageSize + pageSize / 2;
}

} // namespace

// One changed byte in a data file, in its header, in a page of the table the command reads or in
// its last page, ends the command with exit status 1 and a message that names the file, before
// anything is written. Before, a damaged JQ gave wrong pillars, a damaged hzwh an empty element and
// a damaged chenggu an exit without a word.
TEST(CliInputChecks, ADamagedDataFileExitsOneNamingIt) {
    struct Case {
        std::string file;
        std::string table;
        Args args;
    };
    const std::vector<Case> cases = {
        {"Zelmar.dll", "word", {"strokes", "江海"}},
        {"OrvFile.dll", "namefx", {"meaning", "1"}},
        {"OrvBirth.dll", "huangdao_day", {"almanac", "2024-02-10"}},
        {"dream.dll", "chenggu", With({"chart"}, kPerson)},
        {"dream.dll", "shouji", {"phone", "13800130123"}},
        {"Tgcode.dll", "JQ", {"pillars", "2000-02-04", "8", "0", "男"}},
        {"Tgcode.dll", "hzwh", {"element", "甲"}},
    };
    for (const Case& c : cases) {
        const std::string built = ReadBytes(BuiltDataDir() / c.file);
        // 97: the header's record of the SQLite version that wrote the file, which SQLite ignores.
        for (const std::size_t offset : {std::size_t{97}, MiddleOfTable(c.file, c.table), built.size() - 1}) {
            ScratchDir dir;
            dir.CopyDataFiles();
            std::string damaged = built;
            damaged[offset] = static_cast<char>(damaged[offset] ^ 0x10);
            dir.WriteFile(c.file, damaged);
            const CliRun run = RunInProcess(c.args, "", dir.path().string());
            EXPECT_EQ(run.status, 1) << c.file << " " << offset;
            EXPECT_EQ(run.out, "") << c.file << " " << offset;
            EXPECT_NE(run.err.find("数据文件“" + c.file + "”已损坏"), std::string::npos) << run.err;

            dir.WriteFile(c.file, built);
            EXPECT_EQ(RunInProcess(c.args, "", dir.path().string()).status, 0) << c.file;
        }
    }
}
