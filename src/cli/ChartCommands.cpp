#include "cli/ChartCommands.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <fmt/format.h>

#include "base/Errors.h"
#include "base/Parse.h"
#include "base/Text.h"
#include "chart/ChartDetails.h"
#include "chart/FourPillars.h"
#include "cli/OptionChecks.h"
#include "reports/BirthChartReport.h"

namespace korvani::cli {

int CurrentYear() {
    const auto today =
        std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    return static_cast<int>(today.year());
}

void BirthOptions::Declare(CLI::App& app) {
    app.add_option("--surname", surname, "姓");
    app.add_option("--given", given, "名");
    app.add_option("--sex", sex, "性别：男 或 女")->check(OneOf({"男", "女"}, "性别"))->capture_default_str();
    app.add_option("--calendar", calendar, "solar（公历）或 lunar（农历）")
        ->check(OneOf({"solar", "lunar"}, "历法"))
        ->capture_default_str();
    app.add_option("--year", year, "出生年")->capture_default_str();
    app.add_option("--month", month, "出生月")->capture_default_str();
    app.add_option("--day", day, "出生日")->capture_default_str();
    app.add_option("--hour", hour, "出生小时 0 至 23")->capture_default_str();
    app.add_option("--minute", minute, "出生分钟 0 至 59")->capture_default_str();
}

chart::BirthInput BirthOptions::Input() const {
    chart::BirthInput input;
    input.surname = surname;
    input.givenName = given;
    input.sex = sex;
    input.lunar = calendar == "lunar";
    input.year = year;
    input.month = month;
    input.day = day;
    // The hour as a number; none given is the empty hour field, and an hour outside 0..23 is refused
    // by the birth checks with the page's message.
    if (base::Trim(hour).empty())
        input.hour.reset();
    else
        input.hour = base::ParseInt(base::TrimCopy(hour));
    input.minute = minute;
    return input;
}

void WriteReport(const base::ReportOutcome& outcome, std::ostream& out) {
    if (outcome.message)
        throw InputError(outcome.message->text);
    std::string text;
    for (const std::string& line : outcome.lines)
        (text += line) += '\n';
    out << text;
}

void PillarsCommand::Declare(CLI::App& app) {
    app.add_option("DATE", m_date, "公历日期 yyyy-mm-dd")->required();
    app.add_option("HOUR", m_hour, "小时 0 至 23")->required();
    app.add_option("MINUTE", m_minute, "分钟 0 至 59")->required();
    app.add_option("SEX", m_sex, "男 或 女")->required()->check(OneOf({"男", "女"}, "性别"));
    app.add_option("--before-term", m_beforeTerm, "1：生于节气时刻之前，0：之后（缺省时按数据文件）")
        ->check(OneOf({"0", "1"}, "--before-term 的值"));
}

std::vector<data::DataFileId> PillarsCommand::DataFiles() const {
    return m_beforeTerm.empty() ? std::vector{data::DataFileId::Tgcode} : std::vector<data::DataFileId>{};
}

void PillarsCommand::Run(CommandContext& context, std::ostream& out) {
    const base::CivilDate date = base::ParseDate(m_date);
    const int hour = base::ParseInt(m_hour);
    const int minute = base::ParseInt(m_minute);
    if (date < base::CivilDate{1900, 1, 31} || date > base::CivilDate{2100, 12, 31})
        throw InputError(fmt::format("'{}': 公历日期须在1900-01-31至2100-12-31之间!", m_date));
    if (hour < 0 || hour > 23)
        throw InputError(fmt::format("'{}': 出生小时须在0至23之间!", m_hour));
    if (minute < 0 || minute > 59)
        throw InputError(fmt::format("'{}': 出生分钟须在0至59之间!", m_minute));

    const chart::FourPillars p =
        m_beforeTerm.empty()
            ? chart::ComputeFourPillars(context.store, date.year, date.month, date.day, hour, minute, m_sex)
            : chart::ComputeFourPillars(m_beforeTerm == "1", date.year, date.month, date.day, hour, minute, m_sex);
    if (!m_details) {
        out << fmt::format("{}\t{} {} {} {}\n", p.BornBeforeTerm ? 1 : 0, p.YearPillar.Name(), p.MonthPillar.Name(),
                           p.DayPillar.Name(), p.HourPillar.Name());
        return;
    }
    const chart::ChartDetails d = chart::ComputeChartDetails(p);
    std::string luck;
    for (const chart::Pillar& pillar : d.LuckPillars)
        luck += (luck.empty() ? "" : " ") + pillar.Name();
    out << fmt::format("{}\t{}\t{}\t{}\t{}\t{}\t{}\t{}\t{}\n", d.ConceptionPillar.Name(), d.LuckBackward ? 1 : 0,
                       d.TermDays, d.StartAge, luck, d.YearHidden, d.MonthHidden, d.DayHidden, d.HourHidden);
}

void ChartCommand::Declare(CLI::App& app) { m_birth.Declare(app); }

std::vector<data::DataFileId> ChartCommand::DataFiles() const {
    return {data::DataFileId::Tgcode, data::DataFileId::Dream};
}

void ChartCommand::Run(CommandContext& context, std::ostream& out) {
    WriteReport(reports::BuildBirthChartReport(context.store, m_birth.Input(), CurrentYear()), out);
}

} // namespace korvani::cli
