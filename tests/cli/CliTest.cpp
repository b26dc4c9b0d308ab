#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "almanac/DreamScramble.h"
#include "cli/Cli.h"
#include "support/CliRun.h"
#include "support/GoldenFile.h"

using korvani::testing::BuiltDataDir;
using korvani::testing::CliRun;
using korvani::testing::Quoted;
using korvani::testing::RunInProcess;
using korvani::testing::ScratchDir;
using korvani::testing::Shell;

TEST(Cli, ElementOfACharacter) {
    const CliRun run = RunInProcess({"element", "甲"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "木\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(RunInProcess({"element", "'; drop table word; --"}).out, "\n");
}

TEST(Cli, CharacterAndNumberLookups) {
    EXPECT_EQ(RunInProcess({"strokes", "江海"}).out, "18\n");
    EXPECT_EQ(RunInProcess({"strokes", "3M江"}).out, "7\n");
    EXPECT_EQ(RunInProcess({"trad", "兴隆"}).out, "興隆\n");
    for (const char* number : {"1", "82"})
        EXPECT_TRUE(RunInProcess({"verdict", number})
                        .out.starts_with("大展鸿图，信用得固，名利双收，可获成功|吉|主人性格类型：["))
            << number;
    for (const char* number : {"81", "0", "162", "-81"})
        EXPECT_TRUE(RunInProcess({"verdict", number})
                        .out.starts_with("最极之数，还本归元，能得繁荣，发达成功|吉|主人性格类型：["))
            << number;
    EXPECT_NE(RunInProcess({"verdict", "18"}).out.find("|吉|"), std::string::npos);
    EXPECT_EQ(RunInProcess({"verdict", "-5"}).out, "对不起,此号不在分解之类。\n");
    EXPECT_EQ(RunInProcess({"verdict", "-1"}).out, "对不起,此号不在分解之类。\n");
    EXPECT_EQ(RunInProcess({"meaning", "81"}).out, RunInProcess({"meaning", "0"}).out);
    EXPECT_GT(RunInProcess({"meaning", "1"}).out.size(), 10u);

    const CliRun bad = RunInProcess({"verdict", "12a"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "'12a' 不是有效的整数\n");
    EXPECT_EQ(RunInProcess({"meaning", "x"}).err, "'x' 不是有效的整数\n");

    const CliRun batch = RunInProcess({"verdict", "-"}, "80\n12a\n-81\n");
    EXPECT_EQ(batch.status, 2);
    EXPECT_EQ(batch.err, "'12a' 不是有效的整数\n");
    EXPECT_EQ(std::count(batch.out.begin(), batch.out.end(), '\n'), 3);
}

TEST(Cli, CalendarCommands) {
    EXPECT_EQ(RunInProcess({"lunar", "2023-3-22", "2000-02-05"}).out,
              "2023-03-22\t2023\t2\t1\t1\n2000-02-05\t2000\t1\t1\t0\n");
    const CliRun range = RunInProcess({"lunar", "--from", "2023-04-19", "--to", "2023-04-20"});
    EXPECT_EQ(range.out, "2023-04-19\t2023\t2\t29\t1\n2023-04-20\t2023\t3\t1\t0\n");
    EXPECT_EQ(RunInProcess({"solar", "2023", "2", "1", "--leap"}).out, "2023-03-22\n");
    EXPECT_EQ(RunInProcess({"solar", "2099", "12", "30"}).out, "2100-02-08\n");
    EXPECT_EQ(RunInProcess({"term", "1900", "0"}).out, "1900-01-06 02:05:00.000\n");
    EXPECT_EQ(RunInProcess({"labels", "2000-02-05"}).out, "2000-02-05\t庚辰(龙年)\t一月\t初一\t\t水瓶座\n");
    EXPECT_EQ(RunInProcess({"labels", "2024-4-21"}).out, "2024-04-21\t甲辰(龙年)\t三月\t十三\t\t金牛座 \n");
    EXPECT_EQ(RunInProcess({"wincal", "2023-01-22"}).out, "2023-01-22\t101\t正月\t初一\t春节\t\t\t卯兔\t水瓶座\n");
}

TEST(Cli, CalendarBadInputExitsTwoWithTheSystemsMessage) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"lunar", "2023-02-30"}, "'2023-02-30' 不是有效的日期\n"},
        {{"lunar", "2023-13-1"}, "'2023-13-1' 不是有效的日期\n"},
        {{"lunar", "1899-1-1"}, "'1899-1-1': 公历日期须在1900-01-31至2100-12-31之间!\n"},
        {{"labels", "2101-1-1"}, "'2101-1-1': 公历日期须在1900-01-31至2100-12-31之间!\n"},
        {{"wincal", "1900-12-31"}, "'1900-12-31': 万年历日期须在1901-01-01至2050-12-31之间!\n"},
        {{"lunar", "--from", "1899-12-1", "--to", "1900-2-1"},
         "'1899-12-1': 公历日期须在1900-01-31至2100-12-31之间!\n"},
        {{"solar", "2023", "13", "1"}, "'2023 13 1': 农历日期不存在!\n"},
        {{"solar", "2022", "2", "1", "--leap"}, "'2022 2 1 --leap': 农历日期不存在!\n"},
        {{"solar", "1900", "1", "1"}, "'1900 1 1': 农历日期不存在!\n"},
        {{"solar", "二〇二三", "1", "1"}, "'二〇二三' 不是有效的整数\n"},
        {{"term", "2024", "24"}, "'24': 节气序号须在0至23之间!\n"},
        {{"term", "2024", "x"}, "'x' 不是有效的整数\n"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun run = RunInProcess(args);
        EXPECT_EQ(run.status, 2) << args[1];
        EXPECT_EQ(run.out, "") << args[1];
        EXPECT_EQ(run.err, message);
    }
}

