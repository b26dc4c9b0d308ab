#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/Gbk.h"
#include "base/Text.h"
#include "base/Utf8.h"
#include "tools/NetNameTables.h"

using namespace korvani::tools;
using korvani::base::GbkDecodePair;

namespace {

std::string_view SyllableOf(const std::string& character) {
    const std::string gbk = korvani::base::Utf8ToGbk(character);
    return SyllableOfGbkCode(static_cast<std::uint8_t>(gbk[0]), static_cast<std::uint8_t>(gbk[1]));
}

bool IsIdeograph(char32_t cp) {
    return (cp >= 0x3400 && cp <= 0x4DBF) || (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0xF900 && cp <= 0xFAFF);
}

} // namespace

TEST(PinyinSyllableTable, SortedLowerCaseSyllablesEachOneUsed) {
    EXPECT_EQ(PinyinSyllableTable.size(), 412u);
    EXPECT_TRUE(std::is_sorted(PinyinSyllableTable.begin(), PinyinSyllableTable.end()));
    EXPECT_EQ(std::adjacent_find(PinyinSyllableTable.begin(), PinyinSyllableTable.end()), PinyinSyllableTable.end());
    for (std::string_view s : PinyinSyllableTable) {
        EXPECT_TRUE(s.size() >= 1 && s.size() <= 6) << s;
        EXPECT_TRUE(std::all_of(s.begin(), s.end(), [](char c) { return c >= 'a' && c <= 'z'; })) << s;
    }
    // ü is written v.
    for (const char* s : {"lv", "nv", "lve", "nve"})
        EXPECT_TRUE(std::binary_search(PinyinSyllableTable.begin(), PinyinSyllableTable.end(), s)) << s;
    std::set<int> used(GbkPinyinIndex.begin(), GbkPinyinIndex.end());
    used.erase(0);
    EXPECT_EQ(used.size(), PinyinSyllableTable.size());
    EXPECT_EQ(*used.rbegin(), static_cast<int>(PinyinSyllableTable.size()));
}

// Every Chinese character of GBK that has a reading in Unihan carries its syllable; the 22 without
// one, and every symbol code, carry none.
TEST(GbkPinyinIndex, EveryChineseCharacterWithAReadingHasItsSyllable) {
    const std::u32string withoutReading = U"兙兡嗧桛烪瓧瓰瓱瓼甅\uFA0E\uFA0F\uFA11\uFA13\uFA14\uFA1F\uFA21\uFA23\uFA24"
                                          U"\uFA27\uFA28\uFA29";
    int read = 0;
    int unread = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char32_t cp = GbkDecodePair(static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(trail));
            const bool hasSyllable = GbkPinyinIndex[(lead - 0x81) * 191 + (trail - 0x40)] != 0;
            if (!IsIdeograph(cp)) {
                EXPECT_FALSE(hasSyllable) << std::hex << lead << trail;
            } else if (withoutReading.find(cp) != std::u32string::npos) {
                EXPECT_FALSE(hasSyllable) << std::hex << static_cast<std::uint32_t>(cp);
                ++unread;
            } else {
                EXPECT_TRUE(hasSyllable) << std::hex << static_cast<std::uint32_t>(cp);
                ++read;
            }
        }
    }
    EXPECT_EQ(read, 20901);
    EXPECT_EQ(unread, 22);
}

TEST(GbkPinyinIndex, EverydayAndMendedCharacters) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"小", "xiao"},
        {"明", "ming"},
        {"张", "zhang"},
        {"中", "zhong"},
        {"女", "nv"},
        {"绿", "lv"},
        {"略", "lve"},
        {"双", "shuang"},
        {"庄", "zhuang"},
        {"阿", "a"},
        {"嗯", "n"},
        // The three characters that the older table left without a reading.
        {"佛", "fo"},
        {"给", "gei"},
        {"髟", "biao"},
        // A compatibility ideograph reads as its unified form.
        {"\uF92C", "lang"},
    };
    for (const auto& [character, syllable] : expected)
        EXPECT_EQ(SyllableOf(character), syllable) << character;
    for (const char* symbol : {"。", "，", "Α", "а", "─", "あ", "〇"})
        EXPECT_EQ(SyllableOf(symbol), "") << symbol;
}

// Row A2: each numeral stands for the digits of its value, checked against the Unicode blocks the
// codes decode to.
TEST(NumeralDigits, EachNumeralOfRowA2GivesItsValue) {
    struct Run {
        char32_t first;
        int count;
    };
    const Run runs[] = {{0x2170, 10}, {0x2488, 20}, {0x2474, 20}, {0x2460, 10}, {0x3220, 10}, {0x2160, 12}};
    int numerals = 0;
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
        const char32_t cp = GbkDecodePair(0xA2, static_cast<std::uint8_t>(trail));
        std::string value;
        for (const Run& run : runs)
            if (cp >= run.first && cp < run.first + run.count)
                value = std::to_string(cp - run.first + 1);
        EXPECT_EQ(NumeralDigits[trail - 0xA1], value) << std::hex << trail;
        numerals += !value.empty();
    }
    EXPECT_EQ(numerals, 82);
}

TEST(GreekLetters, BothRowsOfRowA6ShareTheSpellings) {
    for (int i = 0; i < kGreekLetterCount; ++i) {
        const char32_t capital = GbkDecodePair(0xA6, static_cast<std::uint8_t>(0xA1 + i));
        const char32_t small = GbkDecodePair(0xA6, static_cast<std::uint8_t>(0xC1 + i));
        EXPECT_TRUE(capital >= 0x391 && capital <= 0x3A9) << i;
        EXPECT_EQ(small, capital + 0x20) << i;
        EXPECT_FALSE(GreekLetters[i].empty());
    }
    EXPECT_EQ(GreekLetters[7], "th");  // Θ
    EXPECT_EQ(GreekLetters[6], "e");   // Η
    EXPECT_EQ(GreekLetters[20], "ph"); // Φ
    EXPECT_EQ(GreekLetters[21], "kh"); // Χ
    EXPECT_EQ(GreekLetters[22], "ps"); // Ψ
    EXPECT_EQ(GreekLetters[23], "o");  // Ω
}

TEST(NetNamePhrases, TwentySixPhrasesInGbk) {
    for (std::string_view phrase : NetNamePhrases) {
        EXPECT_FALSE(korvani::base::Trim(phrase).empty());
        EXPECT_NO_THROW(korvani::base::Utf8ToGbk(phrase)) << phrase;
    }
    EXPECT_EQ(NetNamePhrases[5], " 有抱负，志气高");
    EXPECT_EQ(NetNamePhrases[7], " 自立，自强，可依靠 ");
}
