#pragma once

#include <string_view>

#include "base/DateValue.h"
#include "calendar/SixtyCycle.h"
#include "chart/BirthInput.h"
#include "data/DataStore.h"

// The four pillars (四柱, the eight characters 八字) of a birth moment, each a stem-branch pair of
// the sixty cycle.
namespace korvani::chart {

using Pillar = calendar::SixtyCycle;

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
    Pillar YearPillar;
    Pillar MonthPillar;
    Pillar DayPillar;
    Pillar HourPillar;
};

// True when the (trimmed) text is one of the twelve section terms.
bool IsSectionTerm(std::string_view text);

// True when a section term falls on the day of `birthMoment` (by the term table of Tgcode.dll) and
// its moment lies after the birth moment. Any failure to read the table gives false.
bool BeforeTermMoment(data::DataStore& store, int year, base::DateValue birthMoment);

// The pillars of a birth: solar date (a date that exists), hour 0..23, minute 0..59, sex text
// ("男" is male, anything else female). The term moment is read from the data file.
FourPillars ComputeFourPillars(data::DataStore& store, int year, int month, int day, int hour, int minute,
                               std::string_view sex);

// The pillars of a resolved birth; `sex` as typed (trimmed here).
FourPillars ComputeFourPillars(data::DataStore& store, const ResolvedBirth& birth, std::string_view sex);

// The same with the term test given instead of read.
FourPillars ComputeFourPillars(bool bornBeforeTerm, int year, int month, int day, int hour, int minute,
                               std::string_view sex);

} // namespace korvani::chart
