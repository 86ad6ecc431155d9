#pragma once
// Shared pieces of the command-line tool's commands.
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "formats/FormatDispatch.h"
#include "model/Crossword.h"
#include "solver/StopPoll.h"

namespace quenk::cli {

// Exit codes shared by the commands.
enum {
    EXIT_OK = 0,
    EXIT_FAILED = 1,  // check found a fault, verify a mismatch, solve stalled
    EXIT_USAGE = 2,
    EXIT_LOAD_FAILED = 3,
    EXIT_REFUSED = 4,        // a format limit, a bitmap refusal, a question answered No
    EXIT_CONTRADICTION = 5,  // solve: a line admits no arrangement
    EXIT_REJECTED = 6,       // solve, solutions: the numbers failed the check
    EXIT_WRITE_FAILED = 7,
    EXIT_STOPPED = 8,  // solutions, grade, settle, solve --search: SIGINT, SIGTERM or the memory budget ended it
    // grade: one code per class of the verdict
    EXIT_GRADE_LINE_LOGIC = 10,
    EXIT_GRADE_LOOKAHEAD = 11,
    EXIT_GRADE_GUESSING = 12,
    EXIT_GRADE_SEVERAL = 13,
    EXIT_GRADE_NO_SOLUTION = 14,
    // settle: the answer; solve --search: no solution
    EXIT_UNIQUE = 20,
    EXIT_SEVERAL = 21,
    EXIT_NONE = 22,
};

using Args = std::vector<std::string>;

// Loads a puzzle; on failure prints the load message to stderr and returns nothing.
std::optional<CCrossword> LoadPuzzle(const std::string& strPath);
// Which puzzle of a set the loads read (--puzzle N), from 1; the first unless chosen.
void SelectPuzzle(int nPuzzle);
// Loads the puzzle chosen; on failure prints the load message and the reader's reason to stderr.
CLoadResult LoadPuzzleFile(const std::string& strPath);
// The grid, one line per row: . empty, x cross, 1-9 and A-F colours 1 to 15, ? anything else.
void PrintGrid(const CCrossword& crossword, std::ostream& out);
// The text printed by --help.
const char* UsageText();
// Prints the message and the usage text to stderr; returns EXIT_USAGE.
int UsageError(const std::string& strMessage);
// Removes an option flag from args; returns whether it was there.
bool TakeFlag(Args& args, const std::string& strFlag);
// Removes "--name VALUE" from args; returns false on a missing value (strValue untouched
// when the option is absent).
bool TakeOption(Args& args, const std::string& strName, std::string& strValue);
// Parses a whole decimal number in [nMin, nMax].
bool ParseNumber(const std::string& str, long nMin, long nMax, long& nValue);
// Takes the one FILE argument that must be left once the options are gone; on a usage
// error prints it and sets nExit.
bool TakeFile(Args& args, const char* szCommand, std::string& strFile, int& nExit);
// Runs a save; a failed write is reported and the old file, if any, stays as it was.
bool SaveOrReport(const std::function<void()>& save);
// SIGINT and SIGTERM stop a search as Stop does (the handler only sets a flag the search
// polls through WasSignalled); a second one ends the program as usual.
void CatchStopSignals();
bool WasSignalled();
// The poll a search from the command line is stopped through: yes once a signal came.
class CSignalStop : public IStopPoll {
public:
    bool ShouldStop() override { return WasSignalled(); }
};
// Loads a puzzle to be searched and checks its numbers, as the menu command does: faulty
// numbers are printed to stdout and not searched. On failure nExit says why (EXIT_LOAD_FAILED
// or EXIT_REJECTED).
std::optional<CCrossword> LoadSearchable(const std::string& strFile, int& nExit);
// Says on stderr why a search ended early: the memory budget, or else a signal. EXIT_STOPPED.
int ReportSearchStopped(bool bBudget);
// Any argument still starting with "--" is an unknown option.
bool HasUnknownOption(const Args& args, std::string& strOption);

// Commands: each takes the arguments after its name and returns the exit code.
int RunInfo(Args args);
int RunGrid(Args args);
int RunConvert(Args args);
int RunImportBmp(Args args);
int RunExportBmp(Args args);
int RunCheck(Args args);
int RunSolve(Args args);
int RunSolutions(Args args);
int RunSettle(Args args);
int RunSolveBySearch(Args args);  // solve --search
int RunVerify(Args args);
int RunGrade(Args args);

}  // namespace quenk::cli
