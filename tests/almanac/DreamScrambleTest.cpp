#include <gtest/gtest.h>

#include <random>

#include "DreamTexts.h"
#include "almanac/DreamScramble.h"
#include "base/Gbk.h"
#include "data/Dream.h"
#include "support/TestDataDir.h"

using namespace korvani::almanac;

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

} // namespace

// Worked by hand from the two passes: forward with the key's high byte, then backward with its low byte.
TEST(DreamScramble, OneRoundWorkedByHand) {
    // forward (KH 0x10): b2 = (01 + 02) ^ 10 = 13, b3 = (13 + 03) ^ 10 = 06;
    // backward (KL 0x20): b2 = (06 + 13) ^ 20 = 39, b1 = (39 + 01) ^ 20 = 1A.
    EXPECT_EQ(UnscrambleBytes(Bytes({0x01, 0x02, 0x03}), 0x1020, 1), Bytes({0x1A, 0x39, 0x06}));
    // Sums wrap at 256: FF + FF = FE; with key 0: FE, then FE + FF = FD.
    EXPECT_EQ(UnscrambleBytes(Bytes({0xFF, 0xFF}), 0x0000, 1), Bytes({0xFD, 0xFE}));
    // With key FFFF: (FF + FF) ^ FF = 01, then (01 + FF) ^ FF = FF.
    EXPECT_EQ(UnscrambleBytes(Bytes({0xFF, 0xFF}), 0xFFFF, 1), Bytes({0xFF, 0x01}));
    // Two rounds are the one round twice.
    EXPECT_EQ(UnscrambleBytes(Bytes({0x01, 0x02, 0x03}), 0x1020, 2),
              UnscrambleBytes(Bytes({0x1A, 0x39, 0x06}), 0x1020, 1));
    // Zero rounds change nothing; a text of one byte or none passes unchanged whatever the key.
    EXPECT_EQ(UnscrambleBytes(Bytes({0x01, 0x02}), 0x1020, 0), Bytes({0x01, 0x02}));
    EXPECT_EQ(UnscrambleBytes("A", 0xFFFF, 7), "A");
    EXPECT_EQ(UnscrambleBytes("", 0xFFFF, 7), "");
}

// Scrambling is the exact inverse, both ways round, for random byte strings of every short length
// and a long one, under keys that stress each byte of the key.
TEST(DreamScramble, RoundTripOnRandomBytes) {
    std::mt19937 random(20240517);
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t length : {0u, 1u, 2u, 3u, 4u, 17u, 256u, 5000u}) {
        for (std::uint16_t key :
             {std::uint16_t{0}, std::uint16_t{0x00FF}, std::uint16_t{0xFF00}, DreamTextKey, std::uint16_t{0xFFFF}}) {
            for (int times : {1, kDreamTextRounds}) {
                std::string bytes;
                for (std::size_t i = 0; i < length; ++i)
                    bytes += static_cast<char>(byte(random));
                const std::string scrambled = ScrambleBytes(bytes, key, times);
                EXPECT_EQ(UnscrambleBytes(scrambled, key, times), bytes) << length << " " << key << " " << times;
                EXPECT_EQ(ScrambleBytes(UnscrambleBytes(bytes, key, times), key, times), bytes);
                EXPECT_EQ(HexToBytes(BytesToHex(scrambled)), scrambled);
                if (length >= 4) {
                    EXPECT_NE(scrambled, bytes) << "a scramble that changes nothing hides nothing";
                }
            }
        }
    }
}

TEST(DreamScramble, TextsRoundTripThroughGbk) {
    const std::string text = "梦见蛇，多主财运；A-1 “引号” ☆";
    const std::string stored = ScrambleText(text, DreamTextKey, kDreamTextRounds);
    EXPECT_EQ(stored.size(), 2 * korvani::base::GbkByteLength(text));
    EXPECT_EQ(stored.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(UnscrambleText(stored, DreamTextKey, kDreamTextRounds), text);
    // Another key or another number of rounds gives another text.
    EXPECT_NE(UnscrambleText(stored, DreamTextKey ^ 1, kDreamTextRounds), text);
    EXPECT_NE(UnscrambleText(stored, DreamTextKey, kDreamTextRounds - 1), text);
    EXPECT_THROW(ScrambleText("梦😀", DreamTextKey, kDreamTextRounds), korvani::base::GbkEncodeError);
}

struct HexCase {
    const char* text;
    std::string bytes;
    int badPairs;
};

class HexToBytesTest : public testing::TestWithParam<HexCase> {};

TEST_P(HexToBytesTest, ReadsPairsSkipsBadOnesAndIgnoresAnOddLastCharacter) {
    int beeps = 0;
    EXPECT_EQ(HexToBytes(GetParam().text, [&] { ++beeps; }), GetParam().bytes) << GetParam().text;
    EXPECT_EQ(beeps, GetParam().badPairs) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Pairs, HexToBytesTest,
                         testing::Values(HexCase{"", "", 0}, HexCase{"4", "", 0}, HexCase{"41", "A", 0},
                                         HexCase{"414", "A", 0}, HexCase{"4a6B", "Jk", 0},
                                         HexCase{"00FF", std::string("\0\xFF", 2), 0}, HexCase{"41ZZ42", "AB", 1},
                                         HexCase{"G1", "", 1}, HexCase{"1G2H", "", 2}, HexCase{"  41", "A", 1},
                                         HexCase{"0x41", "A", 1}, HexCase{"+1-141", "A", 2},
                                         // Full-width letters are two GBK bytes each: two pairs, neither a number.
                                         HexCase{"ＡＢ", "", 2}, HexCase{"４１41", "A", 2}, HexCase{"41梦", "A", 1}));

// Every entry of the built dream.dll unscrambles to its readable source, and the sources scramble to
// exactly what is stored, in the same order and categories.
TEST(DreamScramble, EveryStoredEntryRoundTrips) {
    const auto sources =
        korvani::refdata::ReadDreamSources(std::filesystem::path(KORVANI_SOURCE_DIR) / "refdata" / "texts" / "dream");
    korvani::data::DataStore store(korvani::testing::BuiltDataDir().string());
    const std::vector<korvani::data::DreamRow> rows = korvani::data::Dream(store).DreamRows();
    ASSERT_EQ(rows.size(), sources.entries.size());
    ASSERT_GE(rows.size(), 1500u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& source = sources.entries[i];
        EXPECT_EQ(rows[i].categoryKey, source.categoryKey) << i;
        EXPECT_EQ(rows[i].title, source.title) << i;
        int beeps = 0;
        EXPECT_EQ(UnscrambleText(rows[i].text, DreamTextKey, kDreamTextRounds, [&] { ++beeps; }), source.text)
            << source.title;
        EXPECT_EQ(beeps, 0) << source.title;
        EXPECT_EQ(ScrambleText(source.text, DreamTextKey, kDreamTextRounds), rows[i].text) << source.title;
    }
}
