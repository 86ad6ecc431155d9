#include "formats/WriterSupport.h"

#include <algorithm>

namespace quenk {

bool IsBlankPicture(const CCrossword& crossword) {
    const auto cells = crossword.Cells();
    return std::all_of(cells.begin(), cells.end(), [](std::uint8_t v) { return v == 0; });
}

}  // namespace quenk

namespace quenk {

const CCrossword& Numbered(const CCrossword& crossword, std::optional<CCrossword>& computed) {
    if (crossword.HasNumbers()) return crossword;
    computed = crossword;
    computed->ComputeNumbers();
    return *computed;
}

std::vector<std::vector<NUMBERCELL>> LineNumbers(const std::vector<std::vector<NUMBERCELL>>& area, int nLines) {
    std::vector<std::vector<NUMBERCELL>> lines(std::size_t(std::max(nLines, 0)));
    for (std::size_t i = 0; i < lines.size() && i < area.size(); ++i)
        for (const NUMBERCELL& n : area[i])
            if ((n.value & NUMBER_VALUE) != 0)
                lines[i].push_back(NUMBERCELL{std::uint8_t(n.value & NUMBER_VALUE), n.color});
    return lines;
}

namespace {

// The blocks of one line of cells, cellAt(p) for p from 0 to nLength - 1.
template <class CellAt>
std::vector<NUMBERCELL> Blocks(int nLength, CellAt cellAt) {
    std::vector<NUMBERCELL> blocks;
    for (int p = 0; p < nLength;) {
        const std::uint8_t v = cellAt(p);
        int n = 0;
        for (; p < nLength && cellAt(p) == v; ++p) ++n;
        if (IsFilledCell(v)) blocks.push_back(NUMBERCELL{std::uint8_t(std::min(n, 255)), v});
    }
    return blocks;
}

}  // namespace

bool IsCompletePicture(const CCrossword& crossword) {
    const int W = crossword.m_nWidth, H = crossword.m_nHeight;
    const auto rows = LineNumbers(crossword.m_pLeftNumbers, H);
    const auto columns = LineNumbers(crossword.m_pTopNumbers, W);
    for (int r = 0; r < H; ++r)
        if (Blocks(W, [&](int c) { return crossword.GetCell(r, c); }) != rows[std::size_t(r)]) return false;
    for (int c = 0; c < W; ++c)
        if (Blocks(H, [&](int r) { return crossword.GetCell(r, c); }) != columns[std::size_t(c)]) return false;
    return true;
}

}  // namespace quenk
