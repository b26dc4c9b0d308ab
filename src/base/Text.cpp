#include "base/Text.h"

namespace korvani::base {

namespace {
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
} // namespace

std::string_view Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string TrimCopy(std::string_view text) { return std::string(Trim(text)); }

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty())
            text += separator;
        text += part;
    }
    return text;
}

} // namespace korvani::base
