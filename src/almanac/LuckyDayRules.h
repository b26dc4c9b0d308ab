#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/EarthlyBranch.h"
#include "calendar/SixtyCycle.h"
#include "chart/FourPillars.h"
#include "data/OrvBirth.h"

// The rules by which a day is chosen for an affair of the business (择吉日): which days qualify,
// and the small score that ranks them, with its reasons in words.
namespace korvani::almanac {

// The affairs a day can be chosen for, named as the 宜 and 忌 lines name them; 开市 (opening the
// business) comes first and is the default.
inline constexpr std::array<std::string_view, 11> kLuckyDayActivities = {"开市", "交易", "立券", "纳财", "挂匾", "入宅",
                                                                         "移徙", "动土", "修造", "出行", "嫁娶"};
inline constexpr std::string_view kDefaultActivity = "开市";
bool IsLuckyDayActivity(std::string_view activity);

// The twelve day spirits (值神) in their cycle order. 青龙 明堂 金匮 天德 玉堂 司命 walk the yellow
// path (黄道), the other six the black path (黑道).
inline constexpr std::array<std::string_view, 12> kDaySpirits = {"青龙", "明堂", "天刑", "朱雀", "金匮", "天德",
                                                                 "白虎", "玉堂", "天牢", "玄武", "司命", "勾陈"};
bool IsYellowPath(int spirit);

// The twelve officers of the days (建除十二值星), 建 0 to 闭 11.
inline constexpr std::array<std::string_view, 12> kDayOfficers = {"建", "除", "满", "平", "定", "执",
                                                                  "破", "危", "成", "收", "开", "闭"};

// The grade of an officer by the old rhyme 建满平收黑，除危定执黄，成开皆可用，闭破不相当: 除 危 定
// 执 成 开 suit most affairs, 建 满 平 收 are plain, 破 闭 are poor.
enum class OfficerGrade { Good, Plain, Poor };
OfficerGrade GradeOfOfficer(int officer);

// The good spirits of 吉神宜趋 that favour trade, contracts and takings: the virtues of heaven and
// of the month and their unions (天德, 天德合, 月德, 月德合), the pardon and the wish of heaven
// (天赦, 天愿), the kindness of heaven and of the month (天恩, 月恩), the five riches (五富), the
// granary of heaven (天仓), and the six and the three unions (六合, 三合); in this order of weight,
// in which the reasons name the first three that a day has.
inline constexpr std::array<std::string_view, 12> kCommerceSpirits = {
    "天德", "天德合", "月德", "月德合", "天赦", "天愿", "天恩", "月恩", "五富", "天仓", "六合", "三合"};

// The score of a qualifying day: the sum of these points.
inline constexpr int kYellowPathPoints = 3;      // the day spirit walks the yellow path
inline constexpr int kGoodOfficerPoints = 2;     // 除 危 定 执 成 开
inline constexpr int kPoorOfficerPoints = -2;    // 破 闭
inline constexpr int kCommerceSpiritPoints = 1;  // each good spirit of trade in 吉神宜趋 ...
inline constexpr int kMostCommerceSpirits = 3;   // ... counted up to three
inline constexpr int kDayBranchClashPoints = -2; // the day clashes the branch of the representative's day pillar

// What a choice of days reads of a day's entry.
struct LuckyDayEntry {
    std::string yi;   // 宜, names separated by blanks
    std::string ji;   // 忌
    std::string jsyq; // 吉神宜趋
    int spirit = 0;   // index into kDaySpirits
    int officer = 0;  // index into kDayOfficers
};

// An entry as the almanac stores it. A day spirit or officer that the texts do not name, or a path
// that does not belong to the spirit, is a damaged data file (DataFileError naming OrvBirth.dll).
LuckyDayEntry ReadLuckyDayEntry(const data::AlmanacEntryTexts& texts);

// Whether a list of names separated by blanks holds `name` as one of its names (开市 is not found
// in 开市场).
bool ListsName(std::string_view list, std::string_view name);

// The branch that a day of the given branch clashes (冲): the opposite one, six steps on (子 午,
// 丑 未 ...). The almanac's 冲 line names its animal.
constexpr calendar::EarthlyBranch ClashOf(calendar::EarthlyBranch branch) { return branch.Next(6); }

// Why a day does or does not qualify, tested in this order.
enum class DayVerdict {
    NotListed,     // its 宜 does not name the affair
    AllUnsuitable, // a 诸事不宜 day (in its 宜 or its 忌), whatever else it lists
    Forbidden,     // its 忌 names the affair too: 忌 wins over 宜
    ClashesAnimal, // its clash falls on the representative's zodiac animal (the year branch)
    Qualifies,
};

DayVerdict JudgeDay(const LuckyDayEntry& entry, calendar::SixtyCycle dayPillar, std::string_view activity,
                    const chart::FourPillars* representative);

struct DayScore {
    int points = 0;
    std::string reasons;
};

// The score of a qualifying day and its reasons:
// "黄道吉日（青龙），成日，吉神天德、月德，宜开市、交易；不冲属牛".
DayScore ScoreDay(const LuckyDayEntry& entry, calendar::SixtyCycle dayPillar, std::string_view activity,
                  const chart::FourPillars* representative);

} // namespace korvani::almanac