TEST(Cli, BatchLinesTakeTheCommandsOptions) {
    const CliRun run = RunInProcess({"solar", "-"}, "2023 2 1 --leap\n2023 2 1\n2023 2 30 --leap\n2024 1 1\n");
    EXPECT_EQ(run.out, "2023-03-22\n2023-02-20\n\n2024-02-10\n");
    EXPECT_EQ(run.err, "'2023 2 30 --leap': 农历日期不存在!\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(RunInProcess({"lunar", "-"}, "2024-02-10\n--from 2024-02-10 --to 2024-02-11\n").out,
              "2024-02-10\t2024\t1\t1\t0\n2024-02-10\t2024\t1\t1\t0\n2024-02-11\t2024\t1\t2\t0\n");
}

TEST(Cli, ChartCommands) {
    EXPECT_EQ(RunInProcess({"pillars", "1984-02-04", "12", "0", "男", "--before-term", "1"}).out,
              "1\t癸亥 乙丑 戊辰 戊午\n");
    EXPECT_EQ(RunInProcess({"pillars", "2024-2-4", "16", "26", "男"}).out, "1\t癸卯 乙丑 戊戌 庚申\n");
    EXPECT_EQ(RunInProcess({"details", "1980-01-01", "12", "0", "女"}).out,
              "丁卯\t0\t5\t2\t丙子 丁丑 戊寅 己卯 庚辰 辛巳 壬午 癸未 甲申 乙酉\t乙己丁\t癸辛己\t辛\t己丁\n");
    const CliRun chart = RunInProcess({"chart", "--surname", "张", "--given", "三", "--sex", "女", "--year", "1980"});
    EXPECT_EQ(chart.status, 0);
    EXPECT_NE(chart.out.find("\n大运：丙子   丁丑   戊寅"), std::string::npos);
    EXPECT_NE(chart.out.find("\n袁天罡称骨算命：\n你的骨重为："), std::string::npos);

    EXPECT_EQ(RunInProcess({"chart", "--given", "三"}).err, "姓不能为空!\n");
    EXPECT_EQ(RunInProcess({"chart", "--surname", "张", "--given", "三", "--calendar", "lunar", "--month", "1", "--day",
                            "30", "--year", "2023"})
                  .err,
              "农历日期不存在!\n");
    EXPECT_EQ(RunInProcess({"chart", "--surname", "张", "--given", "三", "--minute", "5a"}).err,
              "'5a' 不是有效的整数\n");
    EXPECT_EQ(RunInProcess({"pillars", "2023-02-30", "0", "0", "男"}).status, 2);
    EXPECT_EQ(RunInProcess({"pillars", "2023-02-03", "24", "0", "男"}).err, "'24': 出生小时须在0至23之间!\n");
    EXPECT_EQ(RunInProcess({"chart", "--calendar", "moon"}).status, 2);
}

