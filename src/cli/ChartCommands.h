#pragma once

#include <string>

#include "chart/BirthInput.h"
#include "cli/Command.h"

namespace korvani::cli {

// The birth options shared by the report commands: --surname --given --sex --calendar --year
// --month --day --hour --minute, with the defaults of the pages.
struct BirthOptions {
    void Declare(CLI::App& app);
    chart::BirthInput Input() const;

    std::string surname;
    std::string given;
    std::string sex = "男";
    std::string calendar = "solar";
    std::string year = "1980";
    std::string month = "1";
    std::string day = "1";
    std::string hour = "0";
    std::string minute = "0";
};

// `pillars DATE HOUR MINUTE SEX [--before-term 0|1]` and `details ...`: the four pillars, or the
// chart details, of a birth moment.
class PillarsCommand : public Command {
public:
    explicit PillarsCommand(bool details) : m_details(details) {}
    void Declare(CLI::App& app) override;
    std::vector<data::DataFileId> DataFiles() const override;
    void Run(CommandContext& context, std::ostream& out) override;

private:
    bool m_details;
    std::string m_date;
    std::string m_hour;
    std::string m_minute;
    std::string m_sex;
    std::string m_beforeTerm;
};

// `chart` (birth options) → the birth-chart report, one memo line per output line.
class ChartCommand : public Command {
public:
    void Declare(CLI::App& app) override;
    std::vector<data::DataFileId> DataFiles() const override;
    void Run(CommandContext& context, std::ostream& out) override;

private:
    BirthOptions m_birth;
};

// The current year by the system clock, for the reports' ages.
int CurrentYear();

// Writes a report's lines, or throws its input message as bad input.
void WriteReport(const base::ReportOutcome& outcome, std::ostream& out);

} // namespace korvani::cli
