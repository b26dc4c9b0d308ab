#include "almanac/DailyAlmanac.h"

#include <utility>

#include "base/DateValue.h"
#include "base/Errors.h"
#include "base/Text.h"

namespace korvani::almanac {

using base::ValidationMessage;

bool IsAlmanacDate(std::string_view text) {
    try {
        base::ParseDate(text);
        return true;
    } catch (const InputError&) {
        return false;
    }
}

std::variant<ValidationMessage, std::string> AlmanacDateText(const AlmanacDateInput& input) {
    const std::string_view year = base::Trim(input.year);
    if (year.empty())
        return ValidationMessage{"请选择年!"};
    const std::string_view month = base::Trim(input.month);
    if (month.empty())
        return ValidationMessage{"请选择月!"};
    const std::string_view day = base::Trim(input.day);
    if (day.empty())
        return ValidationMessage{"请选择日!"};
    std::string text = std::string(year) + "-" + std::string(month) + "-" + std::string(day);
    if (!IsAlmanacDate(text))
        return ValidationMessage{std::string(kInvalidDateMessage)};
    return text;
}

AlmanacEntry AlmanacEntryOf(std::string_view dateText, const data::AlmanacRow& row) {
    AlmanacEntry entry;
    entry.overview = std::string(dateText) + "  " + row.nn;
    const std::pair<const char*, const std::string*> labelled[] = {
        {"当日统览:", &entry.overview},
        {"岁次:", &row.suici},
        {"每日胎神占方:", &row.tszf},
        {"五行:", &row.wuhang},
        {"冲:", &row.cong},
        {"彭祖百忌:", &row.pzbj},
        {"吉神宜趋:", &row.jsyq},
        {"宜:", &row.yi},
        {"凶神宜忌:", &row.xsyq},
        {"忌:", &row.ji},
    };
    for (const auto& [label, text] : labelled) {
        if (!entry.lines.empty())
            entry.lines.emplace_back();
        entry.lines.push_back(label + *text);
    }
    return entry;
}

std::optional<AlmanacEntry> LookUpAlmanacDay(data::DataStore& store, std::string_view dateText) {
    const std::optional<data::AlmanacRow> row = data::OrvBirth(store).AlmanacDay(base::ParseDate(dateText));
    if (!row)
        return std::nullopt;
    return AlmanacEntryOf(dateText, *row);
}

AlmanacOutcome LookUpAlmanac(data::DataStore& store, const AlmanacDateInput& input) {
    auto text = AlmanacDateText(input);
    if (const auto* message = std::get_if<ValidationMessage>(&text))
        return {*message, std::nullopt};
    return {std::nullopt, LookUpAlmanacDay(store, std::get<std::string>(text))};
}

} // namespace korvani::almanac
