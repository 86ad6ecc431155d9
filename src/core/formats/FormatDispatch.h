#pragma once
// Chooses a reader or writer by the extension of a path.
#include <cstdint>
#include <functional>
#include <string>

#include "formats/FormatOptions.h"

namespace quenk {

class CCrossword;
class CSafeFile;

enum class EFormat { JCC, JCR, JCW, JCP, PPIFF };

// The last dot-suffix of the file name, dot included; empty when the name has no dot.
// A dot in a folder name does not count.
std::string PathFindExtension(const std::string& strPath);
// JCC for every extension not claimed by another format; case does not matter.
EFormat FormatFromPath(const std::string& strPath);

// Fills the puzzle from the file and returns the status code: 0 read, 2 refused by the
// reader, 3 the file could not be opened or ended early. Numbers are aligned on success.
std::uint32_t LoadByExtension(CCrossword& crossword, const std::string& strPath,
                              const CFormatOptions& options);
// Writes the puzzle; throws CFileError when that fails, leaving any old file intact.
// m_bEmptyPicture must be current (CCrossword::Save sees to that).
void SaveByExtension(const CCrossword& crossword, const std::string& strPath,
                     const CFormatOptions& options);
// Creates strPath through writer and replaces the target only when the writer returned
// and the file reached the disk; whatever the writer throws propagates.
void WriteFileAtomically(const std::string& strPath, const std::function<void(CSafeFile&)>& writer);

// The message for a load status: empty for 0, else string 137 with its continuation.
std::string LoadStatusMessage(std::uint32_t nStatus);

}  // namespace quenk
