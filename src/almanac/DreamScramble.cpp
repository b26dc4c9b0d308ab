#include "almanac/DreamScramble.h"

#include <algorithm>

#include "base/Gbk.h"

namespace korvani::almanac {

namespace {

// Value of a hexadecimal digit, or -1.
int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The text as the old program held it: GBK bytes. A text GBK cannot hold is taken byte for byte;
// its non-ASCII bytes are no digits either way.
std::string GbkBytesOf(std::string_view text) {
    // A stored text is plain ASCII, the same bytes in GBK.
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::string(text);
    if (base::FirstNonGbkCharacter(text))
        return std::string(text);
    return base::Utf8ToGbk(text);
}

std::uint8_t High(std::uint16_t key) { return static_cast<std::uint8_t>(key >> 8); }
std::uint8_t Low(std::uint16_t key) { return static_cast<std::uint8_t>(key & 0xFF); }

} // namespace

std::string HexToBytes(std::string_view text, const BadPairSignal& onBadPair) {
    const std::string bytes = GbkBytesOf(text);
    const std::size_t pairs = bytes.size() / 2;
    std::string out;
    out.reserve(pairs);
    for (std::size_t i = 0; i < pairs; ++i) {
        const int high = DigitValue(bytes[2 * i]);
        const int low = DigitValue(bytes[2 * i + 1]);
        if (high < 0 || low < 0) {
            if (onBadPair)
                onBadPair();
            continue;
        }
        out += static_cast<char>(high << 4 | low);
    }
    return out;
}

std::string BytesToHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

std::string UnscrambleBytes(std::string bytes, std::uint16_t key, int times) {
    const std::size_t n = bytes.size();
    if (n < 2)
        return bytes;
    auto* b = reinterpret_cast<std::uint8_t*>(bytes.data());
    const std::uint8_t kh = High(key);
    const std::uint8_t kl = Low(key);
    for (int round = 0; round < times; ++round) {
        for (std::size_t i = 1; i < n; ++i)
            b[i] = static_cast<std::uint8_t>((b[i - 1] + b[i]) ^ kh);
        for (std::size_t i = n - 1; i-- > 0;)
            b[i] = static_cast<std::uint8_t>((b[i + 1] + b[i]) ^ kl);
    }
    return bytes;
}

std::string ScrambleBytes(std::string bytes, std::uint16_t key, int times) {
    const std::size_t n = bytes.size();
    if (n < 2)
        return bytes;
    auto* b = reinterpret_cast<std::uint8_t*>(bytes.data());
    const std::uint8_t kh = High(key);
    const std::uint8_t kl = Low(key);
    // Each round undoes the backward pass, then the forward pass. Every step needs the neighbour's
    // value as the pass left it, which is the one still in place when walking against the pass.
    for (int round = 0; round < times; ++round) {
        for (std::size_t i = 0; i + 1 < n; ++i)
            b[i] = static_cast<std::uint8_t>((b[i] ^ kl) - b[i + 1]);
        for (std::size_t i = n - 1; i > 0; --i)
            b[i] = static_cast<std::uint8_t>((b[i] ^ kh) - b[i - 1]);
    }
    return bytes;
}

std::string UnscrambleText(std::string_view text, std::uint16_t key, int times, const BadPairSignal& onBadPair) {
    return base::GbkToUtf8(UnscrambleBytes(HexToBytes(text, onBadPair), key, times));
}

std::string ScrambleText(std::string_view text, std::uint16_t key, int times) {
    return BytesToHex(ScrambleBytes(base::Utf8ToGbk(text), key, times));
}

} // namespace korvani::almanac
