#include "formats/WriterSupport.h"

namespace quenk {

namespace {
template <class T>
T At(const std::vector<std::vector<T>>& lines, int nLine, int nIndex) {
    if (nLine < 0 || nIndex < 0 || std::size_t(nLine) >= lines.size()) return T{};
    const auto& line = lines[std::size_t(nLine)];
    return std::size_t(nIndex) < line.size() ? line[std::size_t(nIndex)] : T{};
}
}  // namespace

NUMBERCELL TopSlot(const CCrossword& crossword, int c, int i) {
    return At(crossword.m_pTopNumbers, c, i);
}

NUMBERCELL LeftSlot(const CCrossword& crossword, int r, int i) {
    return At(crossword.m_pLeftNumbers, r, i);
}

std::uint8_t CellAt(const CCrossword& crossword, int r, int c) {
    return At(crossword.m_pCells, r, c);
}

}  // namespace quenk
