#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/EarthlyBranch.h"
#include "calendar/FiveElement.h"
#include "calendar/HeavenlyStem.h"
#include "chart/FourPillars.h"

// The strength of the day master (日主, the day stem) and the elements that balance it (喜用神),
// by the method of support and restraint (扶抑法).
//
// Strength, 100 points in all:
// - 得令, 40 points: the vitality of the day master's element in the season of the month branch,
//   旺相休囚死. In the season of an element that element is 旺, the one it produces 相, the one that
//   produces it 休, the one that restrains it 囚 and the one it restrains 死 (木 in spring is 旺, 火
//   相, 水 休, 金 囚, 土 死; the earth months 辰戌丑未 are the season of 土). The day master earns
//   40, 32, 16, 8 or 0 points; the rest of the 40 counts against it. The month branch enters only
//   through its season, so it is not counted twice.
// - 得地 and 得势, 60 points: the three other stems, 10 points each, and the branches of year, day
//   and hour, 10 points each, shared among their hidden stems by qi: one stem takes 10, two take
//   7 and 3 (main and middle qi), three take 6, 3 and 1 (main, middle, residual).
// Each stem, open or hidden, belongs to one of five groups by its element's relation to the day
// master's: 比劫 (the same element) and 印 (the one that produces it) support the day master; 食伤
// (the one it produces, which drains it), 财 (the one it restrains, which spends it) and 官杀 (the
// one that restrains it) press on it. The day master's points are 得令 plus the supporting groups:
// 55 or more is 偏强, 45 or less 偏弱, between them 中和 (support and pressure about even).
//
// Favourable elements, one 用神 and one 喜神, and the unfavourable ones (忌神), which never overlap:
// - 偏强 wants restraint, drain or spending. When 印 outweighs 比劫 the excess comes from the
//   producing side: 财 restrains 印 (用), 食伤 drains the day master and feeds 财 (喜). Otherwise the
//   peers are in excess: 官杀 restrains them (用) with 财 feeding it (喜) when the chart already
//   carries more 官杀 than 食伤, else 食伤 drains them (用) and 财 carries it on (喜) — the two are not
//   mixed, since 食伤 restrains 官杀. 忌: 印 and 比劫, the heavier first.
// - 偏弱 wants production and support. When 财 is the heaviest pressure, 印 would be broken by it,
//   so 比劫 share the burden (用) and 印 helps (喜); otherwise 印 turns the pressure of 官杀 or 食伤
//   into support (用) and 比劫 help (喜). 忌: the element that restrains the 用神, then the heaviest
//   pressure.
// - 中和 keeps the flow: leaning strong (50 or more), 食伤 (用) and 财 (喜), 忌 the heavier of 印
//   and 比劫; leaning weak, 印 (用) and 比劫 (喜), 忌 the heaviest pressure.
// In weighing which group is heaviest, the month branch counts as one place of 40 points for the
// group of its own element (月令 governs the chart).
//
// Schools differ: 调候 (heat and moisture of the season) and 格局 (the month's pattern) pick the
// 用神 otherwise in some charts, and 从格 (a chart that follows an overwhelming force) reverses the
// rule. We follow 扶抑, the method most naming practice today uses and that can be explained in a
// line; the other methods are not applied.
namespace korvani::chart {

// The relation of an element to the day master's, indexed by the distance in the cycle of
// production: 0 比劫, 1 食伤, 2 财, 3 官杀, 4 印.
enum class TenGodGroup { Peers = 0, Output = 1, Wealth = 2, Officer = 3, Resource = 4 };

// 旺 相 休 囚 死.
enum class Season { Prosperous, Strengthened, Resting, Confined, Dead };

enum class StrengthVerdict { Strong, Weak, Balanced };

struct StrengthReading {
    calendar::HeavenlyStem dayMaster{0};
    calendar::EarthlyBranch monthBranch{0};
    Season season = Season::Prosperous;
    int seasonPoints = 0;             // 得令, 0 to 40
    std::array<int, 5> groupPoints{}; // the six other places (60 points) by TenGodGroup
    int support = 0;                  // 得令 + 比劫 + 印, 0 to 100
    int pressure = 0;                 // 100 − support
    StrengthVerdict verdict = StrengthVerdict::Balanced;
};

struct FavourableReading {
    StrengthReading strength;
    std::vector<calendar::FiveElement> favourable;   // 用神, then 喜神
    std::vector<calendar::FiveElement> unfavourable; // 忌神, the worse first
    std::string explanation;                         // one sentence, in Chinese
};

StrengthReading DayMasterStrength(const FourPillars& p);
FavourableReading FavourableElements(const FourPillars& p);

// The element of a group for a day master.
calendar::FiveElement GroupElement(calendar::HeavenlyStem dayMaster, TenGodGroup group);

std::string_view GroupName(TenGodGroup group);   // 比劫, 食伤, 财, 官杀, 印
std::string_view SeasonName(Season season);      // 旺, 相, 休, 囚, 死
std::string_view VerdictName(StrengthVerdict v); // 偏强, 偏弱, 中和

} // namespace korvani::chart
