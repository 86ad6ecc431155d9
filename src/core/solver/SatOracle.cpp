#include "solver/SatOracle.h"

#if defined(QUENK_HAVE_CADICAL)
#include <cadical.hpp>
#endif

namespace quenk {

#if defined(QUENK_HAVE_CADICAL)

namespace {
// CaDiCaL asks very often; the owner's poll may read a clock, so only every 64th question
// goes through.
class CTerminator : public CaDiCaL::Terminator {
public:
    bool terminate() override {
        if (!m_pStop || (++m_nAsked & 63) != 0) return false;
        return m_pStop->ShouldStop();
    }
    ISatStopPoll* m_pStop = nullptr;
    unsigned m_nAsked = 0;
};
}  // namespace

struct CSatOracle::CImpl {
    CaDiCaL::Solver solver;
    CTerminator terminator;
};

CSatOracle::CSatOracle() = default;
CSatOracle::~CSatOracle() = default;

bool CSatOracle::IsAvailable() { return true; }

void CSatOracle::Clear() {
    m_bReady = m_bEmpty = false;
    m_pImpl.reset();
    m_cnf = SCnf{};
}

bool CSatOracle::Build(const SGridClues& clues, const CellMask* pMasks) {
    Clear();
    const EEncodeResult result = EncodeGrid(clues, pMasks, m_cnf);
    if (result != EEncodeResult::OK) {
        m_bEmpty = result == EEncodeResult::NO_SOLUTION;
        m_cnf = SCnf{};
        return false;
    }
    m_pImpl = std::make_unique<CImpl>();
    CaDiCaL::Solver& solver = m_pImpl->solver;
    solver.reserve(m_cnf.nVars);
    for (const int nLit : m_cnf.aClauses) solver.add(nLit);
    m_cnf.aClauses = std::vector<int>();  // the solver keeps its own copy
    solver.connect_terminator(&m_pImpl->terminator);
    m_bReady = true;
    return true;
}

void CSatOracle::Assume(int nCell, int nValue) {
    const int nLit = m_cnf.CellLiteral(nCell, nValue);
    if (nLit == SCnf::LIT_TRUE) return;
    if (nLit == SCnf::LIT_FALSE) {
        if (m_nExcluded < 0) m_nExcluded = nCell * m_cnf.nColors + nValue;
        return;
    }
    m_pImpl->solver.assume(nLit);
}

CSatOracle::EAnswer CSatOracle::Solve(ISatStopPoll* pStop) {
    ++m_nCalls;
    m_nFailedExcluded = m_nExcluded;
    m_nExcluded = -1;
    if (m_nFailedExcluded >= 0) {
        m_pImpl->solver.reset_assumptions();
        return EAnswer::UNSATISFIABLE;
    }
    m_pImpl->terminator.m_pStop = pStop;
    const int nResult = m_pImpl->solver.solve();
    m_pImpl->terminator.m_pStop = nullptr;
    if (nResult == 10) return EAnswer::SATISFIABLE;
    if (nResult == 20) return EAnswer::UNSATISFIABLE;
    return EAnswer::STOPPED;
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

#else

struct CSatOracle::CImpl {};

CSatOracle::CSatOracle() = default;
CSatOracle::~CSatOracle() = default;

bool CSatOracle::IsAvailable() { return false; }
// Touches the fields the solver's half uses, or clang calls them unused in this build.
void CSatOracle::Clear() { m_nExcluded = m_nFailedExcluded = -1; }
bool CSatOracle::Build(const SGridClues&, const CellMask*) { return false; }
void CSatOracle::Assume(int, int) {}
CSatOracle::EAnswer CSatOracle::Solve(ISatStopPoll*) { return EAnswer::STOPPED; }
bool CSatOracle::Failed(int, int) const { return false; }
int CSatOracle::ModelValue(int) const { return 0; }

#endif

}  // namespace quenk
