#pragma once
// Importing a Windows bitmap as a new puzzle: every p x p square of pixels is one cell.
#include <functional>
#include <optional>
#include <string>

#include "formats/BmpHeader.h"
#include "formats/FormatOptions.h"
#include "model/Crossword.h"

namespace quenk {

enum class EBmpImportOutcome {
    BMP_IMPORTED,  // m_crossword holds the new puzzle
    BMP_REFUSED,   // m_nMessageId (and m_nArgument) say why
    BMP_DECLINED,  // the caller answered No to the question whether to even out the cells
};

struct CBmpImportResult {
    EBmpImportOutcome m_nOutcome = EBmpImportOutcome::BMP_REFUSED;
    std::optional<CCrossword> m_crossword;
    unsigned m_nMessageId = 0;  // a refusal's message
    int m_nArgument = 0;        // the bits per pixel for the unsupported-depth message
    CBmpHeader m_header;        // as read, with the defaults filled in by the checks
};

// Asked when some cell is not made of whole rows of one colour (message
// IDS_BMP_FIX_BLOCKS); true (Yes) gives every cell its most frequent colour. No callback
// counts as No.
using BmpFixQuestion = std::function<bool()>;

// Reads the bitmap at strPath with nCellSize pixels per cell (clamped to 1..255).
// Throws CFileError when the file cannot be opened or read. A picture of the
// background alone still gets a second colour: options.m_crMonoColor, or black or
// white when that equals the background; it has no numbers.
//
// Memory: the pixels are read one cell row (p stored rows) at a time, so besides the
// puzzle itself the import holds at most p rows of raw file bytes, never more than the
// file's own length (about 50 MB for the largest picture accepted, 65025 x 65025 pixels
// at 24 bits with p = 255), plus one cell's pixels and one colour per cell.
CBmpImportResult ImportBmp(const std::string& strPath, int nCellSize, const BmpFixQuestion& askFix,
                           const CFormatOptions& options = {});

// The text of a refusal's message, ready to show.
std::string BmpImportMessage(const CBmpImportResult& result);

}  // namespace quenk
