#include <algorithm>

#include "calendar/EarthlyBranch.h"
#include "calendar/FiveElement.h"
#include "calendar/HeavenlyStem.h"

namespace korvani::calendar {

namespace {

template <typename Table>
std::optional<int> IndexOf(const Table& table, std::string_view name) {
    const auto it = std::find(table.begin(), table.end(), name);
    if (it == table.end())
        return std::nullopt;
    return static_cast<int>(it - table.begin());
}

} // namespace

std::optional<FiveElement> FiveElement::FromName(std::string_view name) {
    if (auto i = IndexOf(names::kElements, name))
        return FiveElement(*i);
    return std::nullopt;
}

std::optional<HeavenlyStem> HeavenlyStem::FromName(std::string_view name) {
    if (auto i = IndexOf(names::kStems, name))
        return HeavenlyStem(*i);
    return std::nullopt;
}

std::optional<EarthlyBranch> EarthlyBranch::FromName(std::string_view name) {
    if (auto i = IndexOf(names::kBranches, name))
        return EarthlyBranch(*i);
    return std::nullopt;
}

} // namespace korvani::calendar
