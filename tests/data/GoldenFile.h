#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace korvani::testing {

// A golden file of tests/data, whole.
inline std::string GoldenFile(const std::string& path) {
    std::ifstream in(std::string(KORVANI_TEST_DATA_DIR) + "/" + path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Report lines as a golden file holds them: each followed by a line break.
inline std::string JoinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        (text += line) += '\n';
    return text;
}

} // namespace korvani::testing
