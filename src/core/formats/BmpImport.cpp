#include "formats/BmpImport.h"

#include <algorithm>
#include <vector>

#include "formats/BmpPicture.h"
#include "formats/BmpReader.h"
#include "formats/SafeFile.h"
#include "model/Crossword.h"
#include "text/AppStrings.h"

namespace quenk {

namespace {

CBmpImportResult Refuse(const CBmpHeader& header, unsigned nMessageId, int nArgument = 0) {
    CBmpImportResult result;
    result.m_nOutcome = EBmpImportOutcome::BMP_REFUSED;
    result.m_nMessageId = nMessageId;
    result.m_nArgument = nArgument;
    result.m_header = header;
    return result;
}

// One pass over the stored rows: the colour of every cell (row by row, top first) and
// whether every cell is made of uniform pixel rows.
struct CCellScan {
    std::vector<COLORREF> m_crCells;
    bool m_bBlocksUniform = true;
};

CCellScan ScanCells(CBmpReader& reader, std::uint32_t nWidth, std::uint32_t nHeight, std::uint32_t p) {
    const std::uint32_t nColumns = nWidth / p, nRows = nHeight / p;
    const std::uint64_t nRowBytes = reader.RowBytes();
    CCellScan scan;
    scan.m_crCells.resize(std::size_t(nColumns) * nRows);
    std::vector<std::uint8_t> band(std::size_t(nRowBytes * p));  // p stored rows
    std::vector<COLORREF> crCell(std::size_t(p) * p);
    CCellTally tally;
    // The file stores the bottom row first, so the cell rows arrive bottom to top.
    for (std::uint32_t k = nRows; k-- > 0;) {
        reader.ReadRows(band.data(), p);
        for (std::uint32_t c = 0; c < nColumns; ++c) {
            for (std::uint32_t i = 0; i < p; ++i) {  // i: pixel row inside the cell, top first
                const std::uint8_t* pRow = band.data() + std::size_t(p - 1 - i) * nRowBytes;
                COLORREF* pOut = crCell.data() + std::size_t(i) * p;
                reader.DecodeSpan(pRow, c * p, p, pOut);
                if (scan.m_bBlocksUniform && !IsUniformSpan(pOut, int(p))) scan.m_bBlocksUniform = false;
            }
            scan.m_crCells[std::size_t(k) * nColumns + c] = tally.Majority(crCell.data(), crCell.size());
        }
    }
    return scan;
}

}  // namespace

CBmpImportResult ImportBmp(const std::string& strPath, int nCellSize, const BmpFixQuestion& askFix,
                           const CFormatOptions& options) {
    const std::uint32_t p = std::uint32_t(std::clamp(nCellSize, 1, MAX_SIZE));
    CSafeFile file(strPath, CSafeFile::EMode::Read);
    const std::uint64_t nLength = file.GetLength();
    if (nLength < BMP_HEADER_BYTES) return Refuse(CBmpHeader{}, IDS_BMP_BAD_FILE);
    std::array<std::uint8_t, BMP_HEADER_BYTES> bytes{};
    file.ReadExact(bytes.data(), bytes.size());
    CBmpHeader header = CBmpHeader::Parse(bytes);

    const std::uint64_t nLimit = std::uint64_t(MAX_SIZE) * p;
    if (header.m_nHeight > nLimit || header.m_nWidth > nLimit) return Refuse(header, IDS_BMP_TOO_LARGE);
    if (header.m_nWidth % p != 0 || header.m_nHeight % p != 0) return Refuse(header, IDS_BMP_CELL_MISMATCH);
    if (!IsSupportedBmpDepth(header.m_nBitCount)) return Refuse(header, IDS_BMP_BAD_DEPTH, header.m_nBitCount);
    if (const unsigned nId = CheckBmpLayout(header, nLength); nId != 0) return Refuse(header, nId);

    CBmpReader reader(file, header);
    const CCellScan scan = ScanCells(reader, header.m_nWidth, header.m_nHeight, p);
    const COLORREF crBackground = reader.Background();

    if (!scan.m_bBlocksUniform && !(askFix && askFix())) {
        CBmpImportResult result;
        result.m_nOutcome = EBmpImportOutcome::BMP_DECLINED;
        result.m_header = header;
        return result;
    }
    CBmpPalette palette = BuildBmpPalette(scan.m_crCells, crBackground);
    if (palette.m_nColors == 0) return Refuse(header, IDS_BMP_TOO_MANY_COLORS);
    if (palette.m_nColors == 1) {
        // A puzzle needs a colour besides the background to be edited.
        COLORREF cr = options.m_crMonoColor;
        if (cr == crBackground) cr = crBackground == 0 ? COLOR_WHITE : 0;
        palette.m_crTable[1] = cr;
        palette.m_nColors = 2;
    }

    const int nColumns = int(header.m_nWidth / p), nRows = int(header.m_nHeight / p);
    CCrossword crossword(nColumns, nRows, 0, 0, palette.m_nColors, palette.m_crTable.data());
    const auto cells = crossword.Cells();
    for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = PaletteIndex(palette, scan.m_crCells[i]);
    crossword.ComputeNumbers();

    CBmpImportResult result;
    result.m_nOutcome = EBmpImportOutcome::BMP_IMPORTED;
    result.m_crossword = std::move(crossword);
    result.m_header = header;
    return result;
}

std::string BmpImportMessage(const CBmpImportResult& result) {
    if (result.m_nOutcome != EBmpImportOutcome::BMP_REFUSED) return {};
    const std::string strText = LoadAppString(result.m_nMessageId);
    if (result.m_nMessageId == IDS_BMP_BAD_DEPTH) return FormatText(strText, result.m_nArgument);
    return strText;
}

}  // namespace quenk
