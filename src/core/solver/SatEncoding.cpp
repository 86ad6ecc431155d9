#include "solver/SatEncoding.h"

#include <algorithm>
#include <bit>

namespace quenk {

namespace {

class CEncoder {
public:
    CEncoder(const SGridClues& clues, const CellMask* pMasks, SCnf& cnf, std::int64_t nMaxLiterals, IStopPoll* pStop)
        : m_clues(clues), m_pMasks(pMasks), m_cnf(cnf), m_nMaxLiterals(nMaxLiterals), m_pStop(pStop) {}

    EEncodeResult Encode() {
        m_cnf = SCnf{};
        m_cnf.nColors = m_clues.nColors;
        Emit({SCnf::LIT_TRUE});
        if (!EncodeCells()) return EEncodeResult::NO_SOLUTION;
        const int nLines = m_clues.nWidth + m_clues.nHeight;
        for (int nLine = 0; nLine < nLines; ++nLine) {
            if (!EncodeLine(nLine)) return EEncodeResult::NO_SOLUTION;
            if (std::int64_t(m_cnf.aClauses.size()) > m_nMaxLiterals) return EEncodeResult::TOO_LARGE;
            if (m_pStop && m_pStop->ShouldStop()) return EEncodeResult::STOPPED;
        }
        return m_bEmptyClause ? EEncodeResult::NO_SOLUTION : EEncodeResult::OK;
    }

private:
    // Adds a clause with the constants taken out: a true literal drops it, false ones vanish.
    void Emit(std::initializer_list<int> lits) { Emit(lits.begin(), int(lits.size())); }
    void Emit(const int* pLits, int n) {
        const size_t nStart = m_cnf.aClauses.size();
        for (int i = 0; i < n; ++i) {
            const int nLit = pLits[i];
            if (nLit == SCnf::LIT_TRUE) {
                m_cnf.aClauses.resize(nStart);
                return;
            }
            if (nLit != SCnf::LIT_FALSE) m_cnf.aClauses.push_back(nLit);
        }
        m_bEmptyClause |= m_cnf.aClauses.size() == nStart;
        m_cnf.aClauses.push_back(0);
        ++m_cnf.nClauses;
    }

    // One variable for a cell with two values left, one per value (exactly one true) with more.
    bool EncodeCells() {
        const int nCells = m_clues.nWidth * m_clues.nHeight;
        const int nColors = m_clues.nColors;
        const CellMask nFull = CellMask((1u << nColors) - 1);
        m_cnf.aCellLit.assign(size_t(nCells) * size_t(nColors), SCnf::LIT_FALSE);
        for (int c = 0; c < nCells; ++c) {
            const CellMask m = CellMask(m_pMasks[c] & nFull);
            int* pLit = m_cnf.aCellLit.data() + size_t(c) * size_t(nColors);
            const int nCount = std::popcount(unsigned(m));
            if (nCount == 0) return false;
            if (nCount == 1) {
                pLit[std::countr_zero(unsigned(m))] = SCnf::LIT_TRUE;
            } else if (nCount == 2) {
                const int x = ++m_cnf.nVars;
                pLit[std::countr_zero(unsigned(m))] = -x;
                pLit[31 - std::countl_zero(unsigned(m))] = x;
            } else {
                m_aClause.clear();
                for (int v = 0; v < nColors; ++v)
                    if (m >> v & 1) m_aClause.push_back(pLit[v] = ++m_cnf.nVars);
                Emit(m_aClause.data(), int(m_aClause.size()));
                for (size_t a = 0; a < m_aClause.size(); ++a)
                    for (size_t b = a + 1; b < m_aClause.size(); ++b) Emit({-m_aClause[a], -m_aClause[b]});
            }
        }
        return true;
    }

