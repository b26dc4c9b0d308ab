#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/Errors.h"

// The GBK code page (936), compiled in. The program works in UTF-8; it turns to GBK bytes only
// where its rules are defined on bytes: two-byte units, byte positions and lengths of inputs,
// and the report files it saves.
namespace korvani::base {

// A character that GBK cannot hold. Reported as such: never replaced or dropped.
class GbkEncodeError : public KorvaniError {
public:
    explicit GbkEncodeError(char32_t codePoint);
    char32_t codePoint() const { return m_codePoint; }

private:
    char32_t m_codePoint;
};

// The Unicode code point of a double-byte GBK code, or 0 where the code holds no character.
char32_t GbkDecodePair(std::uint8_t lead, std::uint8_t trail);

// The GBK bytes of one code point: one byte for ASCII and for the euro sign (0x80), two bytes for
// the rest; nullopt when GBK has no code for it.
std::optional<std::uint16_t> GbkEncodeCodePoint(char32_t cp);

// UTF-8 → GBK. Throws GbkEncodeError for the first character that GBK cannot hold, and for
// malformed UTF-8 (as U+FFFD).
std::string Utf8ToGbk(std::string_view utf8);

// True when every character of the UTF-8 text has a GBK code; else the first one that has none.
std::optional<char32_t> FirstNonGbkCharacter(std::string_view utf8);

// GBK → UTF-8. A byte sequence that is no GBK code becomes U+FFFD (a lone lead byte at the end too).
std::string GbkToUtf8(std::string_view gbk);

// Byte length of the text in GBK (2 for a Chinese character, 1 for ASCII). Throws GbkEncodeError.
std::size_t GbkByteLength(std::string_view utf8);

} // namespace korvani::base
