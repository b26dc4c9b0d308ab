#include "data/OrvBirth.h"

#include "base/Text.h"

namespace korvani::data {

std::optional<AlmanacRow> OrvBirth::AlmanacDay(const base::CivilDate& day) const {
    using base::TrimCopy;
    return Read([&](SqliteDatabase& db) -> std::optional<AlmanacRow> {
        auto& st = db.Prepare("select gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji "
                              "from huangdao where gn = ? limit 1");
        st.Bind(1, base::FormatDate(day));
        if (!st.Step())
            return std::nullopt;
        return AlmanacRow{TrimCopy(st.Text(0)), TrimCopy(st.Text(1)), TrimCopy(st.Text(2)), TrimCopy(st.Text(3)),
                          TrimCopy(st.Text(4)), TrimCopy(st.Text(5)), TrimCopy(st.Text(6)), TrimCopy(st.Text(7)),
                          TrimCopy(st.Text(8)), TrimCopy(st.Text(9)), TrimCopy(st.Text(10))};
    });
}

} // namespace korvani::data
