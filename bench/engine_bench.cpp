// Cases per second of the share computation over a fixed mix of cases.
//   cmake --workflow --preset release-bench   (or build/release/bench/engine_bench)

#include <benchmark/benchmark.h>

#include <string_view>

#include "bench/case_mix.h"
#include "bench/death_pairs.h"
#include "bench/kindred_mix.h"
#include "bench/path_mix.h"
#include "engine/compute_case.h"
#include "engine/path_case.h"
#include "engine/waiting_division.h"
#include "model/case_entry.h"
#include "present/result_table.h"
#include "present/solution_steps.h"

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

// The same answered by each school (0 Hanafi, 1 Maliki, 2 Shafi'i, 3 Hanbali):
// the schools' rules come on top of the Hanafi answer where they differ.
void BM_computeCaseBySchool(benchmark::State& state)
{
    const auto cases = qismaru::bench::caseMix(kMixSize);
    const qismaru::Positions positions{static_cast<qismaru::School>(state.range(0))};
    for (auto _ : state) {
        for (const auto& counts : cases) benchmark::DoNotOptimize(qismaru::computeCase(counts, positions));
    }
    state.SetItemsProcessed(state.iterations() * kMixSize);
}
BENCHMARK(BM_computeCaseBySchool)->DenseRange(0, qismaru::kSchoolCount - 1);

// The mix written by path beyond the 21 kinds (bench/path_mix.h): each
// relative resolved to his kind, the division, and each relative's part.
// It should cost at most twice a case of the 21 kinds.
void BM_computePathCase(benchmark::State& state)
{
    const auto cases = qismaru::bench::pathMix(kMixSize);
    for (auto _ : state) {
        for (const auto& entries : cases) {
            const qismaru::PathComputation p = qismaru::computeCase(entries, {});
            for (std::size_t i = 0; p.divided() && i < entries.size(); ++i) {
                benchmark::DoNotOptimize(qismaru::shareOf(p, entries, i));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kMixSize);
}
BENCHMARK(BM_computePathCase);

// The mix with its heirs turned into distant kindred (bench/kindred_mix.h),
// divided by each school's method (0 Hanafi, 1 Maliki, 2 Shafi'i, 3
// Hanbali) and each relative's part read: the placed heirs' case and each
// passing down are divisions of their own. It should cost at most a few
// times a case of the 21 kinds.
void BM_computeKindredCase(benchmark::State& state)
{
    const auto cases = qismaru::bench::kindredMix(kMixSize);
    const qismaru::Positions positions{static_cast<qismaru::School>(state.range(0))};
    for (auto _ : state) {
        for (const auto& entries : cases) {
            const qismaru::PathComputation p = qismaru::computeCase(entries, positions);
            for (std::size_t i = 0; p.divided() && i < entries.size(); ++i) {
                benchmark::DoNotOptimize(qismaru::shareOf(p, entries, i));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kMixSize);
}
BENCHMARK(BM_computeKindredCase)->DenseRange(0, qismaru::kSchoolCount - 1);

// The same with every decision recorded, as the solution asks for them.
void BM_computeCaseWithSteps(benchmark::State& state)
{
    const auto cases = qismaru::bench::caseMix(kMixSize);
    qismaru::DecisionTrace trace;
    for (auto _ : state) {
        for (const auto& counts : cases) {
            benchmark::DoNotOptimize(qismaru::computeCase(counts, &trace));
            benchmark::DoNotOptimize(trace.steps().data());
        }
    }
    state.SetItemsProcessed(state.iterations() * kMixSize);
}
BENCHMARK(BM_computeCaseWithSteps);

// And the Arabic solution written from them, as --explain and the window show it.
void BM_computeAndExplain(benchmark::State& state)
{
    const auto cases = qismaru::bench::caseMix(kMixSize);
    for (auto _ : state) {
        for (const auto& counts : cases) benchmark::DoNotOptimize(qismaru::solveWithSteps(counts));
    }
    state.SetItemsProcessed(state.iterations() * kMixSize);
}
BENCHMARK(BM_computeAndExplain);

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

// A case with a later death, joined into the combined base, against the same
// two cases computed alone: joining should cost well under a third case.
void BM_twoSingleCases(benchmark::State& state)
{
    const auto pairs = qismaru::bench::deathPairs(kMixSize);
    for (auto _ : state) {
        for (const auto& pair : pairs) {
            benchmark::DoNotOptimize(qismaru::computeCase(pair.first));
            benchmark::DoNotOptimize(qismaru::computeCase(pair.later.counts));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pairs.size()));
}
BENCHMARK(BM_twoSingleCases);

void BM_twoDeathLine(benchmark::State& state)
{
    const auto pairs = qismaru::bench::deathPairs(kMixSize);
    for (auto _ : state) {
        for (const auto& pair : pairs) {
            benchmark::DoNotOptimize(qismaru::computeSuccessiveDeaths(pair.first, {pair.later}));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pairs.size()));
}
BENCHMARK(BM_twoDeathLine);

// A case with an unborn child under the Hanbali school (six outcomes: none,
// one or two boys or girls, a boy and a girl), against the six cases computed
// alone: the division now and the reserve should cost little beyond them.
std::vector<qismaru::WaitingCase> unbornChildCases(std::string_view relation = "s")
{
    const qismaru::WaitingRelation child = *qismaru::relationNamed(relation);
    std::vector<qismaru::WaitingCase> cases;
    for (const auto& counts : qismaru::bench::caseMix(kMixSize)) {
        if (qismaru::grandmothersBeyondLimit(counts, qismaru::School::Hanbali)) continue;
        cases.push_back({counts, qismaru::UnbornChild{child}});
    }
    return cases;
}

void BM_unbornChildHanbali(benchmark::State& state)
{
    const auto cases = unbornChildCases();
    const qismaru::Positions hanbali{qismaru::School::Hanbali};
    for (auto _ : state) {
        for (const auto& wait : cases) benchmark::DoNotOptimize(qismaru::divideWaiting(wait, hanbali));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cases.size()));
}
BENCHMARK(BM_unbornChildHanbali);

// The same with the unborn a brother's child: a girl of his adds no heir, so
// the six outcomes make three cases, each computed once.
void BM_unbornNephewHanbali(benchmark::State& state)
{
    const auto cases = unbornChildCases("b.s");
    const qismaru::Positions hanbali{qismaru::School::Hanbali};
    for (auto _ : state) {
        for (const auto& wait : cases) benchmark::DoNotOptimize(qismaru::divideWaiting(wait, hanbali));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cases.size()));
}
BENCHMARK(BM_unbornNephewHanbali);

void BM_unbornOutcomesAlone(benchmark::State& state)
{
    const auto cases = unbornChildCases();
    const qismaru::Positions hanbali{qismaru::School::Hanbali};
    constexpr int kBirths[6][2] = {{0, 0}, {1, 0}, {0, 1}, {2, 0}, {0, 2}, {1, 1}};
    for (auto _ : state) {
        for (const auto& wait : cases) {
            for (const auto& birth : kBirths) {
                qismaru::KindCounts counts = wait.counts;
                counts.set(qismaru::HeirKind::Sons, counts.of(qismaru::HeirKind::Sons) + birth[0]);
                counts.set(qismaru::HeirKind::Daughters, counts.of(qismaru::HeirKind::Daughters) + birth[1]);
                if (!counts.empty()) benchmark::DoNotOptimize(qismaru::computeCase(counts, hanbali));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cases.size()));
}
BENCHMARK(BM_unbornOutcomesAlone);

}  // namespace

BENCHMARK_MAIN();
