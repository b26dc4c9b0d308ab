#include <benchmark/benchmark.h>

#include "chart/ChartDetails.h"
#include "data/Tgcode.h"
#include "numerology/CharacterLookup.h"

using namespace korvani::data;

namespace {

// The lookups a birth chart makes many times: element of a pillar character, ten god, nayin and
// the section-term test, each on the kept connection with its kept statement.
void BM_ElementOf(benchmark::State& state) {
    DataStore store(KORVANI_BIN_DIR);
    const Tgcode tgcode(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(tgcode.ElementOf("亥"));
}
BENCHMARK(BM_ElementOf);

void BM_TenGod(benchmark::State& state) {
    DataStore store(KORVANI_BIN_DIR);
    const Tgcode tgcode(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(tgcode.TenGod("甲丙"));
}
BENCHMARK(BM_TenGod);

void BM_TermsOn(benchmark::State& state) {
    DataStore store(KORVANI_BIN_DIR);
    const Tgcode tgcode(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(tgcode.TermsOn(2024, {2024, 2, 4}));
}
BENCHMARK(BM_TermsOn);

// Opening a file: existence check, read-only open and the meta check.
void BM_OpenDataFile(benchmark::State& state) {
    for (auto _ : state) {
        DataStore store(KORVANI_BIN_DIR);
        benchmark::DoNotOptimize(&store.Connection(DataFileId::Tgcode));
    }
}
BENCHMARK(BM_OpenDataFile);

} // namespace

namespace {

// A four-character name: four queries on the kept connection.
void BM_StrokeCountOfAName(benchmark::State& state) {
    DataStore store(KORVANI_BIN_DIR);
    for (auto _ : state)
        benchmark::DoNotOptimize(korvani::numerology::StrokeCount(store, "兴隆贸易"));
}
BENCHMARK(BM_StrokeCountOfAName);

// The eight characters of a chart.
void BM_CharacterElementOfAChart(benchmark::State& state) {
    DataStore store(KORVANI_BIN_DIR);
    static const char* const kChart[] = {"甲", "辰", "丙", "寅", "戊", "午", "癸", "亥"};
    for (auto _ : state)
        for (const char* character : kChart)
            benchmark::DoNotOptimize(korvani::chart::CharacterElement(store, character));
}
BENCHMARK(BM_CharacterElementOfAChart);

} // namespace
