#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/DateValue.h"
#include "data/Repository.h"

namespace korvani::data {

// One day of the almanac (`huangdao`), its texts trimmed.
struct AlmanacRow {
    std::string gn; // the day, yyyy-mm-dd
    std::string nn;
    std::string suici;
    std::string tszf;
    std::string wuhang;
    std::string cong;
    std::string pzbj;
    std::string jsyq;
    std::string yi;
    std::string xsyq;
    std::string ji;
};

// A day of the almanac in numbers, for searches over many days. The texts that the numbers name
// are read once each through Text and Entries.
struct AlmanacDayCodes {
    std::string gn; // the day, yyyy-mm-dd
    int dayPillar;  // the day's pillar, 0 甲子 .. 59 癸亥
    int lunarMonth; // text ids of the lunar month (正月 .., 闰二月 ..), the lunar day and the weekday
    int lunarDay;
    int weekday;
    int entry; // the day's entry: the texts it shares with every day of its month branch and pillar
};

// The texts of an entry that a choice of days reads, trimmed.
struct AlmanacEntryTexts {
    int id = 0;
    std::string jsyq;    // 吉神宜趋, the names separated by blanks
    std::string yi;      // 宜
    std::string ji;      // 忌
    std::string zhishen; // the day spirit with its path: 值神青龙(黄道)
    std::string jianchu; // the officer of the twelve: 成日
};

// OrvBirth.dll: the almanac (`huangdao`).
class OrvBirth : public Repository {
public:
    explicit OrvBirth(DataStore& store) : Repository(store, DataFileId::OrvBirth) {}

    // The almanac row of a day.
    std::optional<AlmanacRow> AlmanacDay(const base::CivilDate& day) const;

    // The days from `from` to `to`, both included, in date order; days outside the almanac are
    // not there.
    std::vector<AlmanacDayCodes> DaysBetween(const base::CivilDate& from, const base::CivilDate& to) const;
    // Every entry, by id.
    std::vector<AlmanacEntryTexts> Entries() const;
    // A text by its id; empty when there is none.
    std::string Text(int id) const;
};

} // namespace korvani::data
