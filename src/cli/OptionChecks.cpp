#include "cli/OptionChecks.h"

#include <algorithm>
#include <fmt/format.h>
#include <regex>

#include "base/Errors.h"
#include "base/Gbk.h"
#include "base/Parse.h"
#include "cli/Command.h"

namespace korvani::cli {

namespace {

// "2、3或4": the choices as a sentence names them.
std::string ChoiceList(const std::vector<std::string>& choices) {
    std::string text;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (i > 0)
            text += i + 1 == choices.size() ? "或" : "、";
        text += choices[i];
    }
    return text;
}

} // namespace

CLI::Validator OneOf(std::vector<std::string> choices, std::string what) {
    const std::string description = ChoiceList(choices);
    return CLI::Validator(
        [choices = std::move(choices), what = std::move(what), description](std::string& value) -> std::string {
            for (const std::string& choice : choices)
                if (value == choice)
                    return {};
            return fmt::format("'{}': {}须为{}!", value, what, description);
        },
        description);
}

CLI::Validator WholeNumber(std::int64_t min, std::int64_t max, std::string what) {
    return CLI::Validator(
        [min, max, what = std::move(what)](std::string& value) -> std::string {
            std::int64_t number = 0;
            try {
                number = base::ParseInt64(value);
            } catch (const InputError& e) {
                return e.what();
            }
            if (number < min || number > max)
                return fmt::format("'{}': {}须在{}至{}之间!", value, what, min, max);
            return {};
        },
        "INTEGER");
}

void CheckTexts(const CLI::App& app, const Command& command) {
    const std::vector<std::string> own = command.OwnTextChecks();
    for (const CLI::Option* option : app.get_options()) {
        if (std::find(own.begin(), own.end(), option->get_name()) != own.end())
            continue;
        for (const std::string& value : option->results())
            if (const auto bad = base::FirstNonGbkCharacter(value))
                throw InputError(base::GbkEncodeError(*bad).what());
    }
}

DayRange ParseDayRange(const std::string& from, const std::string& to) {
    const DayRange range{base::DayNumber(base::ParseDate(from)), base::DayNumber(base::ParseDate(to))};
    if (range.first > range.last)
        throw InputError(fmt::format("'{}' '{}': 起始日期不能晚于结束日期!", from, to));
    return range;
}

std::string ParseErrorMessage(const CLI::ParseError& error) {
    const std::string what = error.what();
    std::smatch m;
    const auto matches = [&](const char* pattern) { return std::regex_match(what, m, std::regex(pattern)); };

    if (dynamic_cast<const CLI::ValidationError*>(&error)) {
        // "NAME: message": the message of our own checks stands as it is.
        if (matches(R"(\S+: ('.*))"))
            return m[1];
        if (matches(R"((\S+): .*)"))
            return fmt::format("{}的值不符合要求", m[1].str());
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error) &&
        matches(R"(The following arguments? (?:was|were) not expected: (.*))"))
        return fmt::format("多余的参数或不认识的选项：{}", m[1].str());
    if (dynamic_cast<const CLI::RequiredError*>(&error)) {
        if (matches(R"(A subcommand is required)"))
            return "缺少命令（korvani-cli --help 列出全部命令）";
        if (matches(R"((\S+) is required)"))
            return fmt::format("缺少参数 {}", m[1].str());
        if (matches(R"(.*option.* from \[(.*)\].*)"))
            return fmt::format("须给出 {} 之一", m[1].str());
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
        if (matches(R"((\S+): .*)") || matches(R"(Expected .* arguments to (\S+), got .*)"))
            return fmt::format("{} 的值的个数不对", m[1].str());
    }
    if (dynamic_cast<const CLI::RequiresError*>(&error) && matches(R"((\S+) requires (\S+))"))
        return fmt::format("{} 须与 {} 一起给出", m[1].str(), m[2].str());
    if (dynamic_cast<const CLI::ExcludesError*>(&error) && matches(R"((\S+) excludes (\S+))"))
        return fmt::format("{} 不能与 {} 一起给出", m[1].str(), m[2].str());
    if (dynamic_cast<const CLI::ConversionError*>(&error)) {
        if (matches(R"(Could not convert: (\S+) = (.*))"))
            return fmt::format("'{}' 不是 {} 的有效值", m[2].str(), m[1].str());
        if (matches(R"(The value (.*) is not an allowed value for (\S+))"))
            return fmt::format("'{}' 不是 {} 的有效值", m[1].str(), m[2].str());
    }
    return fmt::format("命令行有误：{}", what);
}

} // namespace korvani::cli
