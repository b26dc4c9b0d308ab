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

std::vector<AlmanacDayCodes> OrvBirth::DaysBetween(const base::CivilDate& from, const base::CivilDate& to) const {
    return Read([&](SqliteDatabase& db) {
        auto& st = db.Prepare("select gn, day_pillar, lunar_month, lunar_day, weekday, entry from huangdao_day "
                              "where gn between ? and ? order by gn");
        st.Bind(1, base::FormatDate(from));
        st.Bind(2, base::FormatDate(to));
        std::vector<AlmanacDayCodes> days;
        while (st.Step()) {
            days.push_back({st.Text(0), static_cast<int>(st.Int(1)), static_cast<int>(st.Int(2)),
                            static_cast<int>(st.Int(3)), static_cast<int>(st.Int(4)), static_cast<int>(st.Int(5))});
        }
        return days;
    });
}

std::vector<AlmanacEntryTexts> OrvBirth::Entries() const {
    using base::TrimCopy;
    return Read([&](SqliteDatabase& db) {
        auto& st = db.Prepare("select e.id, jsyq.text, yi.text, ji.text, zs.text, jc.text from huangdao_entry e "
                              "join huangdao_text jsyq on jsyq.id = e.jsyq join huangdao_text yi on yi.id = e.yi "
                              "join huangdao_text ji on ji.id = e.ji join huangdao_text zs on zs.id = e.zhishen "
                              "join huangdao_text jc on jc.id = e.jianchu order by e.id");
        std::vector<AlmanacEntryTexts> entries;
        while (st.Step()) {
            entries.push_back({static_cast<int>(st.Int(0)), TrimCopy(st.Text(1)), TrimCopy(st.Text(2)),
                               TrimCopy(st.Text(3)), TrimCopy(st.Text(4)), TrimCopy(st.Text(5))});
        }
        return entries;
    });
}

std::string OrvBirth::Text(int id) const {
    return Read([&](SqliteDatabase& db) {
        auto& st = db.Prepare("select text from huangdao_text where id = ?");
        st.Bind(1, static_cast<long long>(id));
        return st.Step() ? base::TrimCopy(st.Text(0)) : std::string();
    });
}

} // namespace korvani::data
