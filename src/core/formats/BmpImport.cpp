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

// The stored rows of a bitmap, read p at a time: the bottom cell row comes first.
class CBmpBands final : public IPixelBands {
public:
    CBmpBands(CBmpReader& reader, std::uint32_t p)
        : m_reader(reader), m_p(p), m_nRowBytes(reader.RowBytes()), m_band(std::size_t(m_nRowBytes * p)) {}
    void LoadBand(std::uint32_t) override { m_reader.ReadRows(m_band.data(), m_p); }
    void DecodeSpan(std::uint32_t i, std::uint32_t x, std::uint32_t n, COLORREF* pOut) override {
        m_reader.DecodeSpan(m_band.data() + std::size_t(m_p - 1 - i) * m_nRowBytes, x, n, pOut);
    }

private:
    CBmpReader& m_reader;
    std::uint32_t m_p;
    std::uint64_t m_nRowBytes;
    std::vector<std::uint8_t> m_band;  // p stored rows
};

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
    CBmpBands bands(reader, p);
    const std::uint32_t nColumns = header.m_nWidth / p, nRows = header.m_nHeight / p;
    const CCellScan scan = ScanCells(bands, nColumns, nRows, p);
    CBmpImportResult result = PuzzleFromCells(scan, int(nColumns), int(nRows), reader.Background(), askFix, options);
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
