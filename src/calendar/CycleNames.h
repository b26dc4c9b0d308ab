#pragma once

#include <array>
#include <string_view>

// The names of the cycles of the Chinese calendar, each table once. The cycle value types
// (HeavenlyStem, EarthlyBranch, SixtyCycle, FiveElement) and the solar terms read their names here.
namespace korvani::calendar::names {

// 甲 is stem 0.
inline constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};

// 子 is branch 0; the zodiac animals in the same order.
inline constexpr std::array<std::string_view, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                               "午", "未", "申", "酉", "戌", "亥"};
inline constexpr std::array<std::string_view, 12> kAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                              "马", "羊", "猴", "鸡", "狗", "猪"};

// The hidden stems (藏干) of each branch by their qi, strongest first: 本气 (main qi, the branch's
// own element), 中气 (middle qi), 余气 (residual qi); stem indices, -1 where a branch holds fewer.
// The four cardinal branches hold one pure qi (子 癸, 卯 乙, 酉 辛) or two (午 丁己). The four
// branches that open a season (寅申巳亥) hold, after their own stem, the stem that is born there
// (丙 in 寅, 庚 in 巳, 壬 in 申, 甲 in 亥) and 戊 as residue (亥 has none). The four earth branches
// (辰戌丑未) hold their own earth, the element stored there (水库辰 癸, 火库戌 丁, 金库丑 辛,
// 木库未 乙) and the residue of the season that just ended (辰 乙, 戌 辛, 丑 癸, 未 丁).
// The chart report prints the hidden stems in the order of the rhyme (ChartDetails.h); this table
// weighs them.
inline constexpr std::array<std::array<int, 3>, 12> kHiddenQi = {{
    {9, -1, -1}, // 子 癸
    {5, 7, 9},   // 丑 己辛癸
    {0, 2, 4},   // 寅 甲丙戊
    {1, -1, -1}, // 卯 乙
    {4, 9, 1},   // 辰 戊癸乙
    {2, 6, 4},   // 巳 丙庚戊
    {3, 5, -1},  // 午 丁己
    {5, 1, 3},   // 未 己乙丁
    {6, 8, 4},   // 申 庚壬戊
    {7, -1, -1}, // 酉 辛
    {4, 3, 7},   // 戌 戊丁辛
    {8, 0, -1},  // 亥 壬甲
}};

// The five elements in the order in which each produces the next (木生火, 火生土 ...).
inline constexpr std::array<std::string_view, 5> kElements = {"木", "火", "土", "金", "水"};

// The 24 solar terms of a Gregorian year, 0 小寒 to 23 冬至; the even ones are the section terms (节)
// that open the solar months.
inline constexpr std::array<std::string_view, 24> kSolarTerms = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

} // namespace korvani::calendar::names
