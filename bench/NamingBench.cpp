#include <benchmark/benchmark.h>

#include "naming/CandidatePage.h"

using namespace korvani::naming;

namespace {

// A whole naming run for one template (missing elements, the candidate query, the first page) on
// the real data files, the association check included. Target: every template under 50 ms median.
// The counter
// `rows` is the result's size.
void BM_NamingRun(benchmark::State& state) {
    const CandidateTemplate& t = AllTemplates()[static_cast<std::size_t>(state.range(0))];
    korvani::data::DataStore store(KORVANI_BIN_DIR);
    NamingRequest request;
    request.birth.surname = "张";
    request.birth.year = "1980";
    request.birth.month = "5";
    request.birth.day = "17";
    request.birth.hour = 12;
    request.length = t.length;
    static const char* const kFixed[] = {"华", "兴", "达", "信"};
    std::string label = std::to_string(t.length) + " fixed";
    for (int i = 0; i < t.length; ++i) {
        if (t.fixed[i]) {
            request.fixed[i] = kFixed[i];
            label += " " + std::to_string(i + 1);
        }
    }
    state.SetLabel(label);
    korvani::base::RandomSource random(42);
    std::size_t rows = 0;
    for (auto _ : state) {
        const NamingOutcome outcome = RunNaming(store, request, random);
        rows = outcome.result->rows.size();
        benchmark::DoNotOptimize(ShowCandidatePage(*outcome.result, "", "", random));
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_NamingRun)->DenseRange(0, 24)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
