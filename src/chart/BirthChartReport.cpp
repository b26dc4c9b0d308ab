#include "chart/BirthChartReport.h"

#include "base/Parse.h"
#include "base/Text.h"
#include "calendar/CalendarLabels.h"
#include "chart/BoneWeight.h"
#include "chart/ChartDetails.h"
#include "chart/ChartLines.h"

namespace korvani::chart {

namespace {

constexpr std::string_view kGap = "   "; // three blanks between the columns of a line
const std::string kSix(6, ' ');
const std::string kSeven(7, ' ');
const std::string kThirteen(13, ' ');

// The stem-branch pair of year n: the first two characters of its cycle label.
std::string YearPillarOf(int year) {
    const std::string label = base::TrimCopy(calendar::YearCycleLabel(year - 1864));
    return label.substr(0, 6); // two characters of three UTF-8 bytes each
}

// Age text of the minor-luck table: two digits below ten.
std::string AgeText(int age) { return (age > 9 ? std::to_string(age) : "0" + std::to_string(age)) + "岁"; }

// The characters of a hidden-stem text.
std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> result;
    for (std::size_t i = 0; i + 3 <= text.size(); i += 3)
        result.emplace_back(text.substr(i, 3));
    return result;
}

std::optional<ValidationMessage> CheckInput(const BirthInput& input) {
    using base::Trim;
    if (Trim(input.surname).empty())
        return ValidationMessage{"姓不能为空!", "surname"};
    if (Trim(input.givenName).empty())
        return ValidationMessage{"名不能为空!", "givenName"};
    return CheckBirthDateFields(input);
}

} // namespace

ReportOutcome BuildBirthChartReport(data::Catalogue& catalogue, const BirthInput& input, int currentYear) {
    if (auto message = CheckInput(input))
        return {message, {}};
    const auto resolved = ResolveBirth(input);
    if (const auto* message = std::get_if<ValidationMessage>(&resolved))
        return {*message, {}};
    const ResolvedBirth& b = std::get<ResolvedBirth>(resolved);

    const calendar::LunarDate& lunar = b.lunar;
    const FourPillars p = PillarsOf(catalogue, b, input);
    const ChartDetails d = ComputeChartDetails(p);
    const int s = d.StartAge;

    const std::string ds(StemByNumber[p.DayStem]);
    const auto G = [&](std::string_view stem) { return TenGodName(catalogue, ds + std::string(stem)); };
    const auto N = [&](const Pillar& pillar) { return NayinName(catalogue, PillarText(pillar)); };
    const auto stem = [](int n) { return std::string(StemByNumber[Mod(n, 10)]); };

    std::vector<std::string> lines;
    const auto add = [&](std::string line) { lines.push_back(std::move(line)); };

    add(std::string(kFrameLine));
    for (std::string& line : BirthHeaderLines(b, input, currentYear, b.hourText))
        add(std::move(line));
    add(std::string(kChartSeparator));

    add("胎元：" + PillarText(d.ConceptionPillar) + "(" + N(d.ConceptionPillar) + ")");
    add("起运：" + std::to_string(s) + "岁");
    add(TenGodsLine(catalogue, p));
    add(EightCharactersLine(p));

    // Hidden stems: the first character of each column, then the second and third where there are.
    const std::vector<std::vector<std::string>> hidden = {Characters(d.YearHidden), Characters(d.MonthHidden),
                                                          Characters(d.DayHidden), Characters(d.HourHidden)};
    std::string first = "遁藏：";
    for (std::size_t i = 0; i < hidden.size(); ++i)
        first += (i ? " " : "") + hidden[i][0] + G(hidden[i][0]);
    add(first);
    for (std::size_t row = 1; row <= 2; ++row) {
        std::string line = kSix;
        for (const auto& column : hidden)
            line += column.size() > row ? column[row] + G(column[row]) + " " : kSeven;
        add(line);
    }

    const std::string elements = ElementText(catalogue, p);
    add("五行：" + elements);
    add(NayinLine(catalogue, p));

    std::string nayin = "纳音：";
    std::string gods = "十神：";
    std::string luck = "大运：";
    for (int i = 0; i < 10; ++i) {
        const Pillar& pillar = d.LuckPillars[i];
        nayin += N(pillar) + " ";
        gods += G(stem(pillar.stem)) + std::string(kGap);
        luck += (i ? std::string(kGap) : "") + PillarText(pillar);
    }
    add(nayin);
    add(gods);
    add(luck);

    // The ages at which the columns begin, and the solar years.
    std::string ages = s == 1 ? "      0-1岁" : "      1-" + std::to_string(s - 1) + "岁";
    for (int k = 0; k < 9; ++k)
        ages += std::string(kGap) + std::to_string(s + 10 * k) + "岁";
    add(ages);
    const int solarYear = base::ParseInt(b.yearText);
    std::string years = "始于：" + b.yearText;
    for (int k = 0; k < 9; ++k)
        years += std::string(kGap) + std::to_string(solarYear + s + 10 * k);
    add(years);
    add("");

    // Annual pillars (流年): column 0 the years of childhood, column k + 1 those of luck pillar k + 1.
    const int ly = lunar.Year;
    for (int i = 0; i < 10; ++i) {
        std::string line;
        if (i < s)
            line = (i == 0 ? "流年：" : kSix) + YearPillarOf(ly + i) + std::string(kGap);
        else
            line = kThirteen;
        for (int k = 0; k < 9; ++k)
            line += (k ? std::string(kGap) : "") + YearPillarOf(ly + s + i + 10 * k);
        add(line);
    }
    add("");

    // Minor luck (小运): the hour pillar moved one step a year, as the luck pillars run.
    const int step = d.LuckBackward ? -1 : 1;
    const auto minor = [&](int age) { return PillarText(p.HourStem + step * age, p.HourBranch + step * age); };
    for (int i = 0; i < 10; ++i) {
        std::string pillars;
        std::string ageLine;
        if (i < s) {
            pillars = (i == 0 ? "小运：" : kSix) + minor(i) + std::string(kGap);
            ageLine = kSix + AgeText(i) + std::string(kGap);
        } else {
            pillars = kThirteen;
            ageLine = kThirteen;
        }
        for (int k = 0; k < 9; ++k) {
            pillars += (k ? std::string(kGap) : "") + minor(s + i + 10 * k);
            ageLine += (k ? std::string(kGap) : "") + AgeText(s + i + 10 * k);
        }
        add(pillars);
        add(ageLine);
    }

    add("八字五行个数：" + ElementCountText(elements));
    add(std::string(kChartSeparator));
    add("袁天罡称骨算命：");
    // A birth before the term's moment weighs with the previous lunar month; the year stays.
    const std::string month =
        p.BornBeforeTerm ? std::to_string(lunar.Month == 1 ? 12 : lunar.Month - 1) : std::to_string(lunar.Month);
    for (int kind : {BoneWeightOfBirth, BoneWeightVerse, BoneWeightExplanation})
        add(BoneWeightLine(catalogue, std::to_string(lunar.Year), month, std::to_string(lunar.Day), kind, b.hourText));
    add(std::string(kChartSeparator));
    add("");
    add(std::string(kReferenceOnlyLine));
    return {std::nullopt, lines};
}

} // namespace korvani::chart
