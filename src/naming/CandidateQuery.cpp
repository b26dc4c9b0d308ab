#include "naming/CandidateQuery.h"

#include <fmt/format.h>

#include "data/Zelmar.h"

namespace korvani::naming {

namespace {

using S = Source;

// The 25 templates: name length, fixed positions, the source of each position, the row limit.
const std::vector<CandidateTemplate> kTemplates = {
    {2, {false, false}, {S::Sample230, S::Sample230}, 50000},
    {2, {true, false}, {S::Fixed, S::Pool}, 0},
    {2, {false, true}, {S::Pool, S::Fixed}, 0},
    {3, {false, false, false}, {S::Sample50, S::Sample50, S::Sample50}, 50000},
    {3, {true, false, false}, {S::Fixed, S::Sample200, S::Sample200}, 0},
    {3, {false, true, false}, {S::Sample200, S::Fixed, S::Sample200}, 0},
    {3, {false, false, true}, {S::Sample200, S::Sample200, S::Fixed}, 0},
    {3, {true, true, false}, {S::Fixed, S::Fixed, S::Pool}, 0},
    {3, {true, false, true}, {S::Fixed, S::Pool, S::Fixed}, 0},
    {3, {false, true, true}, {S::Pool, S::Fixed, S::Fixed}, 0},
    {4, {false, false, false, false}, {S::Words300, S::Words300}, 100000},
    {4, {true, false, false, false}, {S::Fixed, S::Sample50, S::Sample50, S::Sample50}, 100000},
    {4, {false, true, false, false}, {S::Sample50, S::Fixed, S::Sample50, S::Sample50}, 100000},
    {4, {false, false, true, false}, {S::Sample50, S::Sample50, S::Fixed, S::Sample50}, 100000},
    {4, {false, false, false, true}, {S::Sample50, S::Sample50, S::Sample50, S::Fixed}, 100000},
    {4, {true, true, false, false}, {S::Fixed, S::Fixed, S::Sample300, S::Sample300}, 100000},
    {4, {true, false, true, false}, {S::Fixed, S::Sample300, S::Fixed, S::Sample300}, 100000},
    {4, {true, false, false, true}, {S::Fixed, S::Sample300, S::Sample300, S::Fixed}, 100000},
    {4, {false, true, true, false}, {S::Sample300, S::Fixed, S::Fixed, S::Sample300}, 100000},
    {4, {false, true, false, true}, {S::Sample300, S::Fixed, S::Sample300, S::Fixed}, 100000},
    {4, {false, false, true, true}, {S::Sample300, S::Sample300, S::Fixed, S::Fixed}, 100000},
    {4, {true, true, true, false}, {S::Fixed, S::Fixed, S::Fixed, S::Sample1000}, 100000},
    {4, {true, true, false, true}, {S::Fixed, S::Fixed, S::Sample1000, S::Fixed}, 100000},
    {4, {true, false, true, true}, {S::Fixed, S::Sample1000, S::Fixed, S::Fixed}, 100000},
    {4, {false, true, true, true}, {S::Sample1000, S::Fixed, S::Fixed, S::Fixed}, 100000},
};

constexpr const char* kStrokeColumns[] = {"bh11", "bh12", "bh21", "bh22"};
constexpr const char* kElementParameters[] = {":e1", ":e2", ":e3", ":e4", ":e5"};
constexpr const char* kFixedParameters[] = {":f1", ":f2", ":f3", ":f4"};
constexpr const char* kSeedParameters[] = {":s1", ":s2", ":s3", ":s4"};

int SampleSize(Source s) {
    switch (s) {
    case S::Sample50:
        return 50;
    case S::Sample200:
        return 200;
    case S::Sample230:
        return 230;
    case S::Sample300:
        return 300;
    case S::Sample1000:
        return 1000;
    default:
        return 0;
    }
}

} // namespace

const std::vector<CandidateTemplate>& AllTemplates() { return kTemplates; }

std::optional<CandidateTemplate> TemplateFor(int length, const std::array<bool, 4>& fixed) {
    for (const CandidateTemplate& t : kTemplates) {
        bool same = t.length == length;
        for (int i = 0; i < length && same; ++i)
            same = t.fixed[i] == fixed[i];
        if (same)
            return t;
    }
    return std::nullopt;
}

std::string TemplateSql(const CandidateTemplate& t) {
    // Each position's source is drawn once (materialized, so that a random sample is the same
    // wherever it is read). The stroke patterns are matched on the distinct stroke counts of the
    // sources first, a few hundred lookups instead of one per combination of characters; the
    // matched patterns are then joined back to the characters that carry those counts.
    std::vector<std::string> sources, distinct, keyFrom, keyWhere, from, where;
    std::vector<std::string> zi, wuhang, ft, bh;
    keyWhere.push_back(fmt::format("c.lx = {}", t.length));
    int position = 0; // 0-based position of the next character
    for (std::size_t k = 0; k < t.sources.size(); ++k) {
        const std::string p = fmt::format("p{}", k + 1);
        const std::string d = fmt::format("d{}", k + 1);
        const Source s = t.sources[k];
        std::string body;
        if (s == S::Fixed)
            body = fmt::format("select zi, wuhang, ft, bh from word where zi = {} limit 1", kFixedParameters[position]);
        else if (s == S::Pool)
            body = "select zi, wuhang, ft, bh from CYZI";
        else if (s == S::Words300)
            body = fmt::format("select zi, wuhang, ft, bh, bh1, bh2 from MZ where fs > 89 "
                               "order by korvani_shuffle({}, ID) limit 300",
                               kSeedParameters[k]);
        else
            body = fmt::format("select zi, wuhang, ft, bh from CYZI order by korvani_shuffle({}, ID) limit {}",
                               kSeedParameters[k], SampleSize(s));
        sources.push_back(fmt::format("{} as materialized ({})", p, body));
        zi.push_back(p + ".zi");
        wuhang.push_back(p + ".wuhang");
        ft.push_back(p + ".ft");
        bh.push_back(p + ".bh");
        from.push_back(p);
        keyFrom.push_back(d);
        if (s == S::Words300) {
            distinct.push_back(fmt::format("{} as (select distinct bh1, bh2 from {})", d, p));
            keyWhere.push_back(fmt::format("c.{} = {}.bh1", kStrokeColumns[position], d));
            keyWhere.push_back(fmt::format("c.{} = {}.bh2", kStrokeColumns[position + 1], d));
            where.push_back(fmt::format("{}.bh1 = k.{}", p, kStrokeColumns[position]));
            where.push_back(fmt::format("{}.bh2 = k.{}", p, kStrokeColumns[position + 1]));
            position += 2;
        } else {
            distinct.push_back(fmt::format("{} as (select distinct bh from {})", d, p));
            keyWhere.push_back(fmt::format("c.{} = {}.bh", kStrokeColumns[position], d));
            where.push_back(fmt::format("{}.bh = k.{}", p, kStrokeColumns[position]));
            position += 1;
        }
    }
    for (int i = position; i < 4; ++i)
        keyWhere.push_back(fmt::format("c.{} = 0", kStrokeColumns[i]));
    keyFrom.push_back("gz c");

    const auto join = [](const std::vector<std::string>& parts, const char* separator) {
        std::string text;
        for (const std::string& part : parts)
            text += (text.empty() ? "" : separator) + part;
        return text;
    };
    std::string sql =
        fmt::format("with {}, {}, k as (select c.bh11, c.bh12, c.bh21, c.bh22, c.zf from {} where {}) "
                    "select zi, wuhang, ft, bh, fs from (select {} as zi, {} as wuhang, {} as ft, {} as bh, k.zf as fs "
                    "from k, {} where {}",
                    join(sources, ", "), join(distinct, ", "), join(keyFrom, " cross join "), join(keyWhere, " and "),
                    join(zi, " || "), join(wuhang, " || "), join(ft, " || "), join(bh, " + "), join(from, ", "),
                    join(where, " and "));
    if (t.rowLimit > 0)
        sql += fmt::format(" limit {}", t.rowLimit);
    // The element filter wraps the limited result: each required element must be among the
    // candidate's elements; an empty parameter requires nothing.
    sql += ") dd where 1 = 1";
    for (const char* e : kElementParameters)
        sql += fmt::format(" and ({0} = '' or instr(dd.wuhang, {0}) > 0)", e);
    return sql;
}

std::vector<CandidateRow> RunTemplate(data::DataStore& store, const CandidateTemplate& t,
                                      const std::array<std::string, 4>& fixedCharacters,
                                      const std::vector<std::string>& requiredElements, base::RandomSource& random) {
    const std::string sql = TemplateSql(t);
    std::array<long long, 4> seeds{};
    for (auto& seed : seeds)
        seed = random.NextSeed();
    return data::Zelmar(store).ReadPools([&](data::SqliteDatabase& db) {
        auto& st = db.Prepare(sql);
        for (int i = 0; i < 4; ++i) {
            st.Bind(kFixedParameters[i], fixedCharacters[i]);
            st.Bind(kSeedParameters[i], seeds[i]);
        }
        for (int i = 0; i < 5; ++i)
            st.Bind(kElementParameters[i], i < static_cast<int>(requiredElements.size()) ? requiredElements[i] : "");
        std::vector<CandidateRow> rows;
        while (st.Step())
            rows.push_back(
                {st.Text(0), st.Text(1), st.Text(2), static_cast<int>(st.Int(3)), static_cast<int>(st.Int(4))});
        return rows;
    });
}

} // namespace korvani::naming
