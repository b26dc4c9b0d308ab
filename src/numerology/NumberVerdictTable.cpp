#include "numerology/NumberVerdictTable.h"

#include <stdexcept>

namespace korvani::numerology {

int NumberRemainder(std::int64_t number) {
    const int r = static_cast<int>(number % kNumberCount);
    return r < 0 ? r + kNumberCount : r;
}

const NumberVerdictEntry& TraditionalNumberEntry(std::int64_t number) {
    return kNumberVerdictEntries[TraditionalEntryIndex(NumberRemainder(number))];
}

const std::string& NumberVerdictEntryText(int entry) {
    static const auto texts = [] {
        std::array<std::string, kNumberCount> result;
        for (int i = 0; i < kNumberCount; ++i) {
            const NumberVerdictEntry& entry = kNumberVerdictEntries[i];
            result[i] = std::string(entry.phrase) + "|" + std::string(entry.verdict) + "|" +
                        std::string(kPersonalityTexts[entry.personalityType - 1]);
        }
        return result;
    }();
    if (entry < 0 || entry >= kNumberCount)
        throw std::out_of_range("number verdict entry");
    return texts[entry];
}

} // namespace korvani::numerology
