#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvani::base {

// The date and time formats of the system's regional settings that the program relies on.
enum class RegionalItem { LongDate, ShortDate, Time, DateSeparator, TimeSeparator };

// Reading and writing the items of the system default locale. Where the system offers this (the
// Windows locale API) an implementation writes the system's settings; elsewhere there is no system
// default to rewrite, and ProcessRegionalSettings keeps the values for this process only.
class RegionalSettings {
public:
    virtual ~RegionalSettings() = default;
    virtual std::optional<std::string> Read(RegionalItem item) = 0;
    virtual bool Write(RegionalItem item, const std::string& value) = 0;
};

class ProcessRegionalSettings : public RegionalSettings {
public:
    std::optional<std::string> Read(RegionalItem item) override;
    bool Write(RegionalItem item, const std::string& value) override;

private:
    std::map<RegionalItem, std::string> m_values;
};

// The values the program needs, in the order they are checked.
const std::vector<std::pair<RegionalItem, std::string_view>>& RequiredRegionalSettings();

// At start: each item in order is read, trimmed and compared with the required value, and written
// only when it differs. The first failure to read or write ends the procedure silently. Returns the
// number of items written.
int CorrectRegionalSettings(RegionalSettings& settings);

} // namespace korvani::base
