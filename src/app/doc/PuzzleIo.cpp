#include "doc/PuzzleIo.h"

#include "text/StringIds.h"

namespace quenk {

CLoadOutcome LoadPuzzle(const std::string& strPath, const CFormatOptions& options) {
    CLoadResult result = LoadCrossword(strPath, options);
    CLoadOutcome outcome;
    outcome.nStatus = result.nStatus;
    outcome.strMessage = LoadResultMessage(result);
    if (result.crossword) outcome.pCrossword = std::make_unique<CCrossword>(std::move(*result.crossword));
    return outcome;
}

std::unique_ptr<CCrossword> CreatePuzzle(int nWidth, int nHeight, int nLeftDepth, int nTopDepth, int nColors,
                                         const COLORREF* pColors) {
    auto crossword = CCrossword::Create(nWidth, nHeight, nLeftDepth, nTopDepth, nColors, pColors);
    if (!crossword) return nullptr;
    return std::make_unique<CCrossword>(std::move(*crossword));
}

void SavePuzzle(const CCrossword& crossword, const std::string& strPath, const CFormatOptions& options) {
    SaveCrossword(crossword, strPath, options);
}

std::optional<CNumberFault> CheckPuzzleNumbers(CCrossword& crossword) { return CheckNumbers(crossword); }

unsigned NumberFaultMessageId(const CNumberFault& fault) {
    switch (fault.nKind) {
    case ENumberFault::NUMBER_FAULT_GAP: return fault.bColumns ? IDS_CHECK_GAP_COLUMNS : IDS_CHECK_GAP_ROWS;
    case ENumberFault::NUMBER_FAULT_TOO_LARGE: return fault.bColumns ? IDS_CHECK_LARGE_COLUMNS : IDS_CHECK_LARGE_ROWS;
    case ENumberFault::NUMBER_FAULT_COLOR: return fault.bColumns ? IDS_CHECK_COLOR_COLUMNS : IDS_CHECK_COLOR_ROWS;
    case ENumberFault::NUMBER_FAULT_SUM: return fault.bColumns ? IDS_CHECK_SUM_COLUMNS : IDS_CHECK_SUM_ROWS;
    case ENumberFault::NUMBER_FAULT_COLOR_SUMS: break;
    }
    return IDS_CHECK_COLOR_SUMS;
}

bool ClearSolvingMarks(CCrossword& crossword, IUndoRecorder* pRecorder) {
    return crossword.ClearMarks(pRecorder, true, true);
}

}  // namespace quenk
