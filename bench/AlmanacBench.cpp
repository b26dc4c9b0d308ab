#include <benchmark/benchmark.h>

#include "almanac/DailyAlmanac.h"
#include "almanac/LuckyDays.h"
#include "base/DateValue.h"

using korvani::data::DataStore;

namespace {

// One day's entry as 查看 makes it: the row of the view on the kept connection and its memo lines.
// Target: under 1 ms.
void BM_AlmanacDay(benchmark::State& state) {
    DataStore store(KORVANI_BIN_DIR);
    for (auto _ : state)
        benchmark::DoNotOptimize(korvani::almanac::LookUpAlmanacDay(store, "2024-02-10"));
}
BENCHMARK(BM_AlmanacDay)->Unit(benchmark::kMicrosecond);

// Every day of a year, one lookup each. Target: under 20 ms.
void BM_AlmanacYear(benchmark::State& state) {
    DataStore store(KORVANI_BIN_DIR);
    std::vector<std::string> days;
    for (int day = korvani::base::DayNumber({2024, 1, 1}); day <= korvani::base::DayNumber({2024, 12, 31}); ++day)
        days.push_back(korvani::base::FormatDate(korvani::base::DateOfDayNumber(day)));
    for (auto _ : state)
        for (const std::string& day : days)
            benchmark::DoNotOptimize(korvani::almanac::LookUpAlmanacDay(store, day));
    state.counters["days"] = static_cast<double>(days.size());
}
BENCHMARK(BM_AlmanacYear)->Unit(benchmark::kMillisecond);

// The first 查看 after start: opening the file, preparing the view's query, one day.
void BM_AlmanacFirstDay(benchmark::State& state) {
    for (auto _ : state) {
        DataStore store(KORVANI_BIN_DIR);
        benchmark::DoNotOptimize(korvani::almanac::LookUpAlmanacDay(store, "2024-02-10"));
    }
}
BENCHMARK(BM_AlmanacFirstDay)->Unit(benchmark::kMicrosecond);

// 择吉日 over one year for a representative, as 查找 runs it: the days of the span, the entries
// they name, the rules and the score, the order. Target: under 5 ms.
void BM_LuckyDaysYear(benchmark::State& state) {
    DataStore store(KORVANI_BIN_DIR);
    const auto representative = korvani::chart::ComputeFourPillars(false, 1985, 6, 15, 9, 30, "男");
    std::size_t found = 0;
    for (auto _ : state) {
        const auto result =
            korvani::almanac::FindLuckyDays(store, {2027, 1, 1}, {2027, 12, 31}, "开市", representative);
        found = result.days.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["days"] = static_cast<double>(found);
}
BENCHMARK(BM_LuckyDaysYear)->Unit(benchmark::kMillisecond);

// The same over the whole almanac, 1901-01-01 to 2100-12-31 (73,049 days). Target: under 200 ms.
void BM_LuckyDaysWholeSpan(benchmark::State& state) {
    DataStore store(KORVANI_BIN_DIR);
    const auto representative = korvani::chart::ComputeFourPillars(false, 1985, 6, 15, 9, 30, "男");
    std::size_t found = 0;
    for (auto _ : state) {
        const auto result = korvani::almanac::FindLuckyDays(store, korvani::almanac::kFirstAlmanacDay,
                                                            korvani::almanac::kLastAlmanacDay, "开市", representative);
        found = result.days.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["days"] = static_cast<double>(found);
}
BENCHMARK(BM_LuckyDaysWholeSpan)->Unit(benchmark::kMillisecond);

} // namespace
