#include "model/Crossword.h"

#include <algorithm>
#include <utility>

namespace quenk {

CCrossword::CCrossword(int nWidth, int nHeight, int nLeftDepth, int nTopDepth, int nColors, const COLORREF* pColors) {
    m_nColors = std::uint8_t(nColors);
    std::copy(pColors, pColors + MAX_COLORS, m_crColors.begin());
    UpdateDarkFlags();
    m_nWidth = std::uint8_t(nWidth);
    m_nHeight = std::uint8_t(nHeight);
    m_nLeftDepth = std::uint8_t(nLeftDepth);
    m_nTopDepth = std::uint8_t(nTopDepth);
    if (m_nTopDepth != 0) m_pTopNumbers.assign(m_nWidth, std::vector<NUMBERCELL>(m_nTopDepth));
    if (m_nLeftDepth != 0) m_pLeftNumbers.assign(m_nHeight, std::vector<NUMBERCELL>(m_nLeftDepth));
    m_aCells.assign(std::size_t(m_nWidth) * m_nHeight, CELL_EMPTY);
}

namespace {
bool InRange(int n, int nMin, int nMax) { return n >= nMin && n <= nMax; }

bool ShapeFits(int nWidth, int nHeight, int nLeftDepth, int nTopDepth, int nColors) {
    return InRange(nWidth, 1, MAX_SIZE) && InRange(nHeight, 1, MAX_SIZE) && InRange(nLeftDepth, 0, MAX_SIZE) &&
           InRange(nTopDepth, 0, MAX_SIZE) && InRange(nColors, 2, MAX_COLORS);
}

// nLines arrays of nDepth slots each, or none at all when the depth is 0.
bool AreaFits(const std::vector<std::vector<NUMBERCELL>>& area, int nLines, int nDepth) {
    if (nDepth == 0) return area.empty();
    return area.size() == std::size_t(nLines) && std::all_of(area.begin(), area.end(), [&](const auto& slots) {
               return slots.size() == std::size_t(nDepth);
           });
}
}  // namespace

std::optional<CCrossword> CCrossword::Create(int nWidth, int nHeight, int nLeftDepth, int nTopDepth, int nColors,
                                             const COLORREF* pColors) {
    if (!ShapeFits(nWidth, nHeight, nLeftDepth, nTopDepth, nColors)) return std::nullopt;
    if ((nLeftDepth == 0) != (nTopDepth == 0)) return std::nullopt;
    return CCrossword(nWidth, nHeight, nLeftDepth, nTopDepth, nColors, pColors);
}

std::optional<CCrossword> CCrossword::FromStaging(CStagingPuzzle&& staging) {
    const CStagingPuzzle& s = staging;
    // A grid without cells has nothing to draw, solve or export: it is no puzzle.
    if (!ShapeFits(s.m_nWidth, s.m_nHeight, s.m_nLeftDepth, s.m_nTopDepth, s.m_nColors) ||
        !AreaFits(s.m_pTopNumbers, s.m_nWidth, s.m_nTopDepth) ||
        !AreaFits(s.m_pLeftNumbers, s.m_nHeight, s.m_nLeftDepth) ||
        s.m_aCells.size() != std::size_t(s.m_nWidth) * std::size_t(s.m_nHeight))
        return std::nullopt;
    CCrossword puzzle;
    puzzle.m_nColors = std::uint8_t(s.m_nColors);
    puzzle.m_crColors = s.m_crColors;
    puzzle.UpdateDarkFlags();
    puzzle.m_nWidth = std::uint8_t(s.m_nWidth);
    puzzle.m_nHeight = std::uint8_t(s.m_nHeight);
    puzzle.m_nLeftDepth = std::uint8_t(s.m_nLeftDepth);
    puzzle.m_nTopDepth = std::uint8_t(s.m_nTopDepth);
    puzzle.m_pTopNumbers = std::move(staging.m_pTopNumbers);
    puzzle.m_pLeftNumbers = std::move(staging.m_pLeftNumbers);
    puzzle.m_aCells = std::move(staging.m_aCells);
    if (s.m_bNumbersFromPicture) puzzle.ComputeNumbers();
    return puzzle;
}

CCrossword CCrossword::Clone(bool bPictureOnly) const {
    CCrossword copy = *this;
    if (bPictureOnly) {
        copy.m_nLeftDepth = 0;
        copy.m_nTopDepth = 0;
        copy.m_pTopNumbers.clear();
        copy.m_pLeftNumbers.clear();
    }
    return copy;
}

void CCrossword::UpdateDarkFlags() {
    for (int i = 0; i < MAX_COLORS; ++i) {
        const COLORREF c = m_crColors[size_t(i)];
        const double R = GetRValue(c), G = GetGValue(c), B = GetBValue(c);
        const double r = 255.0f * R / (56100.0f - 22.0f * B);
        const double g = 255.0f * G / (47175.0f - 19.0f * B);
        m_bDark[size_t(i)] = (r * r + g * g < 1.0) ? 1 : 0;
    }
}

namespace {

// Fills the slots of one line from its cells: blocks are maximal runs of equal non-zero
// values; the block nearest the grid lands in the last slot. cellAt(p) reads position p
// counted from the grid outward.
template <class CellAt>
void FillLineNumbers(std::vector<NUMBERCELL>& slots, int nLength, CellAt cellAt) {
    int nSlot = int(slots.size()) - 1;
    int p = 0;
    while (p < nLength) {
        const std::uint8_t v = cellAt(p);
        if (v == 0) {
            ++p;
            continue;
        }
        int nRun = 0;
        while (p < nLength && cellAt(p) == v) {
            ++p;
            ++nRun;
        }
        // Runs longer than 127 keep the plain low byte; the clue check rejects them.
        slots[size_t(nSlot--)] = NUMBERCELL{std::uint8_t(nRun), v};
    }
}

template <class CellAt>
int CountBlocks(int nLength, CellAt cellAt) {
    int nBlocks = 0;
    std::uint8_t prev = 0;
    for (int p = 0; p < nLength; ++p) {
        const std::uint8_t v = cellAt(p);
        if (v != 0 && v != prev) ++nBlocks;
        prev = v;
    }
    return nBlocks;
}

}  // namespace

void CCrossword::ComputeNumbers() {
    const int W = m_nWidth, H = m_nHeight;
    int nTop = 0, nLeft = 0;
    for (int c = 0; c < W; ++c) nTop = std::max(nTop, CountBlocks(H, [&](int r) { return GetCell(r, c); }));
    for (int r = 0; r < H; ++r) nLeft = std::max(nLeft, CountBlocks(W, [&](int c) { return GetCell(r, c); }));

    m_nTopDepth = std::uint8_t(nTop);
    m_pTopNumbers.clear();
    if (nTop != 0) {
        m_pTopNumbers.assign(size_t(W), std::vector<NUMBERCELL>(size_t(nTop)));
        for (int c = 0; c < W; ++c)
            FillLineNumbers(m_pTopNumbers[size_t(c)], H, [&](int p) { return GetCell(H - 1 - p, c); });
    }
    m_nLeftDepth = std::uint8_t(nLeft);
    m_pLeftNumbers.clear();
    if (nLeft != 0) {
        m_pLeftNumbers.assign(size_t(H), std::vector<NUMBERCELL>(size_t(nLeft)));
        for (int r = 0; r < H; ++r)
            FillLineNumbers(m_pLeftNumbers[size_t(r)], W, [&](int p) { return GetCell(r, W - 1 - p); });
    }
    UpdateDarkFlags();
}

namespace {
void AlignLine(std::vector<NUMBERCELL>& slots) {
    int w = int(slots.size()) - 1;
    for (int r = int(slots.size()) - 1; r >= 0; --r) {
        if (slots[size_t(r)].value == 0) continue;
        if (r != w) {
            slots[size_t(w)] = slots[size_t(r)];
            slots[size_t(r)] = NUMBERCELL{};
        }
        --w;
    }
}
}  // namespace

void CCrossword::AlignNumbers() {
    for (auto& row : m_pLeftNumbers) AlignLine(row);
    for (auto& column : m_pTopNumbers) AlignLine(column);
}

bool CCrossword::ClearMarks(IUndoRecorder* pRecorder, bool bClearMarks, bool bClearCrosses) {
    bool bChanged = false;
    auto beforeChange = [&] {
        if (!bChanged && pRecorder) pRecorder->RecordSnapshot(*this);
        bChanged = true;
    };
    if (bClearCrosses) {
        for (auto& cell : m_aCells)
            if (cell == CELL_CROSS) {
                beforeChange();
                cell = CELL_EMPTY;
            }
    }
    if (bClearMarks) {
        for (auto* pArea : {&m_pTopNumbers, &m_pLeftNumbers})
            for (auto& line : *pArea)
                for (auto& slot : line)
                    if (slot.value & NUMBER_MARK) {
                        beforeChange();
                        slot.value &= NUMBER_VALUE;
                    }
    }
    return bChanged;
}

COLORREF CCrossword::GetCellColor(std::uint8_t nValue) const {
    // Crosses, undecided cells and bytes no palette entry stands for all show the background.
    return nValue < MAX_COLORS ? m_crColors[nValue] : m_crColors[0];
}

COLORREF CCrossword::GetNumberColor(std::uint8_t nColorIndex) const {
    return nColorIndex < MAX_COLORS ? m_crColors[nColorIndex] : m_crColors[0];
}

bool CCrossword::IsDarkIndex(std::uint8_t nColorIndex) const {
    return m_bDark[nColorIndex < MAX_COLORS ? nColorIndex : 0] != 0;
}

const CPuzzleMetadata& CCrossword::Metadata() const {
    static const CPuzzleMetadata kNone;
    return m_metadata.pRecord ? *m_metadata.pRecord : kNone;
}

void CCrossword::SetMetadata(CPuzzleMetadata metadata) {
    if (metadata.IsEmpty())
        m_metadata.pRecord.reset();
    else
        m_metadata.pRecord = std::make_shared<const CPuzzleMetadata>(std::move(metadata));
}

void CCrossword::SetMonoPalette(COLORREF crMonoColor) {
    m_nColors = 2;
    m_crColors.fill(0);
    m_crColors[0] = COLOR_WHITE;
    m_crColors[1] = crMonoColor;
    UpdateDarkFlags();
}

}  // namespace quenk
