#pragma once

#include <cstdint>
#include <string_view>

namespace korvani::base {

// The program's integer text: optional leading blanks, an optional sign, decimal digits (or
// hexadecimal after "$" or "0x"), a value that fits 32 bits. Anything else fails with
// InputError "'%s' 不是有效的整数".
int ParseInt(std::string_view text);

// The same for a value that fits 64 bits (QQ numbers and other long numbers).
std::int64_t ParseInt64(std::string_view text);

} // namespace korvani::base
