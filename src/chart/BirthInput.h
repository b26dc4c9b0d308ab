#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "base/DateValue.h"
#include "calendar/LunarDate.h"

namespace korvani::chart {

// A person's birth data as entered on a page, every field as the text of its control.
struct BirthInput {
    std::string surname;
    std::string givenName;
    std::string sex = "男"; // "男" or "女"
    bool lunar = false;     // the calendar list: item 0 "公历" solar, item 1 "农历" lunar
    std::string year = "1980";
    std::string month = "1";
    std::string day = "1";
    std::string hour = "子 0"; // a branch, a blank and the hour of the day
    std::string minute = "0";
};

// The 24 items of the hour list: "子 0", "丑 1", "丑 2", ... "亥 22", "子 23".
std::string HourItemText(int hour);

// A message of the input checks, shown in the information box; `focus` names the input field that
// takes the input focus ("surname", "givenName", "shortName"; empty: the focus stays).
struct ValidationMessage {
    std::string text;
    std::string focus;
    friend bool operator==(const ValidationMessage&, const ValidationMessage&) = default;
};

// A report: the lines of the memo, or the message that refused the input.
struct ReportOutcome {
    std::optional<ValidationMessage> message;
    std::vector<std::string> lines;
};

// The checks of the birth-date fields that every page makes in this order: year, month, day and
// hour must not be empty ("请选择出生年!" ...).
std::optional<ValidationMessage> CheckBirthDateFields(const BirthInput& input);

// The birth moment behind an input.
struct ResolvedBirth {
    std::string dateText; // the date text: y-m-d as typed, or yyyy-mm-dd after a lunar conversion
    std::string yearText; // year, month and day texts that go with it
    std::string monthText;
    std::string dayText;
    base::CivilDate date; // the solar birth date
    calendar::LunarDate lunar;
    std::string hourText; // the hour as the hour item shows it ("0" .. "23")
    int hour = 0;
    int minute = 0;
};

// Resolves the date and time of an input whose fields are not empty. A text that is no date or no
// integer throws InputError ("'%s' is not a valid date"). A lunar date that does not exist, a solar
// date outside 1900-01-31..2100-12-31 (the calendar's years), an hour outside 0..23 or a minute
// outside 0..59 is refused with a message, before any conversion.
std::variant<ResolvedBirth, ValidationMessage> ResolveBirth(const BirthInput& input);

} // namespace korvani::chart
