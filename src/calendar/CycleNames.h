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

// The five elements in the order in which each produces the next (木生火, 火生土 ...).
inline constexpr std::array<std::string_view, 5> kElements = {"木", "火", "土", "金", "水"};

// The 24 solar terms of a Gregorian year, 0 小寒 to 23 冬至; the even ones are the section terms (节)
// that open the solar months.
inline constexpr std::array<std::string_view, 24> kSolarTerms = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

} // namespace korvani::calendar::names
