#include <benchmark/benchmark.h>

#include "data/Catalogue.h"

using namespace korvani::data;

namespace {

// The lookups a birth chart makes many times: element of a pillar character, ten god, nayin and
// the section-term test, each on the kept connection with its kept statement.
void BM_ElementOf(benchmark::State& state) {
    DataStore store(KORVANI_BIN_DIR);
    Catalogue catalogue(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue.ElementOf("亥"));
}
BENCHMARK(BM_ElementOf);

void BM_TenGod(benchmark::State& state) {
    DataStore store(KORVANI_BIN_DIR);
    Catalogue catalogue(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue.TenGod("甲丙"));
}
BENCHMARK(BM_TenGod);

void BM_SectionTermMomentOn(benchmark::State& state) {
    DataStore store(KORVANI_BIN_DIR);
    Catalogue catalogue(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue.SectionTermMomentOn(2024, {2024, 2, 4}));
}
BENCHMARK(BM_SectionTermMomentOn);

// Opening a file: existence check, read-only open and the meta check.
void BM_OpenDataFile(benchmark::State& state) {
    for (auto _ : state) {
        DataStore store(KORVANI_BIN_DIR);
        benchmark::DoNotOptimize(&store.Connection(DataFileId::Tgcode));
    }
}
BENCHMARK(BM_OpenDataFile);

} // namespace
