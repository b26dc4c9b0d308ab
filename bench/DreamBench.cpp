#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeWidget>
#include <cstdlib>

#include "almanac/DreamDictionary.h"
#include "app/DreamPage.h"

using namespace korvani;

namespace {

// The dream page's tree: the category query, one title query per category and every node with its
// pictures, from an empty tree. Target: under 30 ms.
void BM_ShowTreeDate(benchmark::State& state) {
    data::DataStore store(KORVANI_BIN_DIR);
    app::DreamPage page(store);
    page.ShowTreeDate(); // opens the connection
    for (auto _ : state) {
        page.ShowTreeDate();
        benchmark::DoNotOptimize(page.Tree()->topLevelItemCount());
    }
}
BENCHMARK(BM_ShowTreeDate)->Unit(benchmark::kMillisecond);

// The queries of the tree alone, without widgets.
void BM_DreamTree(benchmark::State& state) {
    data::DataStore store(KORVANI_BIN_DIR);
    const data::Dream dream(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(almanac::DreamTree(dream));
}
BENCHMARK(BM_DreamTree)->Unit(benchmark::kMillisecond);

// A search once the texts are in memory, over every entry. Target: under 10 ms.
void BM_SearchWarm(benchmark::State& state) {
    data::DataStore store(KORVANI_BIN_DIR);
    almanac::DreamSearch search{data::Dream(store)};
    search.Search("蛇");
    const char* const words[] = {"蛇", "开店 顺利", "考试", "没有这种说法"};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(search.Search(words[i++ % 4]));
}
BENCHMARK(BM_SearchWarm)->Unit(benchmark::kMillisecond);

// The first search: reading and unscrambling every text, then searching.
void BM_SearchFirstUse(benchmark::State& state) {
    data::DataStore store(KORVANI_BIN_DIR);
    store.Connection(data::DataFileId::Dream);
    for (auto _ : state) {
        almanac::DreamSearch search{data::Dream(store)};
        benchmark::DoNotOptimize(search.Search("蛇"));
    }
}
BENCHMARK(BM_SearchFirstUse)->Unit(benchmark::kMillisecond);

// One title clicked: the text query and the unscrambling of its seven rounds.
void BM_DreamMemo(benchmark::State& state) {
    data::DataStore store(KORVANI_BIN_DIR);
    const data::Dream dream(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(almanac::DreamMemoLines(dream, "梦见蛇"));
}
BENCHMARK(BM_DreamMemo)->Unit(benchmark::kMicrosecond);

} // namespace

// The page needs an application object; without a display it renders offscreen.
int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
