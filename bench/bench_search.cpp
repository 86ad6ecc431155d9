// Speed of the all-solutions search: puzzles with many solutions (n x n with every number
// 1 has n! of them), a deep first descent, tournament puzzles from the shared collection
// when it is present, and keeping solutions in the list.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/solver/SearchTestSupport.h"
#include "solver/SearchCollector.h"
#include "solver/SearchEngine.h"
#include "solver/SolutionList.h"
#include "support/Nono.h"

using namespace quenk;

namespace {

void Report(benchmark::State& state, const SearchOutcome& outcome) {
    state.counters["solutions"] = double(outcome.nSolutions);
    state.counters["nodes"] = double(outcome.nNodes);
    state.counters["depth"] = outcome.nMaxDepth;
    state.counters["nodes/s"] =
        benchmark::Counter(double(outcome.nNodes), benchmark::Counter::kIsIterationInvariantRate);
}

// Every solution, counted only.
void BM_SearchPermutations(benchmark::State& state) {
    const auto puzzle = test::PermutationPuzzle(int(state.range(0)));
    for (auto _ : state) {
        CSearchCollector collector(nullptr);
        CSearchEngine engine(puzzle);
        const SearchOutcome outcome = engine.Run(collector);
        Report(state, outcome);
    }
}
BENCHMARK(BM_SearchPermutations)->DenseRange(5, 8)->Unit(benchmark::kMillisecond);

// Every solution kept in the list.
void BM_SearchPermutationsKept(benchmark::State& state) {
    const auto puzzle = test::PermutationPuzzle(int(state.range(0)));
    for (auto _ : state) {
        CSolutionList list(puzzle);
        CSearchCollector collector(&list);
        CSearchEngine engine(puzzle);
        const SearchOutcome outcome = engine.Run(collector);
        Report(state, outcome);
        state.counters["list bytes"] = double(list.GetBytesUsed());
    }
}
BENCHMARK(BM_SearchPermutationsKept)->Arg(8)->Unit(benchmark::kMillisecond);

// The first solutions of a large permutation puzzle lie about n * n / 2 guesses deep.
void BM_SearchDeepFirstSolution(benchmark::State& state) {
    const auto puzzle = test::PermutationPuzzle(int(state.range(0)));
    for (auto _ : state) {
        CSearchCollector collector(nullptr, 1);
        CSearchEngine engine(puzzle);
        const SearchOutcome outcome = engine.Run(collector);
        Report(state, outcome);
    }
}
BENCHMARK(BM_SearchDeepFirstSolution)->Arg(70)->Unit(benchmark::kMillisecond);

void BM_SearchShared(benchmark::State& state, const char* szPath) {
    const std::filesystem::path path = std::filesystem::path(QUENK_SHARED_DATA_DIR) / szPath;
    auto puzzle = test::ReadNono(path);
    if (!puzzle) {
        state.SkipWithError("shared puzzle data not present");
        return;
    }
    for (auto _ : state) {
        CSearchCollector collector(nullptr);
        CSearchEngine engine(*puzzle->crossword);
        const SearchOutcome outcome = engine.Run(collector);
        Report(state, outcome);
    }
}
BENCHMARK_CAPTURE(BM_SearchShared, taai2011_0001, "sets/taai2011/taai2011-0001.nono")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchShared, taai2011_0010, "sets/taai2011/taai2011-0010.nono")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchShared, dom_06, "puzzles/dom-06.nono")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchShared, jwilk_038_bike, "puzzles/jwilk-038-bike.nono")->Unit(benchmark::kMillisecond);

// Keeping 10 000 solutions of a 100 x 100 puzzle.
void BM_SolutionListAdd(benchmark::State& state) {
    const auto puzzle = test::PermutationPuzzle(100);
    for (auto _ : state) {
        CSolutionList list(puzzle);
        for (int i = 0; i < 10000; ++i) list.Add(puzzle);
        benchmark::DoNotOptimize(list.GetCount());
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_SolutionListAdd)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
