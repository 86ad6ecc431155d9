#pragma once
// One puzzle: palette, numbers beside every row and above every column, and the grid.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "formats/FormatOptions.h"
#include "model/Types.h"
#include "solver/NumberCheck.h"
#include "solver/SolveTypes.h"

namespace quenk {

class CLine;
class IUndoRecorder;

// Outcomes of construction (m_nStatus).
enum : std::uint32_t {
    STATUS_OK = 0,
    STATUS_BAD_SHAPE = 1,    // exactly one depth zero asked for
    STATUS_BAD_FORMAT = 2,   // the reader refused the file
    STATUS_FILE_ERROR = 3,   // the file could not be opened or ended early
};

class CCrossword {
public:
    // By parameters: width, height, left depth, top depth, colour count, 16 palette entries.
    CCrossword(int nWidth, int nHeight, int nLeftDepth, int nTopDepth, int nColors,
               const COLORREF* pColors);
    // From a file; the format follows the extension. Check m_nStatus afterwards.
    explicit CCrossword(const std::string& strPath, const CFormatOptions& options = {});
    ~CCrossword();

    CCrossword(const CCrossword&) = delete;
    CCrossword& operator=(const CCrossword&) = delete;

    // A deep copy; with bPictureOnly the copy has no numbers. Keeps the source's shape
    // even when exactly one of its depths is zero (possible after a load).
    std::unique_ptr<CCrossword> Clone(bool bPictureOnly) const;

    void ComputeNumbers();
    void AlignNumbers();
    void UpdateDarkFlags();
    // Removes crosses and/or number marks; records one undo step before the first change
    // when a recorder is given. Returns whether anything changed.
    bool ClearMarks(IUndoRecorder* pRecorder, bool bClearMarks, bool bClearCrosses);

    // Writes in the format of the extension. Throws CFileError when writing fails; the
    // target is replaced only when the whole file was written.
    void Save(const std::string& strPath, const CFormatOptions& options = {});

    // Palette colour for any byte found in a cell or a number's colour: crosses, empty
    // cells and out-of-range values get defined colours and never read past the palette.
    COLORREF GetCellColor(std::uint8_t nValue) const;
    COLORREF GetNumberColor(std::uint8_t nColorIndex) const;
    bool IsDarkIndex(std::uint8_t nColorIndex) const;

    std::uint8_t GetCell(int r, int c) const { return m_pCells[size_t(r)][size_t(c)]; }
    void SetCell(int r, int c, std::uint8_t v) { m_pCells[size_t(r)][size_t(c)] = v; }
    bool HasNumbers() const { return m_nLeftDepth != 0 || m_nTopDepth != 0; }

    // Sets the one-colour palette of the formats that store no colours.
    void SetMonoPalette(COLORREF crMonoColor);
    // Empties numbers and cells (used by readers before they read anything).
    void ReleaseArrays();
    void AllocateCells();                 // height rows of width zero bytes
    void AllocateTopNumbers();            // width columns of top-depth empty slots
    void AllocateLeftNumbers();           // height rows of left-depth empty slots

    // Fields, in the order of the puzzle's binary head.
    char m_szSignature[5] = {'Q', 'U', 'E', 'N', 'K'};
    std::uint8_t m_nColors = 2;
    std::array<COLORREF, MAX_COLORS> m_crColors{};
    std::uint8_t m_nWidth = 0;
    std::uint8_t m_nHeight = 0;
    std::uint8_t m_nLeftDepth = 0;
    std::uint8_t m_nTopDepth = 0;
    std::uint8_t m_bEmptyPicture = 1;
    // An absent array is empty.
    std::vector<std::vector<NUMBERCELL>> m_pTopNumbers;   // [column][slot]
    std::vector<std::vector<NUMBERCELL>> m_pLeftNumbers;  // [row][slot]
    std::vector<std::vector<std::uint8_t>> m_pCells;      // [row][column]
    std::uint32_t m_nStatus = STATUS_OK;
    std::int32_t m_nPixelWidth = 0;
    std::int32_t m_nPixelHeight = 0;
    std::array<std::uint8_t, MAX_COLORS> m_bDark{};

    // ---- solving (implemented under solver/) ----
    std::vector<std::unique_ptr<CLine>> m_pLines;  // rows first, then columns
    // Per line: its last pass changed nothing and its cells have not changed since, so a
    // sweep may skip it. Sized with the lines; meaningful only inside SolveByLines.
    std::vector<std::uint8_t> m_aLineSettled;
    void MakeLines();
    void FreeLines();
    // Looks for faults that make the numbers unsolvable on their face and returns the first
    // one. Cleans slots holding only a mark (0x80) in every line it reaches.
    std::optional<CNumberFault> CheckNumbers();
    // Line deduction to a fixed point; with bCheck the marks are removed and the numbers
    // checked first (a fault gives SOLVE_REJECTED and is stored in *pFault when given).
    SolveResult SolveByLines(bool bCheck, CNumberFault* pFault = nullptr);
    // Whether the grid satisfies every number (undecided cells and crosses are background).
    bool CheckSolution();

private:
    CCrossword() = default;
    void Load(const std::string& strPath, const CFormatOptions& options);
    friend class CCrosswordLoader;
};

// Receives the undo step that an operation records before it changes the puzzle.
class IUndoRecorder {
public:
    virtual ~IUndoRecorder() = default;
    virtual void RecordSnapshot(const CCrossword& crossword) = 0;
};

}  // namespace quenk