TEST(Cli, AnalyzeCommand) {
    const CliRun run = RunInProcess({"analyze", "--surname", "李", "--given", "明", "--prefix", "成都", "--body",
                                     "三好", "--suffix", "科技有限公司"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\n企业名称：成都三好科技有限公司\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n【三好】行运格(主体)数理9分析：\n"), std::string::npos);
    EXPECT_EQ(RunInProcess({"analyze", "--surname", "李", "--given", "明", "--body", "好"}).err,
              "企业简称为两个字以上!\n");
    EXPECT_EQ(RunInProcess({"analyze", "--surname", "李", "--given", "明", "--body", "三好", "--day", "32"}).err,
              "'1980-1-32' 不是有效的日期\n");
}

TEST(Cli, NameCommand) {
    const std::vector<std::string> args = {"name",    "--surname", "张",       "--length", "3",        "--seed", "42",
                                           "--pages", "2",         "--prefix", "成都",     "--suffix", "科技"};
    const CliRun first = RunInProcess(args);
    EXPECT_EQ(first.status, 0);
    EXPECT_TRUE(first.out.starts_with(
        "编号\t企业名称\t企业繁体字\t总体笔画\t单位主体\t主体五行\t主体笔画\t行业笔画\t总体评分\n"));
    EXPECT_EQ(std::count(first.out.begin(), first.out.end(), '\n'), 201); // the headings and two pages
    EXPECT_EQ(RunInProcess(args).out, first.out);
    EXPECT_NE(first.out.find("\n1\t成都"), std::string::npos);

    // --elements missing is the default; favourable draws other names from the same seed.
    std::vector<std::string> missing = args;
    missing.insert(missing.end(), {"--elements", "missing"});
    EXPECT_EQ(RunInProcess(missing).out, first.out);
    std::vector<std::string> favourable = args;
    favourable.insert(favourable.end(), {"--elements", "favourable"});
    const CliRun balanced = RunInProcess(favourable);
    EXPECT_EQ(balanced.status, 0) << balanced.err;
    EXPECT_EQ(std::count(balanced.out.begin(), balanced.out.end(), '\n'), 201);
    EXPECT_NE(balanced.out, first.out);

    EXPECT_EQ(RunInProcess({"name", "--surname", "张", "--length", "2", "--fix1", "华", "--fix2", "兴"}).err,
              "二字名不能同时固定两个字！\n");
    EXPECT_EQ(RunInProcess({"name", "--surname", "张", "--length", "5"}).status, 2);
    EXPECT_EQ(RunInProcess({"name", "--length", "2"}).err, "姓不能为空!\n");
    EXPECT_EQ(RunInProcess({"bonus", "-"}, "81\n80\n6\nx\n").out, "4\n2\n3\n\n");
}

// `--format csv`: the same seeded rows as the TAB lines, as CSV in UTF-8 with a byte-order mark,
// each with its explained score last; a format it does not know is bad input.
TEST(Cli, NameCommandWritesCsv) {
    std::vector<std::string> args = {"name", "--surname", "张",   "--length", "2",        "--seed",
                                     "42",   "--prefix",  "成都", "--suffix", "科技,贸易"};
    const CliRun tsv = RunInProcess(args);
    args.insert(args.end(), {"--format", "csv"});
    const CliRun csv = RunInProcess(args);
    ASSERT_EQ(csv.status, 0) << csv.err;
    ASSERT_TRUE(csv.out.starts_with("\xEF\xBB\xBF编号,企业名称,企业繁体字,总体笔画,单位主体,主体五行,主体笔画,行业笔画,"
                                    "总体评分,评分说明\n"));
    std::istringstream tsvLines(tsv.out), csvLines(csv.out);
    std::string tsvLine, csvLine;
    std::getline(tsvLines, tsvLine);
    std::getline(csvLines, csvLine);
    int rows = 0;
    while (std::getline(tsvLines, tsvLine)) {
        ASSERT_TRUE(std::getline(csvLines, csvLine));
        // The suffix holds a comma: a cell with one is quoted; the other cells stand as they are.
        std::vector<std::string> cells;
        std::istringstream split(tsvLine);
        for (std::string cell; std::getline(split, cell, '\t');)
            cells.push_back(cell);
        ASSERT_EQ(cells.size(), 9u);
        ASSERT_NE(cells[1].find(','), std::string::npos);
        std::string expected;
        for (std::size_t i = 0; i < 9; ++i)
            expected += (i ? "," : "") + (cells[i].find(',') == std::string::npos ? cells[i] : "\"" + cells[i] + "\"");
        EXPECT_TRUE(csvLine.starts_with(expected + ",笔画组合 ")) << csvLine;
        EXPECT_TRUE(csvLine.find("= " + cells[8] + "；") != std::string::npos) << csvLine;
        ++rows;
    }
    EXPECT_EQ(rows, 100);
    EXPECT_FALSE(std::getline(csvLines, csvLine));

    const CliRun bad = RunInProcess({"name", "--surname", "张", "--format", "xml"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("输出格式"), std::string::npos) << bad.err;
}

// The memo lines of each day, as the almanac page shows them; nothing for a day without a row.
TEST(Cli, AlmanacPrintsTheMemoOfEachDay) {
    const std::string memo = korvani::testing::GoldenFile("almanac/2024-02-10.txt");
    ASSERT_EQ(std::count(memo.begin(), memo.end(), '\n'), 19);
    const CliRun run = RunInProcess({"almanac", "2024-02-10", "1900-12-31", "2024-02-10"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, memo + memo);
    EXPECT_EQ(RunInProcess({"almanac", "2010-2-3"}).out, korvani::testing::GoldenFile("almanac/2010-2-3.txt"));

    // A bad date refuses the whole command with the page's message.
    const CliRun bad = RunInProcess({"almanac", "2024-02-10", "2010-02-30"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "'2010-02-30': 请选择有效的日期!\n");

    // A batch: the memo of each line, an empty line for a day without a row and for a bad date.
    const CliRun batch = RunInProcess({"almanac", "-"}, "2024-02-10\n2101-01-01\n2024-2-30\n2024-02-10\n");
    EXPECT_EQ(batch.status, 2);
    EXPECT_EQ(batch.out, memo + "\n\n" + memo);
    EXPECT_EQ(batch.err, "'2024-2-30': 请选择有效的日期!\n");
}

TEST(Cli, ChartWithoutTheBoneWeightFileExitsOne) {
    ScratchDir dir;
    for (const char* name : {"Zelmar.dll", "OrvFile.dll", "OrvBirth.dll", "Tgcode.dll"})
        std::filesystem::copy_file(BuiltDataDir() / name, dir.path() / name);
    const CliRun run = RunInProcess({"chart", "--surname", "张", "--given", "三"}, "", dir.path().string());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("dream.dll"), std::string::npos);
}

TEST(Cli, BatchReadsOneInputPerLineAndKeepsLinesAligned) {
    const CliRun run = RunInProcess({"element", "-"}, "甲\n子\r\n\n%\n 丙 \n江\n");
    // The empty line is bad input: an empty output line, its message, exit 2 at the end.
    EXPECT_EQ(run.out, "木\n水\n\n\n火\n\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("CHAR"), std::string::npos);
    EXPECT_EQ(RunInProcess({"element", "-"}, "甲\n壬\n").status, 0);
}

TEST(Cli, BadArgumentsExitTwo) {
    EXPECT_EQ(RunInProcess({}).status, 2);
    EXPECT_EQ(RunInProcess({"element"}).status, 2);
    EXPECT_EQ(RunInProcess({"element", "甲", "乙"}).status, 2);
    EXPECT_EQ(RunInProcess({"nosuchcommand"}).status, 2);
    const CliRun help = RunInProcess({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--data-dir"), std::string::npos);
    EXPECT_NE(help.out.find("element"), std::string::npos);
}

TEST(Cli, MissingDataFileExitsOneWithItsName) {
    ScratchDir empty;
    const CliRun run = RunInProcess({"element", "甲"}, "", empty.path().string());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Tgcode.dll"), std::string::npos) << run.err;
    EXPECT_EQ(RunInProcess({"--data-dir", empty.path().string(), "element", "-"}, "甲\n").status, 1);
}

// The whole programs' folder moved to a path with blanks and Chinese characters still finds its
// data files beside the program, with no setting; --data-dir points elsewhere.
TEST(Cli, MovedProgramFolderFindsItsData) {
    ScratchDir scratch;
    const auto moved = scratch.path() / "店铺 起名" / "bin";
    std::filesystem::create_directories(moved.parent_path());
    std::filesystem::copy(BuiltDataDir(), moved, std::filesystem::copy_options::recursive);
    const auto cli = Quoted(moved / "korvani-cli");

    EXPECT_EQ(Shell(cli + " element 子"), (std::pair<int, std::string>{0, "水\n"}));
    EXPECT_EQ(Shell("echo 庚 | " + cli + " element -"), (std::pair<int, std::string>{0, "金\n"}));

    std::filesystem::remove(moved / "Tgcode.dll");
    EXPECT_EQ(Shell(cli + " element 子 2>&1").first, 1);
    EXPECT_NE(Shell(cli + " element 子 2>&1").second.find("Tgcode.dll"), std::string::npos);
    EXPECT_EQ(Shell(cli + " --data-dir " + Quoted(BuiltDataDir()) + " element 子"),
              (std::pair<int, std::string>{0, "水\n"}));
}

TEST(Cli, NumberReadings) {
    EXPECT_EQ(RunInProcess({"phonekey", "13800130123"}).out, "43\n");
    EXPECT_EQ(RunInProcess({"phonekey", "13800130080"}).out, "0\n");
    EXPECT_EQ(RunInProcess({"phonekey", "12345"}).out, "0\n");
    EXPECT_EQ(RunInProcess({"phone", "13800130080"}).out, "13800130080\n超吉\n超吉\n超吉不做详细评论\n");
    const CliRun phone = RunInProcess({"phone", "13800130123"});
    EXPECT_EQ(phone.status, 0);
    EXPECT_TRUE(phone.out.starts_with("13800130123\n才华外露，应酬繁多，收放有度，稳中求安\n吉带凶\n四十三数"))
        << phone.out;
    EXPECT_EQ(std::count(phone.out.begin(), phone.out.end(), '\n'), 4);

    const CliRun qq = RunInProcess({"qq", "82"});
    EXPECT_TRUE(qq.out.starts_with("82\n大展鸿图，信用得固，名利双收，可获成功\n吉\n主人性格类型：["));
    EXPECT_EQ(RunInProcess({"qq", "162"}).out.substr(4), RunInProcess({"qq", "81"}).out.substr(3));
    EXPECT_EQ(RunInProcess({"number", "-5"}).out, "-5\n\n\n对不起,此号不在分解之类。\n");
}

TEST(Cli, NumberReadingsBadInputAndBatches) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"phone", ""}, "请输入11位手机号码！\n"},
        {{"qq", " "}, "请输入你的QQ号码！\n"},
        {{"number", ""}, "请输入你的号码！\n"},
        {{"qq", "12a"}, "'12a' 不是有效的整数\n"},
        {{"number", "99999999999999999999"}, "'99999999999999999999' 不是有效的整数\n"},
        {{"phone", "1380013abcd"}, "'1380013abcd' 不是有效的手机号码\n"},
        {{"phonekey", "138-0013"}, "'138-0013' 不是有效的手机号码\n"},
        {{"netname", " "}, "请输入你的网名！\n"},
        {{"netname", "小明😀"}, "请重新输入网名，请不要输入特殊字符！\n"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun run = RunInProcess(args);
        EXPECT_EQ(run.status, 2) << args[0] << " " << args[1];
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, message);
    }
    // Four lines per number; a bad line gives four empty lines, so every reading keeps its place.
    const CliRun batch = RunInProcess({"qq", "-"}, "1\nabc\n82\n");
    EXPECT_EQ(batch.status, 2);
    EXPECT_EQ(batch.err, "'abc' 不是有效的整数\n");
    const std::string one = RunInProcess({"qq", "1"}).out;
    EXPECT_EQ(batch.out, one + "\n\n\n\n" + "82" + one.substr(1));
    EXPECT_EQ(RunInProcess({"phonekey", "-"}, "13800130123\n12345\nx\n13800130081\n").out, "43\n0\n\n1\n");
    EXPECT_EQ(RunInProcess({"phone", "-"}, "13800130080\n").out, "13800130080\n超吉\n超吉\n超吉不做详细评论\n");
}

TEST(Cli, NetName) {
    EXPECT_EQ(RunInProcess({"netname", "小明"}).out, "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱\n");
    EXPECT_EQ(RunInProcess({"netname", "阿福"}).out, "有抱负，志气高\n");
    EXPECT_EQ(RunInProcess({"netname", "小明。"}).out, "\n");
    EXPECT_EQ(RunInProcess({"netname", "小明。"}).status, 0);
    const CliRun batch = RunInProcess({"netname", "-"}, "3c\n张三0\n佛\n");
    EXPECT_EQ(batch.out, "可爱，较明显的自恋\n煽情高手\n有抱负，志气高\n");
    EXPECT_EQ(batch.status, 0);
}

TEST(Cli, PhoneReadingWithoutTheDreamFileExitsOne) {
    ScratchDir dir;
    const CliRun run = RunInProcess({"phone", "13800130080"}, "", dir.path().string());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("dream.dll"), std::string::npos);
    EXPECT_EQ(RunInProcess({"qq", "18"}, "", dir.path().string()).status, 0);
}

TEST(Cli, DreamCommands) {
    const CliRun tree = RunInProcess({"dream", "--tree"});
    EXPECT_EQ(tree.status, 0);
    EXPECT_TRUE(tree.out.starts_with("人物\n  梦见父亲\n  梦见母亲\n")) << tree.out.substr(0, 100);
    std::istringstream lines(tree.out);
    int categories = 0;
    int titles = 0;
    for (std::string line; std::getline(lines, line);)
        (line.starts_with("  ") ? titles : categories) += 1;
    EXPECT_EQ(categories, 18);
    EXPECT_GE(titles, 1500);

    const CliRun snake = RunInProcess({"dream", "--title", "梦见蛇"});
    EXPECT_TRUE(snake.out.starts_with("    蛇是解梦中最常见的动物之一")) << snake.out;
    EXPECT_EQ(std::count(snake.out.begin(), snake.out.end(), '\n'), 1);
    EXPECT_EQ(snake.err, "");
    // A title without an entry shows nothing; in a batch its line stays empty.
    const CliRun none = RunInProcess({"dream", "--title", "梦见'没有'"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out + none.err, "");
    const CliRun batch = RunInProcess({"dream", "-"}, "--title 梦见没有\n--search 梦见蛇缠身\n--tree --title x\n");
    EXPECT_EQ(batch.out, "\n梦见蛇缠身\n\n");
    EXPECT_EQ(batch.status, 2);

    const CliRun search = RunInProcess({"dream", "--search", "蛇", "开店"});
    EXPECT_EQ(search.status, 0);
    EXPECT_FALSE(search.out.empty());
    EXPECT_EQ(RunInProcess({"dream", "--search", "梦见蛇"}).out.substr(0, 10), "梦见蛇\n");

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"dream"}, {"dream", "--tree", "--search", "蛇"}}) {
        const CliRun bad = RunInProcess(args);
        EXPECT_EQ(bad.status, 2);
        EXPECT_EQ(bad.err, "请选择 --tree、--title 或 --search 中的一项!\n");
    }
}

