#include "solver/Line.h"

namespace quenk {

namespace {
CLine LineOver(const std::vector<std::vector<NUMBERCELL>>& area, int nIndex, int nStart, int nStep, int nLength) {
    CLine line;
    line.m_nStart = nStart;
    line.m_nStep = nStep;
    line.m_nLength = nLength;
    if (area.empty()) return line;  // an area of depth 0: no numbers
    const std::vector<NUMBERCELL>& slots = area[size_t(nIndex)];
    line.m_pSlots = slots.data();
    // Empty slots stand before the numbers; a slot holding only the mark counts as a number.
    while (line.m_nFirst < int(slots.size()) && slots[size_t(line.m_nFirst)].value == 0) ++line.m_nFirst;
    line.m_nCount = int(slots.size()) - line.m_nFirst;
    return line;
}
}  // namespace

std::vector<CLine> MakeLines(const CCrossword& crossword) {
    const int W = crossword.m_nWidth, H = crossword.m_nHeight;
    std::vector<CLine> lines;
    lines.reserve(size_t(W + H));
    for (int r = 0; r < H; ++r) lines.push_back(LineOver(crossword.m_pLeftNumbers, r, r * W, 1, W));
    for (int c = 0; c < W; ++c) lines.push_back(LineOver(crossword.m_pTopNumbers, c, c, W, H));
    return lines;
}

}  // namespace quenk
