#include "numerology/NumberMeaning.h"

#include "base/Parse.h"
#include "data/OrvFile.h"
#include "numerology/NumberVerdictTable.h"

namespace korvani::numerology {

std::string NumberVerdict(std::string_view numberText) {
    const std::int64_t n = base::ParseInt64(numberText);
    const auto r = static_cast<int>(n % kNumberCount);
    if (r < 0)
        return std::string(kNoNumberVerdictText);
    return NumberVerdictEntryText(TraditionalEntryIndex(r));
}

std::string NumberText(data::DataStore& store, std::int64_t number) {
    return data::OrvFile(store).NumberMeaning(std::to_string(NumberRemainder(number))).value_or("");
}

} // namespace korvani::numerology
