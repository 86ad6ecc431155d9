#include "formats/Jcc.h"

#include <cstring>
#include <vector>

#include "formats/SafeFile.h"
#include "formats/WriterSupport.h"
#include "model/Crossword.h"

namespace quenk {

namespace {

constexpr std::size_t HEAD_SIZE = 75;

void ReadSlots(CSafeFile& file, std::vector<std::vector<NUMBERCELL>>& lines) {
    std::vector<std::uint8_t> bytes;
    for (auto& line : lines) {
        bytes.resize(line.size() * 2);
        file.ReadExact(bytes.data(), bytes.size());
        for (std::size_t i = 0; i < line.size(); ++i) line[i] = {bytes[2 * i], bytes[2 * i + 1]};
    }
}

}  // namespace

bool ReadJcc(CCrossword& crossword, CSafeFile& file) {
    crossword.ReleaseArrays();
    std::uint8_t head[HEAD_SIZE];
    file.ReadExact(head, sizeof head);

    std::memcpy(crossword.m_szSignature, head, 5);
    crossword.m_nColors = head[5];
    for (int i = 0; i < MAX_COLORS; ++i) {
        const std::uint8_t* p = head + 6 + 4 * i;
        crossword.m_crColors[size_t(i)] =
            COLORREF(p[0]) | COLORREF(p[1]) << 8 | COLORREF(p[2]) << 16 | COLORREF(p[3]) << 24;
    }
    crossword.UpdateDarkFlags();
    crossword.m_nWidth = head[70];
    crossword.m_nHeight = head[71];
    crossword.m_nLeftDepth = head[72];
    crossword.m_nTopDepth = head[73];
    crossword.m_bEmptyPicture = head[74];

    if (std::memcmp(head, "QUENK", 5) != 0) return false;
    if (crossword.m_nColors < 2 || crossword.m_nColors > MAX_COLORS) return false;

    if (crossword.m_nTopDepth != 0) {
        crossword.AllocateTopNumbers();
        ReadSlots(file, crossword.m_pTopNumbers);
    }
    if (crossword.m_nLeftDepth != 0) {
        crossword.AllocateLeftNumbers();
        ReadSlots(file, crossword.m_pLeftNumbers);
    }
    crossword.AllocateCells();
    if (!crossword.m_bEmptyPicture) {
        for (auto& row : crossword.m_pCells) file.ReadExact(row.data(), row.size());
    }
    if (crossword.m_nLeftDepth == 0 && crossword.m_nTopDepth == 0) crossword.ComputeNumbers();
    return true;
}

void WriteJcc(const CCrossword& crossword, CSafeFile& file) {
    CByteWriter out(file);
    out.Bytes(crossword.m_szSignature, 5);
    out.Byte(crossword.m_nColors);
    for (const COLORREF c : crossword.m_crColors) {
        out.Byte(std::uint8_t(c));
        out.Byte(std::uint8_t(c >> 8));
        out.Byte(std::uint8_t(c >> 16));
        out.Byte(std::uint8_t(c >> 24));
    }
    out.Byte(crossword.m_nWidth);
    out.Byte(crossword.m_nHeight);
    out.Byte(crossword.m_nLeftDepth);
    out.Byte(crossword.m_nTopDepth);
    out.Byte(crossword.m_bEmptyPicture);

    for (int c = 0; c < crossword.m_nWidth; ++c)
        for (int i = 0; i < crossword.m_nTopDepth; ++i) {
            const NUMBERCELL n = TopSlot(crossword, c, i);
            out.Byte(n.value);
            out.Byte(n.color);
        }
    for (int r = 0; r < crossword.m_nHeight; ++r)
        for (int i = 0; i < crossword.m_nLeftDepth; ++i) {
            const NUMBERCELL n = LeftSlot(crossword, r, i);
            out.Byte(n.value);
            out.Byte(n.color);
        }
    if (!crossword.m_bEmptyPicture) {
        for (int r = 0; r < crossword.m_nHeight; ++r)
            for (int c = 0; c < crossword.m_nWidth; ++c) out.Byte(CellAt(crossword, r, c));
    }
    out.Flush();
}

}  // namespace quenk
