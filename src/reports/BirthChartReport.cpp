#include "reports/BirthChartReport.h"

#include "base/Gbk.h"
#include "base/Parse.h"
#include "base/Text.h"
#include "base/Utf8.h"
#include "calendar/CalendarLabels.h"
#include "calendar/SixtyCycle.h"
#include "chart/BoneWeight.h"
#include "chart/ChartDetails.h"
#include "chart/FourPillars.h"
#include "reports/ChartLines.h"

namespace korvani::reports {

using namespace chart;
using base::InputField;
using base::ReportOutcome;
using base::ValidationMessage;

namespace {

constexpr std::string_view kGap = "   "; // three blanks between the columns of a line
const std::string kSix(6, ' ');
const std::string kSeven(7, ' ');
const std::string kThirteen(13, ' ');

// The stem-branch pair of a lunar year: 1864 was 甲子.
std::string YearPillarOf(int year) { return calendar::SixtyCycle(year - 1864).Name(); }

// Age text of the minor-luck table: two digits below ten.
std::string AgeText(int age) { return (age > 9 ? std::to_string(age) : "0" + std::to_string(age)) + "岁"; }

std::optional<ValidationMessage> CheckInput(const BirthInput& input) {
    using base::Trim;
    if (Trim(input.surname).empty())
        return ValidationMessage{"姓不能为空!", InputField::Surname};
    if (Trim(input.givenName).empty())
        return ValidationMessage{"名不能为空!", InputField::GivenName};
    // The names are printed as typed: a character that GBK cannot hold (or a text that is not
    // UTF-8) is refused, as the company-name report refuses it, and never reaches the memo.
    for (const auto& [text, field] :
         {std::pair{&input.surname, InputField::Surname}, std::pair{&input.givenName, InputField::GivenName}}) {
        if (const auto bad = base::FirstNonGbkCharacter(*text))
            return ValidationMessage{base::GbkEncodeError(*bad).what(), field};
    }
    return CheckBirthDateFields(input);
}

} // namespace

ReportOutcome BuildBirthChartReport(data::DataStore& store, const BirthInput& input, int currentYear) {
    if (auto message = CheckInput(input))
        return {message, {}};
    const auto resolved = ResolveBirth(input);
    if (const auto* message = std::get_if<ValidationMessage>(&resolved))
        return {*message, {}};
    const ResolvedBirth& b = std::get<ResolvedBirth>(resolved);

    const calendar::LunarDate& lunar = b.lunar;
    const FourPillars p = ComputeFourPillars(store, b, input.sex);
    const ChartDetails d = ComputeChartDetails(p);
    const int s = d.StartAge;

    const std::string ds(p.DayPillar.Stem().Name());
    const auto G = [&](std::string_view stem) { return TenGodName(store, ds + std::string(stem)); };
    const auto N = [&](const Pillar& pillar) { return NayinName(store, pillar.Name()); };

    std::vector<std::string> lines;
    const auto add = [&](std::string line) { lines.push_back(std::move(line)); };

    add(std::string(kFrameLine));
    for (std::string& line : BirthHeaderLines(b, input, currentYear))
        add(std::move(line));
    add(std::string(kChartSeparator));

    add("胎元：" + d.ConceptionPillar.Name() + "(" + N(d.ConceptionPillar) + ")");
    add("起运：" + std::to_string(s) + "岁");
    add(TenGodsLine(store, p));
    add(EightCharactersLine(p));

    // Hidden stems: the first character of each column, then the second and third where there are.
    const std::vector<std::vector<std::string>> hidden = {
        base::SplitCharacters(d.YearHidden), base::SplitCharacters(d.MonthHidden), base::SplitCharacters(d.DayHidden),
        base::SplitCharacters(d.HourHidden)};
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

    const std::string elements = ElementText(store, p);
    add("五行：" + elements);
    add(NayinLine(store, p));

    std::string nayin = "纳音：";
    std::string gods = "十神：";
    std::string luck = "大运：";
    for (int i = 0; i < 10; ++i) {
        const Pillar& pillar = d.LuckPillars[i];
        nayin += N(pillar) + " ";
        gods += G(pillar.Stem().Name()) + std::string(kGap);
        luck += (i ? std::string(kGap) : "") + pillar.Name();
    }
    add(nayin);
    add(gods);
    add(luck);

    // The ages at which the columns begin, and the solar years.
    std::string ages = s == 1 ? "      0-1岁" : "      1-" + std::to_string(s - 1) + "岁";
    for (int k = 0; k < 9; ++k)
        ages += std::string(kGap) + std::to_string(s + 10 * k) + "岁";
    add(ages);
    const int solarYear = b.date.year;
    std::string years = "始于：" + std::to_string(solarYear);
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
    const auto minor = [&](int age) { return p.HourPillar.Next(step * age).Name(); };
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
        add(BoneWeightLine(store, std::to_string(lunar.Year), month, std::to_string(lunar.Day), kind,
                           std::to_string(b.hour)));
    add(std::string(kChartSeparator));
    add("");
    add(std::string(kReferenceOnlyLine));
    // After the fixed lines: the balance of the chart and its favourable elements.
    for (std::string& line : FavourableElementLines(p))
        add(std::move(line));
    return {std::nullopt, lines};
}

} // namespace korvani::reports
