#include "solver/SatOracle.h"

#include <algorithm>
#include <new>

#if defined(QUENK_HAVE_CADICAL)
#include <cadical.hpp>
#endif

namespace quenk {

#if defined(QUENK_HAVE_CADICAL)

namespace {
// What CaDiCaL 1.5 holds per variable, per clause (the clause, its two watches, its place in
// the clause list) and per literal. Once the formula is loaded the count is about a third
// above the heap in use (25 x 25 to 80 x 95 puzzles alike); while the solver runs it frees
// more than its clause counts show, and the count stays 1.7 to 2.6 times the heap: it errs
// high, on the safe side of a budget.
constexpr std::size_t VARIABLE_BYTES = 256;
constexpr std::size_t CLAUSE_BYTES = 96;
constexpr std::size_t LITERAL_BYTES = 4;
// Before encoding, the entries of the formula (zeros included) the room allows: our copy of
// the clauses and the solver's exist together for a while.
constexpr std::size_t BUILD_BYTES_PER_ENTRY = 64;
constexpr std::size_t MAX_ENTRIES = 16'000'000;
// The charge grows in steps of this, so the budget is not asked at every learned clause; a
// question paused at the budget goes on only if the fresh estimate leaves this much room.
constexpr std::size_t CHARGE_STEP = std::size_t(1) << 20;
// The learned clauses are counted as they come, but the solver's reductions only show between
// questions: a long question is paused when it has learned this much, to count afresh.
constexpr std::size_t RECOUNT_BYTES = std::size_t(4) << 20;

// The solver asks its terminator every few steps of its main loop (a step on a large formula
// may take a tenth of a millisecond): the owner's stop poll and the budget are looked at each
// time. The learner sees the length of every clause learned, nothing else.
class CWatch : public CaDiCaL::Terminator, public CaDiCaL::Learner {
public:
    bool terminate() override {
        if (m_pStop && m_pStop->ShouldStop()) return true;
        const std::size_t nBytes = m_nBase + m_nLearnedBytes;
        m_bPaused = m_nLearnedBytes > RECOUNT_BYTES ||
                    (nBytes > m_pCharge->Get() && !m_pCharge->Set(nBytes + CHARGE_STEP) && !m_pCharge->Set(nBytes));
        return m_bPaused;
    }
    bool learning(int nSize) override {
        ++m_nLearned;
        m_nLearnedLiterals += nSize;
        m_nLearnedBytes += CLAUSE_BYTES + LITERAL_BYTES * std::size_t(nSize);
        return false;
    }
    void learn(int) override {}

