#include <benchmark/benchmark.h>

#include "chart/BirthChartReport.h"

using namespace korvani::chart;

namespace {

// One whole birth-chart report with every lookup (ten gods, nayin, elements, term moment, bone
// weights) on the kept connections. Target: under 2 ms.
void BM_BirthChartReport(benchmark::State& state) {
    korvani::data::DataStore store(KORVANI_BIN_DIR);
    korvani::data::Catalogue catalogue(store);
    BirthInput input;
    input.surname = "张";
    input.givenName = "三";
    input.year = "1980";
    input.month = "5";
    input.day = "17";
    input.hour = "午 12";
    input.minute = "30";
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildBirthChartReport(catalogue, input, 2026));
}
BENCHMARK(BM_BirthChartReport)->Unit(benchmark::kMicrosecond);

} // namespace
