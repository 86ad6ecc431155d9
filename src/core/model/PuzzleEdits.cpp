#include "model/PuzzleEdits.h"

#include <algorithm>

namespace quenk {

namespace {

constexpr int MIN_PALETTE = 2;  // the background and one colour

// The slots of the lines that remain, aligned at the grid's end: new slot s takes old slot
// s + (old depth - new depth) while that is not negative.
void CopyAttachedNumbers(const std::vector<std::vector<NUMBERCELL>>& from, std::vector<std::vector<NUMBERCELL>>& to,
                         int nLines) {
    for (int k = 0; k < nLines; ++k) {
        const auto& src = from[std::size_t(k)];
        auto& dst = to[std::size_t(k)];
        const int nShift = int(src.size()) - int(dst.size());
        for (int s = int(dst.size()) - 1; s >= 0 && s + nShift >= 0; --s)
            dst[std::size_t(s)] = src[std::size_t(s + nShift)];
    }
}

}  // namespace

bool ClearPuzzle(CCrossword& puzzle, IUndoRecorder* pRecorder) {
    bool bChanged = puzzle.ClearMarks(pRecorder, true, false);
    for (std::uint8_t& cell : puzzle.Cells()) {
        if (cell == CELL_EMPTY) continue;
        if (!bChanged && pRecorder) pRecorder->RecordSnapshot(puzzle);
        bChanged = true;
        cell = CELL_EMPTY;
    }
    return bChanged;
}

std::optional<CCrossword> ResizePuzzle(const CCrossword& puzzle, int nWidth, int nHeight, int nLeftDepth,
                                       int nTopDepth) {
    const auto inRange = [](int n, int nMin) { return n >= nMin && n <= MAX_SIZE; };
    if (!inRange(nWidth, 1) || !inRange(nHeight, 1) || !inRange(nLeftDepth, 0) || !inRange(nTopDepth, 0))
        return std::nullopt;
    CCrossword resized(nWidth, nHeight, nLeftDepth, nTopDepth, puzzle.m_nColors, puzzle.m_crColors.data());
    const int w = std::min<int>(nWidth, puzzle.m_nWidth), h = std::min<int>(nHeight, puzzle.m_nHeight);
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) resized.SetCell(r, c, puzzle.GetCell(r, c));
    // An area of depth 0 has no lines at all, on either side.
    if (!puzzle.m_pTopNumbers.empty() && !resized.m_pTopNumbers.empty())
        CopyAttachedNumbers(puzzle.m_pTopNumbers, resized.m_pTopNumbers, w);
    if (!puzzle.m_pLeftNumbers.empty() && !resized.m_pLeftNumbers.empty())
        CopyAttachedNumbers(puzzle.m_pLeftNumbers, resized.m_pLeftNumbers, h);
    // A new shape is still the same puzzle: its title and author stay.
    resized.SetMetadata(puzzle.Metadata());
    return resized;
}

bool ChangePalette(CCrossword& puzzle, int nColors, const std::array<COLORREF, MAX_COLORS>& crColors,
                   IUndoRecorder* pRecorder) {
    nColors = std::clamp(nColors, MIN_PALETTE, MAX_COLORS);
    const bool bChanged = nColors != puzzle.m_nColors ||
                          !std::equal(crColors.begin(), crColors.begin() + nColors, puzzle.m_crColors.begin());
    if (!bChanged) return false;
    if (pRecorder) pRecorder->RecordSnapshot(puzzle);
    puzzle.m_nColors = std::uint8_t(nColors);
    std::copy_n(crColors.begin(), nColors, puzzle.m_crColors.begin());
    puzzle.UpdateDarkFlags();

    // What used a colour that is gone takes colour 1; the background and crosses stay.
    const std::uint8_t nLast = std::uint8_t(nColors - 1);
    for (std::uint8_t& cell : puzzle.Cells())
        if (cell > nLast && cell != CELL_CROSS) cell = 1;
    for (auto* pArea : {&puzzle.m_pTopNumbers, &puzzle.m_pLeftNumbers})
        for (auto& line : *pArea)
            for (NUMBERCELL& slot : line)
                if (slot.color > nLast) slot.color = 1;
    return true;
}

}  // namespace quenk
