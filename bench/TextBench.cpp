#include <benchmark/benchmark.h>

#include "base/DateValue.h"
#include "base/Gbk.h"

using namespace korvani::base;

namespace {

// A report of about 200 lines of mixed Chinese and ASCII, the size of the longest memo.
std::string ReportText() {
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "【天格】 14 （木）  大吉：天赋吉运，能享盛名，宜守成业。 Line " + std::to_string(i) + "\r\n";
    return text;
}

void BM_Utf8ToGbkReport(benchmark::State& state) {
    const std::string text = ReportText();
    for (auto _ : state)
        benchmark::DoNotOptimize(Utf8ToGbk(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Utf8ToGbkReport);

void BM_GbkToUtf8Report(benchmark::State& state) {
    const std::string gbk = Utf8ToGbk(ReportText());
    for (auto _ : state)
        benchmark::DoNotOptimize(GbkToUtf8(gbk));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * gbk.size()));
}
BENCHMARK(BM_GbkToUtf8Report);

void BM_ParseDate(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseDate("1980-5-17"));
}
BENCHMARK(BM_ParseDate);

void BM_DayNumberRoundTrip(benchmark::State& state) {
    int day = DayNumber({1900, 1, 31});
    for (auto _ : state) {
        benchmark::DoNotOptimize(DayNumber(DateOfDayNumber(day)));
        day = day == 73'000 ? 0 : day + 1;
    }
}
BENCHMARK(BM_DayNumberRoundTrip);

} // namespace
