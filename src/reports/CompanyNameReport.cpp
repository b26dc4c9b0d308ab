#include "reports/CompanyNameReport.h"

#include "base/Gbk.h"
#include "base/Text.h"
#include "base/Utf8.h"
#include "chart/ChartDetails.h"
#include "chart/FourPillars.h"
#include "numerology/CharacterLookup.h"
#include "numerology/NumberMeaning.h"
#include "reports/BirthChartReport.h"
#include "reports/ChartLines.h"

namespace korvani::reports {

using numerology::NumberRemainder;
using numerology::NumberText;
using numerology::StrokeCount;

namespace {

using base::InputField;
using base::ValidationMessage;

// GBK bytes of a text; a character outside GBK is refused with its own message.
std::size_t Bytes(std::string_view text) { return base::GbkByteLength(text); }

std::optional<ValidationMessage> CheckInput(const chart::BirthInput& birth, const CompanyNameParts& name) {
    using base::Trim;
    if (Trim(birth.surname).empty())
        return ValidationMessage{"姓不能为空!"};
    if (Trim(birth.givenName).empty())
        return ValidationMessage{"名不能为空!"};
    if (Trim(name.shortName).empty())
        return ValidationMessage{"企业简称不能为空!", InputField::ShortName};
    try {
        // Fewer than four GBK bytes is fewer than two Chinese characters ("3科" too).
        if (Bytes(Trim(name.shortName)) < 4)
            return ValidationMessage{"企业简称为两个字以上!", InputField::ShortName};
    } catch (const base::GbkEncodeError& e) {
        return ValidationMessage{e.what(), InputField::ShortName};
    }
    if (auto message = chart::CheckBirthDateFields(birth))
        return message;

    // The limits of the input fields, for inputs that do not come through them (the command line).
    struct Limit {
        const std::string* text;
        std::size_t bytes;
        const char* message;
        InputField focus;
    };
    const Limit limits[] = {
        {&birth.surname, kPersonNameMaxBytes, "姓不能超过20个字节!", InputField::None},
        {&birth.givenName, kPersonNameMaxBytes, "名不能超过20个字节!", InputField::None},
        {&name.prefix, kAffixMaxBytes, "地区前缀不能超过100个字节!", InputField::Prefix},
        {&name.shortName, kShortNameMaxBytes, "企业简称不能超过四个字(8个字节)!", InputField::ShortName},
        {&name.suffix, kAffixMaxBytes, "行业后缀不能超过100个字节!", InputField::Suffix},
    };
    for (const Limit& limit : limits) {
        try {
            if (Bytes(*limit.text) > limit.bytes)
                return ValidationMessage{limit.message, limit.focus};
        } catch (const base::GbkEncodeError& e) {
            return ValidationMessage{e.what(), limit.focus};
        }
    }
    return std::nullopt;
}

} // namespace

base::ReportOutcome BuildCompanyNameReport(data::DataStore& store, const chart::BirthInput& birth,
                                           const CompanyNameParts& name, int currentYear) {
    if (auto message = CheckInput(birth, name))
        return {message, {}};
    const auto resolved = chart::ResolveBirth(birth);
    if (const auto* message = std::get_if<ValidationMessage>(&resolved))
        return {*message, {}};
    const chart::ResolvedBirth& b = std::get<chart::ResolvedBirth>(resolved);
    const chart::FourPillars p = chart::ComputeFourPillars(store, b, birth.sex);

    std::vector<std::string> lines;
    const auto add = [&](std::string line) { lines.push_back(std::move(line)); };
    const auto grid = [&](const std::string& text) { return NumberRemainder(StrokeCount(store, text)); };
    const auto meaning = [&](int n) { return NumberText(store, n); };

    add(std::string(kFrameLine));
    add("企业法人基本信息：");
    for (std::string& line : BirthHeaderLines(b, birth, currentYear))
        add(std::move(line));
    add(TenGodsLine(store, p));
    add(EightCharactersLine(p));
    const std::string elements = chart::ElementText(store, p);
    add("五行：" + elements);
    add(NayinLine(store, p));
    add("八字五行个数：" + chart::ElementCountText(elements));
    add("");
    add(std::string(kNameSeparator));
    add("");

    const std::string whole = name.prefix + name.shortName + name.suffix;
    add("企业名称：" + whole);
    add("");
    add("企业名称分析如下：");
    add("");
    add("第一、【行运格(主体)】：是企业名称的核心，非常重要。");
    add("");
    // One grid for each of the first four characters of the short name as typed.
    const std::vector<std::string> units = base::SplitCharacters(name.shortName);
    for (std::size_t i = 0; i < units.size() && i < 4; ++i) {
        const int n = grid(units[i]);
        add("【" + units[i] + "】数理" + std::to_string(n) + "分析：");
        add(meaning(n));
        add("");
    }
    const int body = grid(name.shortName);
    add("【" + name.shortName + "】行运格(主体)数理" + std::to_string(body) + "分析：");
    add(meaning(body));
    add("");
    add("第二、【使运格(行业后缀)】：是属于行业部分，不起决策作用，不参与评分。");
    if (!base::Trim(name.suffix).empty()) {
        const int n = grid(name.suffix);
        add("【" + name.suffix + "】数理" + std::to_string(n) + "分析：");
        add(meaning(n));
    } else {
        add("无行业后缀名称，此处无分析内容。");
    }
    add("");
    add("第三、【主运格(企业全称)】：是属于次要部分。");
    const int all = grid(whole);
    add("【" + whole + "】数理" + std::to_string(all) + "分析：");
    add(meaning(all));
    add("");
    add(std::string(kNameSeparator));
    add("");
    add("建议：如本名称符合法人命理将更佳，祝您企业步步高升，生意红火！");
    // After the fixed lines: the balance of the chart and its favourable elements.
    for (std::string& line : FavourableElementLines(p))
        add(std::move(line));
    return {std::nullopt, lines};
}

} // namespace korvani::reports
