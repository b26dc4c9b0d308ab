#pragma once

#include <optional>
#include <string_view>

#include "calendar/CycleNames.h"
#include "calendar/FiveElement.h"

namespace korvani::calendar {

// One of the ten heavenly stems (天干), 甲 0 to 癸 9. Any integer is taken into the cycle.
class HeavenlyStem {
public:
    static constexpr int kCount = 10;

    constexpr explicit HeavenlyStem(int index) : m_index(((index % kCount) + kCount) % kCount) {}
    // The birth chart's numbering of the stems: 甲 1 to 壬 9, and 癸 0.
    static constexpr HeavenlyStem FromOrdinal(int ordinal) { return HeavenlyStem(ordinal - 1); }
    static std::optional<HeavenlyStem> FromName(std::string_view name);

    constexpr int Index() const { return m_index; }
    constexpr int Ordinal() const { return (m_index + 1) % kCount; }
    constexpr std::string_view Name() const { return names::kStems[m_index]; }
    // 甲乙 木, 丙丁 火, 戊己 土, 庚辛 金, 壬癸 水.
    constexpr FiveElement Element() const { return FiveElement(m_index / 2); }
    // 甲 丙 戊 庚 壬 are yang, the others yin.
    constexpr bool IsYang() const { return m_index % 2 == 0; }
    constexpr HeavenlyStem Next(int steps) const { return HeavenlyStem(m_index + steps % kCount); }

    friend constexpr bool operator==(HeavenlyStem, HeavenlyStem) = default;

private:
    int m_index;
};

} // namespace korvani::calendar
