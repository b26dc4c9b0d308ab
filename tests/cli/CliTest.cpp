#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>

#include "cli/Cli.h"
#include "data/TestDataDir.h"

using korvani::cli::RunCli;
using korvani::testing::BuiltDataDir;
using korvani::testing::ScratchDir;

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunInProcess(const std::vector<std::string>& args, const std::string& input = "",
                 const std::string& dataDir = BuiltDataDir().string()) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, in, out, err, dataDir);
    return {status, out.str(), err.str()};
}

// Runs a shell command line and returns its exit status and standard output.
std::pair<int, std::string> Shell(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    const int status = pclose(pipe);
    return {WEXITSTATUS(status), output};
}

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

} // namespace

TEST(Cli, ElementOfACharacter) {
    const CliRun run = RunInProcess({"element", "甲"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "木\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(RunInProcess({"element", "'; drop table word; --"}).out, "\n");
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
