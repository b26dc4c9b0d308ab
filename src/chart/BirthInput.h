#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "base/DateValue.h"
#include "base/ReportTypes.h"
#include "calendar/LunarDate.h"

namespace korvani::chart {

using base::ValidationMessage;

// A person's birth data as entered on a page: the fields as typed, and the hour as chosen from the
// hour list (the list's items "子 0" .. "子 23" are the hours 0 to 23; nullopt: none chosen) or as
// the hour box's text.
struct BirthInput {
    std::string surname;
    std::string givenName;
    std::string sex = "男"; // "男" or "女"
    bool lunar = false;     // the calendar list: item 0 "公历" solar, item 1 "农历" lunar
    std::string year = "1980";
    std::string month = "1";
    std::string day = "1";
    std::optional<int> hour = 0;
    // The hour box's text, as a page reads it (a list item or what the user typed). When it is not
    // blank it stands in for `hour`, and the birth's resolution reads it with ParseHourText.
    std::string hourText;
    std::string minute = "0";
};

// The 24 items of the hour list: "子 0", "丑 1", "丑 2", ... "亥 22", "子 23".
std::string HourItemText(int hour);

// The hour of the day in an hour box's text: a list item ("巳 9"), the same without the blank ("巳9")
// or a bare hour ("9"), blanks around allowed. As in the list's items, the branch character plays no
// part: the number decides. Any other text fails with InputError "'%s' 不是有效的整数", naming the
// whole text. The number is not checked against 0..23 here; the birth's resolution does that.
int ParseHourText(std::string_view text);

// The checks of the birth-date fields that every page makes in this order: year, month, day and
// hour must not be empty ("请选择出生年!" ...).
std::optional<ValidationMessage> CheckBirthDateFields(const BirthInput& input);

// The birth moment behind an input, in numbers: made once from the fields, then used by every
// computation of the command.
struct ResolvedBirth {
    base::CivilDate date; // the solar birth date
    calendar::LunarDate lunar;
    int hour = 0;
    int minute = 0;
};

// Resolves the date and time of an input whose fields are not empty. A text that is no date, no
// integer or no hour throws InputError ("'%s' 不是有效的日期", "'%s' 不是有效的整数"). A lunar
// date that does not exist, a solar date outside 1900-01-31..2100-12-31 (the calendar's years), an
// hour outside 0..23 or a minute outside 0..59 is refused with a message, before any conversion.
std::variant<ResolvedBirth, ValidationMessage> ResolveBirth(const BirthInput& input);

} // namespace korvani::chart
