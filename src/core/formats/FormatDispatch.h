#pragma once
// Chooses a reader or writer by the extension of a path: loading, saving, and what each
// format keeps.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "formats/FormatOptions.h"
#include "formats/ReadReport.h"
#include "model/Crossword.h"

namespace quenk {

class CSafeFile;

enum class EFormat { JCC, JCR, JCW, JCP, PPIFF, XML, NON, NIN };

// What a load came to; the numbers are those of the message texts.
enum class ELoadStatus : std::uint32_t {
    STATUS_OK = 0,
    STATUS_BAD_SHAPE = 1,   // a puzzle of exactly one depth zero was asked for
    STATUS_BAD_FORMAT = 2,  // the reader refused the file, or it makes no puzzle
    STATUS_FILE_ERROR = 3,  // the file could not be opened or ended early
};

struct CLoadResult {
    ELoadStatus nStatus;
    std::optional<CCrossword> crossword;  // present exactly with STATUS_OK
    // Why the reader refused the file and where, one line ("rows: line 12: expected
    // numbers"); empty when it does not say (the binary formats never do).
    std::string strDetail;
    // The titles of the puzzles of a puzzle set, in file order, also when the one asked for
    // was refused (CFormatOptions::m_nPuzzle chooses it); empty for the formats of one puzzle
    // and for a file that could not be read as a whole.
    std::vector<std::string> puzzleTitles;
};

// One entry per format: the only place that says which extensions a format claims, what it
// can keep and who reads and writes it, so a new format is one more entry.
struct CFormatInfo {
    EFormat eFormat;
    std::array<const char*, 3> extensions;  // lower case, dot included; unused entries null
    // The message that refuses a puzzle of more than one colour; 0 when colours are kept.
    unsigned nMulticolorRefusal;
    bool bKeepsNumbers;
    bool bKeepsPicture;
    // False when the file is not of the format, with the reason in the report when the
    // reader gives one; a short file throws CFileError.
    bool (*pfnRead)(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport& report);
    void (*pfnWrite)(const CCrossword& crossword, CSafeFile& file, const CFormatOptions& options);
};
const CFormatInfo& FormatInfo(EFormat eFormat);

// The last dot-suffix of the file name, dot included; empty when the name has no dot.
// A dot in a folder name does not count.
std::string PathFindExtension(const std::string& strPath);
// JCC for every extension not claimed by another format; case does not matter.
EFormat FormatFromPath(const std::string& strPath);

// Reads the file in the format of its extension. Only a puzzle that passed the reader and
// the shape check comes back, its numbers aligned towards the grid, with what the file says
// about it as its metadata. Asking for a puzzle after the first (options.m_nPuzzle) of a
// file that holds only one refuses it.
CLoadResult LoadCrossword(const std::string& strPath, const CFormatOptions& options = {});
// Writes the puzzle in the format of the extension. Throws CFileError when writing fails;
// the target is replaced only when the whole file was written.
void SaveCrossword(const CCrossword& crossword, const std::string& strPath, const CFormatOptions& options = {});
// Creates strPath through writer and replaces the target only when the writer returned
// and the file reached the disk; whatever the writer throws propagates.
void WriteFileAtomically(const std::string& strPath, const std::function<void(CSafeFile&)>& writer);

// The message for a load status: empty for STATUS_OK, else string 137 with its continuation.
std::string LoadStatusMessage(ELoadStatus nStatus);
// The message for a load: that of its status, then the reader's detail on a line of its own.
std::string LoadResultMessage(const CLoadResult& result);

}  // namespace quenk
