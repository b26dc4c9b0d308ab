#include "chart/FavourableElements.h"

namespace korvani::chart {

using calendar::EarthlyBranch;
using calendar::FiveElement;
using calendar::HeavenlyStem;

namespace {

constexpr int kSeasonMax = 40;                       // the month branch's share of the day master's strength
constexpr int kSeasonPoints[5] = {40, 32, 16, 8, 0}; // 旺 相 休 囚 死
constexpr int kStemPoints = 10;
constexpr int kBranchPoints = 10;
// A branch's 10 points shared by its hidden stems, by how many it holds (1, 2 or 3).
constexpr int kQiShares[3][3] = {{10, 0, 0}, {7, 3, 0}, {6, 3, 1}};
constexpr int kStrongFrom = 55;
constexpr int kWeakUpTo = 45;
constexpr int kBalancePoint = 50;

constexpr int G(TenGodGroup g) { return static_cast<int>(g); }

TenGodGroup GroupOf(FiveElement dayElement, FiveElement e) {
    return static_cast<TenGodGroup>((e.Index() - dayElement.Index() + FiveElement::kCount) % FiveElement::kCount);
}

Season SeasonOf(FiveElement dayElement, FiveElement seasonElement) {
    if (dayElement == seasonElement)
        return Season::Prosperous;
    if (seasonElement.Produces() == dayElement)
        return Season::Strengthened;
    if (dayElement.Produces() == seasonElement)
        return Season::Resting;
    if (dayElement.Restrains() == seasonElement)
        return Season::Confined;
    return Season::Dead;
}

// The heavier of two groups by force; the first on a tie.
TenGodGroup Heavier(const std::array<int, 5>& force, TenGodGroup a, TenGodGroup b) {
    return force[G(b)] > force[G(a)] ? b : a;
}

// The heaviest pressing group; on a tie 官杀 before 财 before 食伤 (restraint weighs more than spending,
// spending more than draining).
TenGodGroup HeaviestPressure(const std::array<int, 5>& force) {
    return Heavier(force, Heavier(force, TenGodGroup::Officer, TenGodGroup::Wealth), TenGodGroup::Output);
}

// The group whose element restrains the given group's element: 官杀 restrains 比劫, 比劫 财, 财 印 ...
TenGodGroup RestrainerOf(TenGodGroup g) { return static_cast<TenGodGroup>((G(g) + 3) % 5); }

} // namespace

FiveElement GroupElement(HeavenlyStem dayMaster, TenGodGroup group) {
    return FiveElement(dayMaster.Element().Index() + G(group));
}

std::string_view GroupName(TenGodGroup group) {
    static constexpr std::string_view kNames[5] = {"比劫", "食伤", "财", "官杀", "印"};
    return kNames[G(group)];
}

std::string_view SeasonName(Season season) {
    static constexpr std::string_view kNames[5] = {"旺", "相", "休", "囚", "死"};
    return kNames[static_cast<int>(season)];
}

std::string_view VerdictName(StrengthVerdict v) {
    switch (v) {
    case StrengthVerdict::Strong:
        return "偏强";
    case StrengthVerdict::Weak:
        return "偏弱";
    default:
        return "中和";
    }
}

StrengthReading DayMasterStrength(const FourPillars& p) {
    StrengthReading r;
    r.dayMaster = p.DayPillar.Stem();
    r.monthBranch = p.MonthPillar.Branch();
    const FiveElement dayElement = r.dayMaster.Element();
    r.season = SeasonOf(dayElement, r.monthBranch.Element());
    r.seasonPoints = kSeasonPoints[static_cast<int>(r.season)];

    for (const Pillar& pillar : {p.YearPillar, p.MonthPillar, p.HourPillar})
        r.groupPoints[G(GroupOf(dayElement, pillar.Stem().Element()))] += kStemPoints;
    for (const Pillar& pillar : {p.YearPillar, p.DayPillar, p.HourPillar}) {
        const EarthlyBranch b = pillar.Branch();
        const int count = b.HiddenStemCount();
        for (int i = 0; i < count; ++i)
            r.groupPoints[G(GroupOf(dayElement, b.HiddenStem(i).Element()))] +=
                kQiShares[count - 1][i] * kBranchPoints / 10;
    }
    r.support = r.seasonPoints + r.groupPoints[G(TenGodGroup::Peers)] + r.groupPoints[G(TenGodGroup::Resource)];
    r.pressure = kSeasonMax + 3 * kStemPoints + 3 * kBranchPoints - r.support;
    r.verdict = r.support >= kStrongFrom ? StrengthVerdict::Strong
                : r.support <= kWeakUpTo ? StrengthVerdict::Weak
                                         : StrengthVerdict::Balanced;
    return r;
}

FavourableReading FavourableElements(const FourPillars& p) {
    FavourableReading f;
    f.strength = DayMasterStrength(p);
    const StrengthReading& s = f.strength;

    // The force of each group: the six places, and the month branch as one place of 40 points for
    // the group of its element.
    std::array<int, 5> force = s.groupPoints;
    force[G(GroupOf(s.dayMaster.Element(), s.monthBranch.Element()))] += kSeasonMax;

    using enum TenGodGroup;
    std::vector<TenGodGroup> good;
    std::vector<TenGodGroup> bad;
    std::string why;
    const auto E = [&](TenGodGroup g) { return std::string(GroupElement(s.dayMaster, g).Name()); };
    const auto GE = [&](TenGodGroup g) { return std::string(GroupName(g)) + E(g); };
    const std::string day = std::string(s.dayMaster.Name()) + std::string(s.dayMaster.Element().Name());

    if (s.verdict == StrengthVerdict::Strong) {
        const TenGodGroup excess = Heavier(force, Resource, Peers);
        if (excess == Resource) {
            good = {Wealth, Output};
            why = "日主" + day + "得生扶较多，印星尤重，宜以" + GE(Wealth) + "制约印星为用，" + GE(Output) +
                  "泄秀生财为喜";
        } else if (force[G(Officer)] > force[G(Output)]) {
            good = {Officer, Wealth};
            why = "日主" + day + "比劫较旺，宜以" + GE(Officer) + "约束为用，" + GE(Wealth) + "生助官杀为喜";
        } else {
            good = {Output, Wealth};
            why = "日主" + day + "比劫较旺而官杀力薄，宜以" + GE(Output) + "泄秀为用，" + GE(Wealth) + "承接为喜";
        }
        bad = {excess, excess == Resource ? Peers : Resource};
        why += "；" + E(bad[0]) + "、" + E(bad[1]) + "再添则更偏，宜少用。";
    } else if (s.verdict == StrengthVerdict::Weak) {
        const TenGodGroup heaviest = HeaviestPressure(force);
        if (heaviest == Wealth) {
            good = {Peers, Resource};
            why = "日主" + day + "力弱而财星偏重，宜以" + GE(Peers) + "帮身担财为用，" + GE(Resource) + "生身为喜";
        } else {
            good = {Resource, Peers};
            why = "日主" + day + "力弱而" + std::string(GroupName(heaviest)) + "偏重，宜以" + GE(Resource) +
                  (heaviest == Officer ? "化杀生身" : "制伤生身") + "为用，" + GE(Peers) + "助身为喜";
        }
        bad = {RestrainerOf(good[0])};
        if (heaviest != bad[0])
            bad.push_back(heaviest);
        why += "；" + E(bad[0]) + (bad.size() > 1 ? "、" + E(bad[1]) : "") + "会加重负担，宜少用。";
    } else if (s.support >= kBalancePoint) {
        good = {Output, Wealth};
        bad = {Heavier(force, Resource, Peers)};
        why = "八字大体中和，日主" + day + "略旺，宜以" + GE(Output) + "泄秀流通为用，" + GE(Wealth) + "为喜；" +
              E(bad[0]) + "不宜过多。";
    } else {
        good = {Resource, Peers};
        bad = {HeaviestPressure(force)};
        why = "八字大体中和，日主" + day + "略弱，宜以" + GE(Resource) + "生身为用，" + GE(Peers) + "为喜；" +
              E(bad[0]) + "不宜过多。";
    }
    for (TenGodGroup g : good)
        f.favourable.push_back(GroupElement(s.dayMaster, g));
    for (TenGodGroup g : bad)
        f.unfavourable.push_back(GroupElement(s.dayMaster, g));
    f.explanation = std::move(why);
    return f;
}

} // namespace korvani::chart
