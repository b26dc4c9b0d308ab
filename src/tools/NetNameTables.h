#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The constant tables of the net-name reading: pinyin syllables and their index over the GBK
// double-byte codes, the numerals and Greek letters of GBK's symbol rows, and the 26 phrases.
namespace korvani::tools {

// The syllables that the readings of GBK's Chinese characters need, in alphabetical order, at most
// six lower-case letters, ü written v (lv, nve). Syllable n (counted from 1) is entry n - 1.
inline constexpr int kPinyinSyllableCount = 412;
extern const std::array<std::string_view, kPinyinSyllableCount> PinyinSyllableTable;

// One entry per GBK double-byte code, lead byte 0x81..0xFE and trail byte 0x40..0xFE, at
// (lead - 0x81) × 191 + (trail - 0x40): the number of the character's syllable, 0 for a code
// without a reading (symbols, and the few ideographs that have none).
inline constexpr int kGbkPinyinIndexSize = 126 * 191;
extern const std::array<std::uint16_t, kGbkPinyinIndexSize> GbkPinyinIndex;

// The syllable of a double-byte code, empty when it has none (or lies outside the index).
std::string_view SyllableOfGbkCode(std::uint8_t lead, std::uint8_t trail);

// GBK row A2, trail bytes 0xA1..0xFE (entry trail - 0xA1): the decimal digits of each numeral's
// value (ⅰ–ⅹ, ⒈–⒛, ⑴–⒇, ①–⑩, ㈠–㈩, Ⅰ–Ⅻ); empty for the unassigned codes.
inline constexpr int kNumeralDigitsCount = 0xFE - 0xA1 + 1;
extern const std::array<std::string_view, kNumeralDigitsCount> NumeralDigits;

// GBK row A6: the Latin spelling of the 24 Greek letters, Α to Ω; capitals at trail 0xA1..0xB8 and
// small letters at 0xC1..0xD8 share it (entry trail - 0xA1, or trail - 0xC1).
inline constexpr int kGreekLetterCount = 24;
extern const std::array<std::string_view, kGreekLetterCount> GreekLetters;

// The personality phrase of each last letter a to z (entry letter - 'a'), as stored: a few carry
// blanks at their ends, which are removed when the phrase is shown.
extern const std::array<std::string_view, 26> NetNamePhrases;

} // namespace korvani::tools
