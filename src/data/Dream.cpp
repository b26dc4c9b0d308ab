#include "data/Dream.h"

#include "base/Text.h"

namespace korvani::data {

using base::TrimCopy;

std::vector<DreamCategory> Dream::DreamCategories() const {
    return Read([&](SqliteDatabase& db) {
        auto& st = db.Prepare("select ZMID, ZMCLASS from Tclass order by ZMID asc");
        std::vector<DreamCategory> result;
        while (st.Step())
            result.push_back({TrimCopy(st.Text(0)), TrimCopy(st.Text(1))});
        return result;
    });
}

std::vector<std::string> Dream::DreamTitles(std::string_view categoryKey) const {
    return Read([&](SqliteDatabase& db) {
        // Titles in stored order: the order of the dictionary's text files.
        auto& st = db.Prepare("select TITLE from JMTable where CLASEID = ? order by rowid");
        st.Bind(1, categoryKey);
        std::vector<std::string> result;
        while (st.Step())
            result.push_back(TrimCopy(st.Text(0)));
        return result;
    });
}

std::optional<std::string> Dream::DreamText(std::string_view title) const {
    return FirstText("select CONENT from JMTable where TITLE = ? order by rowid", title);
}

std::vector<DreamRow> Dream::DreamRows() const {
    return Read([&](SqliteDatabase& db) {
        auto& st = db.Prepare("select CLASEID, TITLE, CONENT from JMTable order by rowid");
        std::vector<DreamRow> result;
        while (st.Step())
            result.push_back({st.Text(0), st.Text(1), st.Text(2)});
        return result;
    });
}

std::optional<PhoneReading> Dream::PhoneReadingOf(std::string_view key) const {
    return Read([&](SqliteDatabase& db) -> std::optional<PhoneReading> {
        auto& st = db.Prepare("select title, jx, content from shouji where num = ?");
        st.Bind(1, key);
        if (!st.Step())
            return std::nullopt;
        return PhoneReading{TrimCopy(st.Text(0)), TrimCopy(st.Text(1)), TrimCopy(st.Text(2))};
    });
}

std::optional<double> Dream::BoneWeight(BoneWeightTable table, std::string_view key) const {
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
    return Read([&](SqliteDatabase& db) -> std::optional<double> {
        auto& st = db.Prepare(sql);
        st.Bind(1, key);
        if (!st.Step())
            return std::nullopt;
        return st.Real(0);
    });
}

std::optional<BoneWeightVerse> Dream::BoneWeightVerseOf(std::string_view total) const {
    return Read([&](SqliteDatabase& db) -> std::optional<BoneWeightVerse> {
        auto& st = db.Prepare("select content, content2 from chenggu where weight = ?");
        st.Bind(1, total);
        if (!st.Step())
            return std::nullopt;
        return BoneWeightVerse{TrimCopy(st.Text(0)), TrimCopy(st.Text(1))};
    });
}

} // namespace korvani::data
