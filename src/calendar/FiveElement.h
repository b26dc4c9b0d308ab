#pragma once

#include <optional>
#include <string_view>

#include "calendar/CycleNames.h"

namespace korvani::calendar {

// One of the five elements (五行), indexed in the order of production: 木 0, 火 1, 土 2, 金 3, 水 4.
class FiveElement {
public:
    static constexpr int kCount = 5;

    constexpr explicit FiveElement(int index) : m_index(((index % kCount) + kCount) % kCount) {}
    static std::optional<FiveElement> FromName(std::string_view name);

    constexpr int Index() const { return m_index; }
    constexpr std::string_view Name() const { return names::kElements[m_index]; }

    // 相生: the element this one produces (木 → 火), and the one it restrains (相克: 木 → 土).
    constexpr FiveElement Produces() const { return FiveElement(m_index + 1); }
    constexpr FiveElement Restrains() const { return FiveElement(m_index + 2); }

    friend constexpr bool operator==(FiveElement, FiveElement) = default;

private:
    int m_index;
};

} // namespace korvani::calendar
