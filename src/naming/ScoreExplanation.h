#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/DataStore.h"
#include "naming/CandidatePage.h"
#include "naming/NamingRun.h"

namespace korvani::naming {

// Where a candidate's 总体评分 comes from: the score of its body's stroke pattern, plus the bonus
// that the stroke total of the whole name earns, and which of the representative's missing elements
// the body brings.
struct ScoreExplanation {
    std::vector<int> strokes;        // each character of the body, in order
    int bodyStrokes = 0;             // their sum (主体笔画)
    std::optional<int> patternScore; // the stroke pattern's score; nullopt for a pattern not listed
    int total = 0;                   // strokes of the whole name (总体笔画)
    int bonus = 0;                   // ScoreBonus(total)
    bool favourable = false;         // a 喜用神 run: `missing` holds the favourable elements asked for
    std::string missing;  // the elements the chart lacks, 金木水火土 order (喜用神: 用神 then 喜神)
    std::string supplied; // those of them that the body's characters carry

    // The score the parts add up to.
    int Score() const { return patternScore.value_or(0) + bonus; }
};

// Explains a row of the results grid of a run: the body's characters are looked up one by one
// (strokes, then the stroke pattern's score), independently of the row's own numbers.
ScoreExplanation ExplainScore(data::DataStore& store, const NamingState& state, const GridRow& row);

// The explanation in one line, as the 总体评分 tooltip and the exports give it:
// "笔画组合 8+12（主体 20 吉带凶）得 76 分 + 全称总笔画 77 吉（+4）= 80；缺：金 水，补：金".
std::string ExplanationText(const ScoreExplanation& e);

// The verdict of a number among the 81 (吉, 凶, 吉带凶, 凶带吉), read by its remainder.
std::string NumberVerdictWord(int number);

} // namespace korvani::naming