    // The line's automaton: state 0 is the gap before number 0; number j has its gap state
    // m_aGap[j] followed by one state per cell of it; the last state is the trailing gap.
    void BuildStates(const std::uint8_t* pValue, const std::uint8_t* pColor, int nCount) {
        m_aGap.clear();
        m_aSym.clear();
        m_aNumber.clear();
        for (int j = 0; j <= nCount; ++j) {
            m_aGap.push_back(int(m_aSym.size()));
            m_aSym.push_back(0);
            m_aNumber.push_back(j);
            if (j == nCount) break;
            for (int t = 0; t < pValue[j]; ++t) {
                m_aSym.push_back(std::uint8_t(pColor[j] & 15));
                m_aNumber.push_back(j);
            }
        }
        m_nCount = nCount;
        m_pColor = pColor;
    }
    bool IsGap(int s) const { return m_aGap[size_t(m_aNumber[size_t(s)])] == s; }
    // The number j ends in state s (its last cell).
    bool EndsNumber(int s) const {
        const int j = m_aNumber[size_t(s)];
        return !IsGap(s) && s + 1 == m_aGap[size_t(j) + 1];
    }
    // States reachable from s by one cell; the value read is m_aSym of the target.
    int Successors(int s, int* pOut) const {
        const int j = m_aNumber[size_t(s)];
        if (IsGap(s)) {
            pOut[0] = s;
            if (j == m_nCount) return 1;
            pOut[1] = s + 1;
            return 2;
        }
        pOut[0] = s + 1;  // the next cell of the number, or the gap after it
        if (EndsNumber(s) && j + 1 < m_nCount && (m_pColor[j + 1] & 15) != (m_pColor[j] & 15)) {
            pOut[1] = m_aGap[size_t(j) + 1] + 1;  // a number of another colour may touch it
            return 2;
        }
        return 1;
    }
    int Predecessors(int s, int* pOut) const {
        const int j = m_aNumber[size_t(s)];
        if (IsGap(s)) {
            pOut[0] = s;
            if (j == 0) return 1;
            pOut[1] = s - 1;  // the previous number's last cell
            return 2;
        }
        pOut[0] = s - 1;
        if (s - 1 == m_aGap[size_t(j)] && j > 0 && (m_pColor[j - 1] & 15) != (m_pColor[j] & 15)) {
            pOut[1] = s - 2;
            return 2;
        }
        return 1;
    }

