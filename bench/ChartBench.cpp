#include <benchmark/benchmark.h>

#include "reports/BirthChartReport.h"

using namespace korvani::chart;

namespace {

// One whole birth-chart report with every lookup (ten gods, nayin, elements, term moment, bone
// weights) on the kept connections. Target: under 2 ms.
void BM_BirthChartReport(benchmark::State& state) {
    korvani::data::DataStore store(KORVANI_BIN_DIR);
    BirthInput input;
    input.surname = "张";
    input.givenName = "三";
    input.year = "1980";
    input.month = "5";
    input.day = "17";
    input.hour = 12;
    input.minute = "30";
    for (auto _ : state)
        benchmark::DoNotOptimize(korvani::reports::BuildBirthChartReport(store, input, 2026));
}
BENCHMARK(BM_BirthChartReport)->Unit(benchmark::kMicrosecond);

} // namespace

#include "reports/CompanyNameReport.h"

namespace {

// One whole company-name report with every lookup. Target: under 2 ms.
void BM_CompanyNameReport(benchmark::State& state) {
    korvani::data::DataStore store(KORVANI_BIN_DIR);
    BirthInput input;
    input.surname = "李";
    input.givenName = "明";
    input.year = "1985";
    input.month = "6";
    input.day = "15";
    input.hour = 9;
    input.minute = "30";
    const korvani::reports::CompanyNameParts name{"成都", "鸿图兴隆", "贸易有限公司"};
    for (auto _ : state)
        benchmark::DoNotOptimize(korvani::reports::BuildCompanyNameReport(store, input, name, 2026));
}
BENCHMARK(BM_CompanyNameReport)->Unit(benchmark::kMicrosecond);

} // namespace

#include <vector>

#include "chart/FavourableElements.h"

namespace {

// The strength of the day master and its favourable elements, with the explanation, over 365 charts
// of the year 1990 at noon. Target: under 100 µs per chart.
void BM_FavourableElements(benchmark::State& state) {
    std::vector<FourPillars> charts;
    for (int day = 1; day <= 365; ++day)
        charts.push_back(ComputeFourPillars(false, 1990, 1 + (day - 1) / 31 % 12, 1 + (day - 1) % 28, 12, 0, "男"));
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FavourableElements(charts[i++ % charts.size()]));
}
BENCHMARK(BM_FavourableElements)->Unit(benchmark::kMicrosecond);

} // namespace