TEST(Cli, UnscrambleCommand) {
    using namespace korvani::almanac;
    EXPECT_EQ(RunInProcess({"unscramble", ScrambleText("梦见蛇", DreamTextKey, kDreamTextRounds)}).out, "梦见蛇\n");
    const std::string keyed = ScrambleText("梦见开店", 0x1234, kDreamTextRounds);
    for (const char* key : {"0x1234", "$1234", "4660"})
        EXPECT_EQ(RunInProcess({"unscramble", keyed, "--key", key}).out, "梦见开店\n") << key;
    EXPECT_NE(RunInProcess({"unscramble", keyed}).out, "梦见开店\n");
    // A text of one byte passes unchanged; an odd last character is ignored.
    EXPECT_EQ(RunInProcess({"unscramble", "413", "--key", "7"}).out, "A\n");

    // Each bad pair sounds the terminal's beep on standard error; the rest is still shown.
    const CliRun bad = RunInProcess({"unscramble", "ZZ41"});
    EXPECT_EQ(bad.status, 0);
    EXPECT_EQ(bad.out, "A\n");
    EXPECT_EQ(bad.err, "\a");

    EXPECT_EQ(RunInProcess({"unscramble", "41", "--key", "65536"}).err, "'65536': 密钥须在0至65535之间!\n");
    EXPECT_EQ(RunInProcess({"unscramble", "41", "--key", "-1"}).status, 2);
    EXPECT_EQ(RunInProcess({"unscramble", "41", "--key", "k"}).err, "'k' 不是有效的整数\n");
    EXPECT_EQ(RunInProcess({"unscramble", "-"}, "41\n42 --key 7\n").out, "A\nB\n");
}

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

