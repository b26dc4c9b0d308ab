#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/DateValue.h"
#include "data/Catalogue.h"

// The four pillars (四柱, the eight characters 八字) of a birth moment.
//
// Stems and branches are held as their traditional ordinals reduced modulo 10 and 12: 甲 is stem 1
// and 癸 stem 0, 子 is branch 1 and 亥 branch 0.
namespace korvani::chart {

inline constexpr std::array<std::string_view, 10> StemByNumber = {"癸", "甲", "乙", "丙", "丁",
                                                                  "戊", "己", "庚", "辛", "壬"};
inline constexpr std::array<std::string_view, 12> BranchByNumber = {"亥", "子", "丑", "寅", "卯", "辰",
                                                                    "巳", "午", "未", "申", "酉", "戌"};
// The twelve section terms (节) that open the solar months.
inline constexpr std::array<std::string_view, 12> SectionTermNames = {"立春", "惊蛰", "清明", "立夏", "芒种", "小暑",
                                                                      "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};

// a mod n in 0..n−1, also for negative a.
constexpr int Mod(int a, int n) { return ((a % n) + n) % n; }

struct Pillar {
    int stem = 0;
    int branch = 0;
    friend bool operator==(const Pillar&, const Pillar&) = default;
};

// The two characters of a pillar, stem then branch (甲子).
std::string PillarText(const Pillar& pillar);
std::string PillarText(int stem, int branch);

struct FourPillars {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    bool IsMale = false;
    // Born on the day of a section term, before the term's moment.
    bool BornBeforeTerm = false;
    // Month × 100 + Day, less one when born before the term.
    int MonthCode = 0;
    int YearStem = 0, YearBranch = 0;
    int MonthStem = 0, MonthBranch = 0;
    int DayStem = 0, DayBranch = 0;
    int HourStem = 0, HourBranch = 0;

    Pillar YearPillar() const { return {YearStem, YearBranch}; }
    Pillar MonthPillar() const { return {MonthStem, MonthBranch}; }
    Pillar DayPillar() const { return {DayStem, DayBranch}; }
    Pillar HourPillar() const { return {HourStem, HourBranch}; }
};

// True when the (trimmed) text is one of the twelve section terms.
bool IsSectionTerm(std::string_view text);

// True when a section term falls on the day of `birthMoment` (by the term table of Tgcode.dll) and
// its moment lies after the birth moment. Any failure to read the table gives false.
bool BeforeTermMoment(data::Catalogue& catalogue, int year, base::DateValue birthMoment);

// The pillars of a birth: solar date (a date that exists), hour 0..23, minute 0..59, sex text
// ("男" is male, anything else female). The term moment is read from the data file.
FourPillars ComputeFourPillars(data::Catalogue& catalogue, int year, int month, int day, int hour, int minute,
                               std::string_view sex);

// The same with the term test given instead of read.
FourPillars ComputeFourPillars(bool bornBeforeTerm, int year, int month, int day, int hour, int minute,
                               std::string_view sex);

} // namespace korvani::chart
