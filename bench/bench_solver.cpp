// Speed of the line pass and of the sweeps, on generated lines and pictures and on the
// shared puzzle collection when it is present.
#include <benchmark/benchmark.h>
#include <cstdlib>

#include <memory>
#include <random>
#include <vector>

#include "solver/LineSet.h"
#include "support/Nono.h"
#include "support/Puzzles.h"

using namespace quenk;

namespace {

// A random picture: nFill percent of the cells get one of the colours.
test::Grid RandomPicture(int w, int h, int nFill, int nColors, unsigned seed) {
    std::mt19937 rng(seed);
    test::Grid g(size_t(w * h), 0);
    for (auto& v : g) v = int(rng() % 100) < nFill ? std::uint8_t(1 + rng() % unsigned(nColors - 1)) : 0;
    return g;
}

// The puzzle whose numbers the picture gives, with every cell undecided.
CCrossword PuzzleOf(const test::Grid& picture, int w, int nColors) {
    const auto palette = test::TestPalette();
    CCrossword c(w, int(picture.size()) / w, 0, 0, nColors, palette.data());
    std::copy(picture.begin(), picture.end(), c.Cells().begin());
    c.ComputeNumbers();
    std::fill(c.Cells().begin(), c.Cells().end(), CELL_EMPTY);
    return c;
}

// One two-colour row with a third of its cells revealed from its picture; the pass runs
// on the same start each iteration.
void BM_SolveLine(benchmark::State& state) {
    const int n = int(state.range(0));
    const test::Grid picture = RandomPicture(n, 1, 65, 3, 11);
    CCrossword c = PuzzleOf(picture, n, 3);
    std::mt19937 rng(5);
    test::Grid start(size_t(n), CELL_EMPTY);
    for (int i = 0; i < n; ++i) {
        const std::uint8_t v = picture[size_t(i)];
        if (rng() % 3 == 0) start[size_t(i)] = v ? v : CELL_CROSS;
    }
    CLineSet lines(c);
    for (auto _ : state) {
        std::copy(start.begin(), start.end(), c.Cells().begin());
        bool bChanged = false;
        benchmark::DoNotOptimize(lines.SolveLine(0, bChanged));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolveLine)->Arg(25)->Arg(100)->Arg(255);

void RunSweeps(benchmark::State& state, CCrossword c) {
    const test::Grid cleared = test::CellsOf(c);
    CLineSet lines(c);
    ESolveCode code = ESolveCode::SOLVE_STALLED;
    for (auto _ : state) {
        std::copy(cleared.begin(), cleared.end(), c.Cells().begin());
        code = lines.Sweep().code;
    }
    state.counters["solved"] = code == ESolveCode::SOLVE_SOLVED ? 1 : 0;
}

void BM_SolveByLinesGenerated(benchmark::State& state) {
    const int nColors = int(state.range(1));
    RunSweeps(state, PuzzleOf(RandomPicture(255, 255, int(state.range(0)), nColors, 3), 255, nColors));
}
// Fill ratio percent, colours counting the background.
BENCHMARK(BM_SolveByLinesGenerated)->Args({70, 2})->Args({50, 2})->Args({60, 4})->Unit(benchmark::kMillisecond);

void BM_SolveByLinesPatterned(benchmark::State& state) {
    test::Grid picture(255 * 255, 0);
    for (int r = 0; r < 255; ++r)
        for (int col = 0; col < 255; ++col)
            picture[size_t(r * 255 + col)] = ((r / 5 + col / 7) % 3 == 0) ? 0 : std::uint8_t(1 + (r * col / 97) % 2);
    RunSweeps(state, PuzzleOf(picture, 255, 2));
}
BENCHMARK(BM_SolveByLinesPatterned)->Unit(benchmark::kMillisecond);

// A 255 x 255 grid of 8 x 8 squares with one-cell seams: the numbers fix every line, so
// line deduction solves it completely (blocks stay below the 127 a number can hold).
void BM_SolveByLinesSquares(benchmark::State& state) {
    test::Grid picture(255 * 255, 0);
    for (int r = 0; r < 255; ++r)
        for (int col = 0; col < 255; ++col) picture[size_t(r * 255 + col)] = (r % 9 == 0 || col % 9 == 0) ? 0 : 1;
    RunSweeps(state, PuzzleOf(picture, 255, 2));
}
BENCHMARK(BM_SolveByLinesSquares)->Unit(benchmark::kMillisecond);

void RegisterCollection() {
    const auto dir = std::filesystem::path(QUENK_SHARED_DATA_DIR) / "puzzles";
    for (const char* id : {"webpbn-00001", "webpbn-00016", "webpbn-color-00220", "norg-19510-dragon",
                           "norg-51237-gargantua", "qnono-tiger"}) {
        auto file = dir / (std::string(id) + ".nono");
        if (!std::filesystem::exists(file)) continue;
        benchmark::RegisterBenchmark((std::string("BM_SolveByLines/") + id).c_str(), [file](benchmark::State& state) {
            auto puzzle = quenk::test::ReadNono(file);
            if (!puzzle) {
                state.SkipWithError("unreadable");
                return;
            }
            RunSweeps(state, *puzzle->crossword);
        })->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    RegisterCollection();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
