#pragma once
// Fewer colours for a picture that has too many to be a puzzle: its colours counted, a
// palette of at most N colours chosen for them (the background always among them), and
// every colour replaced by the nearest of the palette.
#include <array>
#include <cstdint>
#include <vector>

#include "model/Types.h"

namespace quenk {

// The colours of a picture, counted in bins of 32 x 32 x 32 shades, each bin keeping the
// mean of what fell in it.
class CColorHistogram {
public:
    CColorHistogram();
    void Add(COLORREF cr, std::uint64_t nCount = 1);

    struct CColorWeight {
        COLORREF cr;            // the mean colour of a bin
        std::uint64_t nWeight;  // how many pixels fell in it
    };
    // The bins that have pixels, in bin order.
    std::vector<CColorWeight> Colors() const;

private:
    struct CBin {
        std::uint64_t nCount = 0, nRed = 0, nGreen = 0, nBlue = 0;
    };
    std::vector<CBin> m_bins;
};

// At most nColors (clamped to 2..16) colours for the histogram's: crBackground first, then
// the others, the most used first. The background is one of them whatever the picture
// holds; the pixels near it join it.
std::vector<COLORREF> ReducePalette(const CColorHistogram& histogram, int nColors, COLORREF crBackground);

// The entry of palette nearest to cr (squared distance in red, green and blue; the first of
// equally near ones). palette must not be empty.
COLORREF NearestColor(const std::vector<COLORREF>& palette, COLORREF cr);

// The distinct colours of a picture other than its background, counted up to a limit.
class CColorCounter {
public:
    CColorCounter(COLORREF crBackground, int nLimit) : m_crBackground(crBackground), m_nLimit(nLimit) {}
    void Add(COLORREF cr);
    // True once more than the limit have been seen.
    bool Exceeded() const { return m_bExceeded; }

private:
    COLORREF m_crBackground;
    int m_nLimit;
    std::vector<COLORREF> m_seen;
    bool m_bExceeded = false;
};

}  // namespace quenk
