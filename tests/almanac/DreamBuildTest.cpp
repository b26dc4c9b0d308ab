#include <gtest/gtest.h>

#include <fstream>

#include "DreamTexts.h"
#include "almanac/DreamScramble.h"
#include "support/TestDataDir.h"

using namespace korvani::refdata;
using korvani::testing::ScratchDir;

namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A folder of sources: two categories, the second without entries.
void WriteGoodSources(const ScratchDir& dir) {
    dir.WriteFile("categories.tsv", "ZMID\tZMCLASS\n02\t动物\n01\t人物\n");
    dir.WriteFile("01.tsv", "title\ttext\n梦见父亲\t父亲入梦，多是得到庇护的好兆头。\n梦见'老师'\t老师出现在梦里。\n");
    dir.WriteFile("02.tsv", "title\ttext\n");
}

std::string FaultOf(const ScratchDir& dir) {
    try {
        ReadDreamSources(dir.path());
    } catch (const DreamTextError& e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(DreamBuild, WritesBothTablesWithTheTextsScrambled) {
    ScratchDir dir;
    WriteGoodSources(dir);
    const DreamSources sources = ReadDreamSources(dir.path());
    ASSERT_EQ(sources.entries.size(), 2u);
    EXPECT_EQ(sources.entries[1].title, "梦见'老师'");
    WriteDreamTables(sources, dir.path() / "out");
    EXPECT_EQ(ReadAll(dir.path() / "out" / "Tclass.tsv"), "ZMID\tZMCLASS\n02\t动物\n01\t人物\n");
    const std::string stored = korvani::almanac::ScrambleText(
        "父亲入梦，多是得到庇护的好兆头。", korvani::almanac::DreamTextKey, korvani::almanac::kDreamTextRounds);
    const std::string table = ReadAll(dir.path() / "out" / "JMTable.tsv");
    EXPECT_TRUE(table.starts_with("CLASEID\tTITLE\tCONENT\n01\t梦见父亲\t" + stored + "\n01\t梦见'老师'\t")) << table;
    EXPECT_EQ(table.find("父亲入梦"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "out" / "JMTable.tsv.building"));
}

// Each fault of the sources stops the build with the file, the line and the reason.
TEST(DreamBuild, RefusesFaultySourcesNamingFileAndLine) {
    const std::vector<std::tuple<std::string, std::string, std::string>> faults = {
        {"01.tsv", "title\ttext\n梦见父亲\t一\n梦见父亲\t二\n",
         "01.tsv:3: title \"梦见父亲\" is already used at 01.tsv:2"},
        {"01.tsv", "title\ttext\n梦见父亲\t有表情😀\n", "01.tsv:2: the text holds \"😀\", which GBK cannot hold"},
        {"01.tsv", "title\ttext\n梦见父亲\t一\r\n", "01.tsv:2: CR line end"},
        {"01.tsv", "title\ttext\n梦见父亲\t一\t二\n", "01.tsv:2: 3 fields, expected 2"},
        {"01.tsv", "title\ttext\n梦见父亲\n", "01.tsv:2: 1 fields, expected 2"},
        {"01.tsv", "title\ttext\n梦见父亲 \t一\n", "01.tsv:2: title \"梦见父亲 \" has blanks at its ends"},
        {"01.tsv", "title\ttext\n\t一\n", "01.tsv:2: empty title"},
        {"01.tsv", "title\ttext\n梦见父亲\t\n", "01.tsv:2: empty text"},
        {"01.tsv", "title\tcontent\n", "01.tsv:1: the header must be"},
        {"01.tsv", "title\ttext\n梦见\xff\t一\n", "01.tsv:2: not UTF-8"},
        // 02 comes first in categories.tsv, so its file is read first.
        {"02.tsv", "title\ttext\n梦见父亲\t二\n", "01.tsv:2: title \"梦见父亲\" is already used at 02.tsv:2"},
        {"categories.tsv", "ZMID\tZMCLASS\n01\t人物\n01\t动物\n", "categories.tsv:3: category key \"01\" used twice"},
        {"categories.tsv", "ZMID\tZMCLASS\n01\t人物\n02\t动物\n03\t植物\n", "category 03 植物 has no file 03.tsv"},
        {"categories.tsv", "ZMID\tZMCLASS\n01\t人物\n../x\t动物\n", "categories.tsv:3: category key \"../x\" may hold"},
        {"categories.tsv", "ZMID\tZMCLASS\n01\t人物\n", "02.tsv: no category of key 02 in categories.tsv"},
    };
    for (const auto& [file, content, message] : faults) {
        ScratchDir dir;
        WriteGoodSources(dir);
        dir.WriteFile(file, content);
        const std::string fault = FaultOf(dir);
        EXPECT_NE(fault.find(message), std::string::npos) << "expected: " << message << "\ngot: " << fault;
    }
    ScratchDir dir;
    WriteGoodSources(dir);
    std::filesystem::remove(dir.path() / "categories.tsv");
    EXPECT_EQ(FaultOf(dir), "categories.tsv: cannot be read");
}
