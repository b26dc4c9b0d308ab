#include "cli/LuckyDaysCommand.h"

#include <CLI/CLI.hpp>
#include <fmt/format.h>

#include "almanac/LuckyDays.h"
#include "base/Errors.h"
#include "base/Parse.h"

namespace korvani::cli {

namespace {

base::CivilDate DateArgument(const std::string& text) {
    try {
        return base::ParseDate(text);
    } catch (const InputError&) {
        throw InputError(fmt::format("'{}' 不是有效的日期", text));
    }
}

} // namespace

void LuckyDaysCommand::Declare(CLI::App& app) {
    app.add_option("--from", m_from, "起始日期 yyyy-mm-dd")->required();
    app.add_option("--to", m_to, "结束日期 yyyy-mm-dd（含这一天）")->required();
    app.add_option("--activity", m_activity,
                   "要办的事：开市、交易、立券、纳财、挂匾、入宅、移徙、动土、修造、出行、嫁娶")
        ->capture_default_str();
    auto* birth = app.add_option("--birth", m_birth, "法人的公历生日 yyyy-mm-dd：除去冲其生肖的日子");
    app.add_option("--hour", m_hour, "法人出生的小时 0 至 23（只在立春当天影响生肖）")
        ->capture_default_str()
        ->needs(birth);
    app.add_option("--minute", m_minute, "法人出生的分钟 0 至 59")->capture_default_str()->needs(birth);
    app.add_flag("--by-date", m_byDate, "按日期先后排列（默认按分数高低）");
}

std::vector<data::DataFileId> LuckyDaysCommand::DataFiles() const {
    if (m_birth.empty())
        return {data::DataFileId::OrvBirth};
    return {data::DataFileId::OrvBirth, data::DataFileId::Tgcode};
}

void LuckyDaysCommand::Run(CommandContext& context, std::ostream& out) {
    const base::CivilDate from = DateArgument(m_from);
    const base::CivilDate to = DateArgument(m_to);
    if (const auto message = almanac::CheckLuckyDaySearch(from, to, m_activity))
        throw InputError(message->text);

    std::optional<chart::FourPillars> representative;
    if (!m_birth.empty()) {
        const base::CivilDate birth = DateArgument(m_birth);
        chart::BirthInput input;
        input.year = std::to_string(birth.year);
        input.month = std::to_string(birth.month);
        input.day = std::to_string(birth.day);
        input.hour = base::ParseInt(m_hour);
        input.minute = m_minute;
        auto chart = almanac::RepresentativeChart(context.store, input);
        if (const auto* message = std::get_if<base::ValidationMessage>(&chart))
            throw InputError(fmt::format("'{}': {}", m_birth, message->text));
        representative = std::get<chart::FourPillars>(chart);
    }

    almanac::LuckyDayResult result = almanac::FindLuckyDays(context.store, from, to, m_activity, representative);
    if (result.days.empty()) {
        if (context.err)
            *context.err << almanac::WhyNoLuckyDay(result.tally, m_activity, representative) << '\n';
        return;
    }
    if (m_byDate)
        almanac::OrderLuckyDays(result.days, almanac::LuckyDayOrder::ByDate);
    std::string lines;
    for (const almanac::LuckyDay& day : result.days) {
        lines += fmt::format("{}\t{}\t{}\t{}\t{}\t{}\n", base::FormatDate(day.date), day.lunarDate, day.SpiritText(),
                             day.OfficerText(), day.score, day.reasons);
    }
    out << lines;
}

} // namespace korvani::cli
