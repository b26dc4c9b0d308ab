#include "base/Gbk.h"

#include <array>
#include <fmt/format.h>
#include <memory>

#include "base/Utf8.h"

namespace korvani::base {

namespace {

constexpr std::uint8_t kFirstLead = 0x81;
constexpr std::uint8_t kLastLead = 0xFE;
constexpr std::uint8_t kFirstTrail = 0x40;
constexpr std::uint8_t kLastTrail = 0xFE;
constexpr int kTrailSpan = kLastTrail - kFirstTrail + 1; // 191, trail 0x7F included as a hole
constexpr char32_t kEuroSign = 0x20AC;                   // the one single-byte extra of code page 936
constexpr std::uint8_t kEuroByte = 0x80;

// Code point of each double-byte code, index (lead - 0x81) * 191 + (trail - 0x40); 0 = no character.
constexpr std::uint16_t kDoubleByteTable[] = {
#include "base/GbkTable.inc"
};
static_assert(std::size(kDoubleByteTable) == (kLastLead - kFirstLead + 1) * kTrailSpan);

// BMP code point → GBK code (lead << 8 | trail); 0 = none. Built once from the table above.
const std::array<std::uint16_t, 0x10000>& ReverseTable() {
    static const auto table = [] {
        auto reverse = std::make_unique<std::array<std::uint16_t, 0x10000>>();
        reverse->fill(0);
        for (int i = 0; i < static_cast<int>(std::size(kDoubleByteTable)); ++i) {
            const std::uint16_t cp = kDoubleByteTable[i];
            if (cp != 0 && (*reverse)[cp] == 0) {
                const int lead = kFirstLead + i / kTrailSpan;
                const int trail = kFirstTrail + i % kTrailSpan;
                (*reverse)[cp] = static_cast<std::uint16_t>(lead << 8 | trail);
            }
        }
        return reverse;
    }();
    return *table;
}

} // namespace

GbkEncodeError::GbkEncodeError(char32_t codePoint)
    : KorvaniError([codePoint] {
          std::string ch;
          AppendUtf8(ch, codePoint);
          return fmt::format("字符“{}”(U+{:04X})不能用GBK编码", ch, static_cast<std::uint32_t>(codePoint));
      }()),
      m_codePoint(codePoint) {}

char32_t GbkDecodePair(std::uint8_t lead, std::uint8_t trail) {
    if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail)
        return 0;
    return kDoubleByteTable[(lead - kFirstLead) * kTrailSpan + (trail - kFirstTrail)];
}

std::optional<std::uint16_t> GbkEncodeCodePoint(char32_t cp) {
    if (cp < 0x80)
        return static_cast<std::uint16_t>(cp);
    if (cp == kEuroSign)
        return kEuroByte;
    if (cp > 0xFFFF)
        return std::nullopt;
    const std::uint16_t code = ReverseTable()[cp];
    if (code == 0)
        return std::nullopt;
    return code;
}

namespace {

// Walks the UTF-8 text, calling `emit` with each GBK code; stops at the first character without one.
template <typename Emit> std::optional<char32_t> EncodeEach(std::string_view utf8, Emit emit) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto cp = NextCodePoint(utf8, pos);
        if (!cp)
            return char32_t{0xFFFD};
        const auto code = GbkEncodeCodePoint(*cp);
        if (!code)
            return *cp;
        emit(*code);
    }
    return std::nullopt;
}

} // namespace

std::string Utf8ToGbk(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const auto bad = EncodeEach(utf8, [&](std::uint16_t code) {
        if (code > 0xFF)
            out += static_cast<char>(code >> 8);
        out += static_cast<char>(code & 0xFF);
    });
    if (bad)
        throw GbkEncodeError(*bad);
    return out;
}

std::optional<char32_t> FirstNonGbkCharacter(std::string_view utf8) {
    return EncodeEach(utf8, [](std::uint16_t) {});
}

std::string GbkToUtf8(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const auto b = static_cast<std::uint8_t>(gbk[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else if (b == kEuroByte) {
            AppendUtf8(out, kEuroSign);
        } else if (i + 1 < gbk.size() && GbkDecodePair(b, static_cast<std::uint8_t>(gbk[i + 1])) != 0) {
            AppendUtf8(out, GbkDecodePair(b, static_cast<std::uint8_t>(gbk[i + 1])));
            ++i;
        } else {
            AppendUtf8(out, 0xFFFD);
        }
    }
    return out;
}

std::size_t GbkByteLength(std::string_view utf8) {
    std::size_t length = 0;
    const auto bad = EncodeEach(utf8, [&](std::uint16_t code) { length += code > 0xFF ? 2 : 1; });
    if (bad)
        throw GbkEncodeError(*bad);
    return length;
}

} // namespace korvani::base
