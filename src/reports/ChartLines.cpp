#include "reports/ChartLines.h"

#include "base/Text.h"
#include "calendar/CalendarLabels.h"
#include "calendar/SixtyCycle.h"
#include "chart/ChartDetails.h"
#include "chart/FavourableElements.h"

namespace korvani::reports {

using chart::FourPillars;
using chart::Pillar;

namespace {
constexpr std::string_view kGap = "   ";

// Two digits, with a leading zero below ten.
std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string ElementList(const std::vector<calendar::FiveElement>& elements) {
    std::string text;
    for (const calendar::FiveElement& e : elements)
        text += (text.empty() ? "" : "、") + std::string(e.Name());
    return text;
}
} // namespace

std::vector<std::string> BirthHeaderLines(const chart::ResolvedBirth& b, const chart::BirthInput& input,
                                          int currentYear) {
    // The lunar year's cycle counts from 1864, a 甲子 year.
    const calendar::SixtyCycle year(b.lunar.Year - 1864);
    const std::string yearLabel = calendar::YearCycleLabel(b.lunar.Year - 1864);
    return {
        "姓名：" + base::TrimCopy(input.surname) + base::TrimCopy(input.givenName),
        "年龄：" + std::to_string(currentYear - b.date.year) + "岁",
        "您出生公历：" + std::to_string(b.date.year) + "年" + TwoDigits(b.date.month) + "月" + TwoDigits(b.date.day) +
            "日" + std::to_string(b.hour) + "点" + input.minute + "分",
        "农历：" + yearLabel + calendar::LunarMonthLabel(b.lunar.Month, b.lunar.IsLeap) +
            calendar::LunarDayLabel(b.lunar.Day),
        "属相：" + std::string(year.Branch().Animal()),
        "星座：" + calendar::ConstellationOf(base::DayNumber(b.date)),
    };
}

std::string TenGodsLine(data::DataStore& store, const FourPillars& p) {
    const std::string ds(p.DayPillar.Stem().Name());
    const auto god = [&](const Pillar& pillar) {
        return chart::TenGodName(store, ds + std::string(pillar.Stem().Name()));
    };
    return "十神：" + god(p.YearPillar) + std::string(kGap) + god(p.MonthPillar) + std::string(kGap) + "日元" +
           std::string(kGap) + god(p.HourPillar);
}

std::string EightCharactersLine(const FourPillars& p) {
    return "八字：" + p.YearPillar.Name() + std::string(kGap) + p.MonthPillar.Name() + std::string(kGap) +
           p.DayPillar.Name() + std::string(kGap) + p.HourPillar.Name();
}

std::string NayinLine(data::DataStore& store, const FourPillars& p) {
    return "纳音：" + chart::NayinName(store, p.YearPillar.Name()) + " " +
           chart::NayinName(store, p.MonthPillar.Name()) + " " + chart::NayinName(store, p.DayPillar.Name()) + " " +
           chart::NayinName(store, p.HourPillar.Name());
}

std::vector<std::string> FavourableElementLines(const FourPillars& p) {
    using chart::TenGodGroup;
    const chart::FavourableReading f = chart::FavourableElements(p);
    const chart::StrengthReading& s = f.strength;
    const auto n = [](int points) { return std::to_string(points) + "分"; };
    std::string groups;
    for (TenGodGroup g :
         {TenGodGroup::Peers, TenGodGroup::Resource, TenGodGroup::Output, TenGodGroup::Wealth, TenGodGroup::Officer})
        groups += (groups.empty() ? "" : "，") + std::string(chart::GroupName(g)) +
                  std::string(chart::GroupElement(s.dayMaster, g).Name()) + n(s.groupPoints[static_cast<int>(g)]);
    return {
        "",
        "喜用神分析：",
        "日主：" + std::string(s.dayMaster.Name()) + std::string(s.dayMaster.Element().Name()) + "，生于" +
            std::string(s.monthBranch.Name()) + "月，" + std::string(s.dayMaster.Element().Name()) + "在此月为" +
            std::string(chart::SeasonName(s.season)) + "，得令" + n(s.seasonPoints) + "（满分40分）",
        "其余干支（60分）：" + groups,
        "生扶（印、比劫）共" + n(s.support) + "，克泄耗（官杀、食伤、财）共" + n(s.pressure) + "，日主" +
            std::string(chart::VerdictName(s.verdict)),
        "用神：" + std::string(f.favourable[0].Name()) + "  喜神：" +
            ElementList({f.favourable.begin() + 1, f.favourable.end()}) + "  忌神：" + ElementList(f.unfavourable),
        "说明：" + f.explanation,
        "（按扶抑法推算：日主偏强宜克泄耗，偏弱宜生扶。仅供参考。）",
    };
}

} // namespace korvani::reports
