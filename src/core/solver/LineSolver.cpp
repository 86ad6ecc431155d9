// One deduction pass over one line: the leftmost and the rightmost arrangement of the
// blocks that agree with the decided cells, what they imply, and two local rules.
//
// The pass runs thousands of times per solve and at every node of the search, so it works on
// flat copies of the line's numbers and cells, keeps the two arrangements on the stack and
// allocates nothing.
#include <algorithm>

#include "solver/LineSet.h"

namespace quenk {

namespace {

// Same-colour neighbours need one background cell between them; different colours may touch.
inline int Gap(const std::uint8_t* pColor, int k) { return pColor[k] == pColor[k + 1] ? 1 : 0; }

// One pass over one line with at least one number. Hot loops copy the array pointers into
// locals: a store into a byte array could otherwise make the compiler reload them.
class CLinePass {
public:
    CLinePass(const std::uint8_t* pValue, const std::uint8_t* pColor, int nCount, std::uint8_t* pCell, int nLength)
        : m_aValue(pValue), m_aColor(pColor), m_aCell(pCell), m_nCount(nCount), m_nLength(nLength) {}

    // False for a contradiction (the cells are then as they were); otherwise bChanged tells
    // whether a cell got a new value.
    bool Run(bool& bChanged);

private:
    // Start positions of the blocks in one extreme arrangement.
    using Placement = std::uint8_t[256];

    bool PlaceLeft(int k, int p, Placement& aL) const;
    bool PlaceRight(int k, int p, Placement& aR) const;
    bool ArrangeLeft(Placement& aL) const;
    bool ArrangeRight(Placement& aR) const;
    bool SetRange(int nFrom, int nTo, std::uint8_t nValue);
    bool DeduceFromArrangements(const Placement& aL, const Placement& aR);
    void FindCandidates(int s, int e, const Placement& aL, const Placement& aR, int& nLo, int& nHi) const;
    bool FindEnclosedRun(int nFrom, int& s, int& e) const;
    bool FindColorRun(int nFrom, int& s, int& e) const;
    bool FillSmallGaps(const Placement& aL, const Placement& aR);
    bool CloseCompleteBlocks(const Placement& aL, const Placement& aR);

