#include "solver/Line.h"

#include <algorithm>

namespace quenk {

CLine::CLine(CCrossword* pCrossword, int nIndex)
    : m_pCrossword(pCrossword), m_nIndex(std::uint8_t(nIndex)) {}

void CLine::CountNumbersIn(const NUMBERCELL* pSlots, bool bForce) {
    if (!bForce && (m_nFirst != 0 || m_nCount != 0)) {
        m_nCount = std::uint8_t(m_nDepth - m_nFirst);
        return;
    }
    int nFirst = 0;
    while (nFirst < m_nDepth && pSlots[nFirst].value == 0) ++nFirst;
    m_nFirst = std::uint8_t(nFirst);
    m_nCount = std::uint8_t(m_nDepth - m_nFirst);
}

namespace {
NUMBERCELL ReadSlot(const std::vector<NUMBERCELL>* pSlots, int nSlot, int nDepth) {
    if (!pSlots || nSlot >= nDepth) return NUMBERCELL{};
    const NUMBERCELL& slot = (*pSlots)[size_t(nSlot)];
    return NUMBERCELL{std::uint8_t(slot.value & NUMBER_VALUE), slot.color};
}

void WriteSlot(std::vector<NUMBERCELL>* pSlots, int nSlot, int nDepth, std::uint8_t nColor,
               std::uint8_t nValue) {
    if (!pSlots || nSlot >= nDepth) return;
    NUMBERCELL& slot = (*pSlots)[size_t(nSlot)];
    const bool bMarked = (slot.value & NUMBER_MARK) != 0;
    slot.color = nColor;
    slot.value = bMarked ? std::uint8_t(nValue | NUMBER_MARK) : nValue;
}

template <class Area>
auto* LineSlots(Area& area, int nIndex) {
    return size_t(nIndex) < area.size() ? &area[size_t(nIndex)] : nullptr;
}
}  // namespace

// ---- rows ----

CRowLine::CRowLine(CCrossword* pCrossword, int nRow) : CLine(pCrossword, nRow) {
    m_nDepth = pCrossword->m_nLeftDepth;
    m_nLength = pCrossword->m_nWidth;
    CountNumbers(true);
}

NUMBERCELL CRowLine::GetNumber(int k) const {
    return ReadSlot(LineSlots(m_pCrossword->m_pLeftNumbers, m_nIndex), m_nFirst + k, m_nDepth);
}

std::uint8_t CRowLine::GetCell(int i) const { return m_pCrossword->m_pCells[m_nIndex][size_t(i)]; }

void CRowLine::SetNumber(int k, std::uint8_t nColor, std::uint8_t nValue) {
    WriteSlot(LineSlots(m_pCrossword->m_pLeftNumbers, m_nIndex), m_nFirst + k, m_nDepth, nColor,
              nValue);
}

void CRowLine::SetCell(int i, std::uint8_t nValue) {
    m_pCrossword->m_pCells[m_nIndex][size_t(i)] = nValue;
}

void CRowLine::ReadCells(std::uint8_t* pOut) const {
    const std::uint8_t* pRow = m_pCrossword->m_pCells[m_nIndex].data();
    std::copy(pRow, pRow + m_nLength, pOut);
}

void CRowLine::WriteCells(const std::uint8_t* pIn) {
    std::copy(pIn, pIn + m_nLength, m_pCrossword->m_pCells[m_nIndex].data());
}

void CRowLine::CountNumbers(bool bForce) {
    auto* pSlots = LineSlots(m_pCrossword->m_pLeftNumbers, m_nIndex);
    if (!pSlots || pSlots->size() < m_nDepth) m_nDepth = 0;
    CountNumbersIn(pSlots ? pSlots->data() : nullptr, bForce);
}

// ---- columns ----

CColumnLine::CColumnLine(CCrossword* pCrossword, int nColumn) : CLine(pCrossword, nColumn) {
    m_nDepth = pCrossword->m_nTopDepth;
    m_nLength = pCrossword->m_nHeight;
    CountNumbers(true);
}

NUMBERCELL CColumnLine::GetNumber(int k) const {
    return ReadSlot(LineSlots(m_pCrossword->m_pTopNumbers, m_nIndex), m_nFirst + k, m_nDepth);
}

std::uint8_t CColumnLine::GetCell(int i) const {
    return m_pCrossword->m_pCells[size_t(i)][m_nIndex];
}

void CColumnLine::SetNumber(int k, std::uint8_t nColor, std::uint8_t nValue) {
    WriteSlot(LineSlots(m_pCrossword->m_pTopNumbers, m_nIndex), m_nFirst + k, m_nDepth, nColor,
              nValue);
}

void CColumnLine::SetCell(int i, std::uint8_t nValue) {
    m_pCrossword->m_pCells[size_t(i)][m_nIndex] = nValue;
}

void CColumnLine::ReadCells(std::uint8_t* pOut) const {
    auto& cells = m_pCrossword->m_pCells;
    for (int i = 0; i < m_nLength; ++i) pOut[i] = cells[size_t(i)][m_nIndex];
}

void CColumnLine::WriteCells(const std::uint8_t* pIn) {
    auto& cells = m_pCrossword->m_pCells;
    for (int i = 0; i < m_nLength; ++i) cells[size_t(i)][m_nIndex] = pIn[i];
}

void CColumnLine::CountNumbers(bool bForce) {
    auto* pSlots = LineSlots(m_pCrossword->m_pTopNumbers, m_nIndex);
    if (!pSlots || pSlots->size() < m_nDepth) m_nDepth = 0;
    CountNumbersIn(pSlots ? pSlots->data() : nullptr, bForce);
}

// ---- the puzzle's line array ----

void CCrossword::MakeLines() {
    FreeLines();
    m_pLines.reserve(size_t(m_nHeight) + m_nWidth);
    for (int r = 0; r < m_nHeight; ++r) m_pLines.push_back(std::make_unique<CRowLine>(this, r));
    for (int c = 0; c < m_nWidth; ++c) m_pLines.push_back(std::make_unique<CColumnLine>(this, c));
    m_aLineSettled.assign(m_pLines.size(), 0);
}

void CCrossword::FreeLines() {
    m_pLines.clear();
    m_aLineSettled.clear();
}

}  // namespace quenk
