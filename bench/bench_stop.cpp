// How soon a stop request ends the search: another thread asks for it at a random moment and
// the time until Run returns is the iteration's time. The moments are spread evenly on a log
// scale from 1 ms to 4 s, so the start (the root's line pass and probing, the SAT formula)
// is hit as often as the long middle. Runs that end before the request are counted apart.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <random>
#include <thread>

#include "core/solver/SearchTestSupport.h"
#include "solver/SearchCollector.h"
#include "solver/SearchEngine.h"
#include "support/Nono.h"

using namespace quenk;

namespace {

using Clock = std::chrono::steady_clock;

void MeasureStops(benchmark::State& state, const CCrossword& puzzle) {
    static std::uint32_t nRuns = 0;  // repetitions ask at other moments
    std::mt19937 rng(std::uint32_t(state.range(0)) * 1000 + ++nRuns);
    std::uniform_real_distribution<double> logDelay(std::log(1e-3), std::log(4.0));
    std::vector<double> latencies;
    int nFinished = 0;
    for (auto _ : state) {
        CSearchCollector collector(nullptr);
        CSearchEngine engine(puzzle);
        Clock::time_point ended;
        std::thread search([&] {
            engine.Run(collector);
            ended = Clock::now();
        });
        std::this_thread::sleep_for(std::chrono::duration<double>(std::exp(logDelay(rng))));
        const Clock::time_point asked = Clock::now();
        collector.RequestStop();
        search.join();
        const double dSeconds = std::max(0.0, std::chrono::duration<double>(ended - asked).count());
        if (ended <= asked)
            ++nFinished;
        else
            latencies.push_back(dSeconds);
        state.SetIterationTime(dSeconds);
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["worst ms"] = latencies.empty() ? 0 : latencies.back() * 1e3;
    state.counters["median ms"] = latencies.empty() ? 0 : latencies[latencies.size() / 2] * 1e3;
    state.counters["finished first"] = nFinished;
}

void BM_StopPermutation(benchmark::State& state) { MeasureStops(state, test::PermutationPuzzle(int(state.range(1)))); }
BENCHMARK(BM_StopPermutation)
    ->Args({1, 10})
    ->Args({2, 200})
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);

// A 255 x 255 picture of random dots in three colours: the largest grid there is, long lines
// with many numbers for the line pass and the analysis by table.
void BM_StopLargeColour(benchmark::State& state) {
    std::mt19937 rng(11);
    std::vector<std::string> picture(255, std::string(255, '.'));
    for (auto& row : picture)
        for (auto& ch : row)
            if (rng() % 100 < std::uint32_t(state.range(1))) ch = char('1' + rng() % 3);
    MeasureStops(state, test::PuzzleFromPicture(picture, 4));
}
BENCHMARK(BM_StopLargeColour)->Args({4, 30})->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

void BM_StopShared(benchmark::State& state, const char* szPath) {
    const auto puzzle = test::ReadNono(std::filesystem::path(QUENK_SHARED_DATA_DIR) / szPath);
    if (!puzzle) return state.SkipWithError("puzzle not present in the shared data");
    MeasureStops(state, *puzzle->crossword);
}
// The puzzles open past 20 s in docs/search.md, the largest of the collection among them.
#define STOP_CASE(name, path) \
    BENCHMARK_CAPTURE(BM_StopShared, name, path)->Arg(3)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond)
STOP_CASE(knotty, "puzzles/knotty.nono");
STOP_CASE(faase, "puzzles/faase.nono");
STOP_CASE(taai2011_0510, "sets/taai2011/taai2011-0510.nono");
STOP_CASE(taai2011_0652, "sets/taai2011/taai2011-0652.nono");
STOP_CASE(taai2011_0721, "sets/taai2011/taai2011-0721.nono");
STOP_CASE(taai2011_0752, "sets/taai2011/taai2011-0752.nono");
STOP_CASE(icga2017_0627, "sets/icga2017/icga2017-0627.nono");
STOP_CASE(icga2017_0690, "sets/icga2017/icga2017-0690.nono");
STOP_CASE(icga2017_0769, "sets/icga2017/icga2017-0769.nono");
STOP_CASE(icga2017_0786, "sets/icga2017/icga2017-0786.nono");

}  // namespace

BENCHMARK_MAIN();
