#include "formats/PictureImport.h"

#include <algorithm>
#include <vector>

#include "formats/BmpPicture.h"
#include "text/AppStrings.h"

namespace quenk {

namespace {

// The p rows of the current cell row, decoded.
class CPictureBands final : public IPixelBands {
public:
    CPictureBands(const PictureRowReader& readRow, std::uint32_t nWidth, std::uint32_t p)
        : m_readRow(readRow), m_nWidth(nWidth), m_p(p), m_band(std::size_t(nWidth) * p) {}
    void LoadBand(std::uint32_t k) override {
        for (std::uint32_t i = 0; i < m_p; ++i) m_readRow(k * m_p + i, m_band.data() + std::size_t(i) * m_nWidth);
    }
    void DecodeSpan(std::uint32_t i, std::uint32_t x, std::uint32_t n, COLORREF* pOut) override {
        std::copy_n(m_band.begin() + std::ptrdiff_t(std::size_t(i) * m_nWidth + x), n, pOut);
    }

private:
    const PictureRowReader& m_readRow;
    std::uint32_t m_nWidth;
    std::uint32_t m_p;
    std::vector<COLORREF> m_band;
};

}  // namespace

unsigned CheckPictureSize(CPictureSize size, int nCellSize) {
    const std::uint32_t p = std::uint32_t(std::clamp(nCellSize, 1, MAX_SIZE));
    const std::uint64_t nLimit = std::uint64_t(MAX_SIZE) * p;
    if (size.nWidth == 0 || size.nHeight == 0) return IDS_BMP_BAD_FILE;
    if (size.nWidth > nLimit || size.nHeight > nLimit) return IDS_BMP_TOO_LARGE;
    if (size.nWidth % p != 0 || size.nHeight % p != 0) return IDS_BMP_CELL_MISMATCH;
    return 0;
}

CBmpImportResult ImportPicture(CPictureSize size, const PictureRowReader& readRow, COLORREF crBackground, int nCellSize,
                               const BmpFixQuestion& askFix, const CFormatOptions& options) {
    if (const unsigned nId = CheckPictureSize(size, nCellSize); nId != 0) {
        CBmpImportResult result;
        result.m_nMessageId = nId;
        return result;
    }
    const std::uint32_t p = std::uint32_t(std::clamp(nCellSize, 1, MAX_SIZE));
    CPictureBands bands(readRow, size.nWidth, p);
    const std::uint32_t nColumns = size.nWidth / p, nRows = size.nHeight / p;
    const CCellScan scan = ScanCells(bands, nColumns, nRows, p);
    return PuzzleFromCells(scan, int(nColumns), int(nRows), crBackground, askFix, options);
}

}  // namespace quenk
