#include "naming/CandidateQuery.h"

#include <algorithm>

#include <fmt/format.h>

#include "base/Text.h"
#include "data/Zelmar.h"

namespace korvani::naming {

namespace {

// Sources of the templates. A free position draws pool characters whose role fits it: the first
// position of a body takes head characters (宏 华 鼎 恒 ...), the last closing ones (达 通 盛 源 ...),
// a middle one any; a body of two or three free characters closes with a traditional trade ending
// (宏达, 诚德丰); two free characters are such a pair that a reader has rated as a whole, since a
// good head and a good ending still often read as a given name (庆福) or fail to join (北业). Where two free positions
// make one word of the body — the two halves of four characters, the first two of three, the last two of three after a
// fixed first (华通达) — a good name word fills both (heads first, tails second); a free position beside a fixed
// character of the same word takes the partners that make a good word with it.
constexpr Source F{SourceKind::Fixed};
constexpr Source Chars(Role role, int sample) { return {SourceKind::Characters, sample, role}; }
constexpr Source Words(Place place) { return {SourceKind::Words, 300, Role::Any, place}; }
constexpr Source Bodies{SourceKind::Bodies};
constexpr Source PartnerOf(int position, Role fallback, int sample) {
    return {SourceKind::Partner, sample, fallback, Place::Head, position};
}
constexpr Role A = Role::Any;
constexpr Role First = Role::First;
constexpr Role Last = Role::Last;

// The 25 templates: name length, fixed positions, the source of each position, the row limit.
const std::vector<CandidateTemplate> kTemplates = {
    {2, {false, false}, {Bodies}, 50000},
    {2, {true, false}, {F, PartnerOf(0, Last, 0)}, 0},
    {2, {false, true}, {PartnerOf(1, First, 0), F}, 0},
    {3, {false, false, false}, {Words(Place::Head), Chars(Role::End, 0)}, 50000},
    {3, {true, false, false}, {F, Words(Place::Tail)}, 0},
    {3, {false, true, false}, {PartnerOf(1, First, 200), F, Chars(Last, 200)}, 0},
    {3, {false, false, true}, {Words(Place::Head), F}, 0},
    {3, {true, true, false}, {F, F, Chars(Last, 0)}, 0},
    {3, {true, false, true}, {F, PartnerOf(0, A, 0), F}, 0},
    {3, {false, true, true}, {PartnerOf(1, First, 0), F, F}, 0},
    {4, {false, false, false, false}, {Words(Place::Head), Words(Place::Tail)}, 100000},
    {4, {true, false, false, false}, {F, PartnerOf(0, A, 50), Words(Place::Tail)}, 100000},
    {4, {false, true, false, false}, {PartnerOf(1, First, 50), F, Words(Place::Tail)}, 100000},
    {4, {false, false, true, false}, {Words(Place::Head), F, PartnerOf(2, Last, 50)}, 100000},
    {4, {false, false, false, true}, {Words(Place::Head), PartnerOf(3, A, 50), F}, 100000},
    {4, {true, true, false, false}, {F, F, Words(Place::Tail)}, 100000},
    {4, {true, false, true, false}, {F, PartnerOf(0, A, 300), F, PartnerOf(2, Last, 300)}, 100000},
    {4, {true, false, false, true}, {F, PartnerOf(0, A, 300), PartnerOf(3, A, 300), F}, 100000},
    {4, {false, true, true, false}, {PartnerOf(1, First, 300), F, F, PartnerOf(2, Last, 300)}, 100000},
    {4, {false, true, false, true}, {PartnerOf(1, First, 300), F, PartnerOf(3, A, 300), F}, 100000},
    {4, {false, false, true, true}, {Words(Place::Head), F, F}, 100000},
    {4, {true, true, true, false}, {F, F, F, PartnerOf(2, Last, 1000)}, 100000},
    {4, {true, true, false, true}, {F, F, PartnerOf(3, A, 1000), F}, 100000},
    {4, {true, false, true, true}, {F, PartnerOf(0, A, 1000), F, F}, 100000},
    {4, {false, true, true, true}, {PartnerOf(1, First, 1000), F, F, F}, 100000},
};

constexpr const char* kStrokeColumns[] = {"bh11", "bh12", "bh21", "bh22"};
constexpr const char* kElementParameters[] = {":e1", ":e2", ":e3", ":e4", ":e5"};
constexpr const char* kAvoidedParameters[] = {":x1", ":x2", ":x3", ":x4", ":x5"};
constexpr const char* kFixedParameters[] = {":f1", ":f2", ":f3", ":f4"};
constexpr const char* kSeedParameters[] = {":s1", ":s2", ":s3", ":s4"};

std::string RoleCondition(Role role) {
    switch (role) {
    case Role::First:
        return "role in ('first', 'either')";
    case Role::Last:
        return "role in ('last', 'either')";
    case Role::End:
        return "ending = 1";
    default:
        return "1 = 1";
    }
}

// Pool characters of a role, all or a sample in the order of the position's seed.
std::string CharactersBody(Role role, int sample, const char* seed) {
    std::string body = "select zi, wuhang, ft, bh from CYZI where " + RoleCondition(role);
    if (sample > 0)
        body += fmt::format(" order by korvani_shuffle({}, ID) limit {}", seed, sample);
    return body;
}

} // namespace

const std::vector<CandidateTemplate>& AllTemplates() { return kTemplates; }

bool DrawsBodies(const CandidateTemplate& t) {
    return std::any_of(t.sources.begin(), t.sources.end(),
                       [](const Source& s) { return s.kind == SourceKind::Bodies; });
}

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
        const Source& s = t.sources[k];
        std::string body;
        switch (s.kind) {
        case SourceKind::Fixed:
            body = fmt::format("select zi, wuhang, ft, bh from word where zi = {} limit 1", kFixedParameters[position]);
            break;
        case SourceKind::Characters:
            body = CharactersBody(s.role, s.sample, kSeedParameters[k]);
            break;
        case SourceKind::Words:
            // Every grade A word of the half; the stroke pattern still asks each half's total to be lucky.
            body =
                fmt::format("select zi, wuhang, ft, bh, bh1, bh2 from MZ where grade = 'A' and place in ('{}', 'both') "
                            "order by korvani_shuffle({}, ID) limit {}",
                            s.place == Place::Head ? "head" : "tail", kSeedParameters[k], s.sample);
            break;
        case SourceKind::Bodies:
            body = "select zi, wuhang, ft, bh, bh1, bh2 from SZ where grade = 'A' or :wide = 1";
            break;
        case SourceKind::Partner: {
            // The word is the fixed character and this one, in body order; without such a word the
            // position draws from the pool as a free one would.
            const char* fixed = kFixedParameters[s.partnerOf];
            const bool fixedFirst = s.partnerOf < position;
            const std::string words = fmt::format("select substr(zi, {}, 1) from MZ where grade = 'A' and "
                                                  "substr(zi, {}, 1) = {}",
                                                  fixedFirst ? 2 : 1, fixedFirst ? 1 : 2, fixed);
            const std::string wordsExist =
                fmt::format("select 1 from MZ where grade = 'A' and substr(zi, {}, 1) = {}", fixedFirst ? 1 : 2, fixed);
            body = fmt::format("select zi, wuhang, ft, bh from word where zi in ({}) union all "
                               "select * from ({}) where not exists ({})",
                               words, CharactersBody(s.role, s.sample, kSeedParameters[k]), wordsExist);
            break;
        }
        }
        sources.push_back(fmt::format("{} as materialized ({})", p, body));
        zi.push_back(p + ".zi");
        wuhang.push_back(p + ".wuhang");
        ft.push_back(p + ".ft");
        bh.push_back(p + ".bh");
        from.push_back(p);
        keyFrom.push_back(d);
        if (s.kind == SourceKind::Words || s.kind == SourceKind::Bodies) {
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

    std::string sql = fmt::format(
        "with {}, {}, k as (select c.bh11, c.bh12, c.bh21, c.bh22, c.zf from {} where {}) "
        "select zi, wuhang, ft, bh, fs from (select {} as zi, {} as wuhang, {} as ft, {} as bh, k.zf as fs "
        "from k, {} where {}",
        base::Joined(sources, ", "), base::Joined(distinct, ", "), base::Joined(keyFrom, " cross join "),
        base::Joined(keyWhere, " and "), base::Joined(zi, " || "), base::Joined(wuhang, " || "),
        base::Joined(ft, " || "), base::Joined(bh, " + "), base::Joined(from, ", "), base::Joined(where, " and "));
    if (t.rowLimit > 0)
        sql += fmt::format(" limit {}", t.rowLimit);
    // The element filter wraps the limited result: each required element must be among the
    // candidate's elements, and no avoided element may be; an empty parameter asks nothing.
    sql += ") dd where 1 = 1";
    for (const char* e : kElementParameters)
        sql += fmt::format(" and ({0} = '' or instr(dd.wuhang, {0}) > 0)", e);
    for (const char* x : kAvoidedParameters)
        sql += fmt::format(" and ({0} = '' or instr(dd.wuhang, {0}) = 0)", x);
    return sql;
}

std::vector<CandidateRow> RunTemplate(data::DataStore& store, const CandidateTemplate& t,
                                      const std::array<std::string, 4>& fixedCharacters,
                                      const std::vector<std::string>& requiredElements, base::RandomSource& random,
                                      const std::vector<std::string>& avoidedElements, BodyGrades grades) {
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
        st.Bind(":wide", grades == BodyGrades::All ? 1LL : 0LL);
        for (int i = 0; i < 5; ++i)
            st.Bind(kElementParameters[i], i < static_cast<int>(requiredElements.size()) ? requiredElements[i] : "");
        for (int i = 0; i < 5; ++i)
            st.Bind(kAvoidedParameters[i], i < static_cast<int>(avoidedElements.size()) ? avoidedElements[i] : "");
        std::vector<CandidateRow> rows;
        while (st.Step())
            rows.push_back(
                {st.Text(0), st.Text(1), st.Text(2), static_cast<int>(st.Int(3)), static_cast<int>(st.Int(4))});
        return rows;
    });
}

} // namespace korvani::naming
