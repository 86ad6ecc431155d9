#include "solver/GridClues.h"

#include "solver/DeductiveSearch.h"

namespace quenk {

namespace {
// The numbers of one line in order, skipping empty slots; the mark does not count.
std::vector<std::pair<std::uint8_t, std::uint8_t>> NumbersOf(const std::vector<std::vector<NUMBERCELL>>& area,
                                                             int nLine) {
    std::vector<std::pair<std::uint8_t, std::uint8_t>> numbers;
    if (nLine < int(area.size()))
        for (const NUMBERCELL& slot : area[size_t(nLine)])
            if (slot.value & NUMBER_VALUE) numbers.emplace_back(std::uint8_t(slot.value & NUMBER_VALUE), slot.color);
    return numbers;
}
}  // namespace

SGridClues GridCluesOf(const CCrossword& puzzle) {
    std::vector<std::vector<std::pair<std::uint8_t, std::uint8_t>>> lines;
    for (int r = 0; r < puzzle.m_nHeight; ++r) lines.push_back(NumbersOf(puzzle.m_pLeftNumbers, r));
    for (int c = 0; c < puzzle.m_nWidth; ++c) lines.push_back(NumbersOf(puzzle.m_pTopNumbers, c));
    return MakeGridClues(puzzle.m_nWidth, puzzle.m_nHeight, puzzle.m_nColors, lines);
}

std::vector<std::uint8_t> GridCellsOf(const CCrossword& puzzle) {
    const auto cells = puzzle.Cells();
    return std::vector<std::uint8_t>(cells.begin(), cells.end());
}

}  // namespace quenk
