#include "naming/NamingRun.h"

#include <algorithm>

#include "base/Text.h"
#include "base/Utf8.h"
#include "chart/ChartDetails.h"
#include "chart/FavourableElements.h"
#include "chart/FourPillars.h"
#include "data/Zelmar.h"
#include "naming/AssociationFilter.h"
#include "naming/CandidatePage.h"
#include "numerology/CharacterLookup.h"

namespace korvani::naming {

namespace {

constexpr std::array<std::string_view, 5> kElements = {"金", "木", "水", "火", "土"};

// The characters of wealth and prosperity: one or two make a shop name, more pile up (宏兴隆盛).
constexpr std::array<std::string_view, 12> kWealthCharacters = {"兴", "隆", "盛", "旺", "富", "昌",
                                                                "发", "裕", "丰", "利", "鑫", "金"};

// The common surnames. A body whose first character the user fixed to one of them, followed by a
// drawn character that commonly opens a given name, reads as a person's full name (华永兴, 王德昌):
// readers take it for a person, not a firm.
constexpr std::array<std::string_view, 171> kSurnames = {
    "王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "徐", "孙", "马", "朱", "胡", "郭", "何", "林", "高",
    "罗", "郑", "梁", "谢", "宋", "唐", "许", "韩", "冯", "邓", "曹", "彭", "曾", "肖", "田", "董", "袁", "潘", "于",
    "蒋", "蔡", "余", "杜", "叶", "程", "苏", "魏", "吕", "丁", "任", "沈", "姚", "卢", "姜", "崔", "钟", "谭", "陆",
    "汪", "范", "金", "石", "廖", "贾", "夏", "韦", "付", "方", "白", "邹", "孟", "熊", "秦", "邱", "江", "尹", "薛",
    "闫", "段", "雷", "侯", "龙", "史", "陶", "黎", "贺", "顾", "毛", "郝", "龚", "邵", "万", "钱", "严", "覃", "武",
    "戴", "莫", "孔", "向", "汤", "华", "常", "温", "康", "施", "文", "牛", "樊", "葛", "邢", "安", "齐", "易", "乔",
    "伍", "庞", "颜", "倪", "庄", "聂", "章", "鲁", "岳", "翟", "殷", "詹", "申", "欧", "耿", "关", "兰", "焦", "俞",
    "左", "柳", "甘", "祝", "包", "宁", "尚", "符", "舒", "阮", "柯", "纪", "梅", "童", "凌", "毕", "单", "季", "裴",
    "霍", "涂", "成", "苗", "谷", "盛", "曲", "翁", "冉", "骆", "蓝", "路", "游", "辛", "靳", "管", "柴", "蒙", "鲍",
};
constexpr std::array<std::string_view, 27> kGivenNameOpeners = {
    "永", "德", "建", "伟", "国", "志", "文", "明", "春", "秀", "丽", "玉", "军", "俊",
    "子", "小", "晓", "家", "庆", "桂", "淑", "英", "振", "立", "学", "仁", "荣",
};

template <std::size_t N> bool Listed(const std::array<std::string_view, N>& list, const std::string& c) {
    return std::find(list.begin(), list.end(), c) != list.end();
}

// True when a drawn character repeats another of the body, or sounds the same (华成诚, 鑫新): a
// character the user fixed twice stays.
bool RepeatsADrawnCharacter(AssociationFilter& filter, const std::vector<std::string>& characters,
                            const std::array<bool, 4>& fixed) {
    for (std::size_t i = 0; i < characters.size(); ++i)
        for (std::size_t j = i + 1; j < characters.size(); ++j) {
            if (i < 4 && j < 4 && fixed[i] && fixed[j])
                continue;
            if (characters[i] == characters[j])
                return true;
            const std::string& a = filter.ReadingOf(characters[i]);
            if (!a.empty() && a == filter.ReadingOf(characters[j]))
                return true;
        }
    return false;
}

bool PilesUpWealth(const std::vector<std::string>& characters) {
    const auto count = std::count_if(characters.begin(), characters.end(),
                                     [](const std::string& c) { return Listed(kWealthCharacters, c); });
    return count > 2;
}

bool ReadsAsAFullName(const std::vector<std::string>& characters, const std::array<bool, 4>& fixed) {
    return characters.size() >= 3 && fixed[0] && !fixed[1] && Listed(kSurnames, characters[0]) &&
           Listed(kGivenNameOpeners, characters[1]);
}

// The note beside the run buttons: how many names were found, or why none was and what to change.
// In 喜用神 mode the note also says which elements were asked for and why.
std::string ResultNote(data::DataStore& store, std::size_t found, const std::array<std::string, 4>& fixed,
                       const NamingState& state) {
    const std::vector<std::string>& required = state.requiredElements;
    if (found > 0)
        return "共找到" + std::to_string(found) + "个候选名称。" + state.elementReason;
    std::vector<std::string> fixedCharacters;
    for (const std::string& c : fixed)
        if (!c.empty()) {
            if (base::SplitCharacters(c).size() != 1 || !data::Zelmar(store).WordStrokes(c))
                return "固定字“" + c + "”不在字库中，请换一个常用汉字再试。";
            fixedCharacters.push_back(c);
        }
    const std::string elements = !state.elementReason.empty() ? "合乎喜用神（须含" + base::Joined(required, "、") + "）"
                                 : required.empty()           ? std::string()
                                                    : "补足所缺五行（" + base::Joined(required, "、") + "）";
    if (!fixedCharacters.empty())
        return "固定字“" + base::Joined(fixedCharacters, "”“") + "”搭配不出" + elements +
               "且笔画吉利的名字，请换一个固定字，或不固定字再试。" + state.elementReason;
    return "没有找到" + elements + "且笔画吉利的名字，请换一种名字长度再试。" + state.elementReason;
}

std::variant<chart::FourPillars, base::ValidationMessage> ChartOf(data::DataStore& store,
                                                                  const chart::BirthInput& birth) {
    const auto resolved = chart::ResolveBirth(birth);
    if (const auto* message = std::get_if<base::ValidationMessage>(&resolved))
        return *message;
    return chart::ComputeFourPillars(store, std::get<chart::ResolvedBirth>(resolved), birth.sex);
}

std::string MissingElementsOf(data::DataStore& store, const chart::FourPillars& p) {
    const std::string present = chart::ElementText(store, p);
    std::string missing;
    for (std::string_view element : kElements)
        if (present.find(element) == std::string::npos)
            missing += element;
    return missing;
}

// 喜用神 mode: 用神 then 喜神, as many as the name has characters, are required; the 忌神 are
// avoided, except one that a fixed character carries (the user's choice stands).
void ChooseFavourableElements(data::DataStore& store, const chart::FourPillars& p, int length,
                              const std::array<std::string, 4>& fixedCharacters, NamingState& state) {
    const chart::FavourableReading f = chart::FavourableElements(p);
    // The elements of the fixed characters as the candidates carry them (word.wuhang).
    std::string fixedElements;
    for (const std::string& c : fixedCharacters)
        if (!c.empty())
            fixedElements += data::Zelmar(store).WordElement(c).value_or("");
    for (const calendar::FiveElement& e : f.favourable)
        if (static_cast<int>(state.requiredElements.size()) < length)
            state.requiredElements.emplace_back(e.Name());
    std::vector<std::string> kept;
    for (const calendar::FiveElement& e : f.unfavourable) {
        if (fixedElements.find(e.Name()) == std::string::npos)
            state.avoidedElements.emplace_back(e.Name());
        else
            kept.emplace_back(e.Name());
    }
    const chart::StrengthReading& s = f.strength;
    std::string reason = "按喜用神取字：日主" + std::string(s.dayMaster.Name()) +
                         std::string(s.dayMaster.Element().Name()) + std::string(chart::VerdictName(s.verdict)) +
                         "（生扶" + std::to_string(s.support) + "分，克泄耗" + std::to_string(s.pressure) +
                         "分），名字须含";
    for (std::size_t i = 0; i < state.requiredElements.size(); ++i)
        reason += (i ? "、喜神" : "用神") + state.requiredElements[i];
    if (!state.avoidedElements.empty())
        reason += "，避开忌神" + base::Joined(state.avoidedElements, "、");
    if (!kept.empty())
        reason += "（固定字带" + base::Joined(kept, "、") + "，不避）";
    state.elementReason = reason + "。";
}

} // namespace

std::variant<std::string, base::ValidationMessage> ComputeMissingElements(data::DataStore& store,
                                                                          const chart::BirthInput& birth) {
    const auto chart = ChartOf(store, birth);
    if (const auto* message = std::get_if<base::ValidationMessage>(&chart))
        return *message;
    return MissingElementsOf(store, std::get<chart::FourPillars>(chart));
}

std::vector<CandidateRow> KeepCandidates(AssociationFilter& filter, std::vector<CandidateRow> rows,
                                         const std::array<bool, 4>& fixed, std::string_view prefix,
                                         std::string_view suffix) {
    std::vector<CandidateRow> kept;
    for (CandidateRow& row : rows) {
        const std::vector<std::string> characters = base::SplitCharacters(row.zi);
        if (!RepeatsADrawnCharacter(filter, characters, fixed) && !PilesUpWealth(characters) &&
            !ReadsAsAFullName(characters, fixed) && !filter.Reason(row.zi, prefix, suffix))
            kept.push_back(std::move(row));
    }
    return kept;
}

std::vector<CandidateRow> DrawCandidates(data::DataStore& store, AssociationFilter& filter, const CandidateTemplate& t,
                                         const std::array<std::string, 4>& fixedCharacters,
                                         const std::vector<std::string>& requiredElements,
                                         const std::vector<std::string>& avoidedElements, std::string_view prefix,
                                         std::string_view suffix, base::RandomSource& random) {
    const auto draw = [&](BodyGrades grades) {
        return KeepCandidates(filter,
                              RunTemplate(store, t, fixedCharacters, requiredElements, random, avoidedElements, grades),
                              t.fixed, prefix, suffix);
    };
    std::vector<CandidateRow> rows = draw(BodyGrades::Chosen);
    if (DrawsBodies(t) && rows.size() < static_cast<std::size_t>(kPageRows))
        rows = draw(BodyGrades::All);
    return rows;
}

NamingOutcome RunNaming(data::DataStore& store, const NamingRequest& request, base::RandomSource& random) {
    using base::InputField;
    using base::Trim;
    using base::ValidationMessage;
    const chart::BirthInput& birth = request.birth;
    const auto refuse = [](const char* text, InputField focus = InputField::None) {
        return NamingOutcome{ValidationMessage{text, focus}, "提示", std::nullopt};
    };
    if (Trim(birth.surname).empty())
        return refuse("姓不能为空!", InputField::Surname);
    if (auto message = chart::CheckBirthDateFields(birth))
        return {*message, "提示", std::nullopt};

    NamingResult result;
    NamingState& state = result.state;
    const auto chart = ChartOf(store, birth);
    if (const auto* message = std::get_if<ValidationMessage>(&chart))
        return {*message, "提示", std::nullopt};
    const chart::FourPillars& pillars = std::get<chart::FourPillars>(chart);
    state.missingElements = MissingElementsOf(store, pillars);

    const std::string prefix = base::TrimCopy(request.prefix);
    const std::string suffix = base::TrimCopy(request.suffix);
    if (!suffix.empty()) {
        state.suffixBh = numerology::StrokeCount(store, suffix);
        state.suffixFt = numerology::TraditionalForm(store, suffix);
    }
    if (!prefix.empty())
        state.prefixFt = numerology::TraditionalForm(store, prefix);
    if (!(suffix + prefix).empty())
        state.affixBh = numerology::StrokeCount(store, suffix + prefix);

    const int n = request.length;
    std::array<bool, 4> fixedPositions{};
    std::array<std::string, 4> fixedCharacters{};
    for (int i = 0; i < n && i < 4; ++i) {
        fixedCharacters[i] = base::TrimCopy(request.fixed[i]);
        fixedPositions[i] = !fixedCharacters[i].empty();
    }
    if (request.elements == ElementMode::Favourable) {
        ChooseFavourableElements(store, pillars, n, fixedCharacters, state);
    } else {
        // The first n missing elements become the filter, n the name length.
        for (const std::string& element : base::SplitCharacters(state.missingElements))
            if (static_cast<int>(state.requiredElements.size()) < n)
                state.requiredElements.push_back(element);
    }
    const auto t = TemplateFor(n, fixedPositions);
    if (!t) {
        static constexpr const char* kAllFixed[] = {"二字名不能同时固定两个字！", "三字名不能同时固定三个字！",
                                                    "四字名不能同时固定四个字！"};
        return {ValidationMessage{kAllFixed[n - 2]}, "信息提示", std::nullopt};
    }
    AssociationFilter filter(store);
    result.rows = DrawCandidates(store, filter, *t, fixedCharacters, state.requiredElements, state.avoidedElements,
                                 prefix, suffix, random);
    result.note = ResultNote(store, result.rows.size(), fixedCharacters, state);
    return {std::nullopt, "", std::move(result)};
}

} // namespace korvani::naming
