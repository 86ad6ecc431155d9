#include "solver/SettleEngine.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstring>
#include <limits>

#include "model/Types.h"

namespace quenk {

namespace {
constexpr std::int64_t UNLIMITED = std::numeric_limits<std::int64_t>::max();

// 1 1 2 1 1 2 4 1 1 2 1 1 2 4 8 ...: the i-th term, from 1.
std::int64_t Luby(std::int64_t i) {
    for (;;) {
        int k = 1;
        while ((std::int64_t(1) << k) - 1 < i) ++k;
        if ((std::int64_t(1) << k) - 1 == i) return std::int64_t(1) << (k - 1);
        i -= (std::int64_t(1) << (k - 1)) - 1;
    }
}
}  // namespace

CSettleEngine::CSettleEngine(const SGridClues& clues, const SSettleTuning& tuning, CMemoryBudget& budget)
    : m_tuning(tuning),
      m_grid(clues),
      m_prober(m_grid),
      m_deduction(m_grid, m_prober),
      m_free(m_grid, m_prober, m_deduction),
      m_charge(&budget),
      m_sat(&budget),
      m_nCells(m_grid.GetCellCount()) {
    m_grid.SetStopPoll(this);
}

std::size_t CSettleEngine::GetMemoryBytes() const {
    return m_grid.GetMemoryBytes() + m_prober.GetMemoryBytes() + m_free.GetMemoryBytes() + BytesOf(m_aRootMask) +
           BytesOf(m_aFirstMask) + BytesOf(m_aFound);
}

bool CSettleEngine::ShouldStop() {
    if (!m_bStopped && m_pStop && m_pStop->ShouldStop()) m_bStopped = true;
    return m_bStopped;
}

bool CSettleEngine::Keep() {
    std::uint8_t* pTo = m_aFound.data() + m_nFound * std::size_t(m_nCells);
    for (int c = 0; c < m_nCells; ++c) pTo[c] = std::uint8_t(std::countr_zero(unsigned(m_grid.GetMask(c))));
    for (std::size_t i = 0; i < m_nFound; ++i)
        if (std::memcmp(Found(i), pTo, std::size_t(m_nCells)) == 0) return false;
    if (m_nFound == 0)
        for (int c = 0; c < m_nCells; ++c) m_aFirstMask[size_t(c)] = m_grid.GetMask(c);
    ++m_nFound;
    return true;
}

void CSettleEngine::KeepModel() {
    std::uint8_t* pTo = m_aFound.data() + m_nFound * std::size_t(m_nCells);
    for (int c = 0; c < m_nCells; ++c) pTo[c] = std::uint8_t(m_sat.ModelValue(c));
    if (m_nFound == 0)
        for (int c = 0; c < m_nCells; ++c) m_aFirstMask[size_t(c)] = ColorBit(pTo[c]);
    ++m_nFound;
}

std::int64_t CSettleEngine::ForGrid(std::int64_t nNodes) const {
    // A node of a larger grid probes more cells along longer lines.
    if (m_nCells <= TUNED_CELLS) return nNodes;
    return std::max<std::int64_t>(1, nNodes * TUNED_CELLS / m_nCells);
}

CSettleEngine::EEnd CSettleEngine::SettleBySat() {
    if (!m_sat.IsReady()) {
        m_sat.Build(m_grid.GetClues(), m_aRootMask.data(), this, true);
        if (m_sat.IsOutOfMemory()) return EEnd::NO_MEMORY;
        if (m_bStopped) return EEnd::STOPPED;
        if (m_sat.IsEmpty()) return EEnd::ALL;  // no solution within the root's grid
        if (!m_sat.IsReady()) {
            m_bSatFailed = true;
            return EEnd::FREE;
        }
    }
    for (;;) {
        for (; m_nBlocked < m_nFound; ++m_nBlocked)
            if (!m_sat.Block(Found(m_nBlocked))) return EEnd::NO_MEMORY;
        if (m_nFound > 0) m_sat.PreferValues(Found(0));
        if (m_nFound >= m_nBound) return EEnd::BOUND;
        switch (m_sat.Solve(this)) {
        case CSatOracle::EAnswer::SATISFIABLE: KeepModel(); break;
        case CSatOracle::EAnswer::UNSATISFIABLE: return EEnd::ALL;
        case CSatOracle::EAnswer::STOPPED: return EEnd::STOPPED;
        case CSatOracle::EAnswer::NO_MEMORY: return EEnd::NO_MEMORY;
        }
    }
}

CSettleEngine::EEnd CSettleEngine::FindFirst() {
    // Runs of growing length, each branching differently; a run that ends walked its whole
    // tree, so a run without a solution proves there is none.
    std::int64_t nSpent = 0;
    for (std::int64_t nRun = 1;; ++nRun) {
        std::int64_t nNodes = m_tuning.nRestartNodes * Luby(nRun);
        if (SatUsable())
            nNodes = std::min(nNodes, std::max<std::int64_t>(1, ForGrid(m_tuning.nFirstNodesBeforeSat) - nSpent));
        m_free.Begin(true, SFreeOrder{nullptr, std::uint32_t(nRun)});
        const CFreeSearch::EStep step = m_free.Next(nNodes, this);
        if (step == CFreeSearch::EStep::SOLUTION) Keep();
        m_free.End();
        switch (step) {
        case CFreeSearch::EStep::SOLUTION: return m_nFound >= m_nBound ? EEnd::BOUND : EEnd::FREE;
        case CFreeSearch::EStep::DONE: return EEnd::ALL;
        case CFreeSearch::EStep::STOPPED: return EEnd::STOPPED;
        case CFreeSearch::EStep::OUT_OF_NODES: break;
        }
        nSpent += nNodes;
        ++m_nRestarts;
        if (SatUsable() && nSpent >= ForGrid(m_tuning.nFirstNodesBeforeSat)) {
            const EEnd end = SettleBySat();
            if (end != EEnd::FREE) return end;
        }
    }
}

CSettleEngine::EEnd CSettleEngine::CountRest() {
    // One walk over every completion: each solution comes once, the first among them. Its
    // values are tried last, so another solution, if any, tends to come early.
    m_free.Begin(true, SFreeOrder{m_aFirstMask.data(), 1});
    std::int64_t nLeft = SatUsable() ? ForGrid(m_tuning.nCountNodesBeforeSat) : UNLIMITED;
    EEnd end = EEnd::ALL;
    for (;;) {
        const std::int64_t nBefore = m_free.GetNodes();
        const CFreeSearch::EStep step = m_free.Next(nLeft, this);
        if (nLeft != UNLIMITED) nLeft -= m_free.GetNodes() - nBefore;
        if (step == CFreeSearch::EStep::SOLUTION) {
            if (Keep() && m_nFound >= m_nBound) {
                end = EEnd::BOUND;
                break;
            }
            continue;
        }
        if (step == CFreeSearch::EStep::DONE) break;
        if (step == CFreeSearch::EStep::STOPPED) {
            end = EEnd::STOPPED;
            break;
        }
        // Out of nodes: the SAT solver settles the rest, or the walk goes on where it was.
        end = SettleBySat();
        if (end != EEnd::FREE) break;
        nLeft = UNLIMITED;
    }
    m_free.End();
    return end;
}

SSettleOutcome CSettleEngine::Run(const std::uint8_t* pCells, IStopPoll* pStop, std::size_t nBound) {
    const auto start = std::chrono::steady_clock::now();
    SSettleOutcome outcome;
    m_pStop = pStop;
    m_nBound = std::max<std::size_t>(1, nBound);
    EEnd end = EEnd::NO_MEMORY;
    // The arrays are charged before they exist; the bound's solutions among them.
    const std::size_t nArrays = std::size_t(m_nCells) * (2 * sizeof(CellMask)) + m_nBound * std::size_t(m_nCells);
    if (m_nBound <= (SIZE_MAX - std::size_t(m_nCells) * 4) / std::max<std::size_t>(1, std::size_t(m_nCells)) &&
        m_charge.Set(GetMemoryBytes() + nArrays)) {
        m_aRootMask.assign(size_t(m_nCells), 0);
        m_aFirstMask.assign(size_t(m_nCells), 0);
        m_aFound.assign(m_nBound * std::size_t(m_nCells), 0);
        m_grid.Reset(pCells);
        m_prober.Reset();
        m_deduction.Reset();
        const bool bOk = m_deduction.Deduce();
        for (int c = 0; c < m_nCells; ++c) m_aRootMask[size_t(c)] = m_grid.GetMask(c);
        if (m_bStopped || m_grid.IsStopped())
            end = EEnd::STOPPED;
        else if (!bOk)
            end = EEnd::ALL;
        else
            end = FindFirst();
        if (end == EEnd::FREE) end = CountRest();
    }
    switch (end) {
    case EEnd::ALL:
        outcome.answer = m_nFound == 0   ? ESettleAnswer::SETTLE_NONE
                         : m_nFound == 1 ? ESettleAnswer::SETTLE_UNIQUE
                                         : ESettleAnswer::SETTLE_SEVERAL;
        break;
    case EEnd::BOUND:
        outcome.answer = m_nBound == 1 ? ESettleAnswer::SETTLE_FOUND : ESettleAnswer::SETTLE_SEVERAL;
        break;
    case EEnd::NO_MEMORY: outcome.answer = ESettleAnswer::SETTLE_BUDGET; break;
    case EEnd::STOPPED:
    case EEnd::FREE: outcome.answer = ESettleAnswer::SETTLE_STOPPED; break;
    }
    outcome.nFound = m_nFound;
    if (m_nFound > 0) {
        outcome.aFirst.assign(Found(0), Found(0) + m_nCells);
        for (std::uint8_t& v : outcome.aFirst)
            if (v == 0) v = CELL_CROSS;
    }
    outcome.stats.nNodes = 1 + m_free.GetNodes();
    outcome.stats.nRestarts = m_nRestarts;
    outcome.stats.nProbes = m_prober.GetProbeCount();
    outcome.stats.nLineAnalyses = m_grid.GetLineAnalyses();
    outcome.stats.nSatCalls = m_sat.GetCalls();
    outcome.stats.dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m_pStop = nullptr;
    return outcome;
}

}  // namespace quenk
