#include "tools/NumberReading.h"

#include <fmt/format.h>

#include "base/Errors.h"
#include "base/Text.h"
#include "data/Dream.h"
#include "numerology/NumberMeaning.h"

namespace korvani::tools {

namespace {

// The telephone readings are keyed by the remainder of the last digits modulo 80; remainder 0 has
// no row and reads as the best of all.
constexpr int kPhoneKeyModulus = 80;
constexpr std::size_t kPhoneKeyFirstDigit = 7; // the 8th character, counted from 0
constexpr std::string_view kBestOfAll = "超吉";
constexpr std::string_view kBestOfAllText = "超吉不做详细评论";

bool AllDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return !text.empty();
}

} // namespace

std::string shoujiinfostr(std::string_view number) {
    if (!AllDigits(number))
        throw InputError(fmt::format("'{}' 不是有效的手机号码", number));
    if (number.size() <= kPhoneKeyFirstDigit)
        return "0";
    // The value modulo 80, digit by digit, so that no length of number overflows.
    int remainder = 0;
    for (char c : number.substr(kPhoneKeyFirstDigit))
        remainder = (remainder * 10 + (c - '0')) % kPhoneKeyModulus;
    return std::to_string(remainder);
}

NumberReadingOutcome TelephoneReading(data::DataStore& store, std::string_view entry) {
    const std::string number = base::TrimCopy(entry);
    if (number.empty())
        return {std::string(kPhoneEmptyMessage), {}};
    const std::string key = shoujiinfostr(number);
    if (key == "0")
        return {std::nullopt, {number, std::string(kBestOfAll), std::string(kBestOfAll), std::string(kBestOfAllText)}};
    NumberReading reading{number, {}, {}, {}};
    if (const auto row = data::Dream(store).PhoneReadingOf(key)) {
        reading.state = row->title;
        reading.verdict = row->jx;
        reading.description = row->content;
    }
    return {std::nullopt, reading};
}

NumberReadingOutcome NumberVerdictReading(std::string_view entry, std::string_view emptyMessage) {
    const std::string number = base::TrimCopy(entry);
    if (number.empty())
        return {std::string(emptyMessage), {}};
    const std::string text = numerology::NumberVerdict(number);
    NumberReading reading{number, {}, {}, {}};
    const auto bar = text.find('|');
    if (bar == std::string::npos) {
        reading.description = text;
        return {std::nullopt, reading};
    }
    reading.state = text.substr(0, bar);
    const std::string rest = text.substr(bar + 1);
    const auto second = rest.find('|');
    reading.verdict = rest.substr(0, second);
    if (second != std::string::npos)
        reading.description = rest.substr(second + 1);
    return {std::nullopt, reading};
}

} // namespace korvani::tools
