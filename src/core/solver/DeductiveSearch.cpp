#include "solver/DeductiveSearch.h"

#include <algorithm>
#include <bit>

namespace quenk {

SGridClues MakeGridClues(int nWidth, int nHeight, int nColors,
                         const std::vector<std::vector<std::pair<std::uint8_t, std::uint8_t>>>& lines) {
    SGridClues clues;
    clues.nWidth = nWidth;
    clues.nHeight = nHeight;
    clues.nColors = nColors;
    clues.aFirst.push_back(0);
    for (const auto& line : lines) {
        for (const auto& [nValue, nColor] : line) {
            clues.aValue.push_back(nValue);
            clues.aColor.push_back(nColor);
        }
        clues.aFirst.push_back(int(clues.aValue.size()));
    }
    return clues;
}

CDeductiveSearch::CDeductiveSearch(const SGridClues& clues, const SSearchTuning& tuning, CMemoryBudget* pBudget)
    : m_tuning(tuning),
      m_grid(clues),
      m_prober(m_grid),
      m_deduction(m_grid, m_prober),
      m_free(m_grid, m_prober, m_deduction),
      m_charge(pBudget),
      m_sat(pBudget),
      m_aSolution(size_t(m_grid.GetCellCount()), 0) {
    // Every guess on a path takes a different cell.
    m_aFrames.resize(size_t(m_grid.GetCellCount()) + 1);
    m_aWitness.assign(size_t(m_grid.GetCellCount()), 0);
    m_aRootMask.assign(size_t(m_grid.GetCellCount()), 0);
    m_grid.SetStopPoll(this);
}

std::size_t CDeductiveSearch::GetMemoryBytes() const {
    return m_grid.GetMemoryBytes() + m_prober.GetMemoryBytes() + BytesOf(m_aFrames) + m_free.GetMemoryBytes() +
           BytesOf(m_aWitness) + BytesOf(m_aRootMask) + BytesOf(m_aSolution);
}

bool CDeductiveSearch::ShouldStop() {
    if (!m_bStopped && m_pObserver->ShouldStop(NodeCount())) m_bStopped = true;
    return m_bStopped;
}

bool CDeductiveSearch::WitnessFits() const {
    const int nCells = m_grid.GetCellCount();
    for (int c = 0; c < nCells; ++c)
        if (!(m_aWitness[size_t(c)] & m_grid.GetMask(c))) return false;
    return true;
}

CDeductiveSearch::EFound CDeductiveSearch::FindAny(int nBudget) {
    m_free.Begin(true);
    const CFreeSearch::EStep step = m_free.Next(nBudget, this);
    if (step == CFreeSearch::EStep::SOLUTION)
        for (int c = 0; c < m_grid.GetCellCount(); ++c) m_aWitness[size_t(c)] = m_grid.GetMask(c);
    m_free.End();
    switch (step) {
    case CFreeSearch::EStep::SOLUTION: return EFound::Yes;
    case CFreeSearch::EStep::DONE: return EFound::No;
    case CFreeSearch::EStep::OUT_OF_NODES: return EFound::Unknown;
    case CFreeSearch::EStep::STOPPED: break;
    }
    m_bStopped = true;
    return EFound::Stopped;
}

int CDeductiveSearch::LastUndecided(int nLimit) const {
    for (int nCell = nLimit - 1; nCell >= 0; --nCell)
        if (!m_grid.IsDecided(nCell)) return nCell;
    return -1;
}

CDeductiveSearch::EFound CDeductiveSearch::AskSat(int nDepth) {
    // The guesses alone define the subtree: deduction only adds what they imply.
    for (int d = 0; d < nDepth; ++d) {
        const int nCell = m_aFrames[size_t(d)].nCell;
        m_sat.Assume(nCell, std::countr_zero(unsigned(m_grid.GetMask(nCell))));
    }
    ++m_stats.nSatCalls;
    const CSatOracle::EAnswer answer = m_sat.Solve(this);
    if (answer == CSatOracle::EAnswer::NO_MEMORY) m_bOutOfMemory = m_bStopped = true;
    if (answer == CSatOracle::EAnswer::STOPPED || answer == CSatOracle::EAnswer::NO_MEMORY) return EFound::Stopped;
    if (answer == CSatOracle::EAnswer::SATISFIABLE) {
        for (int c = 0; c < m_grid.GetCellCount(); ++c) m_aWitness[size_t(c)] = ColorBit(m_sat.ModelValue(c));
        return EFound::Yes;
    }
    ++m_stats.nSatEmpty;
    // The deepest guess the proof needed: every subtree below it is empty as well.
    m_nJumpDepth = 0;
    for (int d = nDepth; d > 0; --d) {
        const int nCell = m_aFrames[size_t(d - 1)].nCell;
        if (m_sat.Failed(nCell, std::countr_zero(unsigned(m_grid.GetMask(nCell))))) {
            m_nJumpDepth = d;
            break;
        }
    }
    return EFound::No;
}

bool CDeductiveSearch::OracleDue() const {
    if (m_sat.IsReady()) return m_nDeadEnds >= m_tuning.nSatAfterDeadEnds;
    return m_nDeadEnds >= m_tuning.nOracleAfterDeadEnds;
}

bool CDeductiveSearch::EnterChild(int nDepth) {
    // Built once, when first due, from the root's grid: nothing below the root can leave it.
    // A formula past the budget's room is not built; a failed allocation ends the search.
    if (!m_bSatBuilt && m_tuning.bSat && m_nDeadEnds >= m_tuning.nSatAfterDeadEnds && CSatOracle::IsAvailable()) {
        m_bSatBuilt = true;
        m_sat.Build(m_grid.GetClues(), m_aRootMask.data(), this);
        if (m_sat.IsOutOfMemory()) m_bOutOfMemory = m_bStopped = true;
    }
    if (m_bStopped || !m_deduction.Deduce() || m_bStopped) return false;
    if (!OracleDue() || m_grid.GetUndecidedCount() == 0 || WitnessFits()) return true;
    EFound found = FindAny(m_sat.IsReady() ? m_tuning.nSatFreeBudget : m_tuning.nOracleBudget);
    if (found == EFound::Unknown && m_sat.IsReady()) found = AskSat(nDepth);
    if (found == EFound::Stopped) m_bStopped = true;
    return found == EFound::Yes || found == EFound::Unknown;
}

bool CDeductiveSearch::Run(const std::uint8_t* pCells, IGridSearchObserver& observer) {
    const auto start = std::chrono::steady_clock::now();
    m_stats = SSearchStats{};
    m_pObserver = &observer;
    m_bStopped = m_bOutOfMemory = false;
    if (!m_charge.Set(GetMemoryBytes())) {
        m_bOutOfMemory = m_bStopped = true;
        return false;
    }
    m_grid.Reset(pCells);
    m_prober.Reset();
    m_deduction.Reset();
    m_nFreeNodesBefore = m_free.GetNodes();
    m_nDeadEnds = 0;
    m_bSatBuilt = false;
    m_sat.Clear();
    m_nJumpDepth = -1;
    std::fill(m_aWitness.begin(), m_aWitness.end(), CellMask(0));
    const std::int64_t nProbesBefore = m_prober.GetProbeCount();
    const std::int64_t nAnalysesBefore = m_grid.GetLineAnalyses();

    int nDepth = 0;
    bool bOk = m_deduction.Deduce();
    if (bOk)
        for (int c = 0; c < m_grid.GetCellCount(); ++c) m_aRootMask[size_t(c)] = m_grid.GetMask(c);
    for (;;) {
        if (m_bStopped) break;
        ++m_stats.nNodes;
        int nJump = nDepth;  // the shallowest guess to try again after a dead end
        if (!bOk) {
            ++m_nDeadEnds;
            if (m_nJumpDepth >= 0) nJump = m_nJumpDepth;
        }
        m_nJumpDepth = -1;
        if (bOk && m_grid.GetUndecidedCount() == 0) {
            m_grid.WriteCells(m_aSolution.data());
            if (!observer.OnGridSolution(m_aSolution.data())) {
                m_bStopped = true;
                break;
            }
        } else if (bOk) {
            if (ShouldStop()) break;
            // Cells after the parent's guess are decided in its whole subtree.
            const int nLimit = nDepth > 0 ? m_aFrames[size_t(nDepth - 1)].nCell : m_grid.GetCellCount();
            const int nGuess = LastUndecided(nLimit);
            const CellMask nValues = m_grid.GetMask(nGuess);
            const CellMask nFirst = CellMask(nValues & -nValues);
            m_aFrames[size_t(nDepth++)] = CFrame{nGuess, CellMask(nValues & ~nFirst), m_grid.GetTrailSize()};
            if (nDepth > m_stats.nMaxDepth) m_stats.nMaxDepth = nDepth;
            m_grid.Narrow(nGuess, nFirst);
            bOk = EnterChild(nDepth);
            continue;
        }

        // Back up to the nearest guess with a value left, no deeper than a proof allows.
        bool bNext = false;
        while (nDepth > 0) {
            CFrame& frame = m_aFrames[size_t(nDepth - 1)];
            m_grid.UndoTo(frame.nMark);
            if (frame.nLeft && nDepth <= nJump) {
                const CellMask nNext = CellMask(frame.nLeft & -frame.nLeft);
                frame.nLeft = CellMask(frame.nLeft & ~nNext);
                m_grid.Narrow(frame.nCell, nNext);
                bOk = EnterChild(nDepth);
                bNext = true;
                break;
            }
            --nDepth;
        }
        if (!bNext) break;
    }
    m_pObserver = nullptr;
    m_stats.nOracleNodes = m_free.GetNodes() - m_nFreeNodesBefore;
    m_stats.nProbes = m_prober.GetProbeCount() - nProbesBefore;
    m_stats.nLineAnalyses = m_grid.GetLineAnalyses() - nAnalysesBefore;
    m_stats.dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return !m_bStopped;
}

}  // namespace quenk
