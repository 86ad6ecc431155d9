#include "solver/GridPropagator.h"

#include <algorithm>
#include <bit>

#include "model/Types.h"
#include "solver/MemoryBudget.h"

namespace quenk {

namespace {
int MaxCount(const SGridClues& clues) {
    int nMax = 0;
    for (size_t i = 0; i + 1 < clues.aFirst.size(); ++i) nMax = std::max(nMax, clues.aFirst[i + 1] - clues.aFirst[i]);
    return nMax;
}
}  // namespace

CGridPropagator::CGridPropagator(const SGridClues& clues)
    : m_clues(clues),
      m_nCells(clues.nWidth * clues.nHeight),
      m_nLines(clues.nWidth + clues.nHeight),
      m_nFull(CellMask((1u << std::clamp(clues.nColors, 1, MAX_COLORS)) - 1)),
      m_aMask(size_t(m_nCells), m_nFull),
      // Each entry narrows a cell for good on the current path: at most 15 per cell.
      m_aTrail(size_t(m_nCells) * (MAX_COLORS - 1) + 1),
      m_aQueue(size_t(m_nLines) + 1),
      m_aQueued(size_t(m_nLines), 0),
      m_analyzer(std::max(clues.nWidth, clues.nHeight), MaxCount(clues)),
      m_aLineStamp(size_t(m_nLines), 1),
      m_aLineDecided(size_t(m_nLines), 0),
      m_aWordColour(size_t(m_nLines), 0) {
    // Lines that the bit-parallel analysis serves get a cache of their answers: probing meets
    // the same line states again and again.
    bool bAnyWords = false;
    for (int nLine = 0; nLine < m_nLines; ++nLine) {
        const auto [nStart, nStep, n, nFirst, nCount] = m_clues.Line(nLine);
        if (n > CLineAnalyzer::MAX_WORD_LENGTH) continue;
        int nColour = nCount > 0 ? m_clues.aColor[size_t(nFirst)] & 15 : 1;
        for (int j = 1; j < nCount; ++j)
            if ((m_clues.aColor[size_t(nFirst + j)] & 15) != nColour) nColour = 0;
        m_aWordColour[size_t(nLine)] = std::uint8_t(nColour);
        bAnyWords |= nColour != 0;
    }
    // Small grids need a small cache: about 256 entries a line, 2^10 to 2^15 in all.
    m_nCacheBits = 10;
    while (m_nCacheBits < MAX_CACHE_BITS && (1 << m_nCacheBits) < 256 * m_nLines) ++m_nCacheBits;
    if (bAnyWords) m_aCache.assign(size_t(1) << m_nCacheBits, CCacheEntry{});
}

std::size_t CGridPropagator::GetMemoryBytes() const {
    return BytesOf(m_clues.aValue) + BytesOf(m_clues.aColor) + BytesOf(m_clues.aFirst) + BytesOf(m_aMask) +
           BytesOf(m_aTrail) + BytesOf(m_aQueue) + BytesOf(m_aQueued) + m_analyzer.GetMemoryBytes() +
           BytesOf(m_aLineStamp) + BytesOf(m_aLineDecided) + BytesOf(m_aWordColour) + BytesOf(m_aCache);
}

void CGridPropagator::Reset(const std::uint8_t* pCells) {
    m_bStopped = false;
    m_nStopLeft = STOP_EVERY;
    m_nTrail = 0;
    m_nUndecided = m_nCells;
    std::fill(m_aLineDecided.begin(), m_aLineDecided.end(), 0);
    for (int i = 0; i < m_nCells; ++i) {
        const std::uint8_t v = pCells[i];
        CellMask m = v == CELL_EMPTY ? m_nFull : v == CELL_CROSS ? MASK_BACKGROUND : ColorBit(v & 15);
        m_aMask[size_t(i)] = m;
        if (!(m & (m - 1))) CountDecided(i, 1);
    }
    ClearQueue();
    for (int nLine = 0; nLine < m_nLines; ++nLine) Queue(nLine);
    m_nClock = 1;
    std::fill(m_aLineStamp.begin(), m_aLineStamp.end(), std::int64_t(1));
}

std::uint8_t CGridPropagator::GetCellValue(int nCell) const {
    const CellMask m = m_aMask[size_t(nCell)];
    if (m == 0 || (m & (m - 1))) return CELL_EMPTY;
    const int nValue = std::countr_zero(unsigned(m));
    return nValue == 0 ? CELL_CROSS : std::uint8_t(nValue);
}

void CGridPropagator::WriteCells(std::uint8_t* pCells) const {
    for (int i = 0; i < m_nCells; ++i) pCells[i] = GetCellValue(i);
}

void CGridPropagator::Queue(int nLine) {
    if (m_aQueued[size_t(nLine)]) return;
    m_aQueued[size_t(nLine)] = 1;
    int nTail = m_nHead + m_nQueued;
    if (nTail >= int(m_aQueue.size())) nTail -= int(m_aQueue.size());
    m_aQueue[size_t(nTail)] = nLine;
    ++m_nQueued;
}

void CGridPropagator::Touch(int nCell) {
    if (!m_bStamping) return;
    const int W = m_clues.nWidth;
    ++m_nClock;
    m_aLineStamp[size_t(nCell / W)] = m_nClock;
    m_aLineStamp[size_t(m_clues.nHeight + nCell % W)] = m_nClock;
}

void CGridPropagator::ClearQueue() {
    std::fill(m_aQueued.begin(), m_aQueued.end(), std::uint8_t(0));
    m_nHead = 0;
    m_nQueued = 0;
}

bool CGridPropagator::Narrow(int nCell, CellMask nMask) {
    const CellMask nOld = m_aMask[size_t(nCell)];
    const CellMask nNew = nOld & nMask;
    if (nNew == nOld) return true;
    if (nNew == 0) return false;
    m_aTrail[size_t(m_nTrail++)] = CTrailEntry{nCell, nOld};
    m_aMask[size_t(nCell)] = nNew;
    if ((nNew & (nNew - 1)) == 0) CountDecided(nCell, 1);
    const int W = m_clues.nWidth;
    Queue(nCell / W);
    Queue(m_clues.nHeight + nCell % W);
    Touch(nCell);
    return true;
}

void CGridPropagator::CountDecided(int nCell, int nDelta) {
    const int W = m_clues.nWidth;
    m_nUndecided -= nDelta;
    m_aLineDecided[size_t(nCell / W)] += nDelta;
    m_aLineDecided[size_t(m_clues.nHeight + nCell % W)] += nDelta;
}

void CGridPropagator::UndoTo(int nMark) {
    while (m_nTrail > nMark) {
        const CTrailEntry& e = m_aTrail[size_t(--m_nTrail)];
        const CellMask nNow = m_aMask[size_t(e.nCell)];
        if ((nNow & (nNow - 1)) == 0 && (e.nOld & (e.nOld - 1)) != 0) CountDecided(e.nCell, -1);
        m_aMask[size_t(e.nCell)] = e.nOld;
        Touch(e.nCell);
    }
}

void CGridPropagator::SetCellMask(int nCell, CellMask nNew, int nCrossLine) {
    m_aTrail[size_t(m_nTrail++)] = CTrailEntry{nCell, m_aMask[size_t(nCell)]};
    m_aMask[size_t(nCell)] = nNew;
    if ((nNew & (nNew - 1)) == 0) CountDecided(nCell, 1);
    Queue(nCrossLine);
    Touch(nCell);
}

bool CGridPropagator::AnalyzeLineWords(int nLine, int nStart, int nStep, int n, int nFirst, int nCount) {
    using Bits = std::uint64_t;
    const int nColour = m_aWordColour[size_t(nLine)];
    const CellMask nBit = ColorBit(nColour);
    Bits nBackground = 0, nColourBits = 0, nOther = 0;
    for (int i = 0, c = nStart; i < n; ++i, c += nStep) {
        const CellMask m = m_aMask[size_t(c)];
        nBackground |= Bits(m & MASK_BACKGROUND) << i;
        nColourBits |= Bits((m & nBit) != 0) << i;
        nOther |= Bits((m & ~(MASK_BACKGROUND | nBit)) != 0) << i;
    }
    ++m_nAnalyses;
    std::uint64_t nHash =
        (nBackground * 0x9E3779B97F4A7C15ULL) ^ ((nColourBits + std::uint64_t(nLine)) * 0xC2B2AE3D27D4EB4FULL);
    nHash ^= nHash >> 29;
    CCacheEntry& entry = m_aCache[size_t(nHash >> (64 - m_nCacheBits))];
    if (entry.nLine != nLine || entry.nBackground != nBackground || entry.nColour != nColourBits) {
        entry.nLine = nLine;
        entry.nBackground = nBackground;
        entry.nColour = nColourBits;
        if (!CLineAnalyzer::AnalyzeOneColourWords(m_clues.aValue.data() + nFirst, nCount, n, nBackground, nColourBits,
                                                  entry.nOutBackground, entry.nOutColour))
            entry.nOutBackground = entry.nOutColour = 0;  // a line with cells always allows something
    }
    if (!(entry.nOutBackground | entry.nOutColour)) return false;
    const bool bRow = nLine < m_clues.nHeight;
    Bits nChanged = (nBackground ^ entry.nOutBackground) | (nColourBits ^ entry.nOutColour) | nOther;
    while (nChanged) {
        const int i = std::countr_zero(nChanged);
        nChanged &= nChanged - 1;
        const CellMask nNew = CellMask(((entry.nOutBackground >> i) & 1 ? MASK_BACKGROUND : 0) |
                                       ((entry.nOutColour >> i) & 1 ? nBit : 0));
        SetCellMask(nStart + i * nStep, nNew, bRow ? m_clues.nHeight + i : i);
    }
    return true;
}

bool CGridPropagator::AnalyzeLine(int nLine) {
    const auto [nStart, nStep, n, nFirst, nCount] = m_clues.Line(nLine);
    if (m_aWordColour[size_t(nLine)]) return AnalyzeLineWords(nLine, nStart, nStep, n, nFirst, nCount);

    CellMask* aIn = m_aLineIn;
    CellMask* aOut = m_aLineOut;
    for (int i = 0, c = nStart; i < n; ++i, c += nStep) aIn[i] = m_aMask[size_t(c)];
    ++m_nAnalyses;
    if (!m_analyzer.Analyze(m_clues.aValue.data() + nFirst, m_clues.aColor.data() + nFirst, nCount, aIn, n, aOut))
        return false;
    for (int i = 0, c = nStart; i < n; ++i, c += nStep) {
        if (aOut[i] == aIn[i]) continue;
        // The line itself is settled by its own analysis: only the crossing line learns.
        SetCellMask(c, aOut[i], nLine < m_clues.nHeight ? m_clues.nHeight + i : i);
    }
    return true;
}

bool CGridPropagator::Propagate() {
    while (m_nQueued > 0) {
        if (m_pStop && --m_nStopLeft <= 0) {
            m_nStopLeft = STOP_EVERY;
            m_bStopped = m_bStopped || m_pStop->ShouldStop();
        }
        if (m_bStopped) {
            ClearQueue();
            m_nFailedLine = -1;
            return false;
        }
        const int nLine = m_aQueue[size_t(m_nHead)];
        if (++m_nHead == int(m_aQueue.size())) m_nHead = 0;
        --m_nQueued;
        m_aQueued[size_t(nLine)] = 0;
        if (!AnalyzeLine(nLine)) {
            ClearQueue();
            m_nFailedLine = nLine;
            return false;
        }
    }
    return true;
}

}  // namespace quenk
