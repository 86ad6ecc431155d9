#include "formats/ColorReduction.h"

#include <algorithm>

namespace quenk {

namespace {

constexpr int BIN_BITS = 5;
constexpr std::size_t BIN_COUNT = std::size_t(1) << (3 * BIN_BITS);
constexpr int LLOYD_ROUNDS = 12;

std::size_t BinOf(COLORREF cr) {
    constexpr int nShift = 8 - BIN_BITS;
    return (std::size_t(GetRValue(cr) >> nShift) << (2 * BIN_BITS)) |
           (std::size_t(GetGValue(cr) >> nShift) << BIN_BITS) | std::size_t(GetBValue(cr) >> nShift);
}

int Channel(COLORREF cr, int nChannel) {
    return nChannel == 0 ? GetRValue(cr) : nChannel == 1 ? GetGValue(cr) : GetBValue(cr);
}

std::int64_t Distance(COLORREF a, COLORREF b) {
    std::int64_t nSum = 0;
    for (int c = 0; c < 3; ++c) {
        const std::int64_t d = Channel(a, c) - Channel(b, c);
        nSum += d * d;
    }
    return nSum;
}

using CColorWeight = CColorHistogram::CColorWeight;

// A mean colour kept as sums until it is read.
struct CMean {
    std::uint64_t nWeight = 0, nRed = 0, nGreen = 0, nBlue = 0;
    void Add(const CColorWeight& color) {
        nWeight += color.nWeight;
        nRed += color.nWeight * GetRValue(color.cr);
        nGreen += color.nWeight * GetGValue(color.cr);
        nBlue += color.nWeight * GetBValue(color.cr);
    }
    COLORREF Color() const {
        if (nWeight == 0) return 0;
        const auto Round = [&](std::uint64_t nSum) { return std::uint8_t((nSum + nWeight / 2) / nWeight); };
        return MakeRGB(Round(nRed), Round(nGreen), Round(nBlue));
    }
};

}  // namespace

CColorHistogram::CColorHistogram() : m_bins(BIN_COUNT) {}

void CColorHistogram::Add(COLORREF cr, std::uint64_t nCount) {
    CBin& bin = m_bins[BinOf(cr)];
    bin.nCount += nCount;
    bin.nRed += nCount * GetRValue(cr);
    bin.nGreen += nCount * GetGValue(cr);
    bin.nBlue += nCount * GetBValue(cr);
}

std::vector<CColorWeight> CColorHistogram::Colors() const {
    std::vector<CColorWeight> colors;
    for (const CBin& bin : m_bins) {
        if (bin.nCount == 0) continue;
        CMean mean{bin.nCount, bin.nRed, bin.nGreen, bin.nBlue};
        colors.push_back({mean.Color(), bin.nCount});
    }
    return colors;
}

std::vector<COLORREF> ReducePalette(const CColorHistogram& histogram, int nColors, COLORREF crBackground) {
    const std::size_t nFree = std::size_t(std::clamp(nColors, 2, MAX_COLORS) - 1);
    std::vector<CColorWeight> colors = histogram.Colors();
    std::vector<COLORREF> centres{crBackground};
    if (colors.empty()) return centres;

    // The starting colours are picked one at a time, each the colour that the colours
    // picked so far stand for worst (its pixels times its squared distance from the nearest),
    // so every well-separated group of colours gets one; rounds of Lloyd's method then move
    // each to the mean of the colours nearest to it, the background staying where it is.
    while (centres.size() <= nFree) {
        std::uint64_t nWorst = 0;
        COLORREF crWorst = 0;
        for (const CColorWeight& color : colors)
            if (const std::uint64_t n =
                    color.nWeight * std::uint64_t(Distance(color.cr, NearestColor(centres, color.cr)));
                n > nWorst) {
                nWorst = n;
                crWorst = color.cr;
            }
        if (nWorst == 0) break;  // every colour is already a centre
        centres.push_back(crWorst);
    }
    std::vector<CMean> means(centres.size());
    for (int nRound = 0; nRound < LLOYD_ROUNDS; ++nRound) {
        std::fill(means.begin(), means.end(), CMean{});
        for (const CColorWeight& color : colors) {
            const COLORREF crNearest = NearestColor(centres, color.cr);
            means[std::size_t(std::find(centres.begin(), centres.end(), crNearest) - centres.begin())].Add(color);
        }
        bool bMoved = false;
        for (std::size_t k = 1; k < centres.size(); ++k) {
            if (means[k].nWeight == 0 || means[k].Color() == centres[k]) continue;
            centres[k] = means[k].Color();
            bMoved = true;
        }
        if (!bMoved) break;
    }

    // The colours that kept some pixels, each once, the most used first.
    std::vector<std::pair<std::uint64_t, COLORREF>> used;
    for (std::size_t k = 1; k < centres.size(); ++k) {
        if (means[k].nWeight == 0 || centres[k] == crBackground) continue;
        const auto pSame =
            std::find_if(used.begin(), used.end(), [&](const auto& u) { return u.second == centres[k]; });
        if (pSame != used.end())
            pSame->first += means[k].nWeight;
        else
            used.emplace_back(means[k].nWeight, centres[k]);
    }
    std::stable_sort(used.begin(), used.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<COLORREF> palette{crBackground};
    for (const auto& u : used) palette.push_back(u.second);
    return palette;
}

COLORREF NearestColor(const std::vector<COLORREF>& palette, COLORREF cr) {
    COLORREF crBest = palette.front();
    std::int64_t nBest = Distance(crBest, cr);
    for (std::size_t k = 1; k < palette.size() && nBest != 0; ++k)
        if (const std::int64_t n = Distance(palette[k], cr); n < nBest) {
            nBest = n;
            crBest = palette[k];
        }
    return crBest;
}

void CColorCounter::Add(COLORREF cr) {
    if (m_bExceeded || cr == m_crBackground) return;
    if (!m_seen.empty() && m_seen.back() == cr) return;
    if (std::find(m_seen.begin(), m_seen.end(), cr) != m_seen.end()) return;
    if (int(m_seen.size()) == m_nLimit) {
        m_bExceeded = true;
        return;
    }
    m_seen.push_back(cr);
}

}  // namespace quenk
