#include "doc/PuzzleIo.h"

#include "formats/FormatDispatch.h"
#include "text/StringIds.h"

namespace quenk {

CLoadOutcome LoadPuzzle(const std::string& strPath, const CFormatOptions& options) {
    auto pCrossword = std::make_unique<CCrossword>(strPath, options);
    CLoadOutcome outcome;
    outcome.nStatus = pCrossword->m_nStatus;
    if (outcome.nStatus == STATUS_OK) outcome.pCrossword = std::move(pCrossword);
    return outcome;
}

std::string LoadStatusText(LoadStatus nStatus) { return LoadStatusMessage(nStatus); }

std::unique_ptr<CCrossword> CreatePuzzle(int nWidth, int nHeight, int nLeftDepth, int nTopDepth, int nColors,
                                         const COLORREF* pColors) {
    auto pCrossword = std::make_unique<CCrossword>(nWidth, nHeight, nLeftDepth, nTopDepth, nColors, pColors);
    if (pCrossword->m_nStatus != STATUS_OK) return nullptr;
    return pCrossword;
}

void SavePuzzle(CCrossword& crossword, const std::string& strPath, const CFormatOptions& options) {
    crossword.Save(strPath, options);
}

std::optional<CNumberFault> CheckPuzzleNumbers(CCrossword& crossword) { return crossword.CheckNumbers(); }

unsigned NumberFaultMessageId(const CNumberFault& fault) {
    switch (fault.nKind) {
        case NUMBER_FAULT_GAP: return fault.bColumns ? IDS_CHECK_GAP_COLUMNS : IDS_CHECK_GAP_ROWS;
        case NUMBER_FAULT_TOO_LARGE: return fault.bColumns ? IDS_CHECK_LARGE_COLUMNS : IDS_CHECK_LARGE_ROWS;
        case NUMBER_FAULT_COLOR: return fault.bColumns ? IDS_CHECK_COLOR_COLUMNS : IDS_CHECK_COLOR_ROWS;
        case NUMBER_FAULT_SUM: return fault.bColumns ? IDS_CHECK_SUM_COLUMNS : IDS_CHECK_SUM_ROWS;
        default: return IDS_CHECK_COLOR_SUMS;
    }
}

bool ClearSolvingMarks(CCrossword& crossword, IUndoRecorder* pRecorder) {
    return crossword.ClearMarks(pRecorder, true, true);
}

}  // namespace quenk
