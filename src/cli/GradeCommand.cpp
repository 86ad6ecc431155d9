// grade: the designer's verdict on a puzzle's numbers, with how much look-ahead it needs.
#include <cstdio>
#include <iostream>

#include "Cli.h"
#include "solver/DesignVerdict.h"

namespace quenk::cli {

namespace {
int ExitCodeOf(EDesignClass eClass) {
    switch (eClass) {
    case EDesignClass::UNIQUE_LINE_LOGIC: return EXIT_GRADE_LINE_LOGIC;
    case EDesignClass::UNIQUE_LOOKAHEAD: return EXIT_GRADE_LOOKAHEAD;
    case EDesignClass::UNIQUE_GUESSING: return EXIT_GRADE_GUESSING;
    case EDesignClass::SEVERAL: return EXIT_GRADE_SEVERAL;
    case EDesignClass::NO_SOLUTION: break;
    }
    return EXIT_GRADE_NO_SOLUTION;
}
}  // namespace

int RunGrade(Args args) {
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, "grade", strFile, nExit)) return nExit;
    const auto crossword = LoadPuzzle(strFile);
    if (!crossword) return EXIT_LOAD_FAILED;

    // The numbers alone: a designer's file holds the picture in its cells.
    CMemoryBudget budget;
    CSignalStop stop;
    CatchStopSignals();
    const SDesignVerdict verdict = JudgeDesign(*crossword, ECellUse::NUMBERS_ONLY, &stop, budget);
    char szTime[32];
    std::snprintf(szTime, sizeof szTime, "%.3f s", verdict.dSeconds);
    if (verdict.eEnd != EDesignEnd::DESIGN_DONE) {
        std::cout << "stopped; " << szTime << '\n';
        std::cerr << (verdict.eEnd == EDesignEnd::DESIGN_STOPPED
                          ? "quenk-cli: grading interrupted by a signal\n"
                          : "quenk-cli: grading stopped: its memory budget is spent\n");
        return EXIT_STOPPED;
    }
    std::cout << DesignClassWords(verdict.eClass) << "; look-aheads " << verdict.nLookAheads << "; open cells "
              << verdict.nOpenCells << "; " << szTime << '\n';
    return ExitCodeOf(verdict.eClass);
}

}  // namespace quenk::cli
