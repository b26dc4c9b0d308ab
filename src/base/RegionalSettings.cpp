#include "base/RegionalSettings.h"

#include "base/Text.h"

namespace korvani::base {

std::optional<std::string> ProcessRegionalSettings::Read(RegionalItem item) {
    const auto it = m_values.find(item);
    return it == m_values.end() ? std::string() : it->second;
}

bool ProcessRegionalSettings::Write(RegionalItem item, const std::string& value) {
    m_values[item] = value;
    return true;
}

const std::vector<std::pair<RegionalItem, std::string_view>>& RequiredRegionalSettings() {
    static const std::vector<std::pair<RegionalItem, std::string_view>> required = {
        {RegionalItem::LongDate, "yyyy'年'M'月'd'日'"},
        {RegionalItem::ShortDate, "yyyy-MM-dd"},
        {RegionalItem::Time, "H:mm:ss"},
        {RegionalItem::DateSeparator, "-"},
        {RegionalItem::TimeSeparator, ":"},
    };
    return required;
}

int CorrectRegionalSettings(RegionalSettings& settings) {
    int written = 0;
    for (const auto& [item, value] : RequiredRegionalSettings()) {
        const auto current = settings.Read(item);
        if (!current)
            return written;
        if (Trim(*current) == value)
            continue;
        if (!settings.Write(item, std::string(value)))
            return written;
        ++written;
    }
    return written;
}

} // namespace korvani::base
