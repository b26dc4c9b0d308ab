#include "cli/AnalyzeCommand.h"

#include <CLI/CLI.hpp>

#include "reports/CompanyNameReport.h"

namespace korvani::cli {

void AnalyzeCommand::Declare(CLI::App& app) {
    m_birth.Declare(app);
    app.add_option("--prefix", m_prefix, "地区前缀");
    app.add_option("--body", m_body, "企业简称（主体）");
    app.add_option("--suffix", m_suffix, "行业后缀");
}

std::vector<data::DataFileId> AnalyzeCommand::DataFiles() const {
    return {data::DataFileId::Zelmar, data::DataFileId::OrvFile, data::DataFileId::Tgcode};
}

void AnalyzeCommand::Run(CommandContext& context, std::ostream& out) {
    WriteReport(reports::BuildCompanyNameReport(context.store, m_birth.Input(), {m_prefix, m_body, m_suffix},
                                                   CurrentYear()),
                out);
}

} // namespace korvani::cli
