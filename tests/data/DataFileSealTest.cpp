#include <gtest/gtest.h>

#include <fstream>

#include "data/DataFileSeal.h"
#include "data/DataStore.h"
#include "data/OrvFile.h"
#include "support/DataFileEdit.h"
#include "support/TestDataDir.h"

using namespace korvani::data;
using korvani::DataFileError;
using korvani::testing::BuiltDataDir;
using korvani::testing::ScratchDir;

namespace {

// Flips the lowest bit of the byte at `offset`, in place; flipping twice restores the file.
void FlipBit(const std::filesystem::path& file, std::uintmax_t offset) {
    std::fstream io(file, std::ios::in | std::ios::out | std::ios::binary);
    io.seekg(static_cast<std::streamoff>(offset));
    const char byte = static_cast<char>(io.get() ^ 1);
    io.seekp(static_cast<std::streamoff>(offset));
    io.put(byte);
}

std::string OpenMessage(const std::filesystem::path& dir, DataFileId id) {
    DataStore store(dir.string());
    try {
        store.Connection(id);
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.fileName(), FileName(id));
        return e.what();
    }
    return {};
}

} // namespace

TEST(DataFileSeal, EveryBuiltFileIsSealed) {
    for (DataFileId id : kAllDataFiles)
        EXPECT_EQ(CheckSeal((BuiltDataDir() / FileName(id)).string()), SealState::Sound) << FileName(id);
}

// Any one changed byte breaks the seal: every 61st byte of a whole file in turn, the seal's own
// bytes, the header's bytes that SQLite itself never checks (96..99) and the last byte.
TEST(DataFileSeal, AnyChangedByteBreaksIt) {
    ScratchDir dir;
    dir.CopyDataFiles();
    const auto file = dir.path() / "OrvFile.dll";
    const std::uintmax_t size = std::filesystem::file_size(file);
    std::vector<std::uintmax_t> offsets = {0, 60, 63, 68, 71, 96, 99, size - 1};
    for (std::uintmax_t offset = 1; offset < size; offset += 61)
        offsets.push_back(offset);
    for (std::uintmax_t offset : offsets) {
        FlipBit(file, offset);
        EXPECT_EQ(CheckSeal(file.string()), SealState::Broken) << offset;
        FlipBit(file, offset);
    }
    EXPECT_EQ(CheckSeal(file.string()), SealState::Sound);
}

TEST(DataFileSeal, ShortEmptyAndUnsealedFiles) {
    ScratchDir dir;
    const std::string built = [] {
        std::ifstream in(BuiltDataDir() / "OrvFile.dll", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    dir.WriteFile("a", "");
    dir.WriteFile("b", built.substr(0, 99));
    dir.WriteFile("c", built.substr(0, built.size() - 1));
    dir.WriteFile("d", built + '\0');
    for (const char* name : {"a", "b", "c", "d"})
        EXPECT_EQ(CheckSeal((dir.path() / name).string()), SealState::Broken) << name;
    EXPECT_EQ(CheckSeal((dir.path() / "none").string()), SealState::Unreadable);

    std::string unsealed = built;
    std::fill_n(unsealed.begin() + kSealHighOffset, 4, '\0');
    std::fill_n(unsealed.begin() + kSealLowOffset, 4, '\0');
    dir.WriteFile("OrvFile.dll", unsealed);
    EXPECT_EQ(CheckSeal((dir.path() / "OrvFile.dll").string()), SealState::Unsealed);
    EXPECT_EQ(OpenMessage(dir.path(), DataFileId::OrvFile),
              "数据文件“OrvFile.dll”没有校验值，不是本程序生成的数据文件：" + (dir.path() / "OrvFile.dll").string());

    // Sealing it again makes it a sound file; the seal is the same the builder wrote.
    SealDataFile((dir.path() / "OrvFile.dll").string());
    EXPECT_EQ(CheckSeal((dir.path() / "OrvFile.dll").string()), SealState::Sound);
    EXPECT_EQ(ComputeSeal((dir.path() / "OrvFile.dll").string()),
              ComputeSeal((BuiltDataDir() / "OrvFile.dll").string()));
    EXPECT_THROW(SealDataFile((dir.path() / "b").string()), std::runtime_error);
}

// The store checks the seal before SQLite reads the file: a damaged page of a table that the meta
// check never reads is refused at the first use, with a message that names the file.
TEST(DataFileSeal, TheStoreRefusesADamagedFileAtItsFirstUse) {
    ScratchDir dir;
    dir.CopyDataFiles();
    const auto file = dir.path() / "OrvFile.dll";
    FlipBit(file, std::filesystem::file_size(file) - 1);
    EXPECT_EQ(OpenMessage(dir.path(), DataFileId::OrvFile),
              "数据文件“OrvFile.dll”已损坏：内容与生成时的校验值不符：" + file.string());
    DataStore damaged(dir.path().string());
    EXPECT_THROW(OrvFile(damaged).NumberMeaning("1"), DataFileError);

    // An edit made and sealed as by the builder is read as it stands.
    FlipBit(file, std::filesystem::file_size(file) - 1);
    ASSERT_EQ(korvani::testing::EditDataFile(file, "update namefx set nr = '改过' where num = '1'"), "");
    DataStore store(dir.path().string());
    EXPECT_EQ(OrvFile(store).NumberMeaning("1"), "改过");
}