// One TAB-separated line per day, best first (the same days as the window's list, tests/almanac):
// date, lunar date, day spirit with its path, officer, score, reasons.
TEST(Cli, LuckyDaysBestFirstOrByDate) {
    const std::vector<std::string> march = {"luckydays", "--from",  "2027-03-01", "--to",
                                            "2027-3-31", "--birth", "1985-06-15"};
    const CliRun run = RunInProcess(march);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "2027-03-04\t正月廿七\t白虎(黑道)\t定日\t5\t黑道日（白虎），定日，吉神天德合、天恩、三合，"
                        "宜开市、入宅、移徙、动土、修造、嫁娶；不冲属牛");
    for (const std::string& line : lines)
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 5) << line;

    std::vector<std::string> byDate = march;
    byDate.push_back("--by-date");
    const std::vector<std::string> dated = Lines(RunInProcess(byDate).out);
    ASSERT_EQ(dated.size(), 7u);
    EXPECT_TRUE(dated[0].starts_with("2027-03-01\t正月廿四\t朱雀(黑道)\t除日\t1\t"));
    EXPECT_TRUE(dated[6].starts_with("2027-03-27\t"));

    // Without a birth no day is left out for a clash.
    EXPECT_EQ(Lines(RunInProcess({"luckydays", "--from", "2027-03-01", "--to", "2027-03-31"}).out).size(), 8u);

    // Born on the day of 立春 1985 (05:12): at 04:00 a rat, whom 2027-03-04 (壬午) clashes.
    const auto day = [](const char* hour) {
        return RunInProcess({"luckydays", "--from", "2027-03-04", "--to", "2027-03-04", "--birth", "1985-02-04",
                             "--hour", hour, "--minute", "0"});
    };
    EXPECT_EQ(day("4").out, "");
    EXPECT_TRUE(day("12").out.starts_with("2027-03-04\t"));
}

