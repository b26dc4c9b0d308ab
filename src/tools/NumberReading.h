#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/DataStore.h"

// The fortune of a number: a mobile telephone number read through its last digits in `shouji` of
// dream.dll, a QQ number or any number read through the 81 numbers.
namespace korvani::tools {

// The four result lines of a number window: the number, 状态, 吉凶 and 具体表现.
struct NumberReading {
    std::string number;
    std::string state;
    std::string verdict;
    std::string description;
    friend bool operator==(const NumberReading&, const NumberReading&) = default;
};

// A reading, or the message of an empty entry (shown in the information box).
struct NumberReadingOutcome {
    std::optional<std::string> message;
    NumberReading reading;
};

inline constexpr std::string_view kPhoneEmptyMessage = "请输入11位手机号码！";
inline constexpr std::string_view kQqEmptyMessage = "请输入你的QQ号码！";
inline constexpr std::string_view kAnyNumberEmptyMessage = "请输入你的号码！";

// The key of a telephone number in `shouji`: the value of its digits from the 8th to the end (the
// last four of an 11-digit number, 0123 giving 123) modulo 80, as decimal text "0".."79"; "0" when
// the number has fewer than 8 digits. A number that is not all digits (text pasted into the field)
// fails with InputError "'%s' 不是有效的手机号码".
std::string shoujiinfostr(std::string_view number);

// The telephone reading of an entry as typed. Key "0" reads 超吉 without asking the data file;
// another key reads its row (empty lines when there is none). A missing or damaged dream.dll fails
// with DataFileError, naming it.
NumberReadingOutcome TelephoneReading(data::DataStore& store, std::string_view entry);

// The QQ and any-number reading of an entry as typed: its `NumberVerdict` text split into phrase,
// verdict and description at its first two "|" (a text without "|" is all description).
// `emptyMessage` is the window's message for an empty entry; a text that is no 64-bit integer fails
// with InputError "'%s' 不是有效的整数".
NumberReadingOutcome NumberVerdictReading(std::string_view entry, std::string_view emptyMessage);

} // namespace korvani::tools
