// Speed of the deductive search's parts: the complete line analysis (bit-parallel and by
// table), propagation over a whole grid, and the search itself on the hardest puzzles of the
// shared collection (first two solutions, as `quenk-cli solutions --max 2` asks).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "core/solver/SearchTestSupport.h"
#include "solver/DeductiveSearch.h"
#include "solver/GridClues.h"
#include "solver/SearchEngine.h"
#include "support/Nono.h"

using namespace quenk;

namespace {

// Random one-colour lines of 25 cells with a few cells decided, as the tournament puzzles have.
struct CLineSample {
    std::vector<std::uint8_t> values, colors;
    std::vector<CellMask> cells;
};

std::vector<CLineSample> MakeLines(int n, int nColors) {
    std::mt19937 rng(5);
    std::vector<CLineSample> lines(256);
    for (auto& line : lines) {
        line.cells.assign(size_t(n), CellMask((2u << nColors) - 1));
        std::vector<std::uint8_t> picture(size_t(n), 0);
        for (auto& v : picture) v = rng() % 2 ? std::uint8_t(1 + rng() % unsigned(nColors)) : 0;
        for (int i = 0; i < n;) {
            if (!picture[size_t(i)]) {
                ++i;
                continue;
            }
            int j = i;
            while (j < n && picture[size_t(j)] == picture[size_t(i)]) ++j;
            line.values.push_back(std::uint8_t(j - i));
            line.colors.push_back(picture[size_t(i)]);
            i = j;
        }
        for (int i = 0; i < n; ++i)
            if (rng() % 4 == 0) line.cells[size_t(i)] = ColorBit(picture[size_t(i)]);
    }
    return lines;
}

void RunLines(benchmark::State& state, bool bTable, int nColors) {
    const auto lines = MakeLines(int(state.range(0)), nColors);
    CLineAnalyzer analyzer(255, 255);
    std::vector<CellMask> out(256);
    for (auto _ : state) {
        for (const auto& line : lines) {
            const int k = int(line.values.size()), n = int(line.cells.size());
            const bool bOk =
                bTable ? analyzer.AnalyzeByTable(line.values.data(), line.colors.data(), k, line.cells.data(), n,
                                                 out.data())
                       : analyzer.Analyze(line.values.data(), line.colors.data(), k, line.cells.data(), n, out.data());
            benchmark::DoNotOptimize(bOk);
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(lines.size()));
}
void BM_LineOneColourBits(benchmark::State& state) { RunLines(state, false, 1); }
void BM_LineOneColourTable(benchmark::State& state) { RunLines(state, true, 1); }
void BM_LineThreeColours(benchmark::State& state) { RunLines(state, false, 3); }
BENCHMARK(BM_LineOneColourBits)->Arg(25)->Arg(60);
BENCHMARK(BM_LineOneColourTable)->Arg(25)->Arg(60);
BENCHMARK(BM_LineThreeColours)->Arg(25)->Arg(60);

// Propagation to the fixed point from a blank 25 x 25 tournament puzzle.
void BM_PropagateFromBlank(benchmark::State& state) {
    auto puzzle = test::ReadNono(std::filesystem::path(QUENK_SHARED_DATA_DIR) / "sets/taai2011/taai2011-0500.nono");
    if (!puzzle) return state.SkipWithError("shared puzzle data not present");
    CGridPropagator grid(GridCluesOf(*puzzle->crossword));
    const auto cells = GridCellsOf(*puzzle->crossword);
    for (auto _ : state) {
        grid.Reset(cells.data());
        benchmark::DoNotOptimize(grid.Propagate());
    }
}
BENCHMARK(BM_PropagateFromBlank)->Unit(benchmark::kMicrosecond);

class CFirstTwo : public ISearchObserver {
public:
    ESolutionReply OnSolution(const CCrossword&, std::int64_t nIndex) override {
        return nIndex >= 2 ? ESolutionReply::SOLUTION_KEPT_STOP : ESolutionReply::SOLUTION_KEPT;
    }
    bool ShouldStop(std::int64_t) override { return false; }
};

// The hardest puzzles of the collection that the search settles, as `quenk-cli solutions
// --max 2` runs them. Absent files (some are not cleared for redistribution and may be
// missing) are reported, not failed.
void BM_SettleHard(benchmark::State& state, const char* szPath) {
    auto puzzle = test::ReadNono(std::filesystem::path(QUENK_SHARED_DATA_DIR) / szPath);
    if (!puzzle) return state.SkipWithError("puzzle not present in the shared data");
    SearchOutcome outcome;
    SSearchStats stats;
    for (auto _ : state) {
        CFirstTwo observer;
        CSearchEngine engine(*puzzle->crossword);
        outcome = engine.Run(observer);
        stats = engine.GetStats();
    }
    state.counters["solutions"] = double(outcome.nSolutions);
    state.counters["nodes"] = double(stats.nNodes);
    state.counters["free nodes"] = double(stats.nOracleNodes);
    state.counters["probes"] = double(stats.nProbes);
    state.counters["line analyses"] = double(stats.nLineAnalyses);
    state.counters["sat questions"] = double(stats.nSatCalls);
}
BENCHMARK_CAPTURE(BM_SettleHard, dom_09, "puzzles/dom-09.nono")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SettleHard, webpbn_06574, "puzzles/webpbn-06574.nono")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SettleHard, webpbn_00065, "puzzles/webpbn-00065.nono")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SettleHard, webpbn_00803, "puzzles/webpbn-00803.nono")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SettleHard, webpbn_10810, "puzzles/webpbn-10810.nono")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SettleHard, pyno_lalafrogkk, "puzzles/pyno-lalafrogkk.nono")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SettleHard, dom_08, "puzzles/dom-08.nono")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SettleHard, taai2011_0720, "sets/taai2011/taai2011-0720.nono")->Unit(benchmark::kMillisecond);
// Tournament puzzles whose guesses are refuted only deep down: past 20 s without the SAT solver.
BENCHMARK_CAPTURE(BM_SettleHard, taai2011_0500, "sets/taai2011/taai2011-0500.nono")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SettleHard, taai2011_0660, "sets/taai2011/taai2011-0660.nono")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SettleHard, icga2017_0660, "sets/icga2017/icga2017-0660.nono")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SettleHard, icga2017_0960, "sets/icga2017/icga2017-0960.nono")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