    bool EncodeLine(int nLine) {
        // Plain names, not a structured binding: the lambdas below capture them.
        const SGridClues::SLine line = m_clues.Line(nLine);
        const int nStart = line.nStart, nStep = line.nStep, n = line.nLength, nFirst = line.nFirst,
                  nCount = line.nCount;
        BuildStates(m_clues.aValue.data() + nFirst, m_clues.aColor.data() + nFirst, nCount);
        const int S = int(m_aSym.size());
        auto at = [S](int i, int s) { return size_t(i) * size_t(S) + size_t(s); };
        auto allowed = [&](int i, int s) { return (m_pMasks[nStart + i * nStep] >> m_aSym[size_t(s)]) & 1; };

        // Pairs (position, state) on some path from the start that agrees with the cells to
        // an accepting state at the end.
        m_aForward.assign(size_t(n + 1) * size_t(S), 0);
        m_aBackward.assign(size_t(n + 1) * size_t(S), 0);
        int aNext[2];
        m_aForward[at(0, 0)] = 1;
        for (int i = 0; i < n; ++i)
            for (int s = 0; s < S; ++s) {
                if (!m_aForward[at(i, s)]) continue;
                for (int k = Successors(s, aNext) - 1; k >= 0; --k)
                    if (allowed(i, aNext[k])) m_aForward[at(i + 1, aNext[k])] = 1;
            }
        m_aBackward[at(n, S - 1)] = 1;
        if (nCount > 0) m_aBackward[at(n, S - 2)] = 1;
        for (int i = n - 1; i >= 0; --i)
            for (int s = 0; s < S; ++s)
                for (int k = Successors(s, aNext) - 1; k >= 0; --k)
                    if (allowed(i, aNext[k]) && m_aBackward[at(i + 1, aNext[k])]) m_aBackward[at(i, s)] = 1;
        for (size_t e = 0; e < m_aForward.size(); ++e) m_aForward[e] &= m_aBackward[e];
        const std::vector<std::uint8_t>& valid = m_aForward;
        if (!valid[at(0, 0)]) return false;

        // A position with one state left needs no variable.
        m_aVar.assign(size_t(n + 1) * size_t(S), 0);
        for (int i = 0; i <= n; ++i) {
            const int nValid = int(std::count(valid.begin() + std::ptrdiff_t(at(i, 0)),
                                              valid.begin() + std::ptrdiff_t(at(i + 1, 0)), std::uint8_t(1)));
            for (int s = 0; s < S; ++s)
                if (valid[at(i, s)]) m_aVar[at(i, s)] = nValid == 1 ? SCnf::LIT_TRUE : ++m_cnf.nVars;
        }
        for (int i = 0; i <= n; ++i) {
            m_aClause.clear();
            for (int s = 0; s < S; ++s) {
                if (!valid[at(i, s)]) continue;
                const int q = m_aVar[at(i, s)];
                m_aClause.push_back(q);
                if (i > 0) {
                    // The value that enters the state, and a state before it that leads here.
                    Emit({-q, m_cnf.CellLiteral(nStart + (i - 1) * nStep, m_aSym[size_t(s)])});
                    m_aLink.assign(1, -q);
                    for (int k = Predecessors(s, aNext) - 1; k >= 0; --k)
                        if (valid[at(i - 1, aNext[k])]) m_aLink.push_back(m_aVar[at(i - 1, aNext[k])]);
                    Emit(m_aLink.data(), int(m_aLink.size()));
                }
                if (i < n) {
                    m_aLink.assign(1, -q);
                    for (int k = Successors(s, aNext) - 1; k >= 0; --k)
                        if (valid[at(i + 1, aNext[k])]) m_aLink.push_back(m_aVar[at(i + 1, aNext[k])]);
                    Emit(m_aLink.data(), int(m_aLink.size()));
                }
            }
            Emit(m_aClause.data(), int(m_aClause.size()));  // some state at every position
            if (i > 0) EncodeValueSupport(nStart + (i - 1) * nStep, i, S, valid);
        }
        return true;
    }

    // A value the cell takes enters one of the states that read it: without these clauses the
    // solver would not see that a cell no arrangement colours must be background.
    void EncodeValueSupport(int nCell, int i, int S, const std::vector<std::uint8_t>& valid) {
        const int nColors = m_clues.nColors;
        const size_t nRow = size_t(i) * size_t(S);
        for (int v = 0; v < nColors; ++v) {
            const int x = m_cnf.CellLiteral(nCell, v);
            if (x == SCnf::LIT_FALSE) continue;
            m_aLink.assign(1, -x);
            for (int s = 0; s < S; ++s)
                if (valid[nRow + size_t(s)] && m_aSym[size_t(s)] == v) m_aLink.push_back(m_aVar[nRow + size_t(s)]);
            Emit(m_aLink.data(), int(m_aLink.size()));
        }
    }

    const SGridClues& m_clues;
    const CellMask* m_pMasks;
    SCnf& m_cnf;
    const std::int64_t m_nMaxLiterals;
    IStopPoll* m_pStop;
    bool m_bEmptyClause = false;
    std::vector<int> m_aClause, m_aLink;
    std::vector<int> m_aGap;           // per number (and the trailing gap): its gap state
    std::vector<std::uint8_t> m_aSym;  // per state: the value that enters it
    std::vector<int> m_aNumber;        // per state: its number (the trailing gap: the count)
    std::vector<std::uint8_t> m_aForward, m_aBackward;
    std::vector<int> m_aVar;
    int m_nCount = 0;
    const std::uint8_t* m_pColor = nullptr;
};

}  // namespace

EEncodeResult EncodeGrid(const SGridClues& clues, const CellMask* pMasks, SCnf& cnf, std::int64_t nMaxLiterals,
                         IStopPoll* pStop) {
    return CEncoder(clues, pMasks, cnf, nMaxLiterals, pStop).Encode();
}

}  // namespace quenk
