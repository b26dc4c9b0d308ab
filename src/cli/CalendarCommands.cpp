#include "cli/CalendarCommands.h"

#include <CLI/CLI.hpp>
#include <fmt/format.h>

#include "base/Errors.h"
#include "base/Parse.h"
#include "calendar/CalendarLabels.h"
#include "calendar/LunarCalendar.h"
#include "calendar/window/WindowCalendar.h"
#include "cli/OptionChecks.h"

namespace korvani::cli {

namespace {

using base::CivilDate;

// The report calendar converts 1900-01-31 to 2100-12-31; a day outside has no lunar date.
calendar::LunarDate LunarOf(const CivilDate& date, const std::string& text) {
    if (date < CivilDate{1900, 1, 31} || date > CivilDate{2100, 12, 31})
        throw InputError(fmt::format("'{}': 公历日期须在1900-01-31至2100-12-31之间!", text));
    return calendar::SolarToLunar(base::DayNumber(date));
}

} // namespace

std::string LunarLine(const CivilDate& date, const std::string& text) {
    const calendar::LunarDate lunar = LunarOf(date, text);
    return fmt::format("{}\t{}\t{}\t{}\t{}", base::FormatDate(date), lunar.Year, lunar.Month, lunar.Day,
                       lunar.IsLeap ? 1 : 0);
}

std::string LabelsLine(const CivilDate& date, const std::string& text) {
    const calendar::LunarDate lunar = LunarOf(date, text);
    const double day = base::DayNumber(date);
    return fmt::format("{}\t{}\t{}\t{}\t{}\t{}", base::FormatDate(date), calendar::YearCycleLabel(lunar.Year - 1864),
                       calendar::LunarMonthLabel(lunar.Month, lunar.IsLeap), calendar::LunarDayLabel(lunar.Day),
                       calendar::SolarTermName(day), calendar::ConstellationOf(day));
}

std::string WindowCalendarLine(const CivilDate& date, const std::string& text) {
    using namespace calendar::window;
    if (date.year < kFirstWindowYear || date.year > kLastWindowYear)
        throw InputError(fmt::format("'{}': 万年历日期须在1901-01-01至2050-12-31之间!", text));
    return fmt::format("{}\t{}\t{}\t{}\t{}\t{}\t{}\t{}\t{}", base::FormatDate(date), WindowLunarCode(date),
                       WindowMonthText(date), WindowDayText(date), WindowLunarFestival(date),
                       WindowSolarFestival(date.day, date), WindowSolarTerm(date), WindowYearAnimal(date),
                       WindowConstellation(date.day, date));
}

void DayListCommand::Declare(CLI::App& app) {
    auto* dates = app.add_option("DATE", m_dates, "公历日期 yyyy-mm-dd");
    if (!m_allowRange) {
        dates->required();
        return;
    }
    auto* from = app.add_option("--from", m_from, "起始日期");
    auto* to = app.add_option("--to", m_to, "结束日期");
    from->needs(to);
    to->needs(from);
    dates->excludes(from);
    app.require_option(1, 0);
    m_fromOption = from;
}

void DayListCommand::Run(CommandContext&, std::ostream& out) {
    // A range given is a range, even when a bound is empty: the empty text is no date.
    if (m_fromOption && m_fromOption->count() > 0) {
        const DayRange range = ParseDayRange(m_from, m_to);
        // Check both ends before printing, so that a range is refused whole.
        m_line(base::DateOfDayNumber(range.first), m_from);
        m_line(base::DateOfDayNumber(range.last), m_to);
        std::string lines;
        for (int day = range.first; day <= range.last; ++day)
            (lines += m_line(base::DateOfDayNumber(day), m_from)) += '\n';
        out << lines;
        return;
    }
    std::vector<CivilDate> dates;
    for (const std::string& text : m_dates)
        dates.push_back(base::ParseDate(text));
    std::string lines;
    for (std::size_t i = 0; i < dates.size(); ++i)
        (lines += m_line(dates[i], m_dates[i])) += '\n';
    out << lines;
}

void SolarCommand::Declare(CLI::App& app) {
    app.add_option("YEAR", m_year, "农历年")->required();
    app.add_option("MONTH", m_month, "农历月")->required();
    app.add_option("DAY", m_day, "农历日")->required();
    app.add_flag("--leap", m_leap, "闰月");
}

void SolarCommand::Run(CommandContext&, std::ostream& out) {
    const calendar::LunarDate lunar{base::ParseInt(m_year), base::ParseInt(m_month), base::ParseInt(m_day), m_leap};
    if (!calendar::IsValidLunarDate(lunar))
        throw InputError(fmt::format("'{} {} {}{}': 农历日期不存在!", m_year, m_month, m_day, m_leap ? " --leap" : ""));
    out << base::FormatDate(base::DatePart(calendar::LunarToSolar(lunar))) << '\n';
}

void TermCommand::Declare(CLI::App& app) {
    app.add_option("YEAR", m_year, "公历年")->required();
    app.add_option("INDEX", m_index, "节气序号 0（小寒）至 23（冬至）")->required();
}

void TermCommand::Run(CommandContext&, std::ostream& out) {
    const int year = base::ParseInt(m_year);
    const int index = base::ParseInt(m_index);
    if (year < calendar::kFirstLunarYear || year > calendar::kLastLunarYear)
        throw InputError(fmt::format("'{}': 年份须在1900至2100之间!", m_year));
    if (index < 0 || index > 23)
        throw InputError(fmt::format("'{}': 节气序号须在0至23之间!", m_index));
    out << base::FormatDateTime(calendar::SolarTermMoment(year, index)) << '\n';
}

} // namespace korvani::cli
