// info and grid: look at a puzzle file.
#include <iostream>

#include "Cli.h"

namespace quenk::cli {

namespace {
// Both commands take exactly one file.
int WithOnePuzzle(Args& args, const char* szCommand, void (*pfnShow)(const CCrossword&)) {
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, szCommand, strFile, nExit)) return nExit;
    const auto crossword = LoadPuzzle(strFile);
    if (!crossword) return EXIT_LOAD_FAILED;
    pfnShow(*crossword);
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
