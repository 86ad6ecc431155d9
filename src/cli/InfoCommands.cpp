// info and grid: look at a puzzle file.
#include <iostream>

#include "Cli.h"

namespace quenk::cli {

namespace {
// Both commands take exactly one file.
int WithOnePuzzle(const Args& args, const char* szCommand,
                  void (*pfnShow)(const CCrossword&)) {
    std::string strOption;
    if (HasUnknownOption(args, strOption)) return UsageError("unknown option " + strOption);
    if (args.size() != 1) return UsageError(std::string(szCommand) + " takes one FILE");
    const auto pCrossword = LoadPuzzle(args[0]);
    if (!pCrossword) return EXIT_LOAD_FAILED;
    pfnShow(*pCrossword);
    return EXIT_OK;
}
}  // namespace

int RunInfo(Args args) {
    return WithOnePuzzle(args, "info", [](const CCrossword& c) {
        std::cout << "width: " << int(c.m_nWidth) << "\n"
                  << "height: " << int(c.m_nHeight) << "\n"
                  << "colors: " << int(c.m_nColors) << "\n"
                  << "left-depth: " << int(c.m_nLeftDepth) << "\n"
                  << "top-depth: " << int(c.m_nTopDepth) << "\n";
    });
}

int RunGrid(Args args) {
    return WithOnePuzzle(args, "grid", [](const CCrossword& c) { PrintGrid(c, std::cout); });
}

}  // namespace quenk::cli
