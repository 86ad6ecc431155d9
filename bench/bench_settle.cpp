// Speed of the settle search (`quenk-cli settle`: unique, several or none) and of its first
// solution alone (`quenk-cli solve --search`) on the collection's hard puzzles and the
// tournament puzzles the ordered search leaves open longest.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "solver/SettleSearch.h"
#include "support/Nono.h"

using namespace quenk;

namespace {

// Absent files (some are not cleared for redistribution and may be missing) are reported, not
// failed.
void BM_Settle(benchmark::State& state, const char* szPath) {
    auto puzzle = test::ReadNono(std::filesystem::path(QUENK_SHARED_DATA_DIR) / szPath);
    if (!puzzle) return state.SkipWithError("puzzle not present in the shared data");
    const std::size_t nBound = std::size_t(state.range(0));
    SSettleOutcome outcome;
    for (auto _ : state) {
        CMemoryBudget budget;
        outcome = SettleSearch(*puzzle->crossword, nullptr, budget, nBound);
    }
    state.counters["found"] = double(outcome.nFound);
    state.counters["nodes"] = double(outcome.stats.nNodes);
    state.counters["restarts"] = double(outcome.stats.nRestarts);
    state.counters["probes"] = double(outcome.stats.nProbes);
    state.counters["sat questions"] = double(outcome.stats.nSatCalls);
}

}  // namespace

// Argument: the bound; 2 settles, 1 asks for the first solution alone.
#define QUENK_SETTLE(name, path) \
    BENCHMARK_CAPTURE(BM_Settle, name, path)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1)
QUENK_SETTLE(dom_09, "puzzles/dom-09.nono");
QUENK_SETTLE(webpbn_06574, "puzzles/webpbn-06574.nono");
QUENK_SETTLE(jwilk_bubble_cat, "puzzles/jwilk-120-bubble-cat.nono");
QUENK_SETTLE(taai2011_0395, "sets/taai2011/taai2011-0395.nono");
QUENK_SETTLE(taai2011_0500, "sets/taai2011/taai2011-0500.nono");
QUENK_SETTLE(taai2011_0652, "sets/taai2011/taai2011-0652.nono");
QUENK_SETTLE(taai2011_0721, "sets/taai2011/taai2011-0721.nono");
QUENK_SETTLE(icga2017_0627, "sets/icga2017/icga2017-0627.nono");
QUENK_SETTLE(icga2017_0769, "sets/icga2017/icga2017-0769.nono");

BENCHMARK_MAIN();
