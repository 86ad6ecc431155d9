#include "formats/Jcc.h"

#include <cstring>
#include <vector>

#include "formats/SafeFile.h"
#include "formats/WriterSupport.h"
#include "model/Crossword.h"

namespace quenk {

namespace {

constexpr std::size_t HEAD_SIZE = 75;
constexpr char SIGNATURE[5] = {'Q', 'U', 'E', 'N', 'K'};

void ReadSlots(CSafeFile& file, std::vector<std::vector<NUMBERCELL>>& lines) {
    std::vector<std::uint8_t> bytes;
    for (auto& line : lines) {
        bytes.resize(line.size() * 2);
        file.ReadExact(bytes.data(), bytes.size());
        for (std::size_t i = 0; i < line.size(); ++i) line[i] = {bytes[2 * i], bytes[2 * i + 1]};
    }
}

void WriteSlots(CByteWriter& out, const std::vector<std::vector<NUMBERCELL>>& lines) {
    for (const auto& line : lines)
        for (const NUMBERCELL& n : line) {
            out.Byte(n.value);
            out.Byte(n.color);
        }
}

}  // namespace

bool ReadJcc(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions&, CReadReport&) {
    std::uint8_t head[HEAD_SIZE];
    file.ReadExact(head, sizeof head);
    if (std::memcmp(head, SIGNATURE, sizeof SIGNATURE) != 0) return false;
    staging.m_nColors = head[5];
    if (staging.m_nColors < 2 || staging.m_nColors > MAX_COLORS) return false;
    for (int i = 0; i < MAX_COLORS; ++i) {
        const std::uint8_t* p = head + 6 + 4 * i;
        staging.m_crColors[size_t(i)] =
            COLORREF(p[0]) | COLORREF(p[1]) << 8 | COLORREF(p[2]) << 16 | COLORREF(p[3]) << 24;
    }
    staging.m_nWidth = head[70];
    staging.m_nHeight = head[71];
    staging.m_nLeftDepth = head[72];
    staging.m_nTopDepth = head[73];
    const bool bEmptyPicture = head[74] != 0;

    if (staging.m_nTopDepth != 0) {
        staging.AllocateTopNumbers();
        ReadSlots(file, staging.m_pTopNumbers);
    }
    if (staging.m_nLeftDepth != 0) {
        staging.AllocateLeftNumbers();
        ReadSlots(file, staging.m_pLeftNumbers);
    }
    staging.AllocateCells();
    if (!bEmptyPicture) file.ReadExact(staging.m_aCells.data(), staging.m_aCells.size());
    staging.m_bNumbersFromPicture = staging.m_nLeftDepth == 0 && staging.m_nTopDepth == 0;
    return true;
}

void WriteJcc(const CCrossword& crossword, CSafeFile& file, const CFormatOptions&) {
    const bool bEmptyPicture = IsBlankPicture(crossword);
    CByteWriter out(file);
    out.Bytes(SIGNATURE, sizeof SIGNATURE);
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
    out.Byte(bEmptyPicture ? 1 : 0);
    WriteSlots(out, crossword.m_pTopNumbers);
    WriteSlots(out, crossword.m_pLeftNumbers);
    if (!bEmptyPicture) out.Bytes(crossword.Cells().data(), crossword.Cells().size());
    out.Flush();
}

}  // namespace quenk
