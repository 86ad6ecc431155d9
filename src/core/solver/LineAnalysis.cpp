#include "solver/LineAnalysis.h"

#include <algorithm>

namespace quenk {

CLineAnalyzer::CLineAnalyzer(int nMaxLength, int nMaxCount)
    : m_nMaxLength(std::max(nMaxLength, 1)), m_nMaxCount(std::max(nMaxCount, 0)) {
    const size_t nSize = size_t(m_nMaxCount + 1) * size_t(m_nMaxLength + 1);
    m_aRun.assign(nSize, 0);
    m_aHeadGap.assign(nSize, 0);
    m_aHeadBlock.assign(nSize, 0);
    m_aTailGap.assign(nSize, 0);
    m_aTailBlock.assign(nSize, 0);
}

bool CLineAnalyzer::Analyze(const std::uint8_t* pValue, const std::uint8_t* pColor, int nCount,
                            const CellMask* pIn, int nLength, CellMask* pOut) {
    if (nLength > m_nMaxLength || nCount > m_nMaxCount || nLength < 0 || nCount < 0) return false;
    const int n = nLength;
    const int k = nCount;
    m_nLength = n;
    std::uint8_t* aRun = m_aRun.data();
    std::uint8_t* aHG = m_aHeadGap.data();
    std::uint8_t* aHB = m_aHeadBlock.data();
    std::uint8_t* aTG = m_aTailGap.data();
    std::uint8_t* aTB = m_aTailBlock.data();

    for (int j = 0; j < k; ++j) {
        const CellMask bit = ColorBit(pColor[j] & 15);
        std::uint8_t* pRun = aRun + Index(j, 0);
        pRun[0] = 0;
        for (int i = 0; i < n; ++i) pRun[i + 1] = (pIn[i] & bit) ? std::uint8_t(pRun[i] + 1) : 0;
    }
    // Number j may follow number j-1 directly only when their colours differ.
    auto touches = [&](int j) { return j > 0 && j < k && pColor[j - 1] != pColor[j]; };

    // Heads: numbers 0..j-1 inside [0, i).
    for (int j = 0; j <= k; ++j) {
        std::uint8_t* pG = aHG + Index(j, 0);
        std::uint8_t* pB = aHB + Index(j, 0);
        pG[0] = j == 0;
        pB[0] = 0;
        const int v = j > 0 ? pValue[j - 1] : 0;
        const std::uint8_t* pRun = j > 0 ? aRun + Index(j - 1, 0) : nullptr;
        const std::uint8_t* pPrevG = j > 0 ? aHG + Index(j - 1, 0) : nullptr;
        const std::uint8_t* pPrevB = j > 0 ? aHB + Index(j - 1, 0) : nullptr;
        const bool bTouch = touches(j - 1);
        for (int i = 1; i <= n; ++i) {
            pG[i] = (pIn[i - 1] & MASK_BACKGROUND) && (pG[i - 1] | pB[i - 1]);
            std::uint8_t b = 0;
            if (j > 0 && v > 0 && i >= v && pRun[i] >= v) {
                const int s = i - v;
                b = pPrevG[s] || (bTouch && pPrevB[s]);
            }
            pB[i] = b;
        }
    }
    if (!(aHG[Index(k, n)] | aHB[Index(k, n)])) return false;

    // Tails: numbers j..k-1 inside [i, n).
    for (int j = k; j >= 0; --j) {
        std::uint8_t* pG = aTG + Index(j, 0);
        std::uint8_t* pB = aTB + Index(j, 0);
        pG[n] = j == k;
        pB[n] = 0;
        const int v = j < k ? pValue[j] : 0;
        const std::uint8_t* pRun = j < k ? aRun + Index(j, 0) : nullptr;
        const std::uint8_t* pNextG = j < k ? aTG + Index(j + 1, 0) : nullptr;
        const std::uint8_t* pNextB = j < k ? aTB + Index(j + 1, 0) : nullptr;
        const bool bTouch = touches(j + 1);
        for (int i = n - 1; i >= 0; --i) {
            pG[i] = (pIn[i] & MASK_BACKGROUND) && (pG[i + 1] | pB[i + 1]);
            std::uint8_t b = 0;
            if (j < k && v > 0 && i + v <= n && pRun[i + v] >= v) {
                const int e = i + v;
                b = pNextG[e] || (bTouch && pNextB[e]);
            }
            pB[i] = b;
        }
    }

    // Background where some split puts cell i between number j-1 and number j.
    CellMask aOut[256];
    for (int i = 0; i < n; ++i) {
        CellMask m = 0;
        if (pIn[i] & MASK_BACKGROUND) {
            for (int j = 0; j <= k; ++j) {
                if ((aHG[Index(j, i)] | aHB[Index(j, i)]) && (aTG[Index(j, i + 1)] | aTB[Index(j, i + 1)])) {
                    m = MASK_BACKGROUND;
                    break;
                }
            }
        }
        aOut[i] = m;
    }
    // Colours: every start of number j that both sides allow covers its cells.
    for (int j = 0; j < k; ++j) {
        const int v = pValue[j];
        if (v == 0) continue;
        const CellMask bit = ColorBit(pColor[j] & 15);
        const std::uint8_t* pRun = aRun + Index(j, 0);
        const std::uint8_t* pHG = aHG + Index(j, 0);
        const std::uint8_t* pHB = aHB + Index(j, 0);
        const std::uint8_t* pTG = aTG + Index(j + 1, 0);
        const std::uint8_t* pTB = aTB + Index(j + 1, 0);
        const bool bTouchBefore = touches(j);
        const bool bTouchAfter = touches(j + 1);
        int nCovered = 0;  // cells before this are already marked for number j
        for (int s = 0; s + v <= n; ++s) {
            const int e = s + v;
            if (pRun[e] < v) continue;
            if (!(pHG[s] || (bTouchBefore && pHB[s]))) continue;
            if (!(pTG[e] || (bTouchAfter && pTB[e]))) continue;
            for (int i = std::max(s, nCovered); i < e; ++i) aOut[i] |= bit;
            nCovered = e;
        }
    }
    for (int i = 0; i < n; ++i) pOut[i] = aOut[i];
    return true;
}

}  // namespace quenk
