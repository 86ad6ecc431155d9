#include "model/Crossword.h"

#include <algorithm>

#include "formats/FormatDispatch.h"
#include "solver/Line.h"

namespace quenk {

CCrossword::CCrossword(int nWidth, int nHeight, int nLeftDepth, int nTopDepth, int nColors,
                       const COLORREF* pColors) {
    m_nColors = std::uint8_t(nColors);
    std::copy(pColors, pColors + MAX_COLORS, m_crColors.begin());
    UpdateDarkFlags();
    m_nWidth = std::uint8_t(nWidth);
    m_nHeight = std::uint8_t(nHeight);
    m_nLeftDepth = std::uint8_t(nLeftDepth);
    m_nTopDepth = std::uint8_t(nTopDepth);
    m_bEmptyPicture = 1;
    m_nStatus = STATUS_OK;
    if ((m_nLeftDepth == 0) != (m_nTopDepth == 0)) {
        m_nStatus = STATUS_BAD_SHAPE;
        return;
    }
    if (m_nLeftDepth != 0) {
        AllocateTopNumbers();
        AllocateLeftNumbers();
    }
    AllocateCells();
}

CCrossword::CCrossword(const std::string& strPath, const CFormatOptions& options) {
    Load(strPath, options);
}

CCrossword::~CCrossword() = default;

void CCrossword::Load(const std::string& strPath, const CFormatOptions& options) {
    m_pLines.clear();
    m_nStatus = LoadByExtension(*this, strPath, options);
}

std::unique_ptr<CCrossword> CCrossword::Clone(bool bPictureOnly) const {
    std::unique_ptr<CCrossword> pCopy(new CCrossword());
    pCopy->m_nColors = m_nColors;
    pCopy->m_crColors = m_crColors;
    pCopy->UpdateDarkFlags();
    pCopy->m_nWidth = m_nWidth;
    pCopy->m_nHeight = m_nHeight;
    if (!bPictureOnly) {
        // Copies the source's shape as it is, one depth zero included.
        pCopy->m_nLeftDepth = m_nLeftDepth;
        pCopy->m_nTopDepth = m_nTopDepth;
        pCopy->m_pTopNumbers = m_pTopNumbers;
        pCopy->m_pLeftNumbers = m_pLeftNumbers;
    }
    pCopy->m_pCells = m_pCells;
    pCopy->m_bEmptyPicture = 1;
    pCopy->m_nStatus = STATUS_OK;
    return pCopy;
}

void CCrossword::UpdateDarkFlags() {
    for (int i = 0; i < MAX_COLORS; ++i) {
        const COLORREF c = m_crColors[size_t(i)];
        const double R = GetRValue(c), G = GetGValue(c), B = GetBValue(c);
        const double r = 255.0f * R / (56100.0f - 22.0f * B);
        const double g = 255.0f * G / (47175.0f - 19.0f * B);
        m_bDark[size_t(i)] = (r * r + g * g < 1.0) ? 1 : 0;
    }
}

namespace {

// Fills the slots of one line from its cells: blocks are maximal runs of equal non-zero
// values; the block nearest the grid lands in the last slot. cellAt(p) reads position p
// counted from the grid outward.
template <class CellAt>
void FillLineNumbers(std::vector<NUMBERCELL>& slots, int nLength, CellAt cellAt) {
    int nSlot = int(slots.size()) - 1;
    int p = 0;
    while (p < nLength) {
        const std::uint8_t v = cellAt(p);
        if (v == 0) {
            ++p;
            continue;
        }
        int nRun = 0;
        while (p < nLength && cellAt(p) == v) {
            ++p;
            ++nRun;
        }
        // Runs longer than 127 keep the plain low byte; the clue check rejects them.
        slots[size_t(nSlot--)] = NUMBERCELL{std::uint8_t(nRun), v};
    }
}

template <class CellAt>
int CountBlocks(int nLength, CellAt cellAt) {
    int nBlocks = 0;
    std::uint8_t prev = 0;
    for (int p = 0; p < nLength; ++p) {
        const std::uint8_t v = cellAt(p);
        if (v != 0 && v != prev) ++nBlocks;
        prev = v;
    }
    return nBlocks;
}

}  // namespace

void CCrossword::ComputeNumbers() {
    const int W = m_nWidth, H = m_nHeight;
    int nTop = 0, nLeft = 0;
    for (int c = 0; c < W; ++c)
        nTop = std::max(nTop, CountBlocks(H, [&](int r) { return m_pCells[size_t(r)][size_t(c)]; }));
    for (int r = 0; r < H; ++r)
        nLeft = std::max(nLeft, CountBlocks(W, [&](int c) { return m_pCells[size_t(r)][size_t(c)]; }));

    m_nTopDepth = std::uint8_t(nTop);
    m_pTopNumbers.clear();
    if (nTop != 0) {
        AllocateTopNumbers();
        for (int c = 0; c < W; ++c)
            FillLineNumbers(m_pTopNumbers[size_t(c)], H,
                            [&](int p) { return m_pCells[size_t(H - 1 - p)][size_t(c)]; });
    }
    m_nLeftDepth = std::uint8_t(nLeft);
    m_pLeftNumbers.clear();
    if (nLeft != 0) {
        AllocateLeftNumbers();
        for (int r = 0; r < H; ++r)
            FillLineNumbers(m_pLeftNumbers[size_t(r)], W,
                            [&](int p) { return m_pCells[size_t(r)][size_t(W - 1 - p)]; });
    }
    UpdateDarkFlags();
}

namespace {
void AlignLine(std::vector<NUMBERCELL>& slots) {
    int w = int(slots.size()) - 1;
    for (int r = int(slots.size()) - 1; r >= 0; --r) {
        if (slots[size_t(r)].value == 0) continue;
        if (r != w) {
            slots[size_t(w)] = slots[size_t(r)];
            slots[size_t(r)] = NUMBERCELL{};
        }
        --w;
    }
}
}  // namespace

void CCrossword::AlignNumbers() {
    for (auto& row : m_pLeftNumbers) AlignLine(row);
    for (auto& column : m_pTopNumbers) AlignLine(column);
}

bool CCrossword::ClearMarks(IUndoRecorder* pRecorder, bool bClearMarks, bool bClearCrosses) {
    bool bChanged = false;
    auto beforeChange = [&] {
        if (!bChanged && pRecorder) pRecorder->RecordSnapshot(*this);
        bChanged = true;
    };
    if (bClearCrosses) {
        for (auto& row : m_pCells)
            for (auto& cell : row)
                if (cell == CELL_CROSS) {
                    beforeChange();
                    cell = CELL_EMPTY;
                }
    }
    if (bClearMarks) {
        for (auto* pArea : {&m_pTopNumbers, &m_pLeftNumbers})
            for (auto& line : *pArea)
                for (auto& slot : line)
                    if (slot.value & NUMBER_MARK) {
                        beforeChange();
                        slot.value &= NUMBER_VALUE;
                    }
    }
    return bChanged;
}

void CCrossword::Save(const std::string& strPath, const CFormatOptions& options) {
    m_bEmptyPicture = 1;
    for (const auto& row : m_pCells) {
        if (std::any_of(row.begin(), row.end(), [](std::uint8_t v) { return v != 0; })) {
            m_bEmptyPicture = 0;
            break;
        }
    }
    SaveByExtension(*this, strPath, options);
}

COLORREF CCrossword::GetCellColor(std::uint8_t nValue) const {
    // Crosses, undecided cells and bytes no palette entry stands for all show the background.
    return nValue < MAX_COLORS ? m_crColors[nValue] : m_crColors[0];
}

COLORREF CCrossword::GetNumberColor(std::uint8_t nColorIndex) const {
    return nColorIndex < MAX_COLORS ? m_crColors[nColorIndex] : m_crColors[0];
}

bool CCrossword::IsDarkIndex(std::uint8_t nColorIndex) const {
    return m_bDark[nColorIndex < MAX_COLORS ? nColorIndex : 0] != 0;
}

void CCrossword::SetMonoPalette(COLORREF crMonoColor) {
    const char kSignature[5] = {'Q', 'U', 'E', 'N', 'K'};
    std::copy(kSignature, kSignature + 5, m_szSignature);
    m_nColors = 2;
    m_crColors.fill(0);
    m_crColors[0] = COLOR_WHITE;
    m_crColors[1] = crMonoColor;
    UpdateDarkFlags();
}

void CCrossword::ReleaseArrays() {
    m_pTopNumbers.clear();
    m_pLeftNumbers.clear();
    m_pCells.clear();
}

void CCrossword::AllocateCells() {
    m_pCells.assign(m_nHeight, std::vector<std::uint8_t>(m_nWidth, CELL_EMPTY));
}

void CCrossword::AllocateTopNumbers() {
    m_pTopNumbers.assign(m_nWidth, std::vector<NUMBERCELL>(m_nTopDepth));
}

void CCrossword::AllocateLeftNumbers() {
    m_pLeftNumbers.assign(m_nHeight, std::vector<NUMBERCELL>(m_nLeftDepth));
}

}  // namespace quenk
