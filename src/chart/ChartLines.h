#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/BirthInput.h"
#include "chart/FourPillars.h"
#include "data/Catalogue.h"

// The lines that the birth-chart report and the company-name report share: the person, the birth
// in both calendars, and the eight characters with their ten gods, elements and nayin.
namespace korvani::chart {

// "姓名：", "年龄：", "您出生公历：", "农历：", "属相：", "星座：" lines. `hourShown` is the hour as the
// report writes it before "点"; the minute is written as typed.
std::vector<std::string> BirthHeaderLines(const ResolvedBirth& birth, const BirthInput& input, int currentYear,
                                          std::string_view hourShown);

// "十神：" + the ten gods of the year, month and hour stems against the day stem, "日元" in the day's place.
std::string TenGodsLine(data::Catalogue& catalogue, const FourPillars& p);

// "八字：" + the four pillars, three blanks apart.
std::string EightCharactersLine(const FourPillars& p);

// The elements of the eight characters: two per pillar, pillars three blanks apart. The element
// counts read it at fixed places, so the three blanks are part of its form.
std::string ElementText(data::Catalogue& catalogue, const FourPillars& p);

// "纳音：" + the nayin of the four pillars, one blank apart.
std::string NayinLine(data::Catalogue& catalogue, const FourPillars& p);

// The pillars of an input that ResolveBirth accepted.
FourPillars PillarsOf(data::Catalogue& catalogue, const ResolvedBirth& birth, const BirthInput& input);

} // namespace korvani::chart
