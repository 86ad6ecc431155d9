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

namespace {

using Bits = std::uint64_t;

Bits ReverseWord(Bits x) {
    x = __builtin_bswap64(x);
    x = ((x >> 4) & 0x0F0F0F0F0F0F0F0FULL) | ((x & 0x0F0F0F0F0F0F0F0FULL) << 4);
    x = ((x >> 2) & 0x3333333333333333ULL) | ((x & 0x3333333333333333ULL) << 2);
    x = ((x >> 1) & 0x5555555555555555ULL) | ((x & 0x5555555555555555ULL) << 1);
    return x;
}

// The operations the bit-parallel pass needs, on one word and on a 256-bit set.
Bits Add(Bits a, Bits b) { return a + b; }
Bits Shl(Bits a, int s) { return a << s; }
Bits Shr(Bits a, int s) { return a >> s; }
Bits Reverse(Bits a) { return ReverseWord(a); }  // bit x to bit 63 - x
bool Any(Bits a) { return a != 0; }
bool Test(Bits a, int i) { return (a >> i) & 1; }

struct CWide {
    static constexpr int WORDS = 4;
    Bits w[WORDS] = {};
    CWide operator&(const CWide& o) const {
        CWide r;
        for (int i = 0; i < WORDS; ++i) r.w[i] = w[i] & o.w[i];
        return r;
    }
    CWide operator|(const CWide& o) const {
        CWide r;
        for (int i = 0; i < WORDS; ++i) r.w[i] = w[i] | o.w[i];
        return r;
    }
    CWide operator^(const CWide& o) const {
        CWide r;
        for (int i = 0; i < WORDS; ++i) r.w[i] = w[i] ^ o.w[i];
        return r;
    }
    CWide& operator&=(const CWide& o) { return *this = *this & o; }
    CWide& operator|=(const CWide& o) { return *this = *this | o; }
};
CWide Add(const CWide& a, const CWide& b) {
    CWide r;
    Bits nCarry = 0;
    for (int i = 0; i < CWide::WORDS; ++i) {
        const Bits s = a.w[i] + b.w[i];
        const Bits t = s + nCarry;
        nCarry = Bits(s < a.w[i]) | Bits(t < s);
        r.w[i] = t;
    }
    return r;
}
CWide Shl(const CWide& a, int s) {
    CWide r;
    const int q = s / 64, b = s % 64;
    for (int i = CWide::WORDS - 1; i >= q; --i)
        r.w[i] = (a.w[i - q] << b) | (b && i - q - 1 >= 0 ? a.w[i - q - 1] >> (64 - b) : 0);
    return r;
}
CWide Shr(const CWide& a, int s) {
    CWide r;
    const int q = s / 64, b = s % 64;
    for (int i = 0; i + q < CWide::WORDS; ++i)
        r.w[i] = (a.w[i + q] >> b) | (b && i + q + 1 < CWide::WORDS ? a.w[i + q + 1] << (64 - b) : 0);
    return r;
}
CWide Reverse(const CWide& a) {  // bit x to bit 255 - x
    CWide r;
    for (int i = 0; i < CWide::WORDS; ++i) r.w[i] = ReverseWord(a.w[CWide::WORDS - 1 - i]);
    return r;
}
bool Any(const CWide& a) { return (a.w[0] | a.w[1] | a.w[2] | a.w[3]) != 0; }
bool Test(const CWide& a, int i) { return (a.w[i / 64] >> (i % 64)) & 1; }
template <class B>
B Unit();
template <>
Bits Unit<Bits>() {
    return 1;
}
template <>
CWide Unit<CWide>() {
    CWide r;
    r.w[0] = 1;
    return r;
}
template <class B>
int BitCount() {
    return int(sizeof(B) * 8);
}

// Bit p of a position set: the next free cell is p (0..n). Bit i of a cell set: cell i.
template <class B>
struct COneColourPass {
    B nBackground;  // cells that may be background
    B nColour;      // cells that may take the colour
    // From each position in s, every position reachable over background cells: the carry
    // of the addition runs along each stretch of background cells.
    B Fill(const B& s) const { return (Add(nBackground, s & nBackground) ^ nBackground) | s; }
    // Cells where a block of length v may start: the covered width doubles each step.
    B Starts(int v) const {
        B x = nColour;
        for (int nCovered = 1; nCovered < v && Any(x);) {
            const int nStep = std::min(nCovered, v - nCovered);
            x &= Shr(x, nStep);
            nCovered += nStep;
        }
        return x;
    }
    // aAfter[j]: positions after numbers 0..j-1 (any background after them included);
    // aStart[j]: where number j may start. False when the numbers do not fit.
    bool Forward(const std::uint8_t* pValue, int nCount, int n, B* aAfter, B* aStart) const {
        aAfter[0] = Fill(Unit<B>());
        for (int j = 0; j < nCount; ++j) {
            const B nFree = j == 0 ? aAfter[0] : Fill(Shl(aAfter[j] & nBackground, 1));
            aStart[j] = nFree & Starts(pValue[j]);
            aAfter[j + 1] = Fill(Shl(aStart[j], pValue[j]));
            if (!Any(aAfter[j + 1])) return false;
        }
        return Test(aAfter[nCount], n);
    }
};

// The whole analysis on cell sets of type B (lines of at most BitCount<B>() - 1 cells).
template <class B>
bool AnalyzeOneColourSets(const std::uint8_t* pValue, int nCount, int n, const B& nBackground, const B& nColour,
                          B& nOutBackground, B& nOutColour) {
    constexpr int MAX_COUNT = 128;  // more numbers than fit in 255 cells
    const int nBits = BitCount<B>();
    if (n < 1 || n >= nBits || nCount > MAX_COUNT) return false;
    B nMask = Unit<B>();  // the n cells, doubling the width each step
    for (int i = 1; i < n; i *= 2) nMask |= Shl(nMask, std::min(i, n - i));
    const COneColourPass<B> ahead{nBackground & nMask, nColour & nMask};
    const COneColourPass<B> back{Shr(Reverse(ahead.nBackground), nBits - n), Shr(Reverse(ahead.nColour), nBits - n)};
    B aAfter[MAX_COUNT + 1], aStart[MAX_COUNT];
    B aBackAfter[MAX_COUNT + 1], aBackStart[MAX_COUNT];
    std::uint8_t aBackValue[MAX_COUNT];
    for (int j = 0; j < nCount; ++j) {
        if (pValue[j] == 0 || pValue[j] > n) return false;
        aBackValue[j] = pValue[nCount - 1 - j];
    }
    if (!ahead.Forward(pValue, nCount, n, aAfter, aStart)) return false;
    if (!back.Forward(aBackValue, nCount, n, aBackAfter, aBackStart)) return false;

    // A start s of number j is real when the numbers after it fit too: seen from the other
    // end, that block starts at n - s - v.
    B nFilled{};
    for (int j = 0; j < nCount; ++j) {
        const int v = pValue[j];
        B nValid = aStart[j] & Shr(Reverse(aBackStart[nCount - 1 - j]), nBits - 1 - n + v);
        // Smear each start over its block, doubling the covered width each step.
        for (int nWidth = 1; nWidth < v && Any(nValid); nWidth *= 2)
            nValid |= Shl(nValid, std::min(nWidth, v - nWidth));
        nFilled |= nValid;
    }
    // Cell i is background between numbers j-1 and j when position i follows numbers
    // 0..j-1 and position i + 1 leaves room for the others.
    B nEmpty{};
    for (int j = 0; j <= nCount; ++j)
        nEmpty |= aAfter[j] & ahead.nBackground & Shr(Reverse(aBackAfter[nCount - j]), nBits - n);
    nOutBackground = nEmpty;
    nOutColour = nFilled & nMask;
    return true;
}

}  // namespace

