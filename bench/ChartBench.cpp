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
