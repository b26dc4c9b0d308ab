#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvani::base {

// The input fields that a message of the input checks can give the focus to.
enum class InputField { None, Surname, GivenName, Prefix, ShortName, Suffix };

// A message of the input checks, shown in the information box; `focus` is the input field that
// takes the input focus (None: the focus stays).
struct ValidationMessage {
    std::string text;
    InputField focus = InputField::None;
    friend bool operator==(const ValidationMessage&, const ValidationMessage&) = default;
};

// A report: the lines of the memo, or the message that refused the input.
struct ReportOutcome {
    std::optional<ValidationMessage> message;
    std::vector<std::string> lines;
};

} // namespace korvani::base
