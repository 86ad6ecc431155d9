#pragma once
// The body shared by the reader fuzz targets: the input becomes a file with the format's
// extension, is loaded, and a loaded puzzle is checked, solved, worked on, and saved and
// loaded again.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "FuzzSolver.h"
#include "formats/FormatDispatch.h"
#include "formats/FormatLimits.h"
#include "model/Crossword.h"

namespace quenk::fuzz {

// Per process, so parallel fuzzing jobs do not share files; TMPDIR may point at a RAM disk.
inline std::string TempPath(const char* pszRole, const char* pszExt) {
    const char* pszDir = std::getenv("TMPDIR");
    return std::string(pszDir && *pszDir ? pszDir : "/tmp") + "/quenk-fuzz-" + std::to_string(::getpid()) + "-" +
           pszRole + pszExt;
}

inline bool WriteInput(const std::string& strPath, const std::uint8_t* pData, std::size_t nSize) {
    std::FILE* f = std::fopen(strPath.c_str(), "wb");
    if (!f) return false;
    const bool bOk = std::fwrite(pData, 1, nSize, f) == nSize;
    return std::fclose(f) == 0 && bOk;
}

// The numbers of every line, each as its value and the value of its colour.
inline std::vector<std::vector<std::pair<int, COLORREF>>> NumbersByColor(const CCrossword& c) {
    std::vector<std::vector<std::pair<int, COLORREF>>> lines;
    for (const auto* pArea : {&c.m_pLeftNumbers, &c.m_pTopNumbers})
        for (const auto& slots : *pArea) {
            auto& line = lines.emplace_back();
            for (const NUMBERCELL& n : slots)
                if (n.value != 0) line.emplace_back(n.value, c.GetNumberColor(n.color));
        }
    return lines;
}

// bExactRoundTrip: saving and loading again must give the same puzzle (the program's own
// format keeps everything). bSameNumbers: at least the same numbers, in the same colours,
// and the same metadata (the text formats of the puzzle collections).
inline int FuzzPuzzleFile(const std::uint8_t* pData, std::size_t nSize, const char* pszExt, bool bExactRoundTrip,
                          bool bSameNumbers = false) {
    if (nSize > 200 * 1024) return 0;
    const std::string strIn = TempPath("in", pszExt);
    const std::string strOut = TempPath("out", pszExt);
    struct CRemove {
        const std::string& a;
        const std::string& b;
        ~CRemove() {
            std::remove(a.c_str());
            std::remove(b.c_str());
        }
    } cleanup{strIn, strOut};
    if (!WriteInput(strIn, pData, nSize)) return 0;

    CFormatOptions options;
    std::tm tm{};
    tm.tm_year = 124;
    tm.tm_mday = 1;
    options.m_tmNow = tm;  // the clock is not part of what is fuzzed

    const CLoadResult loaded = LoadCrossword(strIn, options);
    if (!loaded.crossword) return 0;
    const CCrossword& crossword = *loaded.crossword;

    RunSolverOn(crossword);
    CCrossword picture = crossword.Clone(true);
    picture.ComputeNumbers();
    (void)FormatLimitText(CheckFormatLimits(strIn, crossword, true));

    SaveCrossword(crossword, strOut, options);
    const CLoadResult again = LoadCrossword(strOut, options);
    if (!again.crossword) __builtin_trap();  // what we write we must read
    if (bExactRoundTrip && !(*again.crossword == crossword)) __builtin_trap();
    if (bSameNumbers && (NumbersByColor(*again.crossword) != NumbersByColor(crossword) ||
                         again.crossword->Metadata() != crossword.Metadata()))
        __builtin_trap();
    return 0;
}

}  // namespace quenk::fuzz
