#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/BirthInput.h"
#include "chart/FourPillars.h"
#include "data/DataStore.h"

// The lines that the birth-chart report and the company-name report share: the person, the birth
// in both calendars, and the eight characters with their ten gods, elements and nayin.
namespace korvani::reports {

// "姓名：", "年龄：", "您出生公历：", "农历：", "属相：", "星座：" lines. The hour is written as a number
// before "点"; the minute as typed.
std::vector<std::string> BirthHeaderLines(const chart::ResolvedBirth& birth, const chart::BirthInput& input,
                                          int currentYear);

// "十神：" + the ten gods of the year, month and hour stems against the day stem, "日元" in the day's place.
std::string TenGodsLine(data::DataStore& store, const chart::FourPillars& p);

// "八字：" + the four pillars, three blanks apart.
std::string EightCharactersLine(const chart::FourPillars& p);

// "纳音：" + the nayin of the four pillars, one blank apart.
std::string NayinLine(data::DataStore& store, const chart::FourPillars& p);

// The block "喜用神分析": the day master's season, the points of the other places by group, the
// verdict with its figures, the favourable and unfavourable elements and why. Opens with an empty line.
std::vector<std::string> FavourableElementLines(const chart::FourPillars& p);

} // namespace korvani::reports
