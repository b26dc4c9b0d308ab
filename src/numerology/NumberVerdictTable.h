#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The 81-number numerology (八十一数理) built into the program. The table lists the traditional
// numbers 1 to 81 in their order: entry 0 is number 1 (大展鸿图), entry 17 number 18, entry 80
// number 81 (最极之数, 还本归元). A number is read by its remainder modulo 81, and remainder 0 is 81.
namespace korvani::numerology {

struct NumberVerdictEntry {
    std::string_view phrase;  // four clauses joined by "，"
    std::string_view verdict; // 吉, 凶, 吉带凶 or 凶带吉
    int personalityType;      // 1 to 9
};

inline constexpr int kNumberCount = 81;
inline constexpr int kPersonalityTypeCount = 9;

// The 81 entries: entry i holds the traditional number i + 1.
extern const std::array<NumberVerdictEntry, kNumberCount> kNumberVerdictEntries;

// The personality texts, index 0 for type 1: "主人性格类型：[title]，其具体表现为：" and two or three
// sentences.
extern const std::array<std::string_view, kPersonalityTypeCount> kPersonalityTexts;

// The answer for a number that has no entry (a negative number that 81 does not divide).
inline constexpr std::string_view kNoNumberVerdictText = "对不起,此号不在分解之类。";

// A number's place among the 81: the remainder modulo 81, so 81 gives 0 and 82 gives 1.
// Stroke totals are never negative; a negative number is taken into 0..80 all the same.
int NumberRemainder(std::int64_t number);

// The entry that holds the traditional number with this remainder (0..80): remainder r reads as
// the traditional number r, and remainder 0 as 81, so r = 1 gives entry 0 and r = 0 entry 80.
// Every reading of a number's verdict goes through here.
constexpr int TraditionalEntryIndex(int remainder) {
    return (remainder + kNumberCount - 1) % kNumberCount;
}

// The entry of a number's traditional reading (the number reduced modulo 81 first).
const NumberVerdictEntry& TraditionalNumberEntry(std::int64_t number);

// Entry i as stored: phrase, "|", verdict, "|", personality text.
const std::string& NumberVerdictEntryText(int entry);

} // namespace korvani::numerology
