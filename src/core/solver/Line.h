#pragma once
// One row or column of a puzzle as the line solver sees it.
#include <cstdint>

#include "model/Crossword.h"

namespace quenk {

class CLine {
public:
    CLine(CCrossword* pCrossword, int nIndex);
    virtual ~CLine() = default;

    // Number k counted from the slot farthest from the grid; value without the mark.
    virtual NUMBERCELL GetNumber(int k) const = 0;
    virtual std::uint8_t GetCell(int i) const = 0;
    void SetNumber(int k, NUMBERCELL number) { SetNumber(k, number.color, number.value); }
    virtual void SetNumber(int k, std::uint8_t nColor, std::uint8_t nValue) = 0;
    virtual void SetCell(int i, std::uint8_t nValue) = 0;
    virtual void CountNumbers(bool bForce) = 0;

    // One deduction pass over this line (LineSolver.cpp). Returns false when no arrangement
    // of the numbers agrees with the decided cells; the puzzle is then untouched. Otherwise
    // writes the line back and sets bChanged (never clears it) when a cell got a new value.
    // Not a complete line analysis: it may leave cells that a full one would decide.
    bool SolveLine(bool& bChanged);

    CCrossword* m_pCrossword;
    std::uint8_t m_nIndex;
    std::uint8_t m_nLength = 0;
    std::uint8_t m_nCount = 0;
    std::uint8_t m_nFirst = 0;
    std::uint8_t m_nDepth = 0;
    std::uint8_t m_aValue[256] = {};
    std::uint8_t m_aColor[256] = {};
    std::uint8_t m_aCell[256] = {};
    // The cells as the last pass found them, so a caller can tell which ones it changed.
    std::uint8_t m_aCellBefore[256] = {};

protected:
    // Shared by both kinds of line: the slot array of this line, or null when absent.
    void CountNumbersIn(const NUMBERCELL* pSlots, bool bForce);
    // Whole-line copies, so the pass makes one virtual call each way instead of one per cell.
    virtual void ReadCells(std::uint8_t* pOut) const = 0;
    virtual void WriteCells(const std::uint8_t* pIn) = 0;

private:
    // Start positions of the blocks in one extreme arrangement.
    using Placement = std::uint8_t[256];

    void LoadLine();
    bool PlaceLeft(int k, int p, Placement& aL) const;
    bool PlaceRight(int k, int p, Placement& aR) const;
    bool ArrangeLeft(Placement& aL) const;
    bool ArrangeRight(Placement& aR) const;
    bool SetRange(int nFrom, int nTo, std::uint8_t nValue);
    bool DeduceFromArrangements(const Placement& aL, const Placement& aR);
    void FindCandidates(int s, int e, const Placement& aL, const Placement& aR, int& nLo,
                        int& nHi) const;
    bool FindEnclosedRun(int nFrom, int& s, int& e) const;
    bool FindColorRun(int nFrom, int& s, int& e) const;
    bool FillSmallGaps(const Placement& aL, const Placement& aR);
    bool CloseCompleteBlocks(const Placement& aL, const Placement& aR);
};

class CRowLine final : public CLine {
public:
    CRowLine(CCrossword* pCrossword, int nRow);
    NUMBERCELL GetNumber(int k) const override;
    std::uint8_t GetCell(int i) const override;
    void SetNumber(int k, std::uint8_t nColor, std::uint8_t nValue) override;
    void SetCell(int i, std::uint8_t nValue) override;
    void CountNumbers(bool bForce) override;

protected:
    void ReadCells(std::uint8_t* pOut) const override;
    void WriteCells(const std::uint8_t* pIn) override;
};

class CColumnLine final : public CLine {
public:
    CColumnLine(CCrossword* pCrossword, int nColumn);
    NUMBERCELL GetNumber(int k) const override;
    std::uint8_t GetCell(int i) const override;
    void SetNumber(int k, std::uint8_t nColor, std::uint8_t nValue) override;
    void SetCell(int i, std::uint8_t nValue) override;
    void CountNumbers(bool bForce) override;

protected:
    void ReadCells(std::uint8_t* pOut) const override;
    void WriteCells(const std::uint8_t* pIn) override;
};

}  // namespace quenk
