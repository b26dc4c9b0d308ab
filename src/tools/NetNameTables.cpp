#include "tools/NetNameTables.h"

namespace korvani::tools {

const std::array<std::string_view, kPinyinSyllableCount> PinyinSyllableTable = {
#include "tools/PinyinSyllableTable.inc"
};

const std::array<std::uint16_t, kGbkPinyinIndexSize> GbkPinyinIndex = {
#include "tools/GbkPinyinIndex.inc"
};

std::string_view SyllableOfGbkCode(std::uint8_t lead, std::uint8_t trail) {
    if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE)
        return {};
    const std::uint16_t syllable = GbkPinyinIndex[(lead - 0x81) * 191 + (trail - 0x40)];
    return syllable == 0 ? std::string_view() : PinyinSyllableTable[syllable - 1];
}

namespace {

constexpr std::array<std::string_view, 21> kDecimal = {"",   "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9", "10",
                                                       "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"};

// The runs of numerals in row A2: first trail byte and how many, each run counting from 1.
constexpr auto kNumeralDigits = [] {
    std::array<std::string_view, kNumeralDigitsCount> table{};
    const auto run = [&](int firstTrail, int count) {
        for (int value = 1; value <= count; ++value)
            table[firstTrail - 0xA1 + value - 1] = kDecimal[value];
    };
    run(0xA1, 10); // ⅰ..ⅹ small Roman numerals
    run(0xB1, 20); // ⒈..⒛ numbers with a full stop
    run(0xC5, 20); // ⑴..⒇ parenthesised numbers
    run(0xD9, 10); // ①..⑩ circled numbers
    run(0xE5, 10); // ㈠..㈩ parenthesised ideographs
    run(0xF1, 12); // Ⅰ..Ⅻ Roman numerals
    return table;
}();

} // namespace

const std::array<std::string_view, kNumeralDigitsCount> NumeralDigits = kNumeralDigits;

// Α Β Γ Δ Ε Ζ Η Θ Ι Κ Λ Μ Ν Ξ Ο Π Ρ Σ Τ Υ Φ Χ Ψ Ω, in the order of row A6.
const std::array<std::string_view, kGreekLetterCount> GreekLetters = {
    "a", "b", "g", "d", "e", "z", "e", "th", "i",  "k",  "l",  "m",
    "n", "x", "o", "p", "r", "s", "t", "u",  "ph", "kh", "ps", "o",
};

const std::array<std::string_view, 26> NetNamePhrases = {
    "好奇心强，专一",                                             // a
    "老实，沉默",                                                 // b
    "可爱，较明显的自恋",                                         // c
    "温柔，乖巧",                                                 // d
    "会拍马屁，攀关系",                                           // e
    " 有抱负，志气高",                                            // f
    "大丈夫主义者",                                               // g
    " 自立，自强，可依靠 ",                                       // h
    " 有点懒惰",                                                  // i
    " 煽情高手",                                                  // j
    "古怪，求新",                                                 // k
    "圆滑",                                                       // l
    "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱", // m
    "不贪图安逸，能想到别人想不到的东西",                         // n
    "勤劳肯干，活跃",                                             // o
    "认为朋友和恋人是最重要的，是他们的特点",                     // p
    "超级赶时髦者，无敌扫旧派",                                   // q
    "固执，略有才气",                                             // r
    "心胸宽大，有深藏不露的自恋",                                 // s
    "热爱青春，喜欢活力",                                         // t
    "不耻下问",                                                   // u
    "好静，有点表里不一",                                         // v
    "比较糊涂，容易感情用事",                                     // w
    "有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",         // x
    "乐天派呀！非同一般的乐天",                                   // y
    "老实，想问题容易兜圈子",                                     // z
};

} // namespace korvani::tools
