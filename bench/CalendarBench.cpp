#include <benchmark/benchmark.h>

#include "calendar/LunarCalendar.h"
#include "calendar/window/WindowCalendar.h"

using namespace korvani::calendar;
using korvani::base::DayNumber;

namespace {

// Every day 1900-01-31..2100-12-31 to its lunar date and back (the way back only where the lunar
// date is in the convertible years 1901..2099). Target: the whole range under 10 ms.
void BM_EveryDayToLunarAndBack(benchmark::State& state) {
    const int first = DayNumber({1900, 1, 31});
    const int last = DayNumber({2100, 12, 31});
    for (auto _ : state) {
        long long sum = 0;
        for (int day = first; day <= last; ++day)
            sum += static_cast<long long>(LunarToSolar(SolarToLunar(day)));
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * (last - first + 1));
}
BENCHMARK(BM_EveryDayToLunarAndBack)->Unit(benchmark::kMillisecond);

void BM_WindowLunarCodeOfAYear(benchmark::State& state) {
    const int first = DayNumber({2024, 1, 1});
    for (auto _ : state)
        for (int day = first; day < first + 366; ++day)
            benchmark::DoNotOptimize(window::WindowLunarCode(korvani::base::DateOfDayNumber(day)));
}
BENCHMARK(BM_WindowLunarCodeOfAYear)->Unit(benchmark::kMicrosecond);

} // namespace
