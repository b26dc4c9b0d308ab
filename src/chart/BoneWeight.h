#pragma once

#include <string>
#include <string_view>

#include "data/DataStore.h"

// The bone-weight fortune (称骨): the weights of the lunar year, month, day and hour of birth are
// added, and the total in 两 and 钱 selects a verse and its explanation.
namespace korvani::chart {

enum BoneWeightKind { BoneWeightOfBirth = 0, BoneWeightVerse = 1, BoneWeightExplanation = 2 };

// The key of a total weight: the whole 两 followed by the 钱 digit (3.5 → "35", 4 → "40").
std::string BoneWeightKey(double total);

// One line of the fortune, by kind: 0 "你的骨重为：3两5钱", 1 "骨重诗评：" + verse, 2 "骨重解评：" +
// explanation; "" for any other kind or a total without a verse. A missing weight counts 0. Any
// failure to read dream.dll abandons the whole report (CommandAbandoned), without a message.
std::string BoneWeightLine(data::DataStore& store, std::string_view year, std::string_view month,
                           std::string_view day, int kind, std::string_view hour);

} // namespace korvani::chart
