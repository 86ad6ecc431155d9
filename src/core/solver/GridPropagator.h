#pragma once
// Line deduction over a whole grid with the complete line analysis: each cell holds the set
// of values it may still take, a line is analysed again only after one of its cells
// narrowed, and every narrowing is kept on a trail so that it can be taken back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "solver/LineAnalysis.h"
#include "solver/StopPoll.h"

namespace quenk {

// A puzzle's numbers on plain arrays: line L (rows top to bottom, then columns left to
// right) has the numbers aFirst[L] .. aFirst[L + 1] - 1 of aValue/aColor.
struct SGridClues {
    int nWidth = 0;
    int nHeight = 0;
    int nColors = 2;  // palette entries, background included: the values a cell may take
    std::vector<std::uint8_t> aValue;
    std::vector<std::uint8_t> aColor;
    std::vector<int> aFirst;  // nHeight + nWidth + 1 entries

    // Where line nLine (rows first, then columns) lies in the row-major grid, and where its
    // numbers start in aValue and aColor.
    struct SLine {
        int nStart, nStep, nLength, nFirst, nCount;
    };
    SLine Line(int nLine) const {
        const bool bRow = nLine < nHeight;
        const int nFirst = aFirst[size_t(nLine)];
        return {bRow ? nLine * nWidth : nLine - nHeight, bRow ? 1 : nWidth, bRow ? nWidth : nHeight, nFirst,
                aFirst[size_t(nLine) + 1] - nFirst};
    }
};

class CGridPropagator {
public:
    explicit CGridPropagator(const SGridClues& clues);

    // Starts over from cell bytes (undecided, cross or colour), row-major; every line queued.
    void Reset(const std::uint8_t* pCells);

    // Restricts a cell to nMask (values outside its current set are ignored) and queues its
    // two lines. False when nothing is left.
    bool Narrow(int nCell, CellMask nMask);
    // Analyses queued lines until none is left. False on a line with no arrangement; the
    // queue is then empty and the grid stays as the failing line found it.
    bool Propagate();
    // After Propagate failed on a contradiction: the line with no arrangement (rows first,
    // then columns); -1 after a stop or before any failure.
    int GetFailedLine() const { return m_nFailedLine; }
    // Asked every 64 line analyses (one may take a tenth of a millisecond on long lines of
    // many colours, and propagation from a blank grid of 255 x 255 runs for seconds). Once it
    // has said stop, Propagate fails at once until Reset; the caller tells that from a
    // contradiction by its poll.
    void SetStopPoll(IStopPoll* pStop) { m_pStop = pStop; }
    // Whether the poll has said stop since the last Reset.
    bool IsStopped() const { return m_bStopped; }

    int GetTrailSize() const { return m_nTrail; }
    // Takes back every narrowing made after the trail had nMark entries.
    void UndoTo(int nMark);
    // Cells narrowed since the trail had nMark entries, in order, possibly repeated.
    int TrailCell(int nEntry) const { return m_aTrail[size_t(nEntry)].nCell; }

    CellMask GetMask(int nCell) const { return m_aMask[size_t(nCell)]; }
    bool IsDecided(int nCell) const { return (m_aMask[size_t(nCell)] & (m_aMask[size_t(nCell)] - 1)) == 0; }
    int GetUndecidedCount() const { return m_nUndecided; }
    // Whether the cell's row or column holds a decided cell.
    bool HasDecidedInLines(int nCell) const {
        const int W = m_clues.nWidth;
        return m_aLineDecided[size_t(nCell / W)] > 0 || m_aLineDecided[size_t(m_clues.nHeight + nCell % W)] > 0;
    }
    // The decided cells of a line (rows first, then columns).
    int GetLineDecided(int nLine) const { return m_aLineDecided[size_t(nLine)]; }
    int GetCellCount() const { return m_nCells; }
    const SGridClues& GetClues() const { return m_clues; }
    int GetLineCount() const { return m_nLines; }
    int GetWidth() const { return m_clues.nWidth; }
    CellMask GetFullMask() const { return m_nFull; }
    // The cell byte: CELL_EMPTY while undecided.
    std::uint8_t GetCellValue(int nCell) const;
    void WriteCells(std::uint8_t* pCells) const;

    std::int64_t GetLineAnalyses() const { return m_nAnalyses; }
    std::size_t GetMemoryBytes() const;

    // A clock that ticks at every change of a cell made or taken back while stamping is on,
    // and per line the tick of its last change: the prober skips cells whose lines are as
    // they were when it last probed them. Its own trials run with stamping off.
    void SetStamping(bool bOn) { m_bStamping = bOn; }
    std::int64_t GetClock() const { return m_nClock; }
    std::int64_t GetCellStamp(int nCell) const {
        const int W = m_clues.nWidth;
        return std::max(m_aLineStamp[size_t(nCell / W)], m_aLineStamp[size_t(m_clues.nHeight + nCell % W)]);
    }

private:
    struct CTrailEntry {
        std::int32_t nCell;
        CellMask nOld;
    };
    bool AnalyzeLine(int nLine);
    bool AnalyzeLineWords(int nLine, int nStart, int nStep, int n, int nFirst, int nCount);
    // A narrowing found by a line's analysis: trail, queue the crossing line, stamp.
    void SetCellMask(int nCell, CellMask nNew, int nCrossLine);
    void Queue(int nLine);
    void ClearQueue();
    void Touch(int nCell);
    // A cell became decided (+1) or undecided again (-1).
    void CountDecided(int nCell, int nDelta);

    const SGridClues m_clues;
    const int m_nCells;
    const int m_nLines;
    CellMask m_nFull;
    std::vector<CellMask> m_aMask;
    std::vector<CTrailEntry> m_aTrail;
    int m_nTrail = 0;
    int m_nUndecided = 0;
    std::vector<std::int32_t> m_aQueue;  // ring of line indices
    std::vector<std::uint8_t> m_aQueued;
    int m_nHead = 0;
    int m_nQueued = 0;
    CLineAnalyzer m_analyzer;
    CellMask m_aLineIn[256] = {};
    CellMask m_aLineOut[256] = {};
    std::int64_t m_nAnalyses = 0;
    std::vector<std::int64_t> m_aLineStamp;
    std::vector<std::int32_t> m_aLineDecided;  // per line: its decided cells
    std::int64_t m_nClock = 1;
    bool m_bStamping = true;
    static constexpr int STOP_EVERY = 64;
    IStopPoll* m_pStop = nullptr;
    int m_nStopLeft = STOP_EVERY;  // analyses until the poll is asked
    bool m_bStopped = false;
    int m_nFailedLine = -1;

    // Answers of the bit-parallel analysis by line and cell words. A contradiction is
    // stored as an answer with no cell allowed anything.
    struct CCacheEntry {
        std::uint64_t nBackground = 0;
        std::uint64_t nColour = 0;
        std::uint64_t nOutBackground = 0;
        std::uint64_t nOutColour = 0;
        std::int32_t nLine = -1;
    };
    static constexpr int MAX_CACHE_BITS = 15;
    int m_nCacheBits = 10;
    std::vector<std::uint8_t> m_aWordColour;  // per line: its one colour when it takes the word path, else 0
    std::vector<CCacheEntry> m_aCache;
};

}  // namespace quenk
