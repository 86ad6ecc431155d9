#pragma once
// Chooses a reader or writer by the extension of a path.
#include <cstdint>
#include <string>

#include "formats/FormatOptions.h"

namespace quenk {

class CCrossword;

enum class EFormat { JCC, JCR, JCW, JCP, PPIFF };

// The last dot-suffix of the file name, dot included; empty when the name has no dot.
// A dot in a folder name does not count.
std::string PathFindExtension(const std::string& strPath);
// JCC for every extension not claimed by another format.
EFormat FormatFromPath(const std::string& strPath);

// Fills the puzzle from the file and returns the status code: 0 read, 2 refused by the
// reader, 3 the file could not be opened or ended early. Numbers are aligned on success.
std::uint32_t LoadByExtension(CCrossword& crossword, const std::string& strPath,
                              const CFormatOptions& options);
// Writes the puzzle; throws CFileError when that fails, leaving any old file intact.
void SaveByExtension(const CCrossword& crossword, const std::string& strPath,
                     const CFormatOptions& options);

}  // namespace quenk
