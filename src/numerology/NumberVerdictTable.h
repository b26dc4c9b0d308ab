#pragma once

#include <array>
#include <string>
#include <string_view>

// The 81-number numerology (八十一数理) built into the program: a verdict for every remainder of a
// number modulo 81. Entry 0 is the one that 81 and its multiples reach.
namespace korvani::numerology {

struct NumberVerdictEntry {
    std::string_view phrase;  // four clauses joined by "，"
    std::string_view verdict; // 吉, 凶, 吉带凶 or 凶带吉
    int personalityType;      // 1 to 9
};

inline constexpr int kNumberCount = 81;
inline constexpr int kPersonalityTypeCount = 9;

// The 81 entries, indexed by remainder.
extern const std::array<NumberVerdictEntry, kNumberCount> kNumberVerdictEntries;

// The personality texts, index 0 for type 1: "主人性格类型：[title]，其具体表现为：" and two or three
// sentences.
extern const std::array<std::string_view, kPersonalityTypeCount> kPersonalityTexts;

// The answer for a number that has no entry (a negative number that 81 does not divide).
inline constexpr std::string_view kNoNumberVerdictText = "对不起,此号不在分解之类。";

// Entry r as stored: phrase, "|", verdict, "|", personality text.
const std::string& NumberVerdictText(int remainder);

} // namespace korvani::numerology
