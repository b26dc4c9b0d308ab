#include "almanac/LuckyDayRules.h"

#include <algorithm>
#include <fmt/format.h>

#include "base/Errors.h"

namespace korvani::almanac {

namespace {

constexpr std::string_view kAllUnsuitable = "诸事不宜";

template <std::size_t N>
std::optional<int> IndexOf(const std::array<std::string_view, N>& names, std::string_view name) {
    const auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end())
        return std::nullopt;
    return static_cast<int>(it - names.begin());
}

[[noreturn]] void Damaged(std::string_view what, std::string_view text) {
    const std::string name(data::FileName(data::DataFileId::OrvBirth));
    throw DataFileError(name, fmt::format("数据文件“{}”已损坏或无法读取：{}“{}”无法识别", name, what, text));
}

// "值神青龙(黄道)": the spirit, whose path must be the one the spirit walks.
int SpiritOf(std::string_view text) {
    constexpr std::string_view kPrefix = "值神";
    constexpr std::string_view kYellow = "(黄道)";
    constexpr std::string_view kBlack = "(黑道)";
    if (text.starts_with(kPrefix)) {
        std::string_view rest = text.substr(kPrefix.size());
        const bool yellow = rest.ends_with(kYellow);
        if (yellow || rest.ends_with(kBlack)) {
            rest.remove_suffix(kYellow.size());
            if (const auto spirit = IndexOf(kDaySpirits, rest); spirit && IsYellowPath(*spirit) == yellow)
                return *spirit;
        }
    }
    Damaged("值神", text);
}

// "成日".
int OfficerOf(std::string_view text) {
    constexpr std::string_view kDay = "日";
    if (text.ends_with(kDay)) {
        text.remove_suffix(kDay.size());
        if (const auto officer = IndexOf(kDayOfficers, text))
            return *officer;
    }
    Damaged("建除", text);
}

} // namespace

bool IsLuckyDayActivity(std::string_view activity) { return IndexOf(kLuckyDayActivities, activity).has_value(); }

bool IsYellowPath(int spirit) {
    // 青龙 明堂 金匮 天德 玉堂 司命.
    constexpr bool kYellow[12] = {true, true, false, false, true, true, false, true, false, false, true, false};
    return kYellow[spirit];
}

OfficerGrade GradeOfOfficer(int officer) {
    switch (officer) {
    case 1:  // 除
    case 4:  // 定
    case 5:  // 执
    case 7:  // 危
    case 8:  // 成
    case 10: // 开
        return OfficerGrade::Good;
    case 6:  // 破
    case 11: // 闭
        return OfficerGrade::Poor;
    default: // 建 满 平 收
        return OfficerGrade::Plain;
    }
}

LuckyDayEntry ReadLuckyDayEntry(const data::AlmanacEntryTexts& texts) {
    return {texts.yi, texts.ji, texts.jsyq, SpiritOf(texts.zhishen), OfficerOf(texts.jianchu)};
}

bool ListsName(std::string_view list, std::string_view name) {
    if (name.empty())
        return false;
    for (std::size_t at = list.find(name); at != std::string_view::npos; at = list.find(name, at + 1)) {
        const std::size_t end = at + name.size();
        if ((at == 0 || list[at - 1] == ' ') && (end == list.size() || list[end] == ' '))
            return true;
    }
    return false;
}

DayVerdict JudgeDay(const LuckyDayEntry& entry, calendar::SixtyCycle dayPillar, std::string_view activity,
                    const chart::FourPillars* representative) {
    if (!ListsName(entry.yi, activity))
        return DayVerdict::NotListed;
    if (ListsName(entry.yi, kAllUnsuitable) || ListsName(entry.ji, kAllUnsuitable))
        return DayVerdict::AllUnsuitable;
    if (ListsName(entry.ji, activity))
        return DayVerdict::Forbidden;
    if (representative && ClashOf(dayPillar.Branch()) == representative->YearPillar.Branch())
        return DayVerdict::ClashesAnimal;
    return DayVerdict::Qualifies;
}

DayScore ScoreDay(const LuckyDayEntry& entry, calendar::SixtyCycle dayPillar, std::string_view activity,
                  const chart::FourPillars* representative) {
    DayScore score;
    std::string& r = score.reasons;
    const std::string_view spirit = kDaySpirits[entry.spirit];
    if (IsYellowPath(entry.spirit)) {
        score.points += kYellowPathPoints;
        r += fmt::format("黄道吉日（{}）", spirit);
    } else {
        r += fmt::format("黑道日（{}）", spirit);
    }

    const std::string_view officer = kDayOfficers[entry.officer];
    switch (GradeOfOfficer(entry.officer)) {
    case OfficerGrade::Good:
        score.points += kGoodOfficerPoints;
        r += fmt::format("，{}日", officer);
        break;
    case OfficerGrade::Plain:
        r += fmt::format("，{}日", officer);
        break;
    case OfficerGrade::Poor:
        score.points += kPoorOfficerPoints;
        r += fmt::format("，{}日欠佳", officer);
        break;
    }

    std::string spirits;
    int counted = 0;
    for (std::string_view good : kCommerceSpirits) {
        if (counted < kMostCommerceSpirits && ListsName(entry.jsyq, good)) {
            spirits += (spirits.empty() ? "" : "、") + std::string(good);
            ++counted;
        }
    }
    if (counted > 0) {
        score.points += counted * kCommerceSpiritPoints;
        r += "，吉神" + spirits;
    }

    // The affair, then the other affairs of the list that the day also suits.
    r += fmt::format("，宜{}", activity);
    for (std::string_view other : kLuckyDayActivities)
        if (other != activity && ListsName(entry.yi, other) && !ListsName(entry.ji, other))
            r += fmt::format("、{}", other);

    if (representative) {
        r += fmt::format("；不冲属{}", representative->YearPillar.Branch().Animal());
        const calendar::EarthlyBranch own = representative->DayPillar.Branch();
        if (ClashOf(dayPillar.Branch()) == own) {
            score.points += kDayBranchClashPoints;
            r += fmt::format("；与法人日支{}相冲，稍逊", own.Name());
        }
    }
    return score;
}

} // namespace korvani::almanac
