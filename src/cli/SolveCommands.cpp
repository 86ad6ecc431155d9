// check, solve, solutions and verify: the solver from the command line.
#include <climits>
#include <functional>
#include <iostream>
#include <memory>
#include <utility>

#include "Cli.h"
#include "formats/FormatDispatch.h"
#include "solver/NumberCheck.h"
#include "solver/SearchCollector.h"
#include "solver/SearchEngine.h"
#include "solver/SolutionCheck.h"
#include "solver/SolutionList.h"
#include "solver/SolveOutcome.h"
#include "solver/SweepSolver.h"
#include "text/AppStrings.h"

namespace quenk::cli {
namespace {

// Prints solutions as they come and, with --save, keeps them for the end.
class CPrintingObserver : public ISearchObserver {
public:
    CPrintingObserver(CSolutionList* pList, std::int64_t nMax, bool bQuiet)
        : m_collector(pList, nMax), m_bQuiet(bQuiet) {}

    ESolutionReply OnSolution(const CCrossword& solution, std::int64_t nIndex) override {
        const ESolutionReply nReply = m_collector.OnSolution(solution, nIndex);
        if (nReply != ESolutionReply::SOLUTION_NOT_KEPT && !m_bQuiet) {
            PrintGrid(solution, std::cout);
            std::cout << '\n';
        }
        return nReply;
    }
    bool ShouldStop(std::int64_t) override { return WasSignalled(); }

private:
    CSearchCollector m_collector;
    bool m_bQuiet;
};

}  // namespace

int RunCheck(Args args) {
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, "check", strFile, nExit)) return nExit;
    auto crossword = LoadPuzzle(strFile);
    if (!crossword) return EXIT_LOAD_FAILED;
    if (const auto fault = CheckNumbers(*crossword)) {
        std::cout << FormatNumberFault(*fault) << '\n';
        return EXIT_FAILED;
    }
    std::cout << "OK\n";
    return EXIT_OK;
}

int RunSolve(Args args) {
    if (TakeFlag(args, "--search")) return RunSolveBySearch(std::move(args));
    std::string strOut;
    if (!TakeOption(args, "-o", strOut)) return UsageError("solve: -o needs a file name");
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, "solve", strFile, nExit)) return nExit;
    auto crossword = LoadPuzzle(strFile);
    if (!crossword) return EXIT_LOAD_FAILED;

    CNumberFault fault;
    const SolveResult result = SolveByLines(*crossword, true, &fault);
    if (result.code == ESolveCode::SOLVE_REJECTED)
        std::cout << FormatNumberFault(fault) << '\n';
    else
        std::cout << SolveOutcomeMessage(result, crossword->m_nHeight) << '\n';
    PrintGrid(*crossword, std::cout);
    if (!strOut.empty() && !SaveOrReport([&] { SaveCrossword(*crossword, strOut); })) return EXIT_WRITE_FAILED;
    switch (result.code) {
    case ESolveCode::SOLVE_SOLVED: return EXIT_OK;
    case ESolveCode::SOLVE_STALLED: return EXIT_FAILED;
    case ESolveCode::SOLVE_CONTRADICTION: return EXIT_CONTRADICTION;
    case ESolveCode::SOLVE_REJECTED: break;
    }
    return EXIT_REJECTED;
}

int RunSolutions(Args args) {
    std::string strMax, strSave;
    if (!TakeOption(args, "--max", strMax)) return UsageError("solutions: --max needs a number");
    if (!TakeOption(args, "--save", strSave)) return UsageError("solutions: --save needs a name");
    const bool bQuiet = TakeFlag(args, "--quiet");
    const bool bStats = TakeFlag(args, "--stats");
    long nMax = 0;
    if (!strMax.empty() && !ParseNumber(strMax, 1, LONG_MAX, nMax))
        return UsageError("solutions: --max wants a whole number from 1");
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, "solutions", strFile, nExit)) return nExit;
    auto crossword = LoadSearchable(strFile, nExit);
    if (!crossword) return nExit;
    // Solutions are kept only when they are to be saved; the names need their count first.
    // They and the search share one memory budget.
    CMemoryBudget budget;
    std::unique_ptr<CSolutionList> pList;
    if (!strSave.empty()) pList = std::make_unique<CSolutionList>(*crossword, budget);
    CPrintingObserver observer(pList.get(), nMax, bQuiet);
    CSearchEngine engine(*crossword);
    CatchStopSignals();
    const SearchOutcome outcome = engine.Run(observer, budget);

    std::cout << "solutions: " << outcome.nSolutions << '\n';
    if (outcome.code == ESearchCode::SEARCH_STOPPED) std::cout << "stopped\n";
    if (bStats) {
        // Why a puzzle is hard: how far the search had to go.
        const SSearchStats& stats = engine.GetStats();
        std::cout << "nodes: " << stats.nNodes << " (free search " << stats.nOracleNodes << ")\n"
                  << "probes: " << stats.nProbes << '\n'
                  << "line analyses: " << stats.nLineAnalyses << '\n'
                  << "sat questions: " << stats.nSatCalls << " (no solution " << stats.nSatEmpty << ")\n"
                  << "depth: " << stats.nMaxDepth << '\n'
                  << "time: " << stats.dSeconds << " s\n";
    }
    // A count limit is what was asked for; a signal or the budget is not.
    const bool bBudget = outcome.reason == ESearchStop::SEARCH_STOP_BUDGET;
    const bool bStopped = bBudget || (outcome.reason == ESearchStop::SEARCH_STOP_REQUEST && WasSignalled());
    std::cout.flush();
    if (bStopped) ReportSearchStopped(bBudget);
    if (pList && !SaveOrReport([&] { pList->SaveAll(strSave); })) return EXIT_WRITE_FAILED;
    return bStopped ? EXIT_STOPPED : EXIT_OK;
}

int RunVerify(Args args) {
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, "verify", strFile, nExit)) return nExit;
    auto crossword = LoadPuzzle(strFile);
    if (!crossword) return EXIT_LOAD_FAILED;
    const bool bRight = CheckSolution(*crossword);
    std::cout << LoadAppString(bRight ? IDS_SOLUTION_RIGHT : IDS_SOLUTION_WRONG) << '\n';
    return bRight ? EXIT_OK : EXIT_FAILED;
}

}  // namespace quenk::cli