TEST(Cli, LuckyDaysBadInputAndEmptyResults) {
    const auto run = [](std::vector<std::string> args) {
        args.insert(args.begin(), "luckydays");
        return RunInProcess(args);
    };
    const std::pair<std::vector<std::string>, std::string> bad[] = {
        {{"--from", "2027-04-01", "--to", "2027-03-01"}, "起始日期不能晚于结束日期!\n"},
        {{"--from", "2027-2-30", "--to", "2027-03-01"}, "'2027-2-30' 不是有效的日期\n"},
        {{"--from", "1900-12-31", "--to", "1901-03-01"}, "日期须在1901-01-01至2100-12-31之间!\n"},
        {{"--from", "2027-03-01", "--to", "2027-03-31", "--birth", "1985-13-01"}, "'1985-13-01' 不是有效的日期\n"},
        {{"--from", "2027-03-01", "--to", "2027-03-31", "--birth", "1985-06-15", "--hour", "24"},
         "'1985-06-15': 出生小时须在0至23之间!\n"},
    };
    for (const auto& [args, message] : bad) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, message);
    }
    const CliRun unknown = run({"--from", "2027-03-01", "--to", "2027-03-31", "--activity", "祭祀"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.starts_with("“祭祀”不是可选的事项")) << unknown.err;
    EXPECT_EQ(run({"--from", "2027-03-01"}).status, 2);
    EXPECT_EQ(run({"--from", "2027-03-01", "--to", "2027-03-31", "--hour", "9"}).status, 2); // no birth
    EXPECT_EQ(run({"--from", "2027-03-01", "--to", "2027-03-31", "extra"}).status, 2);

    // Nothing found is no error: no line, and the reason on standard error.
    const CliRun none = run({"--from", "2027-01-01", "--to", "2027-01-04"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "所选的4天里没有宜开市的日子：日期范围太短，请把结束日期往后放一些再查找。\n");

    // The birth needs the term table of Tgcode.dll.
    ScratchDir dir;
    std::filesystem::copy_file(BuiltDataDir() / "OrvBirth.dll", dir.path() / "OrvBirth.dll");
    EXPECT_EQ(RunInProcess({"luckydays", "--from", "2027-03-01", "--to", "2027-03-31"}, "", dir.path().string()).status,
              0);
    const CliRun noTerms = RunInProcess(
        {"luckydays", "--from", "2027-03-01", "--to", "2027-03-31", "--birth", "1985-06-15"}, "", dir.path().string());
    EXPECT_EQ(noTerms.status, 1);
    EXPECT_NE(noTerms.err.find("Tgcode.dll"), std::string::npos);
}
