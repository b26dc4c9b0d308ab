#include "chart/BirthInput.h"

#include "base/Errors.h"
#include "base/Gbk.h"
#include "base/Parse.h"
#include "base/Text.h"
#include "calendar/LunarCalendar.h"
#include "chart/FourPillars.h"

namespace korvani::chart {

std::string HourItemText(int hour) {
    return std::string(BranchByNumber[Mod((hour + 3) / 2, 12)]) + " " + std::to_string(hour);
}

namespace {

// Bytes 4 and 5 of the hour text, after the branch character and the blank, trimmed.
std::string HourNumberText(const std::string& hourText) {
    std::string gbk;
    try {
        gbk = base::Utf8ToGbk(hourText);
    } catch (const base::GbkEncodeError&) {
        return hourText;
    }
    return base::TrimCopy(base::GbkToUtf8(gbk.size() > 3 ? gbk.substr(3, 2) : std::string()));
}

} // namespace

std::optional<ValidationMessage> CheckBirthDateFields(const BirthInput& input) {
    using base::Trim;
    if (Trim(input.year).empty())
        return ValidationMessage{"请选择出生年!", ""};
    if (Trim(input.month).empty())
        return ValidationMessage{"请选择出生月!", ""};
    if (Trim(input.day).empty())
        return ValidationMessage{"请选择出生日!", ""};
    if (Trim(input.hour).empty())
        return ValidationMessage{"请选择出生小时!", ""};
    return std::nullopt;
}

std::variant<ResolvedBirth, ValidationMessage> ResolveBirth(const BirthInput& input) {
    using base::TrimCopy;
    ResolvedBirth b;
    if (!input.lunar) {
        b.yearText = TrimCopy(input.year);
        b.monthText = TrimCopy(input.month);
        b.dayText = TrimCopy(input.day);
        b.dateText = b.yearText + "-" + b.monthText + "-" + b.dayText;
        b.date = base::ParseDate(b.dateText);
        if (b.date < base::CivilDate{1900, 1, 31} || b.date > base::CivilDate{2100, 12, 31})
            return ValidationMessage{"公历日期须在1900-01-31至2100-12-31之间!", ""};
    } else {
        const calendar::LunarDate entered{base::ParseInt(TrimCopy(input.year)), base::ParseInt(TrimCopy(input.month)),
                                          base::ParseInt(TrimCopy(input.day)), false};
        if (!calendar::IsValidLunarDate(entered))
            return ValidationMessage{"农历日期不存在!", ""};
        b.date = base::DatePart(calendar::LunarToSolar(entered));
        b.dateText = base::FormatDate(b.date);
        b.yearText = b.dateText.substr(0, 4);
        b.monthText = b.dateText.substr(5, 2);
        b.dayText = b.dateText.substr(8, 2);
    }
    b.lunar = calendar::SolarToLunar(base::DayNumber(b.date));
    b.hourText = HourNumberText(input.hour);
    b.hour = base::ParseInt(b.hourText);
    b.minute = base::ParseInt(TrimCopy(input.minute));
    if (b.hour < 0 || b.hour > 23)
        return ValidationMessage{"出生小时须在0至23之间!", ""};
    if (b.minute < 0 || b.minute > 59)
        return ValidationMessage{"出生分钟须在0至59之间!", ""};
    return b;
}

} // namespace korvani::chart
