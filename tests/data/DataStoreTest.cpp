#include <gtest/gtest.h>

#include <map>
#include <set>

#include "chart/ChartDetails.h"
#include "data/DataStore.h"
#include "data/Tgcode.h"
#include "support/DataFileEdit.h"
#include "support/TestDataDir.h"

using namespace korvani::data;
using korvani::DataFileError;
using korvani::testing::BuiltDataDir;
using korvani::testing::ScratchDir;

namespace {

std::string MessageOf(DataStore& store, DataFileId id) {
    try {
        store.Connection(id);
    } catch (const DataFileError& e) {
        return e.what();
    }
    return {};
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(DataStore, ProgramDirectoryIsTheFolderOfTheRunningProgram) {
    const std::string dir = ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(dir + "test_data")) << dir;
    EXPECT_EQ(ConnectionStringFor("Zelmar.dll"), dir + "Zelmar.dll");
}

// Every table and column that the program's queries name, file by file.
TEST(DataStore, EveryFileHoldsTheTablesAndColumnsOfTheCatalogue) {
    const std::map<DataFileId, std::map<std::string, std::set<std::string>>> catalogue = {
        {DataFileId::Zelmar,
         {{"word", {"zi", "bh", "ft", "wuhang"}},
          {"CYZI", {"ID", "zi", "wuhang", "ft", "bh"}},
          {"MZ", {"ID", "zi", "wuhang", "ft", "bh", "bh1", "bh2", "fs"}},
          {"gz", {"lx", "bh11", "bh12", "bh21", "bh22", "zf"}}}},
        {DataFileId::OrvFile, {{"namefx", {"num", "nr"}}}},
        {DataFileId::OrvBirth,
         {{"huangdao", {"gn", "nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji"}}}},
        {DataFileId::Dream,
         {{"Tclass", {"ZMID", "ZMCLASS"}},
          {"JMTable", {"CLASEID", "TITLE", "CONENT"}},
          {"shouji", {"num", "title", "jx", "content"}},
          {"chenggu", {"weight", "content", "content2"}},
          {"chenggu1", {"year", "weight"}},
          {"chenggu2", {"month2", "weight"}},
          {"chenggu3", {"day2", "weight"}},
          {"chenggu4", {"time", "weight"}}}},
        {DataFileId::Tgcode,
         {{"hzwh", {"hz", "wh"}},
          {"Shishen", {"jiazi", "ShiShen"}},
          {"jiazi", {"jiazi", "layin"}},
          {"JQ", {"YearA", "JQ", "SJ"}}}},
    };
    DataStore store(BuiltDataDir());
    for (const auto& [file, tables] : catalogue) {
        SqliteDatabase& db = store.Connection(file);
        for (const auto& [table, columns] : tables) {
            auto& info = db.Prepare("select name from pragma_table_info(?)");
            info.Bind(1, table);
            std::set<std::string> found;
            while (info.Step())
                found.insert(info.Text(0));
            for (const std::string& column : columns)
                EXPECT_TRUE(found.count(column)) << FileName(file) << ": " << table << "." << column;
        }
    }
}

TEST(DataStore, ConnectionsAreReadOnly) {
    DataStore store(BuiltDataDir());
    SqliteDatabase& db = store.Connection(DataFileId::Tgcode);
    EXPECT_THROW(db.Execute("delete from hzwh"), SqliteError);
    EXPECT_THROW(db.Execute("create table scratch (x)"), SqliteError);
    EXPECT_EQ(Tgcode(store).ElementOf("甲"), "木");
}

TEST(DataStore, FindsItsFilesInAFolderWithBlanksAndChineseCharacters) {
    ScratchDir dir;
    dir.CopyDataFiles();
    DataStore store(dir.path().string());
    EXPECT_EQ(Tgcode(store).Nayin("甲子"), "海中金");

    // Characters that mean something in a URI or to a shell are plain characters of a folder name.
    const auto odd = dir.path() / "店 a?b #c%20&d;'e";
    std::filesystem::create_directory(odd);
    std::filesystem::copy_file(dir.path() / "Tgcode.dll", odd / "Tgcode.dll");
    DataStore oddStore(odd.string());
    EXPECT_EQ(Tgcode(oddStore).TenGod("甲丙"), "食神");
}

TEST(DataStore, MissingFileGivesAMessageThatNamesIt) {
    ScratchDir dir;
    DataStore store(dir.path().string());
    const std::string message = MessageOf(store, DataFileId::Zelmar);
    EXPECT_NE(message.find("Zelmar.dll"), std::string::npos) << message;
    EXPECT_NE(message.find("找不到数据文件"), std::string::npos) << message;
    // A file put in place later is found on the next use.
    dir.CopyDataFiles();
    EXPECT_NO_THROW(store.Connection(DataFileId::Zelmar));
}

TEST(DataStore, DamagedFilesGiveAMessageThatNamesThem) {
    ScratchDir dir;
    dir.CopyDataFiles();
    const std::string tgcode = ReadBytes(BuiltDataDir() / "Tgcode.dll");

    const std::map<std::string, std::string> damages = {
        {"not a database", std::string(4096, 'x')},
        {"empty", ""},
        {"first page only", tgcode.substr(0, 4096)},
        {"header only", tgcode.substr(0, 100)},
    };
    for (const auto& [what, bytes] : damages) {
        dir.WriteFile("Tgcode.dll", bytes);
        DataStore store(dir.path().string());
        std::string message;
        try {
            store.Connection(DataFileId::Tgcode);
            store.Read(DataFileId::Tgcode, [](SqliteDatabase& db) {
                auto& st = db.Prepare("select count(*) from JQ");
                st.Step();
                return st.Int(0);
            });
        } catch (const DataFileError& e) {
            message = e.what();
            EXPECT_EQ(e.fileName(), "Tgcode.dll");
        }
        EXPECT_NE(message.find("Tgcode.dll"), std::string::npos) << what << ": " << message;
        // The chart lookups swallow the failure and answer empty, as they do for a missing file.
        EXPECT_EQ(korvani::chart::CharacterElement(store, "甲"), "") << what;
    }
}

TEST(DataStore, RefusesAFileOfAnotherKindOrVersion) {
    ScratchDir dir;
    dir.CopyDataFiles();
    // dream.dll put in the place of Tgcode.dll is a sound database, but not Tgcode.dll.
    std::filesystem::copy_file(dir.path() / "dream.dll", dir.path() / "Tgcode.dll",
                               std::filesystem::copy_options::overwrite_existing);
    {
        DataStore store(dir.path().string());
        EXPECT_EQ(MessageOf(store, DataFileId::Tgcode), "“Tgcode.dll”不是本程序的数据文件");
    }
    dir.CopyDataFiles();
    {
        // A sound file of another data version, sealed by its own build.
        ASSERT_EQ(korvani::testing::EditDataFile(dir.path() / "OrvFile.dll",
                                                 "update meta set value = '999' where key = 'data_version'"),
                  "");
        DataStore store(dir.path().string());
        const std::string message = MessageOf(store, DataFileId::OrvFile);
        EXPECT_NE(message.find("OrvFile.dll"), std::string::npos) << message;
        EXPECT_NE(message.find("999"), std::string::npos) << message;
    }
}
