#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvani::base {

// Trims blanks and control characters (every byte up to and including the blank) from both ends,
// as the program trims what it reads from input boxes and data files.
std::string_view Trim(std::string_view text);
std::string TrimCopy(std::string_view text);

// The parts one after another with the separator between them ("金、水"); a separator follows only
// what has text before it.
std::string Joined(const std::vector<std::string>& parts, std::string_view separator);

} // namespace korvani::base
