#include <algorithm>
#include <atomic>
#include <charconv>
#include <csignal>
#include <iostream>

#include "Cli.h"
#include "formats/FormatDispatch.h"
#include "formats/SafeFile.h"
#include "solver/NumberCheck.h"

namespace quenk::cli {

namespace {
// Set by SIGINT or SIGTERM during a search; the search polls it.
std::atomic<bool> g_bSignalled{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void OnStopSignal(int) { g_bSignalled.store(true, std::memory_order_relaxed); }
}  // namespace

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool WasSignalled() { return g_bSignalled.load(std::memory_order_relaxed); }

std::optional<CCrossword> LoadSearchable(const std::string& strFile, int& nExit) {
    auto crossword = LoadPuzzle(strFile);
    if (!crossword) {
        nExit = EXIT_LOAD_FAILED;
        return std::nullopt;
    }
    if (const auto fault = CheckNumbers(*crossword)) {
        std::cout << FormatNumberFault(*fault) << '\n';
        nExit = EXIT_REJECTED;
        return std::nullopt;
    }
    return crossword;
}

int ReportSearchStopped(bool bBudget) {
    std::cerr << (bBudget ? "quenk-cli: search stopped: its memory budget is spent\n"
                          : "quenk-cli: search interrupted by a signal\n");
    return EXIT_STOPPED;
}

const char* UsageText() {
    return "usage: quenk-cli COMMAND [ARGS]\n"
           "\n"
           "Puzzle files: .jcc (own format, also any other extension), .jcr, .jcw, .jcp,\n"
           ".pp/.ppc/.pps (PPIFF), .xml/.pbn (webpbn), .non, .nin; bitmaps: .bmp.\n"
           "Every command that reads a puzzle file takes --puzzle N: puzzle N of a set.\n"
           "\n"
           "commands:\n"
           "  info FILE                          title, size, colours, depths; a set's puzzles\n"
           "  grid FILE                          the grid: . empty, x cross, 1-9 A-F colours\n"
           "  convert IN OUT [--yes]             save IN in the format of OUT's extension\n"
           "  import-bmp IN.bmp OUT [--cell P] [--yes]\n"
           "                                     make a puzzle from a bitmap, P pixels a cell\n"
           "  export-bmp IN OUT.bmp [--cell P]   write the grid as a 4-bit bitmap\n"
           "  check FILE                         check the numbers for faults\n"
           "  solve FILE [-o OUT]                solve by line deduction\n"
           "  solve FILE --search [-o OUT]       search for a solution, any one\n"
           "  solutions FILE [--max N] [--save NAME] [--quiet] [--stats]\n"
           "                                     search every solution, in order\n"
           "  settle FILE [--stats]              unique, several or none? with the time\n"
           "  verify FILE                        does the grid satisfy every number?\n"
           "  grade FILE                         one solution? how hard? (numbers only)\n"
           "\n"
           "exit codes: 0 success, 1 check/verify failed or solving stalled, 2 usage,\n"
           "3 file could not be loaded, 4 refused, 5 contradiction, 6 numbers rejected,\n"
           "7 file could not be written, 8 search stopped by SIGINT/SIGTERM or the memory budget;\n"
           "grade: 10 unique by line logic, 11 unique with look-ahead, 12 unique with guessing,\n"
           "13 several solutions, 14 no solution; settle: 20 unique, 21 several, 22 none;\n"
           "solve --search: 0 found, 22 none\n";
}

int UsageError(const std::string& strMessage) {
    std::cerr << "quenk-cli: " << strMessage << "\n\n" << UsageText();
    return EXIT_USAGE;
}

bool TakeFlag(Args& args, const std::string& strFlag) {
    const auto it = std::find(args.begin(), args.end(), strFlag);
    if (it == args.end()) return false;
    args.erase(it);
    return true;
}

bool TakeOption(Args& args, const std::string& strName, std::string& strValue) {
    const auto it = std::find(args.begin(), args.end(), strName);
    if (it == args.end()) return true;
    if (it + 1 == args.end()) return false;
    strValue = *(it + 1);
    args.erase(it, it + 2);
    return true;
}

bool ParseNumber(const std::string& str, long nMin, long nMax, long& nValue) {
    long n = 0;
    const auto [ptr, ec] = std::from_chars(str.data(), str.data() + str.size(), n);
    if (ec != std::errc() || ptr != str.data() + str.size() || n < nMin || n > nMax) return false;
    nValue = n;
    return true;
}

bool TakeFile(Args& args, const char* szCommand, std::string& strFile, int& nExit) {
    std::string strOption;
    if (HasUnknownOption(args, strOption)) {
        nExit = UsageError(std::string(szCommand) + ": unknown option " + strOption);
        return false;
    }
    if (args.size() != 1) {
        nExit = UsageError(std::string(szCommand) + ": expected one FILE");
        return false;
    }
    strFile = args[0];
    return true;
}

bool SaveOrReport(const std::function<void()>& save) {
    try {
        save();
        return true;
    } catch (const CFileError& error) {
        std::cerr << "quenk-cli: cannot write " << error.Path() << "\n";
        return false;
    }
}

bool HasUnknownOption(const Args& args, std::string& strOption) {
    for (const auto& arg : args) {
        if (arg.size() > 1 && arg[0] == '-') {
            strOption = arg;
            return true;
        }
    }
    return false;
}

std::optional<CCrossword> LoadPuzzle(const std::string& strPath) { return LoadPuzzleFile(strPath).crossword; }

void PrintGrid(const CCrossword& crossword, std::ostream& out) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string strLine;
    for (int r = 0; r < crossword.m_nHeight; ++r) {
        strLine.clear();
        for (int c = 0; c < crossword.m_nWidth; ++c) {
            const std::uint8_t v = crossword.GetCell(r, c);
            if (v == CELL_EMPTY)
                strLine += '.';
            else if (v == CELL_CROSS)
                strLine += 'x';
            else if (v < 16)
                strLine += kDigits[v];
            else
                strLine += '?';
        }
        out << strLine << '\n';
    }
}

}  // namespace quenk::cli
