#include "numerology/NumberVerdictTable.h"

#include <stdexcept>

namespace korvani::numerology {

const std::string& NumberVerdictText(int remainder) {
    static const auto texts = [] {
        std::array<std::string, kNumberCount> result;
        for (int i = 0; i < kNumberCount; ++i) {
            const NumberVerdictEntry& entry = kNumberVerdictEntries[i];
            result[i] = std::string(entry.phrase) + "|" + std::string(entry.verdict) + "|" +
                        std::string(kPersonalityTexts[entry.personalityType - 1]);
        }
        return result;
    }();
    if (remainder < 0 || remainder >= kNumberCount)
        throw std::out_of_range("number verdict remainder");
    return texts[remainder];
}

} // namespace korvani::numerology
