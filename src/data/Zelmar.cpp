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

std::optional<int> Zelmar::PatternScore(const std::vector<int>& strokes) const {
    if (strokes.size() < 2 || strokes.size() > 4)
        return std::nullopt;
    return Read([&](SqliteDatabase& db) -> std::optional<int> {
        auto& st = db.Prepare("select zf from gz where lx = ? and bh11 = ? and bh12 = ? and bh21 = ? and bh22 = ?");
        st.Bind(1, static_cast<long long>(strokes.size()));
        for (std::size_t i = 0; i < 4; ++i)
            st.Bind(static_cast<int>(i) + 2, static_cast<long long>(i < strokes.size() ? strokes[i] : 0));
        if (!st.Step())
            return std::nullopt;
        return static_cast<int>(st.Int(0));
    });
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
