#include "data/Zelmar.h"

namespace korvani::data {

std::optional<int> Zelmar::WordStrokes(std::string_view zi) const {
    return Read([&](SqliteDatabase& db) -> std::optional<int> {
        auto& st = db.Prepare("select bh from word where zi = ?");
        st.Bind(1, zi);
        if (!st.Step())
            return std::nullopt;
        return static_cast<int>(st.Int(0));
    });
}

std::optional<std::string> Zelmar::WordTraditional(std::string_view zi) const {
    return FirstText("select ft from word where zi = ?", zi);
}

} // namespace korvani::data
