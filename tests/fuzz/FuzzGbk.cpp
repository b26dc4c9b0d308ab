// The GBK codec on any bytes: decoding always gives UTF-8, and what encodes decodes back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Gbk.h"
#include "base/Utf8.h"

using namespace korvani;

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The bytes as GBK: always valid UTF-8.
    const std::string decoded = base::GbkToUtf8(bytes);
    Require(base::IsValidUtf8(decoded));

    // The bytes as UTF-8: they encode exactly when no character lacks a GBK code, and decode back.
    const auto missing = base::FirstNonGbkCharacter(bytes);
    try {
        const std::string gbk = base::Utf8ToGbk(bytes);
        Require(!missing);
        Require(base::GbkToUtf8(gbk) == bytes);
        Require(base::GbkByteLength(bytes) == gbk.size());
    } catch (const base::GbkEncodeError& e) {
        Require(missing && *missing == e.codePoint());
    }

    // Two bytes as one code.
    if (size >= 2) {
        const char32_t cp = base::GbkDecodePair(data[0], data[1]);
        if (cp != 0) {
            const auto code = base::GbkEncodeCodePoint(cp);
            Require(code.has_value());
        }
    }
    return 0;
}
