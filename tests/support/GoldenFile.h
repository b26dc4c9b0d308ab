#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace korvani::testing {

// A golden file of tests/golden, whole.
inline std::string GoldenFile(const std::string& path) {
    std::ifstream in(std::string(KORVANI_GOLDEN_DIR) + "/" + path);
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

// The golden text to compare with. With KORVANI_UPDATE_GOLDEN=1 the file is first rewritten with
// the text made now, so that a reviewer sees a changed report as a diff of the golden file.
inline std::string Golden(const std::string& path, const std::string& made) {
    const char* update = std::getenv("KORVANI_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::ofstream out(std::string(KORVANI_GOLDEN_DIR) + "/" + path, std::ios::binary | std::ios::trunc);
        out << made;
    }
    return GoldenFile(path);
}

} // namespace korvani::testing
