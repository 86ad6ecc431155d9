// settle and solve --search: questions whose answer does not depend on the order of the
// solutions, answered by the settle search.
#include <algorithm>
#include <iomanip>
#include <iostream>
#include <optional>

#include "Cli.h"
#include "formats/FormatDispatch.h"
#include "solver/NumberCheck.h"
#include "solver/SettleSearch.h"

namespace quenk::cli {
namespace {

class CSignalPoll : public IStopPoll {
public:
    bool ShouldStop() override { return WasSignalled(); }
};

// Loads the puzzle and checks its numbers; on failure nExit says why.
std::optional<CCrossword> LoadChecked(const std::string& strFile, int& nExit) {
    auto crossword = LoadPuzzle(strFile);
    if (!crossword) {
        nExit = EXIT_LOAD_FAILED;
        return std::nullopt;
    }
    // Like the search: faulty numbers are not searched.
    if (const auto fault = CheckNumbers(*crossword)) {
        std::cout << FormatNumberFault(*fault) << '\n';
        nExit = EXIT_REJECTED;
        return std::nullopt;
    }
    return crossword;
}

SSettleOutcome Settle(const CCrossword& puzzle, std::size_t nBound) {
    CMemoryBudget budget;
    CSignalPoll poll;
    CatchStopSignals();
    return SettleSearch(puzzle, &poll, budget, nBound);
}

// A search that did not end with an answer: stderr says why. EXIT_STOPPED.
int ReportStop(const SSettleOutcome& outcome) {
    if (outcome.answer == ESettleAnswer::SETTLE_BUDGET)
        std::cerr << "quenk-cli: search stopped: its memory budget is spent\n";
    else
        std::cerr << "quenk-cli: search interrupted by a signal\n";
    return EXIT_STOPPED;
}

}  // namespace

int RunSettle(Args args) {
    const bool bStats = TakeFlag(args, "--stats");
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, "settle", strFile, nExit)) return nExit;
    const auto crossword = LoadChecked(strFile, nExit);
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
    return nExit == EXIT_STOPPED ? ReportStop(outcome) : nExit;
}

int RunSolveBySearch(Args args) {
    std::string strOut;
    if (!TakeOption(args, "-o", strOut)) return UsageError("solve: -o needs a file name");
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, "solve", strFile, nExit)) return nExit;
    auto crossword = LoadChecked(strFile, nExit);
    if (!crossword) return nExit;

    const SSettleOutcome outcome = Settle(*crossword, 1);
    if (outcome.answer == ESettleAnswer::SETTLE_NONE) {
        std::cout << "no solution\n";
        return EXIT_NONE;
    }
    if (outcome.aFirst.empty()) return ReportStop(outcome);
    const auto cells = crossword->Cells();
    std::copy(outcome.aFirst.begin(), outcome.aFirst.end(), cells.begin());
    std::cout << "solution found\n";
    PrintGrid(*crossword, std::cout);
    if (!strOut.empty() && !SaveOrReport([&] { SaveCrossword(*crossword, strOut); })) return EXIT_WRITE_FAILED;
    return EXIT_OK;
}

}  // namespace quenk::cli