    IStopPoll* m_pStop = nullptr;
    CBudgetCharge* m_pCharge = nullptr;
    std::size_t m_nBase = 0;          // the estimate when the question began
    std::size_t m_nLearnedBytes = 0;  // learned since
    std::int64_t m_nLearned = 0;      // all along, for their average length
    std::int64_t m_nLearnedLiterals = 0;
    bool m_bPaused = false;  // to count afresh: past the budget, or learned much
};
}  // namespace

struct CSatOracle::CImpl {
    CaDiCaL::Solver solver;
    CWatch watch;
};

CSatOracle::CSatOracle(CMemoryBudget* pBudget) : m_charge(pBudget) {}
CSatOracle::~CSatOracle() = default;

bool CSatOracle::IsAvailable() { return true; }

void CSatOracle::Clear() {
    m_bReady = m_bEmpty = m_bOutOfMemory = false;
    m_pImpl.reset();
    m_cnf = SCnf{};
    m_aAssumed = std::vector<int>();
    m_nFixedBytes = m_nClauseLength = 0;
    m_charge.Set(0);
}

std::size_t CSatOracle::EstimateBytes() const {
    const CWatch& watch = m_pImpl->watch;
    const std::size_t nLearnedLength =
        watch.m_nLearned > 0 ? std::size_t(watch.m_nLearnedLiterals / watch.m_nLearned) : 0;
    // Clauses the solver has found satisfied or subsumed are freed: count those it still holds.
    const auto held = [](std::int64_t n) { return std::size_t(std::max<std::int64_t>(0, n)); };
    return m_nFixedBytes + held(m_pImpl->solver.irredundant()) * (CLAUSE_BYTES + LITERAL_BYTES * m_nClauseLength) +
           held(m_pImpl->solver.redundant()) * (CLAUSE_BYTES + LITERAL_BYTES * nLearnedLength);
}

bool CSatOracle::Build(const SGridClues& clues, const CellMask* pMasks, IStopPoll* pStop, bool bModels) {
    Clear();
    try {
        // While it is encoded the formula is our array alone, which grows by doubling.
        const std::size_t nEntries = std::min(MAX_ENTRIES, m_charge.GetRoom() / BUILD_BYTES_PER_ENTRY);
        m_charge.Set(nEntries * 2 * sizeof(int));
        const EEncodeResult result = EncodeGrid(clues, pMasks, m_cnf, std::int64_t(nEntries), pStop);
        if (result != EEncodeResult::OK) {
            Clear();
            m_bEmpty = result == EEncodeResult::NO_SOLUTION;
            return false;
        }
        const std::size_t nClauses = std::size_t(m_cnf.nClauses);
        const std::size_t nLiterals = m_cnf.aClauses.size() - nClauses;
        m_nFixedBytes = BytesOf(m_cnf.aCellLit) + std::size_t(m_cnf.nVars) * VARIABLE_BYTES;
        m_nClauseLength = (nLiterals + nClauses - 1) / std::max<std::size_t>(1, nClauses);
        const std::size_t nFormulaBytes = m_nFixedBytes + nClauses * CLAUSE_BYTES + nLiterals * LITERAL_BYTES;
        if (!m_charge.Set(nFormulaBytes + BytesOf(m_cnf.aClauses))) {
            Clear();
            return false;
        }
        m_pImpl = std::make_unique<CImpl>();
        CaDiCaL::Solver& solver = m_pImpl->solver;
        // Not a word on stdout or stderr, whatever the formula (one without a model makes it
        // say so while the clauses are added).
        if (bModels) {
            // Tuned for formulas with models (stabilising mode only), deciding "false" first:
            // on the hardest tournament puzzles a first model comes twice as fast.
            solver.configure("sat");
            solver.set("phase", 0);
        }
        solver.set("quiet", 1);
        solver.set("report", 0);
        solver.reserve(m_cnf.nVars);
        CStopCountdown stop(pStop, 1 << 16);
        for (const int nLit : m_cnf.aClauses) {
            solver.add(nLit);
            if (stop.Step()) {
                Clear();
                return false;
            }
        }
        m_cnf.aClauses = std::vector<int>();  // the solver keeps its own copy
        m_charge.Set(nFormulaBytes);
        m_aAssumed.reserve(std::size_t(clues.nWidth) * std::size_t(clues.nHeight));
        m_pImpl->watch.m_pCharge = &m_charge;
        solver.connect_terminator(&m_pImpl->watch);
        solver.connect_learner(&m_pImpl->watch);
        m_bReady = true;
        return true;
    } catch (const std::bad_alloc&) {
        Abandon();
        return false;
    }
}

void CSatOracle::Abandon() {
    // An allocation failed, maybe inside the solver, which may then be left half-way through
    // resizing its arrays: destroying it can free what it never allocated. It is left as it
    // is, and its memory with it.
    static_cast<void>(m_pImpl.release());
    Clear();
    m_bOutOfMemory = true;
}

void CSatOracle::Assume(int nCell, int nValue) {
    const int nLit = m_cnf.CellLiteral(nCell, nValue);
    if (nLit == SCnf::LIT_TRUE) return;
    if (nLit == SCnf::LIT_FALSE) {
        if (m_nExcluded < 0) m_nExcluded = nCell * m_cnf.nColors + nValue;
        return;
    }
    m_aAssumed.push_back(nLit);
}

CSatOracle::EAnswer CSatOracle::Solve(IStopPoll* pStop) {
    ++m_nCalls;
    m_nFailedExcluded = m_nExcluded;
    m_nExcluded = -1;
    if (m_nFailedExcluded >= 0) {
        m_aAssumed.clear();
        return EAnswer::UNSATISFIABLE;
    }
    CaDiCaL::Solver& solver = m_pImpl->solver;
    CWatch& watch = m_pImpl->watch;
    try {
        for (;;) {
            // The estimate afresh: what the solver dropped since the last question is gone.
            const std::size_t nBase = EstimateBytes();
            if (!m_charge.Set(nBase) || m_charge.GetRoom() - nBase < CHARGE_STEP) break;
            for (const int nLit : m_aAssumed) solver.assume(nLit);
            watch.m_pStop = pStop;
            watch.m_nBase = nBase;
            watch.m_nLearnedBytes = 0;
            watch.m_bPaused = false;
            const int nResult = solver.solve();
            watch.m_pStop = nullptr;
            if (nResult == 10 || nResult == 20) {
                m_aAssumed.clear();
                m_charge.Set(EstimateBytes());
                return nResult == 10 ? EAnswer::SATISFIABLE : EAnswer::UNSATISFIABLE;
            }
            if (!watch.m_bPaused) {
                m_aAssumed.clear();
                return EAnswer::STOPPED;
            }
        }
    } catch (const std::bad_alloc&) {
        Abandon();
        return EAnswer::NO_MEMORY;
    }
    Clear();
    m_bOutOfMemory = true;
    return EAnswer::NO_MEMORY;
}

bool CSatOracle::Failed(int nCell, int nValue) const {
    const int nLit = m_cnf.CellLiteral(nCell, nValue);
    if (m_nFailedExcluded >= 0) return m_nFailedExcluded == nCell * m_cnf.nColors + nValue;
    if (nLit == SCnf::LIT_TRUE || nLit == SCnf::LIT_FALSE) return false;
    return m_pImpl->solver.failed(nLit);
}

int CSatOracle::ModelValue(int nCell) const {
    for (int v = 0; v < m_cnf.nColors; ++v) {
        const int nLit = m_cnf.CellLiteral(nCell, v);
        if (nLit == SCnf::LIT_TRUE) return v;
        if (nLit != SCnf::LIT_FALSE && m_pImpl->solver.val(nLit) > 0) return v;
    }
    return 0;
}

bool CSatOracle::Block(const std::uint8_t* pValues) {
    const int nCells = int(m_cnf.aCellLit.size()) / m_cnf.nColors;
    std::size_t nLiterals = 0;
    for (int c = 0; c < nCells; ++c)
        if (m_cnf.CellLiteral(c, pValues[c]) == SCnf::LIT_FALSE) return true;  // not a model anyway
    try {
        CaDiCaL::Solver& solver = m_pImpl->solver;
        for (int c = 0; c < nCells; ++c) {
            const int nLit = m_cnf.CellLiteral(c, pValues[c]);
            if (nLit == SCnf::LIT_TRUE) continue;
            solver.add(-nLit);
            ++nLiterals;
        }
        solver.add(0);  // with no literal: the empty clause, no model at all
    } catch (const std::bad_alloc&) {
        Abandon();
        return false;
    }
    m_nFixedBytes += CLAUSE_BYTES + LITERAL_BYTES * nLiterals;
    return true;
}

void CSatOracle::PreferValues(const std::uint8_t* pValues) {
    const int nCells = int(m_cnf.aCellLit.size()) / m_cnf.nColors;
    for (int c = 0; c < nCells; ++c)
        for (int v = 0; v < m_cnf.nColors; ++v) {
            const int nLit = m_cnf.CellLiteral(c, v);
            if (nLit != SCnf::LIT_TRUE && nLit != SCnf::LIT_FALSE)
                m_pImpl->solver.phase(v == pValues[c] ? nLit : -nLit);
        }
}

#else

struct CSatOracle::CImpl {};

CSatOracle::CSatOracle(CMemoryBudget* pBudget) : m_charge(pBudget) {}
CSatOracle::~CSatOracle() = default;

bool CSatOracle::IsAvailable() { return false; }
// Touches the fields the solver's half uses, or clang calls them unused in this build.
void CSatOracle::Clear() {
    m_nExcluded = m_nFailedExcluded = -1;
    m_nFixedBytes = m_nClauseLength = 0;
}
std::size_t CSatOracle::EstimateBytes() const { return 0; }
void CSatOracle::Abandon() {}
bool CSatOracle::Build(const SGridClues&, const CellMask*, IStopPoll*, bool) { return false; }
void CSatOracle::Assume(int, int) {}
CSatOracle::EAnswer CSatOracle::Solve(IStopPoll*) { return EAnswer::STOPPED; }
bool CSatOracle::Failed(int, int) const { return false; }
int CSatOracle::ModelValue(int) const { return 0; }
bool CSatOracle::Block(const std::uint8_t*) { return true; }
void CSatOracle::PreferValues(const std::uint8_t*) {}

#endif

}  // namespace quenk
