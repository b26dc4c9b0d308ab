#include "data/Repository.h"

#include "base/Text.h"

namespace korvani::data {

std::optional<std::string> Repository::FirstText(std::string_view sql, std::string_view key) const {
    return Read([&](SqliteDatabase& db) -> std::optional<std::string> {
        auto& st = db.Prepare(sql);
        st.Bind(1, key);
        if (!st.Step())
            return std::nullopt;
        return base::TrimCopy(st.Text(0));
    });
}

} // namespace korvani::data
