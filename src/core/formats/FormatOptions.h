#pragma once
// What the readers and writers need to know from outside the puzzle.
#include <ctime>
#include <optional>
#include <string>

#include "model/Types.h"
#include "text/Version.h"

namespace quenk {

struct CFormatOptions {
    // Colour 1 of a puzzle read from a format that stores no colours.
    COLORREF m_crMonoColor = DEFAULT_MONO_COLOR;
    // Version text written into the comment line of PPIFF files.
    std::string m_strVersion = GetVersionString();
    // Local time for that comment line; when empty the clock is read.
    std::optional<std::tm> m_tmNow;
    // Which puzzle of a file that holds several (a webpbn puzzle set) to read, from 0.
    int m_nPuzzle = 0;
};

}  // namespace quenk
