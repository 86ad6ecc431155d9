#include "formats/BmpPicture.h"

#include <algorithm>
#include <array>

namespace quenk {

bool IsUniformSpan(const COLORREF* pPixels, int p) {
    return std::all_of(pPixels, pPixels + p, [&](COLORREF cr) { return cr == pPixels[0]; });
}

COLORREF CCellTally::Majority(const COLORREF* pPixels, std::size_t nCount) {
    if (nCount == 0) return 0;
    if (IsUniformSpan(pPixels, int(nCount))) return pPixels[0];
    // Few colours: count them in order of appearance.
    constexpr std::size_t SMALL_TALLY = 8;
    std::array<COLORREF, SMALL_TALLY> crSeen{};
    std::array<std::size_t, SMALL_TALLY> nSeen{};
    std::size_t nDistinct = 0, i = 0;
    for (; i < nCount; ++i) {
        std::size_t k = 0;
        while (k < nDistinct && crSeen[k] != pPixels[i]) ++k;
        if (k == nDistinct) {
            if (nDistinct == SMALL_TALLY) break;
            crSeen[nDistinct++] = pPixels[i];
        }
        ++nSeen[k];
    }
    if (i == nCount) {
        std::size_t nBest = 0;
        for (std::size_t k = 1; k < nDistinct; ++k)
            if (nSeen[k] > nSeen[nBest]) nBest = k;
        return crSeen[nBest];
    }
    // Sorting (colour, position) pairs groups each colour with its first position in front,
    // which costs O(n log n) whatever the number of distinct colours (up to p * p).
    m_keys.resize(nCount);
    for (i = 0; i < nCount; ++i) m_keys[i] = (std::uint64_t(pPixels[i]) << 32) | i;
    std::sort(m_keys.begin(), m_keys.end());
    std::size_t nBestCount = 0;
    std::uint64_t nBestFirst = 0;
    COLORREF crBest = 0;
    for (i = 0; i < nCount;) {
        const COLORREF cr = COLORREF(m_keys[i] >> 32);
        const std::uint64_t nFirst = m_keys[i] & 0xFFFFFFFFu;
        std::size_t j = i + 1;
        while (j < nCount && COLORREF(m_keys[j] >> 32) == cr) ++j;
        const std::size_t n = j - i;
        if (n > nBestCount || (n == nBestCount && nFirst < nBestFirst)) {
            nBestCount = n;
            nBestFirst = nFirst;
            crBest = cr;
        }
        i = j;
    }
    return crBest;
}

CBmpPalette BuildBmpPalette(const std::vector<COLORREF>& crCells, COLORREF crBackground) {
    CBmpPalette palette;
    palette.m_crTable[0] = crBackground;
    palette.m_nColors = 1;
    for (COLORREF cr : crCells) {
        const auto pEnd = palette.m_crTable.begin() + palette.m_nColors;
        if (std::find(palette.m_crTable.begin(), pEnd, cr) != pEnd) continue;
        if (palette.m_nColors == MAX_COLORS) return CBmpPalette{};
        palette.m_crTable[std::size_t(palette.m_nColors++)] = cr;
    }
    return palette;
}

std::uint8_t PaletteIndex(const CBmpPalette& palette, COLORREF cr) {
    for (int i = 0; i < palette.m_nColors; ++i)
        if (palette.m_crTable[std::size_t(i)] == cr) return std::uint8_t(i);
    return 0;
}

}  // namespace quenk
