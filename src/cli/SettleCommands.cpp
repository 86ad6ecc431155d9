// settle and solve --search: questions whose answer does not depend on the order of the
// solutions, answered by the settle search.
#include <algorithm>
#include <iomanip>
#include <iostream>
#include <optional>

#include "Cli.h"
#include "formats/FormatDispatch.h"
#include "solver/SettleSearch.h"

namespace quenk::cli {
namespace {

SSettleOutcome Settle(const CCrossword& puzzle, std::size_t nBound) {
    CMemoryBudget budget;
    CSignalStop stop;
    CatchStopSignals();
    return SettleSearch(puzzle, &stop, budget, nBound);
}

}  // namespace

int RunSettle(Args args) {
    const bool bStats = TakeFlag(args, "--stats");
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, "settle", strFile, nExit)) return nExit;
    const auto crossword = LoadSearchable(strFile, nExit);
    if (!crossword) return nExit;

    const SSettleOutcome outcome = Settle(*crossword, 2);
    const char* szAnswer = "stopped";
    switch (outcome.answer) {
    case ESettleAnswer::SETTLE_NONE: szAnswer = "none", nExit = EXIT_NONE; break;
    case ESettleAnswer::SETTLE_UNIQUE: szAnswer = "unique", nExit = EXIT_UNIQUE; break;
    case ESettleAnswer::SETTLE_SEVERAL: szAnswer = "several", nExit = EXIT_SEVERAL; break;
    case ESettleAnswer::SETTLE_FOUND:
    case ESettleAnswer::SETTLE_STOPPED:
    case ESettleAnswer::SETTLE_BUDGET: nExit = EXIT_STOPPED; break;
    }
    std::cout << szAnswer << ' ' << std::fixed << std::setprecision(3) << outcome.stats.dSeconds << " s\n";
    if (bStats) {
        const SSettleStats& stats = outcome.stats;
        std::cout << "nodes: " << stats.nNodes << " (restarts " << stats.nRestarts << ")\n"
                  << "probes: " << stats.nProbes << '\n'
                  << "line analyses: " << stats.nLineAnalyses << '\n'
                  << "sat questions: " << stats.nSatCalls << '\n';
    }
    std::cout.flush();
    return nExit == EXIT_STOPPED ? ReportSearchStopped(outcome.answer == ESettleAnswer::SETTLE_BUDGET) : nExit;
}

int RunSolveBySearch(Args args) {
    std::string strOut;
    if (!TakeOption(args, "-o", strOut)) return UsageError("solve: -o needs a file name");
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, "solve", strFile, nExit)) return nExit;
    auto crossword = LoadSearchable(strFile, nExit);
    if (!crossword) return nExit;

    const SSettleOutcome outcome = Settle(*crossword, 1);
    if (outcome.answer == ESettleAnswer::SETTLE_NONE) {
        std::cout << "no solution\n";
        return EXIT_NONE;
    }
    if (outcome.aFirst.empty()) return ReportSearchStopped(outcome.answer == ESettleAnswer::SETTLE_BUDGET);
    const auto cells = crossword->Cells();
    std::copy(outcome.aFirst.begin(), outcome.aFirst.end(), cells.begin());
    std::cout << "solution found\n";
    PrintGrid(*crossword, std::cout);
    if (!strOut.empty() && !SaveOrReport([&] { SaveCrossword(*crossword, strOut); })) return EXIT_WRITE_FAILED;
    return EXIT_OK;
}

}  // namespace quenk::cli
