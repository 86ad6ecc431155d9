#pragma once
// The document's one door to the core for loading, creating, saving and checking a puzzle.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "formats/FormatDispatch.h"
#include "model/Crossword.h"
#include "solver/NumberCheck.h"

namespace quenk {

using LoadStatus = ELoadStatus;

struct CLoadOutcome {
    LoadStatus nStatus = ELoadStatus::STATUS_OK;
    std::unique_ptr<CCrossword> pCrossword;  // set exactly when nStatus is STATUS_OK
    // The load message, with the reader's reason (what and where) on a line of its own when
    // it gives one; empty for STATUS_OK.
    std::string strMessage;
};

CLoadOutcome LoadPuzzle(const std::string& strPath, const CFormatOptions& options);

// A blank puzzle; null when exactly one depth is zero.
std::unique_ptr<CCrossword> CreatePuzzle(int nWidth, int nHeight, int nLeftDepth, int nTopDepth, int nColors,
                                         const COLORREF* pColors);

// Throws CFileError when the file cannot be written; the old file then stays as it was.
void SavePuzzle(const CCrossword& crossword, const std::string& strPath, const CFormatOptions& options);

// The first fault of the numbers, if any.
std::optional<CNumberFault> CheckPuzzleNumbers(CCrossword& crossword);
// The string id a fault's message starts with (names the message box).
unsigned NumberFaultMessageId(const CNumberFault& fault);

// Removes crosses and crossed-out marks; true when anything changed.
bool ClearSolvingMarks(CCrossword& crossword, IUndoRecorder* pRecorder);

}  // namespace quenk
