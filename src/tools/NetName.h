#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// 网名与性格: a net name read through the pinyin initials of its characters.
namespace korvani::tools {

// The initials string of a text's GBK bytes, walked from the first byte:
// - a single byte (below 0x81, or a lead byte without a trail byte of 0x40 or more after it): an
//   ASCII digit or letter in upper case, anything else nothing;
// - a double-byte code in row A2: the digits of its numeral (nothing for the other codes of the
//   row), "?" for a trail byte below 0xA1;
// - row A3 (full-width ASCII): the digit or letter it stands for, case kept; anything else nothing;
// - row A6: a Greek letter's Latin spelling in upper case; "?" for the row's other symbols
//   (vertical punctuation), as for the other punctuation;
// - any other code: the first letter of its syllable in upper case, "?" when it has none.
// The result is cut to `limit` characters.
std::string PinyinInitialsOfGbk(std::string_view gbk, std::size_t limit);

// The same for a UTF-8 text. Throws base::GbkEncodeError for a character that GBK cannot hold.
std::string PinyinInitials(std::string_view text, std::size_t limit);

// The personality phrase of a net name as stored (blanks at its ends kept), by the last character
// of its initials with the digits read as letters (1 A, 2 B, … 9 I, 0 J); empty for an empty name
// and when that character is no letter ("?" of punctuation, or nothing at all). Throws
// base::GbkEncodeError for a character that GBK cannot hold.
std::string NetNamePersonality(std::string_view name);

inline constexpr std::string_view kNetNameEmptyMessage = "请输入你的网名！";
inline constexpr std::string_view kNetNameFailedText = "请重新输入网名，请不要输入特殊字符！";

// The window's two result lines: "你的网名：" + the name, and "你的性格：" + the phrase without its
// end blanks, or kNetNameFailedText when the name cannot be read.
struct NetNameLines {
    std::string name;
    std::string personality;
};

// The reading of the entry as typed: nullopt when it is empty once trimmed (the window then shows
// kNetNameEmptyMessage).
std::optional<NetNameLines> NetNameReading(std::string_view entry);

} // namespace korvani::tools
