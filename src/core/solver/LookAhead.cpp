#include "solver/LookAhead.h"

namespace quenk {

ELookAhead FindLookAhead(CGridPropagator& grid, int nFrom, SLookAheadStep& step) {
    const int nCells = grid.GetCellCount();
    step = SLookAheadStep{};
    for (int k = 0; k < nCells; ++k) {
        const int nCell = (nFrom + k) % nCells;
        if (grid.IsDecided(nCell)) continue;
        const CellMask nValues = grid.GetMask(nCell);
        CellMask nLeft = 0;
        for (CellMask nRest = nValues; nRest; nRest &= CellMask(nRest - 1)) {
            const CellMask nBit = CellMask(nRest & -nRest);
            const int nMark = grid.GetTrailSize();
            ++step.nTrials;
            grid.Narrow(nCell, nBit);
            const bool bOk = grid.Propagate();
            const int nLine = grid.GetFailedLine();
            grid.UndoTo(nMark);
            if (bOk) {
                nLeft |= nBit;
                // Two values survive: this cell stays open.
                if (nLeft & (nLeft - 1)) break;
            } else if (nLine < 0) {
                return ELookAhead::LOOKAHEAD_STOPPED;
            } else if (!step.nTried) {
                step.nTried = nBit;
                step.nFailedLine = nLine;
            }
        }
        if (nLeft == 0) {
            step.nCell = nCell;
            return ELookAhead::LOOKAHEAD_CONTRADICTION;
        }
        if ((nLeft & (nLeft - 1)) == 0) {
            step.nCell = nCell;
            step.nValue = nLeft;
            return ELookAhead::LOOKAHEAD_FOUND;
        }
        step.nTried = 0;
        step.nFailedLine = -1;
    }
    return ELookAhead::LOOKAHEAD_NONE;
}

}  // namespace quenk
