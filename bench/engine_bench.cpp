// Cases per second of the share computation over a fixed mix of cases.
//   cmake --workflow --preset release-bench   (or build/release/bench/engine_bench)

#include <benchmark/benchmark.h>

#include "bench/case_mix.h"
#include "engine/compute_case.h"
#include "present/result_table.h"

namespace {

constexpr int kMixSize = 4096;

void BM_computeCase(benchmark::State& state)
{
    const auto cases = qismaru::bench::caseMix(kMixSize);
    for (auto _ : state) {
        for (const auto& counts : cases) benchmark::DoNotOptimize(qismaru::computeCase(counts));
    }
    state.SetItemsProcessed(state.iterations() * kMixSize);
}
BENCHMARK(BM_computeCase);

// The table as well, as Calculate draws it.
void BM_computeAndLayOut(benchmark::State& state)
{
    const auto cases = qismaru::bench::caseMix(kMixSize);
    for (auto _ : state) {
        for (const auto& counts : cases) {
            const auto c = qismaru::computeCase(counts);
            benchmark::DoNotOptimize(qismaru::layoutResultTable(counts, c.result, qismaru::TableMedium::Screen));
        }
    }
    state.SetItemsProcessed(state.iterations() * kMixSize);
}
BENCHMARK(BM_computeAndLayOut);

}  // namespace

BENCHMARK_MAIN();
