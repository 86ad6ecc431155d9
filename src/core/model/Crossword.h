#pragma once
// One puzzle: palette, numbers beside every row and above every column, and the grid. A
// plain value: copies are independent (the metadata record they share is never changed in
// place), and it holds nothing but the puzzle and what its file said about it.
// No member records an undo step (ClearMarks given a recorder excepted): a caller that
// changes the document's puzzle records the step first.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/StagingPuzzle.h"
#include "model/Types.h"

namespace quenk {

class IUndoRecorder;

// What a file tells about a puzzle besides the puzzle itself: the formats people share
// puzzles in carry a title, an author and the like. UTF-8, one line each; empty where the
// file said nothing.
struct CPuzzleMetadata {
    std::string strTitle;
    std::string strAuthor;
    std::string strCopyright;
    std::string strLicense;
    std::string strSource;  // where the puzzle comes from (.non "catalogue", webpbn "source")
    std::string strDescription;

    bool IsEmpty() const { return *this == CPuzzleMetadata{}; }
    friend bool operator==(const CPuzzleMetadata&, const CPuzzleMetadata&) = default;
};

class CCrossword {
public:
    // Width and height 1..255, depths 0..255, 2..16 colours, pColors 16 palette entries.
    // Every slot and cell starts empty. An area whose depth is 0 has no slots; exactly one
    // such area is the shape a loaded file may have, which this constructor also builds.
    CCrossword(int nWidth, int nHeight, int nLeftDepth, int nTopDepth, int nColors, const COLORREF* pColors);
    // The same for a shape asked for by the user: nothing when exactly one depth is zero
    // (ELoadStatus::STATUS_BAD_SHAPE to the user) or a value is out of range.
    static std::optional<CCrossword> Create(int nWidth, int nHeight, int nLeftDepth, int nTopDepth, int nColors,
                                            const COLORREF* pColors);
    // The one check of what a reader filled in: sizes, depths, colour count and the shape of
    // every array. Nothing when they do not make a puzzle.
    static std::optional<CCrossword> FromStaging(CStagingPuzzle&& staging);

    // A copy; with bPictureOnly it has no numbers (both depths 0). Keeps the source's shape
    // even when exactly one of its depths is zero.
    CCrossword Clone(bool bPictureOnly) const;

    // Replaces all numbers by those the picture implies, with the smallest depths.
    void ComputeNumbers();
    // Moves the numbers of every line towards the grid, keeping their order.
    void AlignNumbers();
    void UpdateDarkFlags();
    // Removes crosses and/or number marks. With a recorder, one undo step is recorded just
    // before the first change; without one the caller records it first. Returns whether
    // anything changed.
    bool ClearMarks(IUndoRecorder* pRecorder, bool bClearMarks, bool bClearCrosses);

    // Palette colour for any byte found in a cell or a number's colour: crosses, empty
    // cells and out-of-range values get defined colours and never read past the palette.
    COLORREF GetCellColor(std::uint8_t nValue) const;
    COLORREF GetNumberColor(std::uint8_t nColorIndex) const;
    bool IsDarkIndex(std::uint8_t nColorIndex) const;
    // The one-colour palette of the formats that store no colours.
    void SetMonoPalette(COLORREF crMonoColor);
    bool HasNumbers() const { return m_nLeftDepth != 0 || m_nTopDepth != 0; }

    // Title, author and the like as the file gave them. Copies share one record, which is
    // only ever replaced whole, so copying a puzzle stays cheap.
    const CPuzzleMetadata& Metadata() const;
    void SetMetadata(CPuzzleMetadata metadata);

    std::uint8_t GetCell(int r, int c) const { return m_aCells[Index(r, c)]; }
    void SetCell(int r, int c, std::uint8_t v) { m_aCells[Index(r, c)] = v; }
    // The grid row by row: the cell in row r, column c is at r * m_nWidth + c.
    std::span<std::uint8_t> Cells() { return m_aCells; }
    std::span<const std::uint8_t> Cells() const { return m_aCells; }

    friend bool operator==(const CCrossword&, const CCrossword&) = default;

    std::uint8_t m_nColors = 2;  // palette entries in use, background included
    std::array<COLORREF, MAX_COLORS> m_crColors{};
    std::array<std::uint8_t, MAX_COLORS> m_bDark{};  // numbers on that colour are drawn white
    std::uint8_t m_nWidth = 0;
    std::uint8_t m_nHeight = 0;
    std::uint8_t m_nLeftDepth = 0;
    std::uint8_t m_nTopDepth = 0;
    // width columns of top-depth slots, height rows of left-depth slots; empty at depth 0.
    std::vector<std::vector<NUMBERCELL>> m_pTopNumbers;   // [column][slot]
    std::vector<std::vector<NUMBERCELL>> m_pLeftNumbers;  // [row][slot]

private:
    CCrossword() = default;
    std::size_t Index(int r, int c) const { return std::size_t(r) * m_nWidth + std::size_t(c); }

    std::vector<std::uint8_t> m_aCells;  // width x height, row by row

    // Null when there is nothing to tell, never an empty record; compared by contents.
    struct CSharedMetadata {
        std::shared_ptr<const CPuzzleMetadata> pRecord;
        friend bool operator==(const CSharedMetadata& a, const CSharedMetadata& b) {
            return a.pRecord == b.pRecord || (a.pRecord && b.pRecord && *a.pRecord == *b.pRecord);
        }
    };
    CSharedMetadata m_metadata;
};

// Receives the undo step that an operation records before it changes the puzzle.
class IUndoRecorder {
public:
    virtual ~IUndoRecorder() = default;
    virtual void RecordSnapshot(const CCrossword& crossword) = 0;
};

}  // namespace quenk
