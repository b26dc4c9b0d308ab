#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "data/DataFileId.h"
#include "data/DataFileSeal.h"
#include "data/DataStore.h"

using namespace korvani::data;

namespace {

// The seal check that every process pays once for each data file it opens: the whole file read
// and hashed. Target: under 10 ms for all five files together, the most any process opens.
void BM_CheckSeal(benchmark::State& state) {
    const DataFileId id = kAllDataFiles[static_cast<std::size_t>(state.range(0))];
    const std::string path = std::string(KORVANI_BIN_DIR) + "/" + std::string(FileName(id));
    state.SetLabel(std::string(FileName(id)));
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckSeal(path));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_CheckSeal)->DenseRange(0, static_cast<int>(kAllDataFiles.size()) - 1)->Unit(benchmark::kMillisecond);

void BM_CheckSealOfAllFiles(benchmark::State& state) {
    for (auto _ : state)
        for (DataFileId id : kAllDataFiles)
            benchmark::DoNotOptimize(CheckSeal(std::string(KORVANI_BIN_DIR) + "/" + std::string(FileName(id))));
}
BENCHMARK(BM_CheckSealOfAllFiles)->Unit(benchmark::kMillisecond);

// Opening all five files as a process does: existence, seal, read-only open and the meta check.
void BM_OpenAllFiles(benchmark::State& state) {
    for (auto _ : state) {
        DataStore store(KORVANI_BIN_DIR);
        for (DataFileId id : kAllDataFiles)
            benchmark::DoNotOptimize(&store.Connection(id));
    }
}
BENCHMARK(BM_OpenAllFiles)->Unit(benchmark::kMillisecond);

} // namespace
