#include <benchmark/benchmark.h>

#include "almanac/DailyAlmanac.h"
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

} // namespace
