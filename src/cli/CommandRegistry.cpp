#include "cli/CommandRegistry.h"

#include "base/Parse.h"
#include "chart/ChartDetails.h"
#include "cli/AlmanacCommand.h"
#include "cli/AnalyzeCommand.h"
#include "cli/CalendarCommands.h"
#include "cli/ChartCommands.h"
#include "cli/DreamCommands.h"
#include "cli/LookupCommand.h"
#include "cli/LuckyDaysCommand.h"
#include "cli/NameCommand.h"
#include "cli/ReadingCommands.h"
#include "naming/CandidatePage.h"
#include "numerology/CharacterLookup.h"
#include "numerology/NumberMeaning.h"
#include "tools/NumberReading.h"

namespace korvani::cli {

namespace {

using data::DataFileId;

std::function<std::unique_ptr<Command>()> Lookup(std::string argument, std::string help, std::vector<DataFileId> files,
                                                 LookupCommand::Answer answer, bool ownTextCheck = false) {
    return [=] { return std::make_unique<LookupCommand>(argument, help, files, answer, ownTextCheck); };
}

} // namespace

const std::vector<CommandInfo>& AllCommands() {
    static const std::vector<CommandInfo> commands = {
        {"lunar", "公历转农历：年 月 日 是否闰月 (SolarToLunar)",
         [] { return std::make_unique<DayListCommand>(true, LunarLine); }},
        {"solar", "农历转公历 (LunarToSolar)", [] { return std::make_unique<SolarCommand>(); }},
        {"term", "节气时刻 (SolarTermMoment)", [] { return std::make_unique<TermCommand>(); }},
        {"labels", "农历的干支年、月、日，节气与星座",
         [] { return std::make_unique<DayListCommand>(false, LabelsLine); }},
        {"wincal", "万年历窗口的农历、节日、节气、生肖与星座",
         [] { return std::make_unique<DayListCommand>(true, WindowCalendarLine); }},
        {"pillars", "四柱八字：是否生于节气时刻前、年月日时四柱 (ComputeFourPillars)",
         [] { return std::make_unique<PillarsCommand>(false); }},
        {"details", "命盘细节：胎元、大运方向、距节气天数、起运岁数、大运、遁藏 (ComputeChartDetails)",
         [] { return std::make_unique<PillarsCommand>(true); }},
        {"chart", "批八字报告", [] { return std::make_unique<ChartCommand>(); }},
        {"strokes", "笔画数：一个或几个字的笔画总数 (StrokeCount)",
         Lookup("TEXT", "字或词", {DataFileId::Zelmar},
                [](CommandContext& c, const std::string& text) {
                    return std::to_string(numerology::StrokeCount(c.store, text));
                })},
        {"trad", "繁体：每个字的繁体字 (TraditionalForm)",
         Lookup("TEXT", "字或词", {DataFileId::Zelmar},
                [](CommandContext& c, const std::string& text) { return numerology::TraditionalForm(c.store, text); })},
        {"element", "五行：一个字的五行 (CharacterElement)",
         Lookup("CHAR", "一个字", {DataFileId::Tgcode},
                [](CommandContext& c, const std::string& character) {
                    return chart::CharacterElement(c.store, character);
                })},
        {"analyze", "公司名称分析报告", [] { return std::make_unique<AnalyzeCommand>(); }},
        {"bonus", "总笔画加分：全名总笔画除以81的余数所得的加分 (ScoreBonus)",
         Lookup("TOTAL", "全名总笔画", {},
                [](CommandContext&, const std::string& total) {
                    return std::to_string(naming::ScoreBonus(base::ParseInt(total)));
                })},
        {"name", "起名：按八字所缺五行与笔画吉数生成候选名称", [] { return std::make_unique<NameCommand>(); }},
        {"verdict", "数理吉凶：数字除以81的余数的吉凶 (NumberVerdict)",
         Lookup("NUMBER", "整数", {},
                [](CommandContext&, const std::string& number) { return numerology::NumberVerdict(number); })},
        {"meaning", "数理解释：数字除以81的余数的含义 (NumberText)",
         Lookup("N", "整数", {DataFileId::OrvFile},
                [](CommandContext& c, const std::string& number) {
                    return numerology::NumberText(c.store, base::ParseInt64(number));
                })},
        {"almanac", "黄历：每天的岁次、胎神、五行、冲煞、彭祖百忌、吉神凶神与宜忌",
         [] { return std::make_unique<AlmanacCommand>(); }},
        {"luckydays", "择吉日：日期范围内宜办某事（默认开市）的日子，除去冲法人生肖的日子，按分数排列",
         [] { return std::make_unique<LuckyDaysCommand>(); }},
        {"phonekey", "手机号码的测算键：第8位起的数字除以80的余数 (shoujiinfostr)",
         Lookup("NUMBER", "手机号码", {},
                [](CommandContext&, const std::string& number) { return tools::shoujiinfostr(number); })},
        {"phone", "手机号码测算：号码、状态、吉凶、具体表现",
         [] {
             return std::make_unique<NumberReadingCommand>(
                 std::vector{DataFileId::Dream},
                 [](CommandContext& c, const std::string& n) { return tools::TelephoneReading(c.store, n); });
         }},
        {"qq", "QQ号码测试：号码、状态、吉凶、具体表现",
         [] {
             return std::make_unique<NumberReadingCommand>(
                 std::vector<DataFileId>{}, [](CommandContext&, const std::string& n) {
                     return tools::NumberVerdictReading(n, tools::kQqEmptyMessage);
                 });
         }},
        {"number", "任意号码分析：号码、状态、吉凶、具体表现",
         [] {
             return std::make_unique<NumberReadingCommand>(
                 std::vector<DataFileId>{}, [](CommandContext&, const std::string& n) {
                     return tools::NumberVerdictReading(n, tools::kAnyNumberEmptyMessage);
                 });
         }},
        {"netname", "网名与性格：网名最后一个字的拼音首字母所对应的性格 (NetNamePersonality)",
         // The window's own message for a character outside GBK ("请不要输入特殊字符").
         Lookup("NAME", "网名", {}, NetNameLine, true)},
        {"dream", "解梦：分类树 (--tree)、某个标题的解说 (--title)、查找 (--search)",
         [] { return std::make_unique<DreamCommand>(); }},
        {"unscramble", "把加密存放的解梦文字还原 (UnscrambleText)",
         [] { return std::make_unique<UnscrambleCommand>(); }},
    };
    return commands;
}

} // namespace korvani::cli