bool CLineAnalyzer::AnalyzeOneColourWords(const std::uint8_t* pValue, int nCount, int nLength,
                                          std::uint64_t nBackground, std::uint64_t nColour,
                                          std::uint64_t& nOutBackground, std::uint64_t& nOutColour) {
    return AnalyzeOneColourSets<Bits>(pValue, nCount, nLength, nBackground, nColour, nOutBackground, nOutColour);
}

bool CLineAnalyzer::AnalyzeOneColourByBits(const std::uint8_t* pValue, int nColor, int nCount, const CellMask* pIn,
                                           int nLength, CellMask* pOut) {
    const int n = nLength;
    if (n < 1 || n > MAX_BITS_LENGTH) return false;
    const CellMask nBit = ColorBit(nColor & 15);
    if (n <= 63) {
        Bits nBackground = 0, nColour = 0;
        for (int i = 0; i < n; ++i) {
            if (pIn[i] & MASK_BACKGROUND) nBackground |= Bits(1) << i;
            if (pIn[i] & nBit) nColour |= Bits(1) << i;
        }
        Bits nOutBackground = 0, nOutColour = 0;
        if (!AnalyzeOneColourSets<Bits>(pValue, nCount, n, nBackground, nColour, nOutBackground, nOutColour))
            return false;
        for (int i = 0; i < n; ++i)
            pOut[i] = CellMask((Test(nOutBackground, i) ? MASK_BACKGROUND : 0) | (Test(nOutColour, i) ? nBit : 0));
        return true;
    }
    CWide nBackground, nColour;
    for (int i = 0; i < n; ++i) {
        if (pIn[i] & MASK_BACKGROUND) nBackground.w[i / 64] |= Bits(1) << (i % 64);
        if (pIn[i] & nBit) nColour.w[i / 64] |= Bits(1) << (i % 64);
    }
    CWide nOutBackground, nOutColour;
    if (!AnalyzeOneColourSets<CWide>(pValue, nCount, n, nBackground, nColour, nOutBackground, nOutColour)) return false;
    for (int i = 0; i < n; ++i)
        pOut[i] = CellMask((Test(nOutBackground, i) ? MASK_BACKGROUND : 0) | (Test(nOutColour, i) ? nBit : 0));
    return true;
}

bool CLineAnalyzer::Analyze(const std::uint8_t* pValue, const std::uint8_t* pColor, int nCount, const CellMask* pIn,
                            int nLength, CellMask* pOut) {
    if (nLength <= MAX_BITS_LENGTH && nLength > 0 && nCount <= 128) {
        bool bOneColour = true;
        for (int j = 1; j < nCount && bOneColour; ++j) bOneColour = pColor[j] == pColor[0];
        if (bOneColour) return AnalyzeOneColourByBits(pValue, nCount > 0 ? pColor[0] : 1, nCount, pIn, nLength, pOut);
    }
    return AnalyzeByTable(pValue, pColor, nCount, pIn, nLength, pOut);
}

bool CLineAnalyzer::AnalyzeByTable(const std::uint8_t* pValue, const std::uint8_t* pColor, int nCount,
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
