#pragma once
// Reads the pixels of an uncompressed bitmap of 1, 4, 8 or 24 bits as colours.
#include <array>
#include <cstdint>

#include "formats/BmpHeader.h"
#include "model/Types.h"

namespace quenk {

class CSafeFile;

// Checks a header of a supported depth against the file's length, in the order the
// refusals are reported: type and exact length, compression, planes. Fills in the
// defaults for a zero pixel offset, plane count and header size. Returns 0 when the
// pixels can be read, else the id of the refusal's message.
unsigned CheckBmpLayout(CBmpHeader& header, std::uint64_t nFileLength);

// Reads a checked bitmap's colour table at once and then its stored rows on demand.
//
// Colour table: it starts right after the information header and may be shorter than
// the depth's nominal size when the pixel offset leaves room for fewer entries. Only
// the entries stored are used; a pixel whose index has no stored entry is black, and the
// background is the last stored entry (white when none is stored). With a full table
// that is simply the last entry.
class CBmpReader {
public:
    CBmpReader(CSafeFile& file, const CBmpHeader& header);

    COLORREF Background() const { return m_crBackground; }
    std::uint64_t RowBytes() const { return m_nRowBytes; }

    // Reads the next nRows stored rows (the bottom row of the picture comes first).
    void ReadRows(std::uint8_t* pBuffer, std::uint32_t nRows);
    // The colours of the n pixels from x on of one stored row; x + n <= width.
    void DecodeSpan(const std::uint8_t* pRow, std::uint32_t x, std::uint32_t n, COLORREF* pOut) const;

private:
    CSafeFile& m_file;
    unsigned m_nBitCount;
    std::uint64_t m_nRowBytes;
    std::array<COLORREF, 256> m_crTable{};  // entries not stored stay black
    COLORREF m_crBackground = COLOR_WHITE;
};

}  // namespace quenk
