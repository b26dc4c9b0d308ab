// The text, date and integer parsers on any bytes: they answer or throw InputError, and what they
// accept reads back the same.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/DateValue.h"
#include "base/Errors.h"
#include "base/Parse.h"
#include "base/Text.h"
#include "base/Utf8.h"

using namespace korvani;

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    try {
        const int value = base::ParseInt(text);
        // A decimal text that fits reads as the same number through the wider parser.
        Require(base::ParseInt64(text) == value);
        Require(base::ParseInt(std::to_string(value)) == value);
    } catch (const InputError&) {
    }
    try {
        const std::int64_t value = base::ParseInt64(text);
        Require(base::ParseInt64(std::to_string(value)) == value);
    } catch (const InputError&) {
    }

    try {
        const base::CivilDate date = base::ParseDate(text);
        Require(base::IsValidDate(date.year, date.month, date.day));
        Require(base::ParseDate(base::FormatDate(date)) == date);
        Require(base::DateOfDayNumber(base::DayNumber(date)) == date);
    } catch (const InputError&) {
    }
    try {
        const base::DateValue value = base::ParseDateTime(text);
        Require(base::ParseDate(base::FormatDate(base::DatePart(value))) == base::DatePart(value));
        const base::TimeOfDay time = base::TimePart(value);
        Require(time.hour >= 0 && time.hour < 24 && time.minute >= 0 && time.minute < 60);
    } catch (const InputError&) {
    }

    const std::string_view trimmed = base::Trim(text);
    Require(trimmed.size() <= text.size());
    Require(base::Trim(trimmed) == trimmed);

    // Cutting into characters and joining again gives the text back, when it is UTF-8.
    if (base::IsValidUtf8(text)) {
        std::string joined;
        for (const std::string& character : base::SplitCharacters(text))
            joined += character;
        Require(joined == text);
        Require(base::CharacterCount(text) == base::SplitCharacters(text).size());
    }
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t before = pos;
        base::NextCodePoint(text, pos);
        Require(pos > before && pos <= text.size());
    }
    return 0;
}
