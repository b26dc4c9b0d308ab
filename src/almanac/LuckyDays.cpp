#include "almanac/LuckyDays.h"

#include <algorithm>
#include <fmt/format.h>
#include <unordered_map>

#include "base/Errors.h"
#include "base/Gbk.h"
#include "data/OrvBirth.h"

namespace korvani::almanac {

namespace {

// A span shorter than this that holds no day for the affair is called too short.
constexpr int kShortSpanDays = 30;

// Pads a text with blanks to a width in GBK bytes, the width of a monospaced report line (a Chinese
// character takes two).
std::string Padded(std::string_view text, std::size_t width) {
    const std::size_t bytes = base::Utf8ToGbk(text).size();
    return std::string(text) + std::string(bytes < width ? width - bytes : 0, ' ');
}

} // namespace

std::string LuckyDay::SpiritText() const {
    return fmt::format("{}({})", kDaySpirits[spirit], IsYellowPath(spirit) ? "黄道" : "黑道");
}

std::string LuckyDay::OfficerText() const { return fmt::format("{}日", kDayOfficers[officer]); }

std::optional<base::ValidationMessage> CheckLuckyDaySearch(const base::CivilDate& from, const base::CivilDate& to,
                                                           std::string_view activity) {
    if (!IsLuckyDayActivity(activity)) {
        std::string names;
        for (std::string_view a : kLuckyDayActivities)
            names += (names.empty() ? "" : "、") + std::string(a);
        return base::ValidationMessage{fmt::format("“{}”不是可选的事项，请从{}中选择!", activity, names)};
    }
    for (const base::CivilDate& day : {from, to}) {
        if (day < kFirstAlmanacDay || day > kLastAlmanacDay)
            return base::ValidationMessage{"日期须在1901-01-01至2100-12-31之间!"};
    }
    if (to < from)
        return base::ValidationMessage{"起始日期不能晚于结束日期!"};
    return std::nullopt;
}

LuckyDayResult FindLuckyDays(data::DataStore& store, const base::CivilDate& from, const base::CivilDate& to,
                             std::string_view activity, const std::optional<chart::FourPillars>& representative) {
    if (const auto message = CheckLuckyDaySearch(from, to, activity))
        throw InputError(message->text);
    const chart::FourPillars* person = representative ? &*representative : nullptr;
    const data::OrvBirth almanac(store);
    const std::vector<data::AlmanacDayCodes> days = almanac.DaysBetween(from, to);

    // Days of the same month branch and pillar share one entry: each is read once, when first met.
    std::vector<data::AlmanacEntryTexts> texts = almanac.Entries();
    std::vector<std::optional<LuckyDayEntry>> entries(texts.size());
    std::unordered_map<int, std::size_t> entryIndex;
    for (std::size_t i = 0; i < texts.size(); ++i)
        entryIndex.emplace(texts[i].id, i);
    std::unordered_map<int, std::string> words; // lunar months, lunar days, weekdays by text id
    const auto word = [&](int id) -> const std::string& {
        auto it = words.find(id);
        if (it == words.end())
            it = words.emplace(id, almanac.Text(id)).first;
        return it->second;
    };

    LuckyDayResult result;
    result.tally.days = static_cast<int>(days.size());
    for (const data::AlmanacDayCodes& day : days) {
        const auto at = entryIndex.find(day.entry);
        if (at == entryIndex.end()) {
            const std::string name(data::FileName(data::DataFileId::OrvBirth));
            throw DataFileError(name, fmt::format("数据文件“{}”已损坏或无法读取：{}没有黄历条目", name, day.gn));
        }
        std::optional<LuckyDayEntry>& entry = entries[at->second];
        if (!entry)
            entry = ReadLuckyDayEntry(texts[at->second]);

        const calendar::SixtyCycle pillar(day.dayPillar);
        switch (JudgeDay(*entry, pillar, activity, person)) {
        case DayVerdict::NotListed:
            continue;
        case DayVerdict::AllUnsuitable:
            ++result.tally.listed;
            ++result.tally.allUnsuitable;
            continue;
        case DayVerdict::Forbidden:
            ++result.tally.listed;
            ++result.tally.forbidden;
            continue;
        case DayVerdict::ClashesAnimal:
            ++result.tally.listed;
            ++result.tally.clashing;
            continue;
        case DayVerdict::Qualifies:
            ++result.tally.listed;
            break;
        }
        DayScore score = ScoreDay(*entry, pillar, activity, person);
        result.days.push_back({base::ParseDate(day.gn), word(day.weekday), word(day.lunarMonth) + word(day.lunarDay),
                               pillar, entry->spirit, entry->officer, score.points, std::move(score.reasons)});
    }
    OrderLuckyDays(result.days, LuckyDayOrder::ByScore);
    return result;
}

void OrderLuckyDays(std::vector<LuckyDay>& days, LuckyDayOrder order) {
    std::sort(days.begin(), days.end(), [order](const LuckyDay& a, const LuckyDay& b) {
        if (order == LuckyDayOrder::ByScore && a.score != b.score)
            return a.score > b.score;
        return a.date < b.date;
    });
}

std::string WhyNoLuckyDay(const LuckyDayTally& tally, std::string_view activity,
                          const std::optional<chart::FourPillars>& representative) {
    if (tally.listed == 0) {
        if (tally.days < kShortSpanDays)
            return fmt::format("所选的{}天里没有宜{}的日子：日期范围太短，请把结束日期往后放一些再查找。", tally.days,
                               activity);
        return fmt::format("所选的{}天里没有宜{}的日子，请换一段日期再查找。", tally.days, activity);
    }
    const std::string animal =
        representative ? std::string(representative->YearPillar.Branch().Animal()) : std::string();
    if (tally.clashing == tally.listed)
        return fmt::format("所选的{}天里宜{}的{}天都冲法人的生肖（属{}），请把日期范围放宽一些再查找。", tally.days,
                           activity, tally.listed, animal);
    std::string causes;
    const auto cause = [&](int count, const std::string& text) {
        if (count > 0)
            causes += (causes.empty() ? "" : "、") + fmt::format("{}天{}", count, text);
    };
    cause(tally.allUnsuitable, "诸事不宜");
    cause(tally.forbidden, fmt::format("同时忌{}", activity));
    cause(tally.clashing, fmt::format("冲法人的生肖（属{}）", animal));
    return fmt::format("所选的{}天里宜{}的有{}天，其中{}，没有余下的日子。请把日期范围放宽一些再查找。", tally.days,
                       activity, tally.listed, causes);
}

std::variant<chart::FourPillars, base::ValidationMessage> RepresentativeChart(data::DataStore& store,
                                                                              const chart::BirthInput& birth) {
    if (const auto message = chart::CheckBirthDateFields(birth))
        return *message;
    const auto resolved = chart::ResolveBirth(birth);
    if (const auto* message = std::get_if<base::ValidationMessage>(&resolved))
        return *message;
    return chart::ComputeFourPillars(store, std::get<chart::ResolvedBirth>(resolved), birth.sex);
}

std::string RepresentativeText(const chart::FourPillars& chart) {
    return fmt::format("属{}，日柱{}", chart.YearPillar.Branch().Animal(), chart.DayPillar.Name());
}

std::vector<std::string> LuckyDayReportLines(const base::CivilDate& from, const base::CivilDate& to,
                                             std::string_view activity,
                                             const std::optional<chart::FourPillars>& representative,
                                             const LuckyDayResult& result) {
    std::vector<std::string> lines;
    lines.push_back(fmt::format("择吉日：{}", activity));
    lines.push_back(fmt::format("日期范围：{} 至 {}，共{}天", base::FormatDate(from), base::FormatDate(to),
                                base::DayNumber(to) - base::DayNumber(from) + 1));
    if (representative) {
        const chart::FourPillars& p = *representative;
        lines.push_back(fmt::format("法人：公历{} {}:{:02}出生，{}；冲此生肖的日子已除去",
                                    base::FormatDate({p.Year, p.Month, p.Day}), p.Hour, p.Minute,
                                    RepresentativeText(p)));
    } else {
        lines.push_back("法人：未填生日，不按生肖避冲");
    }
    lines.emplace_back();
    if (result.days.empty()) {
        lines.push_back(WhyNoLuckyDay(result.tally, activity, representative));
        return lines;
    }
    lines.push_back(fmt::format("共{}天，分数：黄道加{}，除危定执成开加{}、破闭减{}，商贸吉神每个加{}（至多{}个）{}",
                                result.days.size(), kYellowPathPoints, kGoodOfficerPoints, -kPoorOfficerPoints,
                                kCommerceSpiritPoints, kMostCommerceSpirits,
                                representative ? fmt::format("，冲法人日支减{}", -kDayBranchClashPoints) : ""));
    lines.push_back(Padded("日期", 12) + Padded("星期", 8) + Padded("农历", 12) + Padded("值神", 12) +
                    Padded("建除", 6) + Padded("分数", 6) + "理由");
    for (const LuckyDay& d : result.days) {
        lines.push_back(Padded(base::FormatDate(d.date), 12) + Padded(d.weekday, 8) + Padded(d.lunarDate, 12) +
                        Padded(d.SpiritText(), 12) + Padded(d.OfficerText(), 6) + Padded(std::to_string(d.score), 6) +
                        d.reasons);
    }
    return lines;
}

} // namespace korvani::almanac
