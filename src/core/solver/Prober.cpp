#include "solver/Prober.h"

#include <algorithm>
#include <cstdint>

#include "solver/MemoryBudget.h"

namespace quenk {

CProber::CProber(CGridPropagator& grid)
    : m_grid(grid),
      m_aUnion(size_t(grid.GetCellCount()), 0),
      m_aCount(size_t(grid.GetCellCount()), 0),
      m_aStamp(size_t(grid.GetCellCount()), 0),
      m_aTouched(size_t(grid.GetCellCount()), 0),
      m_aProbedAt(size_t(grid.GetCellCount()), 0),
      m_aScore(size_t(grid.GetCellCount()), 0) {}

void CProber::Reset() {
    std::fill(m_aProbedAt.begin(), m_aProbedAt.end(), std::int64_t(0));
    std::fill(m_aScore.begin(), m_aScore.end(), std::int64_t(0));
}

bool CProber::ProbeCell(int nCell, bool& bLearned) {
    const CellMask nValues = m_grid.GetMask(nCell);
    int nOk = 0;
    std::int64_t nScore = 1;
    m_grid.SetStamping(false);
    m_nTouched = 0;
    for (CellMask nRest = nValues; nRest; nRest &= CellMask(nRest - 1)) {
        const CellMask nBit = CellMask(nRest & -nRest);
        const int nMark = m_grid.GetTrailSize();
        ++m_nProbes;
        m_grid.Narrow(nCell, nBit);
        if (m_grid.Propagate()) {
            // A cell can narrow only if every outcome so far touched it.
            ++nOk;
            if (m_nStamp == INT32_MAX) {
                std::fill(m_aStamp.begin(), m_aStamp.end(), 0);
                m_nStamp = 0;
            }
            ++m_nStamp;
            const std::int64_t nSize = m_grid.GetTrailSize() - nMark + 1;
            nScore = nScore > INT64_MAX / nSize ? INT64_MAX : nScore * nSize;
            for (int e = nMark; e < m_grid.GetTrailSize(); ++e) {
                const int c = m_grid.TrailCell(e);
                if (m_aStamp[size_t(c)] == m_nStamp) continue;
                m_aStamp[size_t(c)] = m_nStamp;
                if (m_aCount[size_t(c)] != nOk - 1) continue;
                if (nOk == 1) {
                    m_aTouched[size_t(m_nTouched++)] = c;
                    m_aUnion[size_t(c)] = 0;
                }
                m_aUnion[size_t(c)] |= m_grid.GetMask(c);
                ++m_aCount[size_t(c)];
            }
        }
        m_grid.UndoTo(nMark);
    }
    m_grid.SetStamping(true);
    m_aProbedAt[size_t(nCell)] = m_grid.GetClock();
    m_aScore[size_t(nCell)] = nScore;
    bool bOk = nOk > 0;
    for (int t = 0; t < m_nTouched; ++t) {
        const int c = m_aTouched[size_t(t)];
        if (bOk && m_aCount[size_t(c)] == nOk && m_aUnion[size_t(c)] != m_grid.GetMask(c)) {
            m_grid.Narrow(c, m_aUnion[size_t(c)]);
            bLearned = true;
        }
        m_aCount[size_t(c)] = 0;
    }
    // What every outcome agrees on cannot fail on its own, but a sound check costs little.
    return bOk && m_grid.Propagate();
}

std::size_t CProber::GetMemoryBytes() const {
    return BytesOf(m_aUnion) + BytesOf(m_aCount) + BytesOf(m_aStamp) + BytesOf(m_aTouched) + BytesOf(m_aProbedAt) +
           BytesOf(m_aScore);
}

bool CProber::Run(bool& bLearnedAny, int nQuietLimit) {
    const int nCells = m_grid.GetCellCount();
    if (nCells == 0) return true;
    // Round and round from cell 0, until a full round since the last lesson.
    int nQuiet = 0;
    int nQuietProbes = 0;
    for (int nCell = 0; nQuiet < nCells && m_grid.GetUndecidedCount() > 0;
         nCell = nCell + 1 == nCells ? 0 : nCell + 1) {
        // What a probe can teach comes mostly from its own row and column: a cell whose
        // lines hold nothing decided, or are as they were at its last probe, is passed.
        if (m_grid.IsDecided(nCell) || !m_grid.HasDecidedInLines(nCell) ||
            m_aProbedAt[size_t(nCell)] >= m_grid.GetCellStamp(nCell)) {
            ++nQuiet;
            continue;
        }
        if (nQuietLimit > 0 && ++nQuietProbes > nQuietLimit) break;
        bool bLearned = false;
        if (!ProbeCell(nCell, bLearned)) return false;
        nQuiet = bLearned ? 0 : nQuiet + 1;
        if (bLearned) nQuietProbes = 0;
        bLearnedAny |= bLearned;
    }
    return true;
}

}  // namespace quenk
