#include "data/Zelmar.h"

#include "base/Text.h"

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

std::optional<std::string> Zelmar::WordElement(std::string_view zi) const {
    return FirstText("select wuhang from word where zi = ?", zi);
}

std::optional<std::string> Zelmar::WordReading(std::string_view zi) const {
    return FirstText("select py from word where zi = ?", zi);
}

std::optional<std::string> Zelmar::Gloss(std::string_view zi) const {
    return FirstText("select gloss from CYZI where zi = ? limit 1", zi);
}

std::vector<AvoidEntry> Zelmar::AvoidList() const {
    return Read([](SqliteDatabase& db) {
        auto& st = db.Prepare("select kind, text, reason from avoid order by rowid");
        std::vector<AvoidEntry> entries;
        while (st.Step())
            entries.push_back({base::TrimCopy(st.Text(0)), base::TrimCopy(st.Text(1)), base::TrimCopy(st.Text(2))});
        return entries;
    });
}

} // namespace korvani::data
