// The report builders on any birth data and company name, over the built data files: each gives
// its lines or a message, or refuses the input with InputError; nothing else escapes them.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "base/Errors.h"
#include "base/Utf8.h"
#include "chart/BirthInput.h"
#include "data/DataStore.h"
#include "reports/BirthChartReport.h"
#include "reports/CompanyNameReport.h"

using namespace korvani;

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

// A short text: most often a number or a character the reports know, sometimes any bytes.
std::string Field(FuzzedDataProvider& input) {
    static const char* const kCommon[] = {"",     "0",    "1",    "12",       "23", "59", "1980",
                                          "2024", "-1",   "30",   "31",       "张", "三", "明",
                                          "三好", "科技", "成都", "有限公司", "男", "女", " 5 "};
    if (input.ConsumeBool())
        return kCommon[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kCommon) - 1)];
    return input.ConsumeRandomLengthString(24);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static data::DataStore store(KORVANI_BIN_DIR);
    FuzzedDataProvider input(data, size);

    chart::BirthInput birth;
    birth.surname = Field(input);
    birth.givenName = Field(input);
    birth.sex = input.ConsumeBool() ? "男" : "女";
    birth.lunar = input.ConsumeBool();
    birth.year = Field(input);
    birth.month = Field(input);
    birth.day = Field(input);
    if (input.ConsumeBool())
        birth.hour = input.ConsumeIntegral<int>();
    else
        birth.hour.reset();
    birth.minute = Field(input);
    const reports::CompanyNameParts name{Field(input), Field(input), Field(input)};
    const int currentYear = input.ConsumeIntegralInRange(1900, 2200);

    const auto check = [](const base::ReportOutcome& outcome) {
        Require(outcome.message.has_value() != !outcome.lines.empty());
        for (const std::string& line : outcome.lines)
            Require(base::IsValidUtf8(line));
    };
    try {
        check(reports::BuildBirthChartReport(store, birth, currentYear));
    } catch (const InputError&) {
    } catch (const CommandAbandoned&) {
    }
    try {
        check(reports::BuildCompanyNameReport(store, birth, name, currentYear));
    } catch (const InputError&) {
    }
    return 0;
}
