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

    CCrossword* m_pCrossword;
    std::uint8_t m_nIndex;
    std::uint8_t m_nLength = 0;
    std::uint8_t m_nCount = 0;
    std::uint8_t m_nFirst = 0;
    std::uint8_t m_nDepth = 0;
    std::uint8_t m_aValue[256] = {};
    std::uint8_t m_aColor[256] = {};
    std::uint8_t m_aCell[256] = {};

protected:
    // Shared by both kinds of line: the slot array of this line, or null when absent.
    void CountNumbersIn(const NUMBERCELL* pSlots, bool bForce);
};

class CRowLine final : public CLine {
public:
    CRowLine(CCrossword* pCrossword, int nRow);
    NUMBERCELL GetNumber(int k) const override;
    std::uint8_t GetCell(int i) const override;
    void SetNumber(int k, std::uint8_t nColor, std::uint8_t nValue) override;
    void SetCell(int i, std::uint8_t nValue) override;
    void CountNumbers(bool bForce) override;
};

class CColumnLine final : public CLine {
public:
    CColumnLine(CCrossword* pCrossword, int nColumn);
    NUMBERCELL GetNumber(int k) const override;
    std::uint8_t GetCell(int i) const override;
    void SetNumber(int k, std::uint8_t nColor, std::uint8_t nValue) override;
    void SetCell(int i, std::uint8_t nValue) override;
    void CountNumbers(bool bForce) override;
};

}  // namespace quenk
