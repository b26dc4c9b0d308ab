#include <gtest/gtest.h>

#include "base/RegionalSettings.h"

using namespace korvani::base;

namespace {

// Settings that count writes and can fail at a chosen item.
class FakeSettings : public RegionalSettings {
public:
    std::optional<std::string> Read(RegionalItem item) override {
        if (item == failReadAt)
            return std::nullopt;
        return values[item];
    }
    bool Write(RegionalItem item, const std::string& value) override {
        writes.push_back(item);
        if (item == failWriteAt)
            return false;
        values[item] = value;
        return true;
    }
    std::map<RegionalItem, std::string> values;
    std::vector<RegionalItem> writes;
    std::optional<RegionalItem> failReadAt;
    std::optional<RegionalItem> failWriteAt;
};

} // namespace

TEST(RegionalSettings, WritesOnlyWhatDiffers) {
    FakeSettings settings;
    EXPECT_EQ(CorrectRegionalSettings(settings), 5);
    EXPECT_EQ(settings.values[RegionalItem::LongDate], "yyyy'年'M'月'd'日'");
    settings.writes.clear();
    // Already right, or right but for blanks around it: nothing is written.
    settings.values[RegionalItem::LongDate] = "  yyyy'年'M'月'd'日' ";
    EXPECT_EQ(CorrectRegionalSettings(settings), 0);
    EXPECT_TRUE(settings.writes.empty());
    settings.values[RegionalItem::DateSeparator] = "/";
    EXPECT_EQ(CorrectRegionalSettings(settings), 1);
    EXPECT_EQ(settings.writes, std::vector<RegionalItem>{RegionalItem::DateSeparator});
}

TEST(RegionalSettings, TheFirstFailureEndsSilently) {
    FakeSettings settings;
    settings.failWriteAt = RegionalItem::Time;
    EXPECT_EQ(CorrectRegionalSettings(settings), 2);
    EXPECT_EQ(settings.writes.size(), 3u);
    EXPECT_EQ(settings.values.count(RegionalItem::DateSeparator), 0u);
    FakeSettings unreadable;
    unreadable.failReadAt = RegionalItem::LongDate;
    EXPECT_EQ(CorrectRegionalSettings(unreadable), 0);
    ProcessRegionalSettings process;
    EXPECT_EQ(CorrectRegionalSettings(process), 5);
    EXPECT_EQ(CorrectRegionalSettings(process), 0);
}
