#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart/FourPillars.h"
#include "data/DataStore.h"

// What the birth-chart report prints about a chart beyond its pillars: conception pillar (胎元),
// the ten-year luck pillars (大运) with their direction and starting age (起运), the hidden stems
// (遁藏), and the lookups of ten gods, nayin and element counts.
namespace korvani::chart {

// The hidden stems (藏干) of each branch, index 0 for 子 up to 11 for 亥, in the order printed.
inline constexpr std::array<std::string_view, 12> HiddenStems = {"癸",   "癸辛己", "甲丙戊", "乙", "乙戊癸", "庚丙戊",
                                                                 "己丁", "乙己丁", "戊庚壬", "辛", "辛丁戊", "壬甲"};

struct ChartDetails {
    Pillar ConceptionPillar;
    bool LuckBackward = false;
    // Days from the birth date to the section term that fixes the starting age; 0 when none lies
    // within 32 days (only outside the calendar's years).
    int TermDays = 0;
    int StartAge = 0;
    // Entry 0 is the month pillar itself, entries 1 to 9 the luck pillars.
    std::array<Pillar, 10> LuckPillars{};
    std::string YearHidden;
    std::string MonthHidden;
    std::string DayHidden;
    std::string HourHidden;
};

ChartDetails ComputeChartDetails(const FourPillars& pillars);

// The five-element class of one character (金, 木, 水, 火 or 土), from Tgcode.dll; "" when it has
// none or the file cannot be read.
std::string CharacterElement(data::DataStore& store, std::string_view character);

// The ten god of the second stem of the key seen from the first (the day stem), from Tgcode.dll;
// "" when the key has no row or the file cannot be read.
std::string TenGodName(data::DataStore& store, std::string_view stemPair);

// The nayin of a pillar, from Tgcode.dll; "" when there is none.
std::string NayinName(data::DataStore& store, std::string_view pillar);

// The elements of the eight characters: two per pillar, pillars three blanks apart. The element
// counts read it at fixed places, so the three blanks are part of its form.
std::string ElementText(data::DataStore& store, const FourPillars& p);

// "金:占n个, 木:占n个, 水:占n个, 火:占n个, 土:占n个", counting the element characters that stand at
// the eight places of the element line (GBK byte positions 1, 3, 8, 10, 15, 17, 22, 24): an empty
// element shifts the later places, and the counts follow the places.
std::string ElementCountText(std::string_view elementText);

} // namespace korvani::chart
