// quenk-cli: the puzzle core from the command line.
#include <cstring>
#include <iostream>
#include <string>
#include <utility>

#include "Cli.h"

namespace {

using namespace quenk::cli;

struct CCommand {
    const char* m_szName;
    int (*m_pfnRun)(Args);
};

const CCommand kCommands[] = {
    {"info", RunInfo},
    {"grid", RunGrid},
    {"convert", RunConvert},
    {"import-bmp", RunImportBmp},
    {"export-bmp", RunExportBmp},
    {"check", RunCheck},
    {"solve", RunSolve},
    {"solutions", RunSolutions},
    {"settle", RunSettle},
    {"verify", RunVerify},
    {"grade", RunGrade},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return UsageError("no command given");
    const std::string strCommand = argv[1];
    if (strCommand == "--help" || strCommand == "-h" || strCommand == "help") {
        std::cout << UsageText();
        return EXIT_OK;
    }
    // Any command that reads a puzzle may read another one of a set.
    Args args(argv + 2, argv + argc);
    std::string strPuzzle;
    long nPuzzle = 1;
    if (!TakeOption(args, "--puzzle", strPuzzle) ||
        (!strPuzzle.empty() && !ParseNumber(strPuzzle, 1, 1 << 20, nPuzzle)))
        return UsageError("--puzzle takes a number from 1");
    SelectPuzzle(int(nPuzzle));
    for (const CCommand& command : kCommands) {
        if (strCommand == command.m_szName) return command.m_pfnRun(std::move(args));
    }
    return UsageError("unknown command '" + strCommand + "'");
}
