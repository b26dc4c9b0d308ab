#include "chart/ChartDetails.h"

#include "base/Gbk.h"
#include "base/Text.h"
#include "calendar/CalendarLabels.h"
#include "calendar/LunarCalendar.h"
#include "data/Tgcode.h"

namespace korvani::chart {

namespace {

constexpr int kTermSearchDays = 32;

// Distance in days to the first section term after (or before) the birth day, the birth day itself
// not examined; 0 when none lies within 32 days.
int DaysToSectionTerm(int birthDay, bool backward) {
    for (int j = 1; j <= kTermSearchDays; ++j) {
        const int day = backward ? birthDay - j : birthDay + j;
        if (IsSectionTerm(base::Trim(calendar::SolarTermName(day))))
            return j;
    }
    return 0;
}

} // namespace

ChartDetails ComputeChartDetails(const FourPillars& p) {
    ChartDetails d;
    const int birthDay = base::DayNumber({p.Year, p.Month, p.Day});

    // 胎元: the stem after the month's and the branch three after it.
    d.ConceptionPillar = Pillar::Of(p.MonthPillar.Stem().Next(1), p.MonthPillar.Branch().Next(3));

    // Men of yang years and women of yin years go forward.
    d.LuckBackward = p.IsMale != p.YearPillar.Stem().IsYang();

    // Three days count one year; 31 or 32 days give 11, which becomes 1.
    d.TermDays = DaysToSectionTerm(birthDay, d.LuckBackward);
    int age = d.TermDays / 3 + (d.TermDays % 3 != 0 ? 1 : 0);
    if (age == 0)
        age = 10;
    else if (age != 10)
        age %= 10;
    d.StartAge = age;

    for (int i = 0; i < 10; ++i)
        d.LuckPillars[i] = p.MonthPillar.Next(d.LuckBackward ? -i : i);

    // The year column shows the branch of the lunar year in which the next section term falls.
    const int forward = DaysToSectionTerm(birthDay, false);
    const int lunarYear = calendar::SolarToLunar(birthDay + (forward == 0 ? kTermSearchDays + 1 : forward)).Year;
    d.YearHidden = HiddenStems[calendar::EarthlyBranch(lunarYear - 1924).Index()];
    // The month column follows the Gregorian month number, as the tradition of this report does.
    d.MonthHidden = HiddenStems[calendar::EarthlyBranch(p.Month).Index()];
    d.DayHidden = HiddenStems[p.DayPillar.Branch().Index()];
    d.HourHidden = HiddenStems[p.HourPillar.Branch().Index()];
    return d;
}

// The chart lookups answer empty when the file cannot be read: the report goes on without the text.
std::string CharacterElement(data::DataStore& store, std::string_view character) {
    try {
        return data::Tgcode(store).ElementOf(character);
    } catch (const DataFileError&) {
        return {};
    }
}

std::string ElementText(data::DataStore& store, const FourPillars& p) {
    const auto pillar = [&](const Pillar& x) {
        return CharacterElement(store, x.Stem().Name()) + CharacterElement(store, x.Branch().Name());
    };
    constexpr std::string_view kGap = "   ";
    return pillar(p.YearPillar) + std::string(kGap) + pillar(p.MonthPillar) + std::string(kGap) +
           pillar(p.DayPillar) + std::string(kGap) + pillar(p.HourPillar);
}

std::string TenGodName(data::DataStore& store, std::string_view stemPair) {
    try {
        return data::Tgcode(store).TenGod(stemPair);
    } catch (const DataFileError&) {
        return {};
    }
}

std::string NayinName(data::DataStore& store, std::string_view pillar) {
    try {
        return data::Tgcode(store).Nayin(pillar);
    } catch (const DataFileError&) {
        return {};
    }
}

std::string ElementCountText(std::string_view elementText) {
    std::string gbk;
    try {
        gbk = base::Utf8ToGbk(elementText);
    } catch (const base::GbkEncodeError&) {
        // Element texts are made of element characters and blanks; anything else counts nothing.
    }
    static constexpr std::size_t kPlaces[] = {1, 3, 8, 10, 15, 17, 22, 24};
    static constexpr std::string_view kElements[] = {"金", "木", "水", "火", "土"};
    std::string result;
    for (std::string_view element : kElements) {
        const std::string code = base::Utf8ToGbk(element);
        int count = 0;
        for (std::size_t place : kPlaces)
            if (place + 1 <= gbk.size() && gbk.compare(place - 1, 2, code) == 0)
                ++count;
        if (!result.empty())
            result += ", ";
        result += std::string(element) + ":占" + std::to_string(count) + "个";
    }
    return result;
}

} // namespace korvani::chart
