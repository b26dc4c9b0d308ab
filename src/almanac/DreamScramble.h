#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The stored form of the dream texts: the GBK bytes of a text, scrambled by two chained passes
// repeated a number of times, written as hexadecimal digit pairs. The data builder scrambles, the
// program unscrambles; the one undoes the other exactly.
namespace korvani::almanac {

// The key of the dream texts of dream.dll: high byte 0x4B, low byte 0x56 ("KV").
inline constexpr std::uint16_t DreamTextKey = 0x4B56;
// How many times the two passes run over a stored text.
inline constexpr int kDreamTextRounds = 7;

// Called once for each digit pair that is no hexadecimal number (the window sounds the beep).
using BadPairSignal = std::function<void()>;

// The bytes of hexadecimal digit pairs, taken over the text's GBK bytes: a final odd character is
// ignored, a pair that is no hexadecimal number signals and is skipped. Either case of A-F reads.
std::string HexToBytes(std::string_view text, const BadPairSignal& onBadPair = {});

// Upper-case hexadecimal pairs of the bytes (the stored form).
std::string BytesToHex(std::string_view bytes);

// `times` rounds of the forward pass (b[i] = (b[i-1] + b[i]) mod 256 xor the key's high byte, from the
// second byte on) and the backward pass (b[i] = (b[i+1] + b[i]) mod 256 xor its low byte, from the
// last but one down to the first). A text of one byte passes unchanged.
std::string UnscrambleBytes(std::string bytes, std::uint16_t key, int times);
// The exact inverse of UnscrambleBytes with the same key and times.
std::string ScrambleBytes(std::string bytes, std::uint16_t key, int times);

// A stored text (hexadecimal pairs) back to readable text: its bytes unscrambled and read as GBK.
std::string UnscrambleText(std::string_view text, std::uint16_t key, int times, const BadPairSignal& onBadPair = {});
// A readable text to its stored form. Throws base::GbkEncodeError for a character GBK cannot hold.
std::string ScrambleText(std::string_view text, std::uint16_t key, int times);

} // namespace korvani::almanac
