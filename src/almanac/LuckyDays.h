#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "almanac/LuckyDayRules.h"
#include "base/DateValue.h"
#include "base/ReportTypes.h"
#include "chart/BirthInput.h"
#include "chart/FourPillars.h"
#include "data/DataStore.h"

// Choosing a day (择吉日): the days of a span that suit an affair, for the company's representative,
// best first, each with its reasons. The rules and the score are those of LuckyDayRules.h.
namespace korvani::almanac {

// The span of the almanac.
inline constexpr base::CivilDate kFirstAlmanacDay{1901, 1, 1};
inline constexpr base::CivilDate kLastAlmanacDay{2100, 12, 31};

// A qualifying day.
struct LuckyDay {
    base::CivilDate date;
    std::string weekday;   // 星期六
    std::string lunarDate; // 正月初一, 闰二月初一
    calendar::SixtyCycle pillar;
    int spirit = 0;  // index into kDaySpirits
    int officer = 0; // index into kDayOfficers
    int score = 0;
    std::string reasons;

    // "青龙(黄道)".
    std::string SpiritText() const;
    // "成日".
    std::string OfficerText() const;
};

// How the days of a span fared, for the note of an empty list.
struct LuckyDayTally {
    int days = 0;          // the days of the span
    int listed = 0;        // those whose 宜 names the affair
    int allUnsuitable = 0; // of those, 诸事不宜 days
    int forbidden = 0;     // of those, days whose 忌 names it too
    int clashing = 0;      // of those, days that clash with the representative's animal
};

struct LuckyDayResult {
    std::vector<LuckyDay> days; // best first: higher score, then the earlier day
    LuckyDayTally tally;
};

// The checks of a search, in order: the affair is one of kLuckyDayActivities; both days lie in the
// almanac's span; the span does not end before it begins.
std::optional<base::ValidationMessage> CheckLuckyDaySearch(const base::CivilDate& from, const base::CivilDate& to,
                                                           std::string_view activity);

// The days from `from` to `to` (both included) that suit `activity`, for a representative with the
// given chart, or for nobody in particular. Input that fails CheckLuckyDaySearch throws InputError
// with its message; a data file that cannot be read throws DataFileError.
LuckyDayResult FindLuckyDays(data::DataStore& store, const base::CivilDate& from, const base::CivilDate& to,
                             std::string_view activity, const std::optional<chart::FourPillars>& representative);

enum class LuckyDayOrder { ByScore, ByDate };
void OrderLuckyDays(std::vector<LuckyDay>& days, LuckyDayOrder order);

// Why a search found no day, from its tally: a span too short to hold a day that suits the affair,
// or the rules that left out every day that did.
std::string WhyNoLuckyDay(const LuckyDayTally& tally, std::string_view activity,
                          const std::optional<chart::FourPillars>& representative);

// The representative's chart from the birth fields (surname, given name and sex play no part): the
// checks of the birth-date fields, then the four pillars, whose year turns at 立春. A text that is
// no date or number throws InputError.
std::variant<chart::FourPillars, base::ValidationMessage> RepresentativeChart(data::DataStore& store,
                                                                              const chart::BirthInput& birth);

// "属牛，日柱癸酉" of a chart.
std::string RepresentativeText(const chart::FourPillars& chart);

// The list as it prints and saves: a heading with the affair, the span and the representative, then
// one line per day (date, weekday, lunar date, day spirit, officer, score, reasons), or the note of
// an empty list.
std::vector<std::string> LuckyDayReportLines(const base::CivilDate& from, const base::CivilDate& to,
                                             std::string_view activity,
                                             const std::optional<chart::FourPillars>& representative,
                                             const LuckyDayResult& result);

} // namespace korvani::almanac
