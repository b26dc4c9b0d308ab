#include "base/Parse.h"

#include <cstdint>
#include <fmt/format.h>

#include "base/Errors.h"

namespace korvani::base {

int ParseInt(std::string_view text) {
    const auto fail = [&] { return InputError(fmt::format("'{}' is not a valid integer value", text)); };
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        throw fail();
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            throw fail();
        value = value * base + digit;
        if (value > std::int64_t{1} << 32)
            throw fail();
    }
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        throw fail();
    return static_cast<int>(value);
}

} // namespace korvani::base
