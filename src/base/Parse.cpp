#include "base/Parse.h"

#include <fmt/format.h>
#include <limits>

#include "base/Errors.h"

namespace korvani::base {

namespace {

InputError NotAnInteger(std::string_view text) { return InputError(fmt::format("'{}' 不是有效的整数", text)); }

// The value of the text if it lies within [min, max].
std::int64_t ParseInRange(std::string_view text, std::int64_t min, std::int64_t max) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    unsigned base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        throw NotAnInteger(text);
    // The magnitude may reach |min|, one more than max.
    const std::uint64_t limit = negative ? static_cast<std::uint64_t>(-(min + 1)) + 1 : static_cast<std::uint64_t>(max);
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            throw NotAnInteger(text);
        if (magnitude > (limit - digit) / base)
            throw NotAnInteger(text);
        magnitude = magnitude * base + digit;
    }
    if (negative)
        return magnitude == 0 ? 0 : -static_cast<std::int64_t>(magnitude - 1) - 1;
    return static_cast<std::int64_t>(magnitude);
}

} // namespace

int ParseInt(std::string_view text) {
    return static_cast<int>(
        ParseInRange(text, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int64_t ParseInt64(std::string_view text) {
    return ParseInRange(text, std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max());
}

} // namespace korvani::base
