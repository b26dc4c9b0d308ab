#include "chart/ChartLines.h"

#include "base/Parse.h"
#include "base/Text.h"
#include "calendar/CalendarLabels.h"
#include "chart/ChartDetails.h"
#include "numerology/CharacterLookup.h"

namespace korvani::chart {

namespace {
constexpr std::string_view kGap = "   ";
}

std::vector<std::string> BirthHeaderLines(const ResolvedBirth& b, const BirthInput& input, int currentYear,
                                          std::string_view hourShown) {
    const std::string yearLabel = base::TrimCopy(calendar::YearCycleLabel(b.lunar.Year - 1864));
    const std::string date = base::FormatDate(b.date);
    return {
        "姓名：" + base::TrimCopy(input.surname) + base::TrimCopy(input.givenName),
        "年龄：" + std::to_string(currentYear - base::ParseInt(b.dateText.substr(0, 4))) + "岁",
        "您出生公历：" + date.substr(0, 4) + "年" + date.substr(5, 2) + "月" + date.substr(8, 2) + "日" +
            std::string(hourShown) + "点" + input.minute + "分",
        "农历：" + yearLabel + calendar::LunarMonthLabel(b.lunar.Month, b.lunar.IsLeap) +
            calendar::LunarDayLabel(b.lunar.Day),
        "属相：" + yearLabel.substr(7, 3), // the animal after the pair and the bracket
        "星座：" + calendar::ConstellationOf(base::DayNumber(b.date)),
    };
}

std::string TenGodsLine(data::Catalogue& catalogue, const FourPillars& p) {
    const std::string ds(StemByNumber[p.DayStem]);
    const auto god = [&](int stem) { return TenGodName(catalogue, ds + std::string(StemByNumber[stem])); };
    return "十神：" + god(p.YearStem) + std::string(kGap) + god(p.MonthStem) + std::string(kGap) + "日元" +
           std::string(kGap) + god(p.HourStem);
}

std::string EightCharactersLine(const FourPillars& p) {
    return "八字：" + PillarText(p.YearPillar()) + std::string(kGap) + PillarText(p.MonthPillar()) + std::string(kGap) +
           PillarText(p.DayPillar()) + std::string(kGap) + PillarText(p.HourPillar());
}

std::string ElementText(data::Catalogue& catalogue, const FourPillars& p) {
    const auto pillar = [&](const Pillar& x) {
        return numerology::CharacterElement(catalogue, StemByNumber[x.stem]) +
               numerology::CharacterElement(catalogue, BranchByNumber[x.branch]);
    };
    return pillar(p.YearPillar()) + std::string(kGap) + pillar(p.MonthPillar()) + std::string(kGap) +
           pillar(p.DayPillar()) + std::string(kGap) + pillar(p.HourPillar());
}

std::string NayinLine(data::Catalogue& catalogue, const FourPillars& p) {
    return "纳音：" + NayinName(catalogue, PillarText(p.YearPillar())) + " " +
           NayinName(catalogue, PillarText(p.MonthPillar())) + " " + NayinName(catalogue, PillarText(p.DayPillar())) +
           " " + NayinName(catalogue, PillarText(p.HourPillar()));
}

FourPillars PillarsOf(data::Catalogue& catalogue, const ResolvedBirth& b, const BirthInput& input) {
    return ComputeFourPillars(catalogue, b.date.year, b.date.month, b.date.day, b.hour, b.minute,
                              base::Trim(input.sex));
}

} // namespace korvani::chart
