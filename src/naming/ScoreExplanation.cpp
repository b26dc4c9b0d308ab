#include "naming/ScoreExplanation.h"

#include <numeric>

#include "base/Utf8.h"
#include "data/Zelmar.h"
#include "numerology/NumberVerdictTable.h"

namespace korvani::naming {

namespace {

// The characters of a text joined by blanks: "金水" → "金 水".
std::string Spaced(const std::string& text) {
    std::string spaced;
    for (const std::string& c : base::SplitCharacters(text))
        spaced += (spaced.empty() ? "" : " ") + c;
    return spaced;
}

} // namespace

std::string NumberVerdictWord(int number) { return std::string(numerology::TraditionalNumberEntry(number).verdict); }

ScoreExplanation ExplainScore(data::DataStore& store, const NamingState& state, const GridRow& row) {
    ScoreExplanation e;
    const data::Zelmar zelmar(store);
    const std::string& body = row[4];
    for (const std::string& c : base::SplitCharacters(body))
        e.strokes.push_back(zelmar.WordStrokes(c).value_or(0));
    e.bodyStrokes = std::accumulate(e.strokes.begin(), e.strokes.end(), 0);
    e.patternScore = zelmar.PatternScore(e.strokes);
    e.total = e.bodyStrokes + state.affixBh;
    e.bonus = ScoreBonus(e.total);
    // A 喜用神 run asks for its favourable elements rather than the missing ones.
    e.favourable = !state.elementReason.empty();
    if (e.favourable)
        for (const std::string& element : state.requiredElements)
            e.missing += element;
    else
        e.missing = state.missingElements;
    const std::string& elements = row[5];
    for (const std::string& element : base::SplitCharacters(e.missing))
        if (elements.find(element) != std::string::npos)
            e.supplied += element;
    return e;
}

std::string ExplanationText(const ScoreExplanation& e) {
    std::string strokes;
    for (int s : e.strokes)
        strokes += (strokes.empty() ? "" : "+") + std::to_string(s);
    std::string text = "笔画组合 " + strokes + "（主体 " + std::to_string(e.bodyStrokes) + " " +
                       NumberVerdictWord(e.bodyStrokes) + "）";
    text += e.patternScore ? "得 " + std::to_string(*e.patternScore) + " 分" : "不在吉利组合之列（0 分）";
    text += " + 全称总笔画 " + std::to_string(e.total) + " " + NumberVerdictWord(e.total) + "（+" +
            std::to_string(e.bonus) + "）= " + std::to_string(e.Score());
    if (e.missing.empty())
        text += "；八字五行俱全，无需补五行";
    else
        text += (e.favourable ? "；喜用：" : "；缺：") + Spaced(e.missing) + "，补：" +
                (e.supplied.empty() ? "无" : Spaced(e.supplied));
    return text;
}

} // namespace korvani::naming
