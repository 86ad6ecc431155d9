// info and grid: look at a puzzle file.
#include <iostream>

#include "Cli.h"

namespace quenk::cli {

namespace {

// Both commands take exactly one file.
int WithOnePuzzle(Args& args, const char* szCommand, void (*pfnShow)(const CLoadResult&)) {
    std::string strFile;
    int nExit = EXIT_OK;
    if (!TakeFile(args, szCommand, strFile, nExit)) return nExit;
    const CLoadResult result = LoadPuzzleFile(strFile);
    pfnShow(result);
    return result.crossword ? EXIT_OK : EXIT_LOAD_FAILED;
}

void PrintInfo(const CLoadResult& result) {
    // A set lists its puzzles, also when the one asked for cannot be read.
    if (result.puzzleTitles.size() > 1) {
        std::cout << "puzzles: " << result.puzzleTitles.size() << "\n";
        for (std::size_t i = 0; i < result.puzzleTitles.size(); ++i)
            std::cout << "puzzle " << i + 1 << ":" << (result.puzzleTitles[i].empty() ? "" : " ")
                      << result.puzzleTitles[i] << "\n";
    }
    if (!result.crossword) return;
    const CCrossword& c = *result.crossword;
    const CPuzzleMetadata& m = c.Metadata();
    for (const auto& [pszKey, str] : {std::pair<const char*, const std::string&>{"title", m.strTitle},
                                      {"author", m.strAuthor},
                                      {"copyright", m.strCopyright},
                                      {"license", m.strLicense},
                                      {"source", m.strSource},
                                      {"description", m.strDescription}})
        if (!str.empty()) std::cout << pszKey << ": " << str << "\n";
    std::cout << "width: " << int(c.m_nWidth) << "\n"
              << "height: " << int(c.m_nHeight) << "\n"
              << "colors: " << int(c.m_nColors) << "\n"
              << "left-depth: " << int(c.m_nLeftDepth) << "\n"
              << "top-depth: " << int(c.m_nTopDepth) << "\n";
}

}  // namespace

int RunInfo(Args args) { return WithOnePuzzle(args, "info", PrintInfo); }

int RunGrid(Args args) {
    return WithOnePuzzle(args, "grid", [](const CLoadResult& result) {
        if (result.crossword) PrintGrid(*result.crossword, std::cout);
    });
}

}  // namespace quenk::cli
