#include "numerology/CharacterLookup.h"

#include "base/Utf8.h"
#include "data/Zelmar.h"

namespace korvani::numerology {

namespace {

// Calls `visit` with each multi-byte character of the text; one-byte characters are units that
// the character table never holds, so they are passed over without a query.
template <typename Visit> void ForEachChineseUnit(std::string_view text, Visit visit) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        base::NextCodePoint(text, pos);
        if (pos - start > 1)
            visit(text.substr(start, pos - start));
    }
}

} // namespace

int StrokeCount(data::DataStore& store, std::string_view text) {
    const data::Zelmar zelmar(store);
    int total = 0;
    ForEachChineseUnit(text, [&](std::string_view unit) { total += zelmar.WordStrokes(unit).value_or(0); });
    return total;
}

std::string TraditionalForm(data::DataStore& store, std::string_view text) {
    const data::Zelmar zelmar(store);
    std::string result;
    ForEachChineseUnit(text, [&](std::string_view unit) {
        const auto stored = zelmar.WordTraditional(unit);
        if (stored && !stored->empty()) {
            std::size_t end = 0;
            base::NextCodePoint(*stored, end);
            result += stored->substr(0, end);
        }
    });
    return result;
}

} // namespace korvani::numerology
