#pragma once

#include <string>
#include <string_view>

namespace korvani::base {

// Trims blanks and control characters (every byte up to and including the blank) from both ends,
// as the program trims what it reads from input boxes and data files.
std::string_view Trim(std::string_view text);
std::string TrimCopy(std::string_view text);

} // namespace korvani::base
