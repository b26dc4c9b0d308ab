#include "reports/ShortlistReport.h"

#include "base/Text.h"
#include "base/Utf8.h"
#include "naming/AssociationFilter.h"
#include "naming/ScoreExplanation.h"
#include "reports/BirthChartReport.h"
#include "reports/CompanyNameReport.h"

namespace korvani::reports {

namespace {

using naming::NumberVerdictWord;
using naming::ShortlistEntry;

std::string Grid(int strokes) { return std::to_string(strokes) + " " + NumberVerdictWord(strokes); }

std::string SuffixGrid(const ShortlistEntry& e) {
    return e.suffix.empty() ? std::string("无行业后缀") : Grid(e.suffixStrokes);
}

// The elements the run asked for against those the body brings: "缺 金水，补 金", or for a 喜用神
// run "喜用 水木，补 水木".
std::string ElementsNote(const ShortlistEntry& e) {
    if (e.missing.empty() && !e.favourable)
        return "八字五行俱全";
    std::string supplied;
    for (const std::string& element : base::SplitCharacters(e.missing))
        if (e.elements.find(element) != std::string::npos)
            supplied += element;
    return (e.favourable ? "喜用 " : "缺 ") + e.missing + "，补 " + (supplied.empty() ? std::string("无") : supplied);
}

} // namespace

std::vector<CompareRow> CompareNames(data::DataStore& store, const std::vector<ShortlistEntry>& entries) {
    std::vector<CompareRow> rows = {{"企业名称", {}}, {"企业繁体字", {}}, {"单位主体", {}}, {"主体笔画", {}},
                                    {"行业笔画", {}}, {"全称笔画", {}},   {"主体五行", {}}, {"所需五行", {}},
                                    {"总体评分", {}}, {"评分说明", {}},   {"字义", {}},     {"法人生辰", {}}};
    for (const ShortlistEntry& e : entries) {
        const std::vector<std::string> cells = {e.name,
                                                e.traditional,
                                                e.body,
                                                Grid(e.bodyStrokes),
                                                SuffixGrid(e),
                                                Grid(e.total),
                                                e.elements,
                                                ElementsNote(e),
                                                std::to_string(e.score),
                                                e.explanation,
                                                base::Joined(naming::BodyGlosses(store, e.body), "\n"),
                                                naming::BirthText(e.birth)};
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i].cells.push_back(cells[i]);
    }
    return rows;
}

std::vector<std::string> ShortlistReportLines(data::DataStore& store, const std::vector<ShortlistEntry>& entries) {
    std::vector<std::string> lines;
    if (entries.empty())
        return lines;
    lines.emplace_back(kFrameLine);
    lines.push_back("收藏夹：共 " + std::to_string(entries.size()) + " 个候选名称");
    lines.emplace_back("");
    int number = 0;
    for (const ShortlistEntry& e : entries) {
        lines.emplace_back(kNameSeparator);
        lines.push_back("第" + std::to_string(++number) + "个：" + e.name + "（" + e.traditional + "）");
        lines.push_back("主体：" + e.body + "　五行：" + e.elements + "　" + ElementsNote(e));
        lines.push_back("主体笔画：" + Grid(e.bodyStrokes) + "　行业笔画：" + SuffixGrid(e) + "　全称笔画：" +
                        Grid(e.total));
        lines.push_back("总体评分：" + std::to_string(e.score));
        lines.push_back("评分说明：" + e.explanation);
        const std::vector<std::string> glosses = naming::BodyGlosses(store, e.body);
        if (!glosses.empty())
            lines.push_back("字义：" + base::Joined(glosses, "；"));
        lines.push_back("法人生辰：" + naming::BirthText(e.birth));
        lines.push_back("收藏时间：" + e.added);
        lines.emplace_back("");
    }
    lines.emplace_back(kReferenceOnlyLine);
    return lines;
}

} // namespace korvani::reports
