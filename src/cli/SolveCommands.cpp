// check, solve, solutions and verify: the solver from the command line.
#include <climits>
#include <functional>
#include <iostream>

#include "Cli.h"
#include "formats/SafeFile.h"
#include "solver/SearchCollector.h"
#include "solver/SearchEngine.h"
#include "solver/SolutionList.h"
#include "solver/SolveOutcome.h"
#include "text/AppStrings.h"

namespace quenk::cli {
namespace {

// Prints solutions as they come and, with --save, keeps them for the end.
class CPrintingObserver : public ISearchObserver {
public:
    CPrintingObserver(CSolutionList* pList, std::int64_t nMax, bool bQuiet)
        : m_collector(pList, nMax), m_bQuiet(bQuiet) {}

    std::int32_t OnSolution(const CCrossword& solution, std::int64_t nIndex) override {
        const std::int32_t nReply = m_collector.OnSolution(solution, nIndex);
        if (nReply != SOLUTION_NOT_KEPT && !m_bQuiet) {
            PrintGrid(solution, std::cout);
            std::cout << '\n';
        }
        return nReply;
    }
    bool ShouldStop() override { return false; }

private:
    CSearchCollector m_collector;
    bool m_bQuiet;
};

}  // namespace

int RunCheck(Args args) {
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, "check", strFile, nExit)) return nExit;
    const auto pCrossword = LoadPuzzle(strFile);
    if (!pCrossword) return EXIT_LOAD_FAILED;
    if (const auto fault = pCrossword->CheckNumbers()) {
        std::cout << FormatNumberFault(*fault) << '\n';
        return EXIT_FAILED;
    }
    std::cout << "OK\n";
    return EXIT_OK;
}

int RunSolve(Args args) {
    std::string strOut;
    if (!TakeOption(args, "-o", strOut)) return UsageError("solve: -o needs a file name");
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, "solve", strFile, nExit)) return nExit;
    const auto pCrossword = LoadPuzzle(strFile);
    if (!pCrossword) return EXIT_LOAD_FAILED;

    CNumberFault fault;
    const SolveResult result = pCrossword->SolveByLines(true, &fault);
    if (result.code == SOLVE_REJECTED)
        std::cout << FormatNumberFault(fault) << '\n';
    else
        std::cout << SolveOutcomeMessage(result, pCrossword->m_nHeight) << '\n';
    PrintGrid(*pCrossword, std::cout);
    if (!strOut.empty() &&
        !SaveOrReport([&] { pCrossword->Save(strOut, FormatOptions()); }))
        return EXIT_WRITE_FAILED;
    switch (result.code) {
    case SOLVE_SOLVED: return EXIT_OK;
    case SOLVE_STALLED: return EXIT_FAILED;
    case SOLVE_CONTRADICTION: return EXIT_CONTRADICTION;
    default: return EXIT_REJECTED;
    }
}

int RunSolutions(Args args) {
    std::string strMax, strSave;
    if (!TakeOption(args, "--max", strMax)) return UsageError("solutions: --max needs a number");
    if (!TakeOption(args, "--save", strSave)) return UsageError("solutions: --save needs a name");
    const bool bQuiet = TakeFlag(args, "--quiet");
    long nMax = 0;
    if (!strMax.empty() && !ParseNumber(strMax, 1, LONG_MAX, nMax))
        return UsageError("solutions: --max wants a whole number from 1");
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, "solutions", strFile, nExit)) return nExit;
    const auto pCrossword = LoadPuzzle(strFile);
    if (!pCrossword) return EXIT_LOAD_FAILED;

    // Like the menu command: faulty numbers start no search.
    if (const auto fault = pCrossword->CheckNumbers()) {
        std::cout << FormatNumberFault(*fault) << '\n';
        return EXIT_REJECTED;
    }
    // Solutions are kept only when they are to be saved; the names need their count first.
    std::unique_ptr<CSolutionList> pList;
    if (!strSave.empty()) pList = std::make_unique<CSolutionList>(*pCrossword);
    CPrintingObserver observer(pList.get(), nMax, bQuiet);
    CSearchEngine engine(*pCrossword);
    const SearchOutcome outcome = engine.Run(observer);

    std::cout << "solutions: " << outcome.nSolutions << '\n';
    if (outcome.code == SEARCH_STOPPED) std::cout << "stopped\n";
    if (outcome.reason == SEARCH_STOP_BUDGET)
        std::cerr << "quenk-cli: no memory left to keep more solutions\n";
    std::cout.flush();
    if (pList && !SaveOrReport([&] { pList->SaveAll(strSave, FormatOptions()); }))
        return EXIT_WRITE_FAILED;
    return EXIT_OK;
}

int RunVerify(Args args) {
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, "verify", strFile, nExit)) return nExit;
    const auto pCrossword = LoadPuzzle(strFile);
    if (!pCrossword) return EXIT_LOAD_FAILED;
    const bool bRight = pCrossword->CheckSolution();
    std::cout << LoadAppString(bRight ? IDS_SOLUTION_RIGHT : IDS_SOLUTION_WRONG) << '\n';
    return bRight ? EXIT_OK : EXIT_FAILED;
}

}  // namespace quenk::cli
