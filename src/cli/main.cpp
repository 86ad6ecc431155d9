// quenk-cli: the puzzle core from the command line.
#include <cstring>
#include <iostream>
#include <string>

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
    {"verify", RunVerify},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return UsageError("no command given");
    const std::string strCommand = argv[1];
    if (strCommand == "--help" || strCommand == "-h" || strCommand == "help") {
        std::cout << UsageText();
        return EXIT_OK;
    }
    for (const CCommand& command : kCommands) {
        if (strCommand == command.m_szName) return command.m_pfnRun(Args(argv + 2, argv + argc));
    }
    return UsageError("unknown command '" + strCommand + "'");
}
