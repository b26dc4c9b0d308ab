#include "chart/BirthInput.h"

#include <fmt/format.h>

#include "base/Errors.h"
#include "base/Parse.h"
#include "base/Text.h"
#include "calendar/EarthlyBranch.h"
#include "calendar/LunarCalendar.h"

namespace korvani::chart {

std::string HourItemText(int hour) {
    return std::string(calendar::EarthlyBranch::OfHour(hour).Name()) + " " + std::to_string(hour);
}

int ParseHourText(std::string_view text) {
    std::string_view rest = base::Trim(text);
    // A leading branch character (three bytes in UTF-8) and the blanks after it.
    if (rest.size() > 3 && calendar::EarthlyBranch::FromName(rest.substr(0, 3)))
        rest = base::Trim(rest.substr(3));
    const bool digits = !rest.empty() && rest.find_first_not_of("0123456789") == std::string_view::npos;
    try {
        if (digits)
            return base::ParseInt(rest);
    } catch (const InputError&) {
    }
    throw InputError(fmt::format("'{}' 不是有效的整数", text));
}

std::optional<ValidationMessage> CheckBirthDateFields(const BirthInput& input) {
    using base::Trim;
    if (Trim(input.year).empty())
        return ValidationMessage{"请选择出生年!"};
    if (Trim(input.month).empty())
        return ValidationMessage{"请选择出生月!"};
    if (Trim(input.day).empty())
        return ValidationMessage{"请选择出生日!"};
    if (!input.hour && Trim(input.hourText).empty())
        return ValidationMessage{"请选择出生小时!"};
    return std::nullopt;
}

std::variant<ResolvedBirth, ValidationMessage> ResolveBirth(const BirthInput& input) {
    using base::TrimCopy;
    ResolvedBirth b;
    if (!input.lunar) {
        b.date = base::ParseDate(TrimCopy(input.year) + "-" + TrimCopy(input.month) + "-" + TrimCopy(input.day));
        if (b.date < base::CivilDate{1900, 1, 31} || b.date > base::CivilDate{2100, 12, 31})
            return ValidationMessage{"公历日期须在1900-01-31至2100-12-31之间!"};
    } else {
        const calendar::LunarDate entered{base::ParseInt(TrimCopy(input.year)), base::ParseInt(TrimCopy(input.month)),
                                          base::ParseInt(TrimCopy(input.day)), false};
        if (!calendar::IsValidLunarDate(entered))
            return ValidationMessage{"农历日期不存在!"};
        b.date = base::DatePart(calendar::LunarToSolar(entered));
    }
    b.lunar = calendar::SolarToLunar(base::DayNumber(b.date));
    b.hour = base::Trim(input.hourText).empty() ? input.hour.value_or(0) : ParseHourText(input.hourText);
    b.minute = base::ParseInt(TrimCopy(input.minute));
    if (b.hour < 0 || b.hour > 23)
        return ValidationMessage{"出生小时须在0至23之间!"};
    if (b.minute < 0 || b.minute > 59)
        return ValidationMessage{"出生分钟须在0至59之间!"};
    return b;
}

} // namespace korvani::chart
