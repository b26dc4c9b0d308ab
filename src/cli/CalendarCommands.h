#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/DateValue.h"
#include "cli/Command.h"

namespace korvani::cli {

// A command over solar days: `DATE...` or `--from DATE --to DATE`, one output line per day.
class DayListCommand : public Command {
public:
    // The line of one day, or InputError when the day lies outside the command's calendar.
    using DayLine = std::function<std::string(const base::CivilDate&, const std::string& text)>;

    DayListCommand(bool allowRange, DayLine line) : m_allowRange(allowRange), m_line(std::move(line)) {}
    void Declare(CLI::App& app) override;
    void Run(CommandContext& context, std::ostream& out) override;

private:
    bool m_allowRange;
    DayLine m_line;
    std::vector<std::string> m_dates;
    std::string m_from;
    std::string m_to;
    const CLI::Option* m_fromOption = nullptr;
};

// `solar YEAR MONTH DAY [--leap]` → the solar day of a lunar date.
class SolarCommand : public Command {
public:
    void Declare(CLI::App& app) override;
    void Run(CommandContext& context, std::ostream& out) override;

private:
    std::string m_year;
    std::string m_month;
    std::string m_day;
    bool m_leap = false;
};

// `term YEAR INDEX` → the moment of a solar term.
class TermCommand : public Command {
public:
    void Declare(CLI::App& app) override;
    void Run(CommandContext& context, std::ostream& out) override;

private:
    std::string m_year;
    std::string m_index;
};

// The lines of the calendar commands, for the registry.
std::string LunarLine(const base::CivilDate& date, const std::string& text);
std::string LabelsLine(const base::CivilDate& date, const std::string& text);
std::string WindowCalendarLine(const base::CivilDate& date, const std::string& text);

} // namespace korvani::cli
