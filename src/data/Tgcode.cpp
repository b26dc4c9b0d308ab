#include "data/Tgcode.h"

#include "base/Text.h"

namespace korvani::data {

namespace {

// The character as a literal inside a LIKE pattern whose escape character is "\".
std::string EscapeLike(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '%' || c == '_' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

} // namespace

std::string Tgcode::ElementOf(std::string_view character) const {
    return FirstText("select wh from hzwh where hz like '%' || ? || '%' escape '\\' order by rowid limit 1",
                     EscapeLike(base::Trim(character)))
        .value_or("");
}

std::string Tgcode::TenGod(std::string_view stemPair) const {
    return FirstText("select ShiShen from Shishen where jiazi = ? limit 1", stemPair).value_or("");
}

std::string Tgcode::Nayin(std::string_view pillar) const {
    return FirstText("select layin from jiazi where jiazi = ? limit 1", pillar).value_or("");
}

std::vector<SolarTermRow> Tgcode::TermsOn(int year, const base::CivilDate& day) const {
    return Read([&](SqliteDatabase& db) {
        auto& st = db.Prepare("select JQ, SJ from JQ where YearA = ? and substr(SJ, 1, 10) = ? order by rowid");
        st.Bind(1, static_cast<long long>(year));
        st.Bind(2, base::FormatDate(day));
        std::vector<SolarTermRow> rows;
        while (st.Step())
            rows.push_back({base::TrimCopy(st.Text(0)), st.Text(1)});
        return rows;
    });
}

} // namespace korvani::data
