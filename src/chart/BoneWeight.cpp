#include "chart/BoneWeight.h"

#include <optional>

#include <fmt/format.h>

#include "data/Dream.h"

namespace korvani::chart {

std::string BoneWeightKey(double total) {
    // The shortest decimal form of the total, then its first and third characters, which skips the
    // decimal separator: 3.5 → 35; a whole number gets a 0.
    const std::string text = fmt::format("{:.15g}", total);
    if (text.size() == 1)
        return text + "0";
    return text.substr(0, 1) + (text.size() > 2 ? text.substr(2, 1) : "");
}

std::string BoneWeightLine(data::DataStore& store, std::string_view year, std::string_view month,
                           std::string_view day, int kind, std::string_view hour) {
    using data::BoneWeightTable;
    const data::Dream dream(store);
    double total = 0;
    std::optional<data::BoneWeightVerse> verse;
    std::string key;
    // The bone weights belong to the report as a whole: a file that cannot be read ends the report
    // without a message, and the page keeps what it showed.
    try {
        total += dream.BoneWeight(BoneWeightTable::Year, year).value_or(0);
        total += dream.BoneWeight(BoneWeightTable::Month, month).value_or(0);
        total += dream.BoneWeight(BoneWeightTable::Day, day).value_or(0);
        total += dream.BoneWeight(BoneWeightTable::Hour, hour).value_or(0);
        key = BoneWeightKey(total);
        verse = dream.BoneWeightVerseOf(key);
    } catch (const DataFileError&) {
        throw CommandAbandoned();
    }
    if (!verse)
        return {};
    switch (kind) {
    case BoneWeightOfBirth:
        return "你的骨重为：" + key.substr(0, 1) + "两" +
               (key.size() > 1 && key[1] != '0' ? key.substr(1, 1) + "钱" : "");
    case BoneWeightVerse:
        return "骨重诗评：" + verse->content;
    case BoneWeightExplanation:
        return "骨重解评：" + verse->content2;
    default:
        return {};
    }
}

} // namespace korvani::chart
