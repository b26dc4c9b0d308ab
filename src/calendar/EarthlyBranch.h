#pragma once

#include <optional>
#include <string_view>

#include "calendar/CycleNames.h"
#include "calendar/FiveElement.h"
#include "calendar/HeavenlyStem.h"

namespace korvani::calendar {

// One of the twelve earthly branches (地支), 子 0 to 亥 11, with its zodiac animal. Any integer is
// taken into the cycle.
class EarthlyBranch {
public:
    static constexpr int kCount = 12;

    constexpr explicit EarthlyBranch(int index) : m_index(((index % kCount) + kCount) % kCount) {}
    // The birth chart's numbering of the branches: 子 1 to 戌 11, and 亥 0.
    static constexpr EarthlyBranch FromOrdinal(int ordinal) { return EarthlyBranch(ordinal - 1); }
    static std::optional<EarthlyBranch> FromName(std::string_view name);
    // The two-hour period (时辰) of an hour of the day: 23:00 to 00:59 is 子, 01:00 to 02:59 丑 ...
    static constexpr EarthlyBranch OfHour(int hour) { return EarthlyBranch((hour + 1) / 2); }

    constexpr int Index() const { return m_index; }
    constexpr int Ordinal() const { return (m_index + 1) % kCount; }
    constexpr std::string_view Name() const { return names::kBranches[m_index]; }
    constexpr std::string_view Animal() const { return names::kAnimals[m_index]; }
    // 寅卯 木, 巳午 火, 申酉 金, 亥子 水, and 辰戌丑未 土.
    constexpr FiveElement Element() const {
        constexpr int kElementOf[kCount] = {4, 2, 0, 0, 2, 1, 1, 2, 3, 3, 2, 4};
        return FiveElement(kElementOf[m_index]);
    }
    // How many hidden stems (藏干) the branch holds, 1 to 3, and the i-th of them by qi: 0 the main
    // qi, 1 the middle, 2 the residual (kHiddenQi).
    constexpr int HiddenStemCount() const {
        const auto& qi = names::kHiddenQi[m_index];
        return qi[2] >= 0 ? 3 : qi[1] >= 0 ? 2 : 1;
    }
    constexpr HeavenlyStem HiddenStem(int i) const { return HeavenlyStem(names::kHiddenQi[m_index][i]); }
    // 子 寅 辰 午 申 戌 are yang.
    constexpr bool IsYang() const { return m_index % 2 == 0; }
    constexpr EarthlyBranch Next(int steps) const { return EarthlyBranch(m_index + steps % kCount); }

    friend constexpr bool operator==(EarthlyBranch, EarthlyBranch) = default;

private:
    int m_index;
};

} // namespace korvani::calendar
