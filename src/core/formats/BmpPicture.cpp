#include "formats/BmpPicture.h"

#include <algorithm>
#include <array>

#include "text/AppStrings.h"

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

CCellScan ScanCells(IPixelBands& bands, std::uint32_t nColumns, std::uint32_t nRows, std::uint32_t p) {
    CCellScan scan;
    scan.m_crCells.resize(std::size_t(nColumns) * nRows);
    std::vector<COLORREF> crCell(std::size_t(p) * p);
    CCellTally tally;
    for (std::uint32_t k = nRows; k-- > 0;) {
        bands.LoadBand(k);
        for (std::uint32_t c = 0; c < nColumns; ++c) {
            for (std::uint32_t i = 0; i < p; ++i) {  // i: pixel row inside the cell, top first
                COLORREF* pOut = crCell.data() + std::size_t(i) * p;
                bands.DecodeSpan(i, c * p, p, pOut);
                if (scan.m_bBlocksUniform && !IsUniformSpan(pOut, int(p))) scan.m_bBlocksUniform = false;
            }
            scan.m_crCells[std::size_t(k) * nColumns + c] = tally.Majority(crCell.data(), crCell.size());
        }
    }
    return scan;
}

CBmpImportResult PuzzleFromCells(const CCellScan& scan, int nColumns, int nRows, COLORREF crBackground,
                                 const BmpFixQuestion& askFix, const CFormatOptions& options) {
    CBmpImportResult result;
    if (!scan.m_bBlocksUniform && !(askFix && askFix())) {
        result.m_nOutcome = EBmpImportOutcome::BMP_DECLINED;
        return result;
    }
    CBmpPalette palette = BuildBmpPalette(scan.m_crCells, crBackground);
    if (palette.m_nColors == 0) {
        result.m_nMessageId = IDS_BMP_TOO_MANY_COLORS;
        return result;
    }
    if (palette.m_nColors == 1) {
        // A puzzle needs a colour besides the background to be edited.
        COLORREF cr = options.m_crMonoColor;
        if (cr == crBackground) cr = crBackground == 0 ? COLOR_WHITE : 0;
        palette.m_crTable[1] = cr;
        palette.m_nColors = 2;
    }

    CCrossword crossword(nColumns, nRows, 0, 0, palette.m_nColors, palette.m_crTable.data());
    const auto cells = crossword.Cells();
    for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = PaletteIndex(palette, scan.m_crCells[i]);
    crossword.ComputeNumbers();
    result.m_nOutcome = EBmpImportOutcome::BMP_IMPORTED;
    result.m_crossword = std::move(crossword);
    return result;
}

}  // namespace quenk
