#pragma once
// Complete analysis of one line: which values every cell can still take in some arrangement
// of the line's numbers. Cells are given as value masks: bit 0 background, bit c colour c.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quenk {

using CellMask = std::uint16_t;
constexpr CellMask MASK_BACKGROUND = 1;
constexpr CellMask ColorBit(int nColor) { return CellMask(1u << nColor); }

// Reusable work space: sized once for the longest line and the most numbers it will see, so
// Analyze allocates nothing. Dynamic programming over (number, position), both directions,
// linear in length times numbers.
class CLineAnalyzer {
public:
    CLineAnalyzer(int nMaxLength, int nMaxCount);

    // pValue/pColor: the line's nCount numbers (colours 1..15). pIn: nLength masks, the values
    // each cell may still take. Returns false when no arrangement agrees with them. Otherwise
    // pOut[i] is the set of values cell i takes in at least one agreeing arrangement (a
    // subset of pIn[i], never empty). pIn and pOut may be the same array.
    bool Analyze(const std::uint8_t* pValue, const std::uint8_t* pColor, int nCount, const CellMask* pIn, int nLength,
                 CellMask* pOut);

    // The two methods behind Analyze, with the same contract. The bit-parallel one serves
    // lines whose numbers share one colour (every line of a one-colour puzzle): a few word
    // operations per number instead of a table, on one word up to 63 cells, on four above.
    bool AnalyzeByTable(const std::uint8_t* pValue, const std::uint8_t* pColor, int nCount, const CellMask* pIn,
                        int nLength, CellMask* pOut);
    static bool AnalyzeOneColourByBits(const std::uint8_t* pValue, int nColor, int nCount, const CellMask* pIn,
                                       int nLength, CellMask* pOut);
    // The same on one word (at most MAX_WORD_LENGTH cells): bit i of nBackground / nColour
    // tells whether cell i may be background / the colour; the answer comes back the same way.
    static bool AnalyzeOneColourWords(const std::uint8_t* pValue, int nCount, int nLength, std::uint64_t nBackground,
                                      std::uint64_t nColour, std::uint64_t& nOutBackground, std::uint64_t& nOutColour);
    std::size_t GetMemoryBytes() const {
        return m_aRun.capacity() + m_aHeadGap.capacity() + m_aHeadBlock.capacity() + m_aTailGap.capacity() +
               m_aTailBlock.capacity();
    }
    static constexpr int MAX_WORD_LENGTH = 63;
    static constexpr int MAX_BITS_LENGTH = 255;

private:
    int Index(int j, int i) const { return j * (m_nLength + 1) + i; }

    int m_nMaxLength;
    int m_nMaxCount;
    int m_nLength = 0;
    // [number][position], (count + 1) x (length + 1) used per call.
    std::vector<std::uint8_t> m_aRun;        // run of cells that fit number j's colour, ending before i
    std::vector<std::uint8_t> m_aHeadGap;    // numbers 0..j-1 fit in [0, i), cell i-1 background (or i = 0)
    std::vector<std::uint8_t> m_aHeadBlock;  // numbers 0..j-1 fit in [0, i), number j-1 ends at i-1
    std::vector<std::uint8_t> m_aTailGap;    // numbers j.. fit in [i, n), cell i background (or i = n)
    std::vector<std::uint8_t> m_aTailBlock;  // numbers j.. fit in [i, n), number j starts at i
};

}  // namespace quenk
