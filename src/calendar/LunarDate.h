#pragma once

namespace korvani::calendar {

// A date of the Chinese lunar calendar. The all-zero record means "no lunar date".
struct LunarDate {
    int Year = 0;  // counted like the Gregorian year in which its first day falls
    int Month = 0; // 1 to 12; for a leap month, the number of the month it repeats
    int Day = 0;   // 1 to 30
    bool IsLeap = false;

    friend bool operator==(const LunarDate&, const LunarDate&) = default;
    bool IsEmpty() const { return Year == 0 && Month == 0 && Day == 0 && !IsLeap; }
};

} // namespace korvani::calendar
