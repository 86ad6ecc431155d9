#include "solver/FreeSearch.h"

#include <bit>

#include "solver/MemoryBudget.h"

namespace quenk {

namespace {
std::uint32_t Mix(std::uint32_t n) {
    n ^= n >> 16;
    n *= 0x7feb352dU;
    n ^= n >> 15;
    n *= 0x846ca68bU;
    return n ^ (n >> 16);
}
}  // namespace

CFreeSearch::CFreeSearch(CGridPropagator& grid, CProber& prober, CNodeDeduction& deduction)
    : m_grid(grid), m_prober(prober), m_deduction(deduction) {
    // Every guess on a path takes a different cell.
    m_aFrames.resize(size_t(m_grid.GetCellCount()) + 1);
}

std::size_t CFreeSearch::GetMemoryBytes() const { return BytesOf(m_aFrames); }

int CFreeSearch::BranchCell(std::uint32_t nSeed) const {
    const int nCells = m_grid.GetCellCount();
    int nBest = -1;
    std::int64_t nBestScore = -1;
    if (nSeed == 0) {
        for (int c = nCells - 1; c >= 0; --c) {
            if (m_grid.IsDecided(c)) continue;
            const std::int64_t nScore = m_prober.GetScore(c);
            if (nScore > nBestScore) {
                nBestScore = nScore;
                nBest = c;
            }
        }
        return nBest;
    }
    const int W = m_grid.GetWidth();
    const int H = m_grid.GetLineCount() - W;
    int nBestLines = -1;
    const int nStart = int(Mix(nSeed) % std::uint32_t(nCells));
    for (int k = 0, c = nStart; k < nCells; ++k, c = c + 1 == nCells ? 0 : c + 1) {
        if (m_grid.IsDecided(c)) continue;
        const std::int64_t nScore = m_prober.GetScore(c);
        if (nScore < nBestScore) continue;
        const int nLines = m_grid.GetLineDecided(c / W) + m_grid.GetLineDecided(H + c % W);
        if (nScore > nBestScore || nLines > nBestLines) {
            nBestScore = nScore;
            nBestLines = nLines;
            nBest = c;
        }
    }
    return nBest;
}

CellMask CFreeSearch::NextValue(const CFrame& frame) const {
    CellMask nFrom = frame.nLeft;
    if (m_order.pLast) {
        const CellMask nOthers = CellMask(nFrom & ~m_order.pLast[size_t(frame.nCell)]);
        if (nOthers) nFrom = nOthers;
    }
    if (m_order.nSeed != 0 && (Mix(m_order.nSeed ^ std::uint32_t(frame.nCell) * 0x9e3779b9U) & 1))
        return CellMask(1u << (std::bit_width(unsigned(nFrom)) - 1));
    return CellMask(nFrom & -nFrom);
}

void CFreeSearch::TryNextValue(CFrame& frame) {
    const CellMask nValue = NextValue(frame);
    frame.nLeft = CellMask(frame.nLeft & ~nValue);
    m_grid.Narrow(frame.nCell, nValue);
    m_bOk = m_deduction.Deduce();
}

void CFreeSearch::Begin(bool bDeduced, const SFreeOrder& order) {
    m_order = order;
    m_nEntry = m_grid.GetTrailSize();
    m_nDepth = 0;
    m_bOk = bDeduced;
}

void CFreeSearch::End() {
    m_grid.UndoTo(m_nEntry);
    m_nDepth = 0;
    m_bOk = false;
}

CFreeSearch::EStep CFreeSearch::Next(std::int64_t nNodes, IStopPoll* pStop) {
    std::int64_t nSpent = 0;
    for (;;) {
        if (m_grid.IsStopped()) return EStep::STOPPED;
        if (m_bOk && m_grid.GetUndecidedCount() == 0) {
            m_bOk = false;  // the next call backs up from here
            return EStep::SOLUTION;
        }
        if (m_bOk) {
            if (nSpent >= nNodes) return EStep::OUT_OF_NODES;
            ++nSpent;
            ++m_nNodes;
            if (pStop && pStop->ShouldStop()) return EStep::STOPPED;
            const int nCell = BranchCell(m_order.nSeed);
            CFrame& frame = m_aFrames[size_t(m_nDepth++)];
            frame = CFrame{nCell, m_grid.GetMask(nCell), m_grid.GetTrailSize()};
            TryNextValue(frame);
            continue;
        }
        // Back up to the nearest branch with a value left.
        bool bNext = false;
        while (m_nDepth > 0) {
            CFrame& frame = m_aFrames[size_t(m_nDepth - 1)];
            m_grid.UndoTo(frame.nMark);
            if (frame.nLeft) {
                TryNextValue(frame);
                bNext = true;
                break;
            }
            --m_nDepth;
        }
        if (!bNext) {
            m_grid.UndoTo(m_nEntry);
            return EStep::DONE;
        }
    }
}

}  // namespace quenk
