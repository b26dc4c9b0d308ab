#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/ReportTypes.h"
#include "data/DataStore.h"
#include "data/OrvBirth.h"

namespace korvani::almanac {

// The almanac page's three date boxes, as typed or chosen.
struct AlmanacDateInput {
    std::string year;
    std::string month;
    std::string day;
};

// One day's entry: the overview text (the date as typed, two blanks, then the row's `nn`) and the
// memo lines.
struct AlmanacEntry {
    std::string overview;
    std::vector<std::string> lines;
};

// The outcome of 查看: the input check's message, or the day's entry. Neither when the data file
// holds no row for the day, which leaves the page as it was.
struct AlmanacOutcome {
    std::optional<base::ValidationMessage> message;
    std::optional<AlmanacEntry> entry;
};

// The message for a date text that names no existing day.
inline constexpr std::string_view kInvalidDateMessage = "请选择有效的日期!";

// Whether a date text names an existing day: year, month and day joined by "-", months and days with
// or without a leading zero.
bool IsAlmanacDate(std::string_view text);

// The date text of the boxes: year, month and day trimmed and joined by "-" exactly as typed
// (2010-2-3 stays 2010-2-3), or the message of the first check that fails: an empty box, or a text
// that is no existing day ("请选择有效的日期!").
std::variant<base::ValidationMessage, std::string> AlmanacDateText(const AlmanacDateInput& input);

// The memo of a day's row: ten labelled lines ("当日统览:" to "忌:") with an empty line between each
// two, 19 lines in all; `dateText` is the date as the user typed it.
AlmanacEntry AlmanacEntryOf(std::string_view dateText, const data::AlmanacRow& row);

// The entry of the day that `dateText` names (a valid date text, leading zeros optional); nullopt
// when the almanac has no row for it. A data file that cannot be read throws DataFileError.
std::optional<AlmanacEntry> LookUpAlmanacDay(data::DataStore& store, std::string_view dateText);

// 查看: the checks of the boxes in order, then the lookup.
AlmanacOutcome LookUpAlmanac(data::DataStore& store, const AlmanacDateInput& input);

} // namespace korvani::almanac
