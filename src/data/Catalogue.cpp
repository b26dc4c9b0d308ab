#include "data/Catalogue.h"

#include "base/Text.h"

namespace korvani::data {

using base::TrimCopy;

std::optional<std::string> Catalogue::FirstText(DataFileId file, std::string_view sql, std::string_view key) {
    return m_store.Read(file, [&](SqliteDatabase& db) -> std::optional<std::string> {
        auto& st = db.Prepare(sql);
        st.Bind(1, key);
        if (!st.Step())
            return std::nullopt;
        return TrimCopy(st.Text(0));
    });
}

std::optional<int> Catalogue::WordStrokes(std::string_view zi) {
    return m_store.Read(DataFileId::Zelmar, [&](SqliteDatabase& db) -> std::optional<int> {
        auto& st = db.Prepare("select bh from word where zi = ?");
        st.Bind(1, zi);
        if (!st.Step())
            return std::nullopt;
        return static_cast<int>(st.Int(0));
    });
}

std::optional<std::string> Catalogue::WordTraditional(std::string_view zi) {
    return FirstText(DataFileId::Zelmar, "select ft from word where zi = ?", zi);
}

std::optional<std::string> Catalogue::NumberMeaning(std::string_view number) {
    return FirstText(DataFileId::OrvFile, "select nr from namefx where num = ?", number);
}

std::optional<AlmanacRow> Catalogue::AlmanacDay(const base::CivilDate& day) {
    return m_store.Read(DataFileId::OrvBirth, [&](SqliteDatabase& db) -> std::optional<AlmanacRow> {
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

std::vector<DreamCategory> Catalogue::DreamCategories() {
    return m_store.Read(DataFileId::Dream, [&](SqliteDatabase& db) {
        auto& st = db.Prepare("select ZMID, ZMCLASS from Tclass order by ZMID asc");
        std::vector<DreamCategory> result;
        while (st.Step())
            result.push_back({TrimCopy(st.Text(0)), TrimCopy(st.Text(1))});
        return result;
    });
}

std::vector<std::string> Catalogue::DreamTitles(std::string_view categoryKey) {
    return m_store.Read(DataFileId::Dream, [&](SqliteDatabase& db) {
        auto& st = db.Prepare("select TITLE from JMTable where CLASEID = ?");
        st.Bind(1, categoryKey);
        std::vector<std::string> result;
        while (st.Step())
            result.push_back(TrimCopy(st.Text(0)));
        return result;
    });
}

std::optional<std::string> Catalogue::DreamText(std::string_view title) {
    return FirstText(DataFileId::Dream, "select CONENT from JMTable where TITLE = ?", title);
}

std::optional<PhoneReading> Catalogue::PhoneReadingOf(std::string_view key) {
    try {
        return m_store.Read(DataFileId::Dream, [&](SqliteDatabase& db) -> std::optional<PhoneReading> {
            auto& st = db.Prepare("select title, jx, content from shouji where num = ?");
            st.Bind(1, key);
            if (!st.Step())
                return std::nullopt;
            return PhoneReading{TrimCopy(st.Text(0)), TrimCopy(st.Text(1)), TrimCopy(st.Text(2))};
        });
    } catch (const DataFileError&) {
        return std::nullopt;
    }
}

std::optional<double> Catalogue::BoneWeight(BoneWeightTable table, std::string_view key) {
    const char* sql = nullptr;
    switch (table) {
    case BoneWeightTable::Year:
        sql = "select weight from chenggu1 where year = ?";
        break;
    case BoneWeightTable::Month:
        sql = "select weight from chenggu2 where month2 = ?";
        break;
    case BoneWeightTable::Day:
        sql = "select weight from chenggu3 where day2 = ?";
        break;
    case BoneWeightTable::Hour:
        sql = "select weight from chenggu4 where time = ?";
        break;
    }
    try {
        return m_store.Read(DataFileId::Dream, [&](SqliteDatabase& db) -> std::optional<double> {
            auto& st = db.Prepare(sql);
            st.Bind(1, key);
            if (!st.Step())
                return std::nullopt;
            return st.Real(0);
        });
    } catch (const DataFileError&) {
        throw CommandAbandoned();
    }
}

std::optional<BoneWeightVerse> Catalogue::BoneWeightVerseOf(std::string_view total) {
    try {
        return m_store.Read(DataFileId::Dream, [&](SqliteDatabase& db) -> std::optional<BoneWeightVerse> {
            auto& st = db.Prepare("select content, content2 from chenggu where weight = ?");
            st.Bind(1, total);
            if (!st.Step())
                return std::nullopt;
            return BoneWeightVerse{TrimCopy(st.Text(0)), TrimCopy(st.Text(1))};
        });
    } catch (const DataFileError&) {
        throw CommandAbandoned();
    }
}

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

std::string Catalogue::ElementOf(std::string_view character) {
    try {
        return FirstText(DataFileId::Tgcode,
                         "select wh from hzwh where hz like '%' || ? || '%' escape '\\' order by rowid limit 1",
                         EscapeLike(base::Trim(character)))
            .value_or("");
    } catch (const DataFileError&) {
        return {};
    }
}

std::string Catalogue::TenGod(std::string_view stemPair) {
    try {
        return FirstText(DataFileId::Tgcode, "select ShiShen from Shishen where jiazi = ? limit 1", stemPair)
            .value_or("");
    } catch (const DataFileError&) {
        return {};
    }
}

std::string Catalogue::Nayin(std::string_view pillar) {
    try {
        return FirstText(DataFileId::Tgcode, "select layin from jiazi where jiazi = ? limit 1", pillar).value_or("");
    } catch (const DataFileError&) {
        return {};
    }
}

std::optional<base::DateValue> Catalogue::SectionTermMomentOn(int year, const base::CivilDate& day) {
    try {
        const auto moment = m_store.Read(DataFileId::Tgcode, [&](SqliteDatabase& db) -> std::optional<std::string> {
            auto& st =
                db.Prepare("select SJ from JQ where YearA = ? and JQ in ('立春','惊蛰','清明','立夏','芒种',"
                           "'小暑','立秋','白露','寒露','立冬','大雪','小寒') and substr(SJ, 1, 10) = ? limit 1");
            st.Bind(1, static_cast<long long>(year));
            st.Bind(2, base::FormatDate(day));
            if (!st.Step())
                return std::nullopt;
            return st.Text(0);
        });
        if (!moment)
            return std::nullopt;
        return base::ParseDateTime(*moment);
    } catch (const KorvaniError&) {
        return std::nullopt;
    }
}

} // namespace korvani::data