    const std::uint8_t* m_aValue;
    const std::uint8_t* m_aColor;
    std::uint8_t* m_aCell;
    int m_nCount;
    int m_nLength;
};

// Blocks k.. packed to the left from p. Sums are kept in int so that a packing running past
// the line fails even where a start would not fit in a byte.
bool CLinePass::PlaceLeft(int k, int p, Placement& aL) const {
    const int nCount = m_nCount;
    if (k < 0 || k >= nCount || p < 0 || p >= m_nLength) return false;
    const std::uint8_t* const pValue = m_aValue;
    const std::uint8_t* const pColor = m_aColor;
    int nStart = p;
    for (int j = k;; ++j) {
        nStart = p;
        aL[j] = std::uint8_t(p);
        if (j + 1 == nCount) break;
        p += pValue[j] + Gap(pColor, j);
    }
    return nStart + pValue[nCount - 1] <= m_nLength;
}

// Blocks k down to 0 packed to the right, block k starting at p.
bool CLinePass::PlaceRight(int k, int p, Placement& aR) const {
    if (k < 0 || k >= m_nCount || p < 0 || p >= m_nLength) return false;
    const std::uint8_t* const pValue = m_aValue;
    const std::uint8_t* const pColor = m_aColor;
    aR[k] = std::uint8_t(p);
    for (int j = k - 1; j >= 0; --j) {
        p -= pValue[j] + Gap(pColor, j);
        if (p < 0) return false;
        aR[j] = std::uint8_t(p);
    }
    return true;
}

// Leftmost arrangement agreeing with the decided cells. Every restart moves the first block
// it changes strictly to the right and keeps the blocks before it, so the loop ends.
bool CLinePass::ArrangeLeft(Placement& aL) const {
    const std::uint8_t* const pCell = m_aCell;
    const std::uint8_t* const pValue = m_aValue;
    const std::uint8_t* const pColor = m_aColor;
    const int n = m_nLength;
    const int nCount = m_nCount;
    int k = 0;
    int p = 0;
    for (;;) {
        if (!PlaceLeft(k, p, aL)) return false;
        int j = 0;
        bool bInside = aL[0] == 0;
        bool bRestart = false;
        for (int i = 0; i < n; ++i) {
            const std::uint8_t c = pCell[i];
            if (bInside) {
                if (c != CELL_EMPTY && c != pColor[j]) {
                    // Block j cannot cover i: move it past.
                    k = j;
                    p = i + 1;
                    bRestart = true;
                    break;
                }
                if (i == aL[j] + pValue[j] - 1) {
                    ++j;
                    bInside = j < nCount && aL[j] == i + 1;
                }
            } else {
                if (IsFilledCell(c)) {
                    // A colour outside every block: pull the previous block over it.
                    k = j - 1;
                    if (k < 0) return false;
                    p = i - pValue[k] + 1;
                    bRestart = true;
                    break;
                }
                if (j < nCount && i == aL[j] - 1) bInside = true;
            }
        }
        if (!bRestart) return true;
    }
}

// Rightmost arrangement, the mirror image of ArrangeLeft.
bool CLinePass::ArrangeRight(Placement& aR) const {
    const std::uint8_t* const pCell = m_aCell;
    const std::uint8_t* const pValue = m_aValue;
    const std::uint8_t* const pColor = m_aColor;
    const int n = m_nLength;
    const int nCount = m_nCount;
    int k = nCount - 1;
    int p = n - pValue[k];
    for (;;) {
        if (!PlaceRight(k, p, aR)) return false;
        int j = nCount - 1;
        bool bInside = aR[j] == n - pValue[j];
        bool bRestart = false;
        for (int i = n - 1; i >= 0; --i) {
            const std::uint8_t c = pCell[i];
            if (bInside) {
                if (c != CELL_EMPTY && c != pColor[j]) {
                    k = j;
                    p = i - pValue[j];
                    bRestart = true;
                    break;
                }
                if (i == aR[j]) {
                    --j;
                    bInside = j >= 0 && i == aR[j] + pValue[j];
                }
            } else {
                if (IsFilledCell(c)) {
                    // Past the last block this makes PlaceRight fail: a contradiction.
                    k = j + 1;
                    p = i;
                    bRestart = true;
                    break;
                }
                if (j >= 0 && i == aR[j] + pValue[j]) bInside = true;
            }
        }
        if (!bRestart) return true;
    }
}

// Sets positions nFrom..nTo-1; reports whether any of them changed.
bool CLinePass::SetRange(int nFrom, int nTo, std::uint8_t nValue) {
    bool bChanged = false;
    for (int i = nFrom; i < nTo; ++i) {
        if (m_aCell[i] != nValue) {
            m_aCell[i] = nValue;
            bChanged = true;
        }
    }
    return bChanged;
}

bool CLinePass::DeduceFromArrangements(const Placement& aL, const Placement& aR) {
    const int nLast = m_nCount - 1;
    bool bChanged = SetRange(0, aL[0], CELL_CROSS);
    bChanged |= SetRange(aR[nLast] + m_aValue[nLast], m_nLength, CELL_CROSS);
    for (int k = 0; k <= nLast; ++k) {
        bChanged |= SetRange(aR[k], aL[k] + m_aValue[k], m_aColor[k]);
        if (k > 0) bChanged |= SetRange(aR[k - 1] + m_aValue[k - 1], aL[k], CELL_CROSS);
    }
    return bChanged;
}

// Numbers nLo..nHi-1 may lie in positions s..e-1 (a superset of those that can).
void CLinePass::FindCandidates(int s, int e, const Placement& aL, const Placement& aR, int& nLo, int& nHi) const {
    nHi = m_nCount;
    for (int k = 0; k < m_nCount; ++k) {
        if (aL[k] >= e) {
            nHi = k;
            break;
        }
    }
    nLo = 0;
    for (int k = m_nCount - 1; k >= 0; --k) {
        if (aR[k] <= s) {
            nLo = k;
            break;
        }
    }
}

// Next run of undecided cells with a cross right before and right after it.
bool CLinePass::FindEnclosedRun(int nFrom, int& s, int& e) const {
    const int n = m_nLength;
    int i = nFrom;
    for (;;) {
        while (i < n && m_aCell[i] != CELL_CROSS) ++i;
        while (i < n && m_aCell[i] == CELL_CROSS) ++i;
        if (i >= n) return false;
        s = i;
        while (i < n && m_aCell[i] == CELL_EMPTY) ++i;
        if (i >= n) return false;
        if (m_aCell[i] == CELL_CROSS) {
            e = i;
            return true;
        }
        // Followed by a colour: look further from that cell.
    }
}

// Next run of one colour that does not touch the end of the line.
bool CLinePass::FindColorRun(int nFrom, int& s, int& e) const {
    const int n = m_nLength;
    int i = nFrom;
    while (i < n && (m_aCell[i] == CELL_EMPTY || m_aCell[i] == CELL_CROSS)) ++i;
    if (i >= n) return false;
    s = i;
    const std::uint8_t c = m_aCell[i];
    while (i < n && m_aCell[i] == c) ++i;
    if (i >= n) return false;
    e = i;
    return true;
}

// An enclosed run shorter than every number that may lie there holds no block.
bool CLinePass::FillSmallGaps(const Placement& aL, const Placement& aR) {
    bool bChanged = false;
    int s = 0;
    int e = 0;
    int nFrom = 0;
    while (FindEnclosedRun(nFrom, s, e)) {
        int nLo = 0;
        int nHi = 0;
        FindCandidates(s, e, aL, aR, nLo, nHi);
        int nMin = 255;
        for (int k = nLo; k < nHi; ++k) nMin = std::min(nMin, int(m_aValue[k]));
        if (e - s < nMin) bChanged |= SetRange(s, e, CELL_CROSS);
        nFrom = e;
    }
    return bChanged;
}

// A colour run as long as the longest number that may cover it is a whole block: close it
// with crosses on the sides where that number needs a gap.
bool CLinePass::CloseCompleteBlocks(const Placement& aL, const Placement& aR) {
    const int nLast = m_nCount - 1;
    bool bChanged = false;
    int s = 0;
    int e = 0;
    int nFrom = 0;
    while (FindColorRun(nFrom, s, e)) {
        int nLo = 0;
        int nHi = 0;
        FindCandidates(s, e, aL, aR, nLo, nHi);
        int nMax = 0;
        for (int k = nLo; k < nHi; ++k) nMax = std::max(nMax, int(m_aValue[k]));
        bool bLeft = true;
        bool bRight = true;
        for (int k = nLo; k < nHi; ++k) {
            if (m_aValue[k] != nMax) continue;
            if (k > 0 && m_aColor[k] != m_aColor[k - 1]) bLeft = false;
            if (k < nLast && m_aColor[k] != m_aColor[k + 1]) bRight = false;
        }
        if (e - s == nMax) {
            if (bLeft && s > 0 && m_aCell[s - 1] != CELL_CROSS) {
                m_aCell[s - 1] = CELL_CROSS;
                bChanged = true;
            }
            if (bRight && m_aCell[e] != CELL_CROSS) {
                m_aCell[e] = CELL_CROSS;
                bChanged = true;
            }
        }
        nFrom = e;
    }
    return bChanged;
}

bool CLinePass::Run(bool& bChanged) {
    Placement aL;
    Placement aR;
    if (!ArrangeLeft(aL) || !ArrangeRight(aR)) return false;
    bChanged = DeduceFromArrangements(aL, aR);
    if (!bChanged) bChanged = FillSmallGaps(aL, aR);
    if (!bChanged) bChanged = CloseCompleteBlocks(aL, aR);
    return true;
}

}  // namespace

bool CLineSet::SolveLine(int i, bool& bChanged) {
    const CLine& line = m_aLines[size_t(i)];
    const int n = line.m_nLength;
    std::uint8_t* pGrid = m_pPuzzle->Cells().data() + line.m_nStart;
    const std::int32_t nStep = line.m_nStep;
    if (nStep == 1)
        std::copy(pGrid, pGrid + n, m_aCell.begin());
    else
        for (int p = 0; p < n; ++p) m_aCell[size_t(p)] = pGrid[p * nStep];
    std::copy(m_aCell.begin(), m_aCell.begin() + n, m_aCellBefore.begin());

    bool bPass = false;
    if (line.m_nCount == 0) {
        // No numbers: the whole line is background, whatever it holds.
        std::fill(m_aCell.begin(), m_aCell.begin() + n, CELL_CROSS);
        bPass = !std::equal(m_aCell.begin(), m_aCell.begin() + n, m_aCellBefore.begin());
    } else {
        const std::int32_t nFrom = m_aNumbers[size_t(i)];
        CLinePass pass(m_aValues.data() + nFrom, m_aColors.data() + nFrom, line.m_nCount, m_aCell.data(), n);
        if (!pass.Run(bPass)) return false;
    }
    if (bPass) {
        if (nStep == 1)
            std::copy(m_aCell.begin(), m_aCell.begin() + n, pGrid);
        else
            for (int p = 0; p < n; ++p) pGrid[p * nStep] = m_aCell[size_t(p)];
        bChanged = true;
    }
    return true;
}

}  // namespace quenk
