#pragma once
// Building bitmap files byte by byte for the import tests, and a plain whole-picture
// import to compare the streaming one with.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/BmpImport.h"
#include "model/Types.h"
#include "support/TempDir.h"

namespace quenk::test {

using BmpBytes = std::vector<unsigned char>;
using ColorGrid = std::vector<std::vector<COLORREF>>;  // [row][column], top row first

// Little-endian fields of nSize bytes.
inline void Put(BmpBytes& b, std::size_t at, std::uint32_t v, int nSize = 4) {
    for (int i = 0; i < nSize; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}
inline std::uint32_t Get32(const BmpBytes& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

// A colour as the file stores it: blue, green, red from the lowest byte up.
inline std::uint32_t Bgr(COLORREF cr) {
    return std::uint32_t(GetBValue(cr)) | std::uint32_t(GetGValue(cr)) << 8 | std::uint32_t(GetRValue(cr)) << 16;
}

// A bitmap as an index grid over a stored colour table (1, 4, 8 bits) or a colour grid
// (24 bits). The table is stored as given, so it may be shorter than the depth's size.
struct CTestBmp {
    unsigned nBits = 24;
    std::vector<COLORREF> table;                   // stored colour table
    std::vector<std::vector<std::uint32_t>> rows;  // top row first: indices, or COLORREF at 24 bits

    BmpBytes Bytes() const {
        const std::uint32_t w = rows.empty() ? 0 : std::uint32_t(rows[0].size());
        const std::uint32_t h = std::uint32_t(rows.size());
        const std::size_t s = nBits == 24 ? (w * 3 + 3) / 4 * 4 : (w * nBits + 31) / 32 * 4;
        const std::size_t offset = 54 + 4 * table.size();
        BmpBytes b(offset + s * h, 0);
        Put(b, 0, 'B' | 'M' << 8, 2);
        Put(b, 2, std::uint32_t(b.size()));
        Put(b, 10, std::uint32_t(offset));
        Put(b, 14, 40);
        Put(b, 18, w);
        Put(b, 22, h);
        Put(b, 26, 1, 2);
        Put(b, 28, nBits, 2);
        for (std::size_t i = 0; i < table.size(); ++i) Put(b, 54 + 4 * i, Bgr(table[i]), 3);
        for (std::uint32_t y = 0; y < h; ++y) {
            unsigned char* row = b.data() + offset + s * (h - 1 - y);
            for (std::uint32_t x = 0; x < w; ++x) {
                const std::uint32_t v = rows[y][x];
                if (nBits == 24)
                    Put(b, std::size_t(row - b.data()) + 3 * x, Bgr(v), 3);
                else
                    row[x * nBits / 8] |= std::uint8_t(v << (8 - nBits * (x % (8 / nBits) + 1)));
            }
        }
        return b;
    }
};

inline CTestBmp Bmp24(const ColorGrid& grid) {
    CTestBmp bmp;
    for (const auto& r : grid) bmp.rows.emplace_back(r.begin(), r.end());
    return bmp;
}

inline CBmpImportResult ImportBytes(const CTempDir& dir, const BmpBytes& bytes, int p, bool bFix = true,
                                    int* pAsked = nullptr) {
    const std::string strPath = dir.File("in.bmp");
    WriteBytes(strPath, bytes);
    return ImportBmp(strPath, p, [&] {
        if (pAsked) ++*pAsked;
        return bFix;
    });
}

// The import done the plain way, on the whole picture at once: check the pixel rows of
// every cell, then give each cell (in reading order) its majority colour, painting it
// over the cell, and take the cell values from the painted picture.
struct CReferenceImport {
    bool bBlocksUniform = true;
    int nColors = 0;  // 0: too many colours
    std::vector<COLORREF> palette;
    std::vector<std::uint8_t> cells;  // row by row
};

inline CReferenceImport ReferenceImport(ColorGrid pic, int p, COLORREF crBackground) {
    CReferenceImport ref;
    const int w = int(pic[0].size()), h = int(pic.size());
    for (int y = 0; y < h; ++y)
        for (int c = 0; c < w / p; ++c)
            for (int i = 1; i < p; ++i)
                if (pic[y][c * p + i] != pic[y][c * p]) ref.bBlocksUniform = false;
    ref.palette.push_back(crBackground);
    for (int r = 0; r < h / p; ++r)
        for (int c = 0; c < w / p; ++c) {
            std::vector<std::pair<COLORREF, int>> counts;  // first-appearance order
            for (int y = r * p; y < r * p + p; ++y)
                for (int x = c * p; x < c * p + p; ++x) {
                    auto it =
                        std::find_if(counts.begin(), counts.end(), [&](const auto& e) { return e.first == pic[y][x]; });
                    if (it == counts.end())
                        counts.emplace_back(pic[y][x], 1);
                    else
                        ++it->second;
                }
            auto best = counts.begin();
            for (auto it = counts.begin(); it != counts.end(); ++it)
                if (it->second > best->second) best = it;
            if (std::find(ref.palette.begin(), ref.palette.end(), best->first) == ref.palette.end()) {
                if (ref.palette.size() == 16) return ref;
                ref.palette.push_back(best->first);
            }
            for (int y = r * p; y < r * p + p; ++y)
                for (int x = c * p; x < c * p + p; ++x) pic[y][x] = best->first;
        }
    ref.nColors = int(ref.palette.size());
    for (int r = 0; r < h / p; ++r)
        for (int c = 0; c < w / p; ++c) {
            const auto it = std::find(ref.palette.begin(), ref.palette.end(), pic[r * p][c * p]);
            ref.cells.push_back(std::uint8_t(it - ref.palette.begin()));
        }
    return ref;
}

}  // namespace quenk::test
