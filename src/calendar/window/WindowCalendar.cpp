#include "calendar/window/WindowCalendar.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calendar/CycleNames.h"
#include "calendar/EarthlyBranch.h"

namespace korvani::calendar::window {

namespace {

// Four bytes per year 1901..2050: bit 7 of byte 0 the lunar month in force on 1 January (set 12,
// clear 11), bits 6..0 its day; bytes 1 and 2 the lengths of 16 lunar months from that one, most
// significant bit first (set 30, clear 29); byte 3 the month followed by a leap month (0 none).
//
// Two entries are corrected to the published Chinese calendar; the old table swapped a big and a
// small month, so that a whole month carried its neighbour's lunar days:
//  (a) 1989 was 0x18A4DD00: month 6 has 30 days and month 7 29 (1989-08-01..08-30 were a day off);
//  (b) 2013 was 0x14AD5500: month 4 has 29 days and month 5 30 (2013-06-08..07-07, month 5).
// clang-format off
constexpr std::array<std::uint32_t, 150> kWindowLunarTable = {
    0x0B52BA00, 0x16A95D00, 0x83A93705, 0x0E749B00, 0x1AB65500, 0x87B55504, 0x1155AA00, 0x1CA6B500, 0x8AA57502, // 1901
    0x1452BA00, 0x81526E06, 0x0DE93700, 0x18749700, 0x86EA9605, 0x106D5500, 0x1A35AA00, 0x884B6A02, 0x13A56D00, 0x1ED26E07, // 1910
    0x0BD25E00, 0x17E92E00, 0x84D92D05, 0x0FDA9500, 0x195B5200, 0x8756D404, 0x114ADA00, 0x1CA55D00, 0x89A4BD02, 0x15D25D00, // 1920
    0x82B25B06, 0x0DB52B00, 0x18BA9500, 0x86B6A505, 0x1056B400, 0x1A4ADA00, 0x8749BA03, 0x13A4BB00, 0x1EB25B07, 0x0B725700, // 1930
    0x16752B00, 0x846D2A06, 0x0FAD5500, 0x1955AA00, 0x86556C04, 0x12C97600, 0x1C64B700, 0x8AE4AE02, 0x15EA5600, 0x83DA5507, // 1940
    0x0D5B2A00, 0x18AD5500, 0x85AAD505, 0x10536A00, 0x1BA96D00, 0x88A95D03, 0x13D4AE00, 0x81D4AB08, 0x0CBA5500, 0x165AAA00, // 1950
    0x8356AA06, 0x0FAAD500, 0x1952DA00, 0x8652BA04, 0x11A95D00, 0x1DD49B00, 0x8A749B03, 0x15B65500, 0x82AD5507, 0x0D55AA00, // 1960
    0x18A5B500, 0x85A57505, 0x0F52B600, 0x1B693700, 0x89E93704, 0x13749700, 0x81EA9608, 0x0C6D5200, 0x162DAA00, 0x834B6A06, // 1970
    0x0EA56D00, 0x1AD26E00, 0x87D25E04, 0x12E92E00, 0x1DEC960A, 0x0BDA9500, 0x155B5200, 0x8256D206, 0x0C2ADA00, 0x18A55D00, // 1980 (a)
    0x85A4BD05, 0x10D25D00, 0x1BD92D00, 0x89B52B03, 0x14BA9500, 0x81B59508, 0x0B56B200, 0x162ADA00, 0x8349B605, 0x0E64BB00, // 1990
    0x19B25B00, 0x876A5704, 0x12752B00, 0x1DB69500, 0x8AAD5502, 0x1555AA00, 0x82556C07, 0x0DC97600, 0x1764B700, 0x86E4AE05, // 2000
    0x11EA5600, 0x1B6D2A00, 0x885AAA04, 0x14AB5500, 0x81AAD509, 0x0B52EA00, 0x16A96D00, 0x84A95D06, 0x0FD4AE00, 0x1AEA4D00, // 2010 (b)
    0x87BA5504, 0x125AAA00, 0x1DAB5500, 0x8AA6D502, 0x1452DA00, 0x8252BA06, 0x0DA93B00, 0x18B49B00, 0x85749B05, 0x11B54D00, // 2020
    0x1CD6A900, 0x8835AA03, 0x13A5B500, 0x81A5750B, 0x0B52B600, 0x16693700, 0x84E92F06, 0x10F49700, 0x1A754B00, 0x876D5205, // 2030
    0x112D6900, 0x1D95B500, 0x8AA56D02, 0x15D26E00, 0x82D25E07, 0x0EE92E00, 0x19EA9600, 0x86DA9505, 0x105B4A00, 0x1CAB6900, // 2040
    0x882AD803,                                                                                                             // 2050
};
// clang-format on
static_assert(kWindowLunarTable.back() == 0x882AD803, "one word per year 1901..2050");

// Day of each month's two solar terms: high four bits h (first term on day 15 − h), low four bits l
// (second term on day 15 + l); one row per year 1901..2050.
constexpr std::array<std::uint8_t, 1800> kWindowTermTable = {
#include "calendar/window/WindowTermTable.inc"
};
static_assert(kWindowTermTable.back() != 0, "one byte per month 1901..2050");

constexpr std::array<std::string_view, 13> kMonthNames = {"",   "正", "二", "三", "四", "五", "六",
                                                          "七", "八", "九", "十", "冬", "腊"};
constexpr std::array<std::string_view, 31> kDayNames = {"",     "初一", "初二", "初三", "初四", "初五", "初六", "初七",
                                                        "初八", "初九", "初十", "十一", "十二", "十三", "十四", "十五",
                                                        "十六", "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三",
                                                        "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
// An existing day of the window's years. Every day count below starts from such a day, so that no
// field of a date, whatever int it holds, reaches the day arithmetic or indexes a table.
bool InRange(const base::CivilDate& date) {
    return date.year >= kFirstWindowYear && date.year <= kLastWindowYear &&
           base::IsValidDate(date.year, date.month, date.day);
}

base::CivilDate NextDay(const base::CivilDate& date) { return base::DateOfDayNumber(base::DayNumber(date) + 1); }

} // namespace

int WindowLunarCode(const base::CivilDate& date) {
    if (!InRange(date))
        return 0;
    const std::uint32_t entry = kWindowLunarTable[date.year - kFirstWindowYear];
    const int byte0 = static_cast<int>(entry >> 24);
    const int lengths = static_cast<int>((entry >> 8) & 0xFFFF);
    const int leapMonth = static_cast<int>(entry & 0xFF);

    std::array<int, 17> months{};
    std::array<int, 16> days{};
    months[0] = byte0 & 0x80 ? 12 : 11;
    for (int k = 0; k < 16; ++k) {
        days[k] = lengths >> (15 - k) & 1 ? 30 : 29;
        if (months[k] == leapMonth) {
            months[k + 1] = -leapMonth;
        } else {
            const int next = std::abs(months[k]) + 1;
            months[k + 1] = next > 12 ? 1 : next;
        }
    }

    const int offset = byte0 & 0x7F;
    const int n = base::DayNumber(date) - base::DayNumber({date.year, 1, 1});
    int month;
    int day;
    if (n <= days[0] - offset) {
        day = offset + n;
        month = months[0];
        if (date.year > kFirstWindowYear && WindowLunarCode({date.year - 1, 12, 31}) < 0)
            month = -month;
    } else {
        int elapsed = days[0] - offset;
        int k = 1;
        while (n > elapsed + days[k])
            elapsed += days[k++];
        month = months[k];
        day = n - elapsed;
    }
    return month < 0 ? -(-month * 100 + day) : month * 100 + day;
}

std::string WindowMonthText(const base::CivilDate& date) {
    const int month = WindowLunarCode(date) / 100;
    if (month > 0)
        return std::string(kMonthNames[month]) + "月";
    if (month < 0)
        return "闰" + std::string(kMonthNames[-month]);
    return {};
}

std::string WindowDayText(const base::CivilDate& date) {
    return std::string(kDayNames[std::abs(WindowLunarCode(date)) % 100]);
}

std::string WindowLunarFestival(const base::CivilDate& date) {
    const int day = std::abs(WindowLunarCode(date)) % 100;
    const std::string month = WindowMonthText(date);
    struct Festival {
        int day;
        const char* month;
        const char* name;
    };
    static constexpr Festival kFestivals[] = {
        {1, "正月", "春节"},   {5, "五月", "端午节"},  {7, "七月", "七夕节"},  {8, "腊月", "腊八节"},
        {9, "九月", "重阳节"}, {15, "八月", "中秋节"}, {15, "正月", "元宵节"},
    };
    for (const Festival& f : kFestivals)
        if (day == f.day && month == f.month)
            return f.name;
    if (InRange(date) && month != "正月" && WindowMonthText(NextDay(date)) == "正月")
        return "除夕";
    return {};
}

std::string WindowSolarFestival(int day, const base::CivilDate& date) {
    const bool valid = base::IsValidDate(date.year, date.month, day);
    // The week of the month (0 for days 1..7) and the day of the week, of an existing day only.
    const int week = valid ? (day - 1) / 7 : -1;
    const int weekday = valid ? base::DayOfWeek({date.year, date.month, day}) : -1;
    switch (date.month) {
    case 1:
        return day == 1 ? "元旦节" : "";
    case 2:
        return day == 14 ? "情人节" : "";
    case 3:
        return day == 8 ? "妇女节" : "";
    case 4:
        return day == 1 ? "愚人节" : "";
    case 5:
        if (day == 1)
            return "劳动节";
        if (day == 4)
            return "青年节";
        return weekday == 0 && week == 1 ? "母亲节" : "";
    case 6:
        if (day == 1)
            return "儿童节";
        return weekday == 0 && week == 2 ? "父亲节" : "";
    case 7:
        return day == 1 ? "建党节" : "";
    case 8:
        return day == 1 ? "建军节" : "";
    case 9:
        return day == 10 ? "教师节" : "";
    case 10:
        if (day == 1)
            return "国庆节";
        if (day == 6)
            return "老人节";
        return day == 31 ? "万圣节" : "";
    case 11:
        if (day == 8)
            return "记者日";
        return weekday == 4 && week == 3 ? "感恩节" : "";
    case 12:
        return day == 25 ? "圣诞节" : "";
    }
    return {};
}

std::string WindowSolarTerm(const base::CivilDate& date) {
    if (!InRange(date))
        return {};
    const std::uint8_t days = kWindowTermTable[(date.year - kFirstWindowYear) * 12 + date.month - 1];
    if (date.day == 15 - (days >> 4))
        return std::string(names::kSolarTerms[2 * date.month - 2]);
    if (date.day == 15 + (days & 0xF))
        return std::string(names::kSolarTerms[2 * date.month - 1]);
    return {};
}

std::string WindowYearAnimal(const base::CivilDate& date) {
    // The branch of the year counted from 1972 (a 子 year); remainders first, so that no year overflows.
    int k = (date.year % 12 - 1972 % 12 + 24) % 12;
    if (date.month <= 3) {
        const std::string month = WindowMonthText(date);
        if (month.find("冬") != std::string::npos || month.find("腊") != std::string::npos)
            k = (k + 11) % 12;
    }
    return std::string(EarthlyBranch(k).Name()) + std::string(EarthlyBranch(k).Animal());
}

std::string WindowConstellation(int day, const base::CivilDate& date) {
    struct Bound {
        int lastDay;
        const char* before;
        const char* after;
    };
    static constexpr Bound kBounds[] = {
        {19, "摩羯座", "水瓶座"}, {18, "水瓶座", "双鱼座"}, {20, "双鱼座", "白羊座"}, {19, "白羊座", "金牛座"},
        {20, "金牛座", "双子座"}, {21, "双子座", "巨蟹座"}, {22, "巨蟹座", "狮子座"}, {22, "狮子座", "处女座"},
        {22, "处女座", "天秤座"}, {23, "天秤座", "天蝎座"}, {21, "天蝎座", "射手座"}, {21, "射手座", "摩羯座"},
    };
    if (date.month < 1 || date.month > 12 || day < 1 || day > 31)
        return {};
    const Bound& b = kBounds[date.month - 1];
    return day <= b.lastDay ? b.before : b.after;
}

} // namespace korvani::calendar::window
