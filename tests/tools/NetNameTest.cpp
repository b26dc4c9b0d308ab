#include <gtest/gtest.h>

#include <map>

#include "base/Gbk.h"
#include "tools/NetName.h"
#include "tools/NetNameTables.h"

using namespace korvani::tools;
using korvani::base::GbkEncodeError;

namespace {

std::string Phrase(char letter) { return std::string(NetNamePhrases[letter - 'a']); }

} // namespace

TEST(PinyinInitials, CharactersLettersDigitsAndSymbols) {
    const std::map<std::string, std::string> cases = {
        {"小明", "XM"},
        {"张中华", "ZZH"},
        {"abc", "ABC"},
        {"a-b c!", "ABC"},
        {"Ａｂ１", "Ab1"},            // full-width letters and digits, case kept
        {"＃＠", ""},                 // full-width punctuation gives nothing
        {"①⑤⑩", "1510"},              // circled numbers give their digits
        {"ⅰⅹ⒛⑴⒇㈩Ⅻ", "110201201012"}, // 1 10 20 1 20 10 12
        {"ΘΩ", "THO"},                // Greek letters in their Latin spelling
        {"θφψ", "THPHPS"},
        {"。", "?"},       // CJK punctuation has no reading
        {"あ", "?"},       // nor kana
        {"︵", "?"},       // nor the vertical punctuation of row A6
        {"佛给髟", "FGB"}, // the three mended characters
        {"女绿", "NL"},
        {"€", ""}, // the single byte 0x80
    };
    for (const auto& [text, initials] : cases)
        EXPECT_EQ(PinyinInitials(text, 255), initials) << text;
    EXPECT_EQ(PinyinInitials("小明小明", 3), "XMX");
    EXPECT_EQ(PinyinInitials(std::string(300, 'a'), 255), std::string(255, 'A'));
    EXPECT_THROW(PinyinInitials("小明😀", 255), GbkEncodeError);
}

// Bytes that no UTF-8 text turns into, walked as the rules say.
TEST(PinyinInitials, RawGbkBytes) {
    EXPECT_EQ(PinyinInitialsOfGbk("\xA2\x50", 255), "?");          // row A2 below its numerals
    EXPECT_EQ(PinyinInitialsOfGbk("\xA2\xAB", 255), "");           // an unassigned numeral code
    EXPECT_EQ(PinyinInitialsOfGbk("A\x81", 255), "A");             // a lead byte at the end
    EXPECT_EQ(PinyinInitialsOfGbk("\x81\x30", 255), "0");          // a lead byte before a digit
    EXPECT_EQ(PinyinInitialsOfGbk("\xB0\x7F", 255), "?");          // the hole at trail 0x7F
    EXPECT_EQ(PinyinInitialsOfGbk("\xFF\xA1", 255), "?");          // a lead past the index
    EXPECT_EQ(PinyinInitialsOfGbk("\xA3\x40", 255), "");           // row A3 below its ASCII forms
    EXPECT_EQ(PinyinInitialsOfGbk("\xD0\xA1\xC3\xF7", 255), "XM"); // 小明
}

// The phrase follows the last initial, digits reading as letters.
TEST(NetNamePersonality, TheLastCharacterChoosesThePhrase) {
    const std::map<std::string, char> cases = {
        {"小明", 'm'},  {"明", 'm'},  {"abc", 'c'}, {"3c", 'c'},   {"张三1", 'a'},  {"张三0", 'j'},
        {"张三9", 'i'}, {"小⑤", 'e'}, {"小⑩", 'j'}, {"abc!", 'c'}, {"小明!!", 'm'}, {"Θ", 'h'},
        {"小佛", 'f'},  {"fo", 'o'},  {"ZZ", 'z'},  {"Ａ", 'a'},   {"Ⅻ", 'b'},      {"小明 ", 'm'},
    };
    for (const auto& [name, letter] : cases)
        EXPECT_EQ(NetNamePersonality(name), Phrase(letter)) << name;
    for (const char* none : {"", "小明。", "!!!", "。", "あ", "＃"})
        EXPECT_EQ(NetNamePersonality(none), "") << none;
    for (char c = 'a'; c <= 'z'; ++c) {
        EXPECT_EQ(NetNamePersonality(std::string(1, c)), Phrase(c));
        EXPECT_EQ(NetNamePersonality(std::string(1, static_cast<char>(c - 'a' + 'A'))), Phrase(c));
    }
    EXPECT_THROW(NetNamePersonality("😀"), GbkEncodeError);
}

TEST(NetNameReading, TheWindowsTwoLines) {
    const auto xiaoming = NetNameReading("  小明 ");
    ASSERT_TRUE(xiaoming);
    EXPECT_EQ(xiaoming->name, "你的网名：小明");
    EXPECT_EQ(xiaoming->personality, "你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱");
    // The phrases of f and h are shown without their blanks.
    EXPECT_EQ(NetNameReading("阿福")->personality, "你的性格：有抱负，志气高");
    EXPECT_EQ(NetNameReading("8")->personality, "你的性格：自立，自强，可依靠");
    // Nothing to read: the line stays bare.
    EXPECT_EQ(NetNameReading("小明。")->personality, "你的性格：");
    EXPECT_EQ(NetNameReading("?!")->personality, "你的性格：");
    EXPECT_EQ(NetNameReading("小明😀")->personality, "请重新输入网名，请不要输入特殊字符！");
    EXPECT_FALSE(NetNameReading(""));
    EXPECT_FALSE(NetNameReading(" \t "));
}
