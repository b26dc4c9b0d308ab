#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvani::base {

// Decodes the code point that starts at `pos` and advances `pos` past it. Returns nullopt for a
// malformed sequence (overlong forms, surrogates, values past U+10FFFF); `pos` then moves one byte.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos);

void AppendUtf8(std::string& out, char32_t cp);

bool IsValidUtf8(std::string_view text);

// The text cut into its characters (code points), each as its own UTF-8 string.
std::vector<std::string> SplitCharacters(std::string_view text);

// Number of characters (code points) of a valid UTF-8 text.
std::size_t CharacterCount(std::string_view text);

} // namespace korvani::base
