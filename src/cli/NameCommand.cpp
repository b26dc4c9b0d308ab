#include "cli/NameCommand.h"

#include <CLI/CLI.hpp>

#include "base/Errors.h"
#include "base/Parse.h"
#include "cli/OptionChecks.h"
#include "naming/CandidateCsv.h"
#include "naming/CandidatePage.h"
#include "naming/ScoreExplanation.h"

namespace korvani::cli {

void NameCommand::Declare(CLI::App& app) {
    m_birth.Declare(app);
    app.add_option("--length", m_length, "名字字数：2、3 或 4")
        ->check(OneOf({"2", "3", "4"}, "名字字数"))
        ->capture_default_str();
    for (int i = 0; i < 4; ++i)
        app.add_option("--fix" + std::to_string(i + 1), m_fixed[i], "第" + std::to_string(i + 1) + "个字固定为");
    app.add_option("--prefix", m_prefix, "地区前缀");
    app.add_option("--suffix", m_suffix, "行业后缀");
    app.add_option("--seed", m_seed, "随机种子（整数）：相同的种子得到相同的结果")
        ->check(WholeNumber(std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max(),
                            "随机种子"));
    m_seedOption = app.get_option("--seed");
    app.add_option("--elements", m_elements, "missing（补八字所缺五行）或 favourable（按喜用神）")
        ->check(OneOf({"missing", "favourable"}, "五行取法"))
        ->capture_default_str();
    app.add_option("--pages", m_pages, "显示页数（每页最多100个）")
        ->check(WholeNumber(1, 1000, "页数"))
        ->capture_default_str();
    app.add_option("--format", m_format, "输出格式：tsv（制表符分隔，默认）或 csv（逗号分隔，带评分说明）")
        ->check(OneOf({"tsv", "csv"}, "输出格式"))
        ->capture_default_str();
}

std::vector<data::DataFileId> NameCommand::DataFiles() const {
    return {data::DataFileId::Zelmar, data::DataFileId::Tgcode};
}

void NameCommand::Run(CommandContext& context, std::ostream& out) {
    base::RandomSource random = m_seedOption->count() == 0
                                    ? base::RandomSource::Fresh()
                                    : base::RandomSource(static_cast<std::uint64_t>(base::ParseInt64(m_seed)));
    naming::NamingRequest request{
        m_birth.Input(), m_prefix,
        m_suffix,        base::ParseInt(m_length),
        m_fixed,         m_elements == "favourable" ? naming::ElementMode::Favourable : naming::ElementMode::Missing};
    const naming::NamingOutcome outcome = naming::RunNaming(context.store, request, random);
    if (outcome.message)
        throw InputError(outcome.message->text);
    // Further pages only when the result holds more than one ("继续显示").
    const int pages = naming::HasMorePages(*outcome.result) ? base::ParseInt(m_pages) : 1;
    std::vector<naming::GridRow> rows;
    for (int page = 0; page < pages; ++page)
        for (naming::GridRow& row : naming::ShowCandidatePage(*outcome.result, m_prefix, m_suffix, random))
            rows.push_back(std::move(row));
    std::string text;
    if (m_format == "csv") {
        std::vector<std::string> explanations;
        for (const naming::GridRow& row : rows)
            explanations.push_back(
                naming::ExplanationText(naming::ExplainScore(context.store, outcome.result->state, row)));
        text = naming::GridCsv(rows, explanations);
    } else {
        for (std::size_t i = 0; i < naming::kGridHeadings.size(); ++i)
            (text += i ? "\t" : "") += naming::kGridHeadings[i];
        text += '\n';
        for (const naming::GridRow& row : rows) {
            for (std::size_t i = 0; i < row.size(); ++i)
                (text += i ? "\t" : "") += row[i];
            text += '\n';
        }
    }
    out << text;
}

} // namespace korvani::cli
