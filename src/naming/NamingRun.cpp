#include "naming/NamingRun.h"

#include "base/Text.h"
#include "base/Utf8.h"
#include "chart/ChartDetails.h"
#include "chart/FourPillars.h"
#include "numerology/CharacterLookup.h"

namespace korvani::naming {

namespace {

constexpr std::array<std::string_view, 5> kElements = {"金", "木", "水", "火", "土"};

} // namespace

std::variant<std::string, base::ValidationMessage> ComputeMissingElements(data::DataStore& store,
                                                                          const chart::BirthInput& birth) {
    const auto resolved = chart::ResolveBirth(birth);
    if (const auto* message = std::get_if<base::ValidationMessage>(&resolved))
        return *message;
    const chart::FourPillars p = chart::ComputeFourPillars(store, std::get<chart::ResolvedBirth>(resolved), birth.sex);
    const std::string present = chart::ElementText(store, p);
    std::string missing;
    for (std::string_view element : kElements)
        if (present.find(element) == std::string::npos)
            missing += element;
    return missing;
}

NamingOutcome RunNaming(data::DataStore& store, const NamingRequest& request, base::RandomSource& random) {
    using base::Trim;
    using base::InputField;
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
    const auto missing = ComputeMissingElements(store, birth);
    if (const auto* message = std::get_if<ValidationMessage>(&missing))
        return {*message, "提示", std::nullopt};
    state.missingElements = std::get<std::string>(missing);

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

    // The first n missing elements become the filter, n the name length.
    const int n = request.length;
    for (const std::string& element : base::SplitCharacters(state.missingElements))
        if (static_cast<int>(state.requiredElements.size()) < n)
            state.requiredElements.push_back(element);

    std::array<bool, 4> fixedPositions{};
    std::array<std::string, 4> fixedCharacters{};
    for (int i = 0; i < n && i < 4; ++i) {
        fixedCharacters[i] = base::TrimCopy(request.fixed[i]);
        fixedPositions[i] = !fixedCharacters[i].empty();
    }
    const auto t = TemplateFor(n, fixedPositions);
    if (!t) {
        static constexpr const char* kAllFixed[] = {"二字名不能同时固定两个字！", "三字名不能同时固定三个字！",
                                                    "四字名不能同时固定四个字！"};
        return {ValidationMessage{kAllFixed[n - 2]}, "信息提示", std::nullopt};
    }
    result.rows = RunTemplate(store, *t, fixedCharacters, state.requiredElements, random);
    return {std::nullopt, "", std::move(result)};
}

} // namespace korvani::naming
