#pragma once
// The settle search: answers every question about a puzzle's solutions that does not depend
// on the order in which they come. "One, several or none", how many up to a small bound, and
// one solution, whichever is found first. Free to branch where it likes and to restart, it
// settles in seconds puzzles whose second solution lies deep along the ordered search's
// path. It owns no thread: the caller runs it where it likes (the designer's verdict runs it
// on a worker) and stops it through the poll.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/Crossword.h"
#include "solver/MemoryBudget.h"
#include "solver/StopPoll.h"

namespace quenk {

enum class ESettleAnswer {
    SETTLE_NONE,     // no solution
    SETTLE_UNIQUE,   // exactly one
    SETTLE_SEVERAL,  // at least two (nFound of them; exactly nFound when below the bound)
    SETTLE_FOUND,    // one, and the bound of 1 ended the search before it was known whether more
    SETTLE_STOPPED,  // the stop poll said so; nFound and aFirst tell what was found before
    SETTLE_BUDGET,   // the memory budget is spent (or an allocation failed)
};

struct SSettleStats {
    std::int64_t nNodes = 0;         // branching nodes, the root included
    std::int64_t nRestarts = 0;      // of the search for a first solution
    std::int64_t nProbes = 0;        // single-value trials made by probing
    std::int64_t nLineAnalyses = 0;  // complete line analyses
    std::int64_t nSatCalls = 0;      // questions to the SAT solver
    double dSeconds = 0;
};

struct SSettleOutcome {
    ESettleAnswer answer = ESettleAnswer::SETTLE_STOPPED;
    std::size_t nFound = 0;  // different solutions found, at most the bound
    // The first solution found, row-major cell bytes as the puzzle's (CELL_CROSS or a colour);
    // empty when none was found.
    std::vector<std::uint8_t> aFirst;
    SSettleStats stats;
};

// When the search hands what the free search has not settled to the SAT solver (when the
// build has it and bSat is on). The free search looks for a first solution in runs of
// nRestartNodes times the Luby sequence (1 1 2 1 1 2 4 ...) nodes, each run branching
// differently, then counts the rest in one walk that tries the first solution's values last.
// Measured on the tournament sets (25 x 25): most puzzles settle within a few hundred free
// nodes, and the SAT solver answers the rest in seconds at most. On larger grids, whose nodes
// cost more, the budgets before the SAT solver shrink in proportion to the cells.
struct SSettleTuning {
    std::int64_t nRestartNodes = 32;
    bool bSat = true;
    std::int64_t nFirstNodesBeforeSat = 300;  // free nodes spent on a first solution
    std::int64_t nCountNodesBeforeSat = 300;  // free nodes spent counting the rest
};

// Settles the completions of the puzzle's undecided cells that satisfy every number: up to
// nBound of them (at least 1) are told apart. The numbers should have passed CheckNumbers.
// The root is deduced by the line pass, as the ordered search does, so cells decided
// beforehand mean the same to both and their answers agree. pStop (none: never) is asked at
// every node and every few steps of longer work; a stop is honoured within milliseconds.
// Everything the search holds is charged to budget and given back before it returns.
SSettleOutcome SettleSearch(const CCrossword& puzzle, IStopPoll* pStop, CMemoryBudget& budget, std::size_t nBound = 2,
                            const SSettleTuning& tuning = {});

}  // namespace quenk
