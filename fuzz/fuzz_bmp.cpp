// Bitmap import on arbitrary bytes. Byte 0 chooses the cell size, byte 1 the answer to
// the question about uneven cells, the rest is the file. Whatever imports is checked and
// solved as an opened puzzle would be, and must survive an export and a second import
// unchanged.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzSolver.h"
#include "formats/BmpExport.h"
#include "formats/BmpImport.h"
#include "formats/SafeFile.h"
#include "model/Crossword.h"

namespace {

std::string TempPath(const char* pName) {
    const char* pBase = std::getenv("TMPDIR");
    return std::string(pBase && *pBase ? pBase : "/tmp") + "/quenk-fuzz-bmp-" + std::to_string(::getpid()) + pName;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    using namespace quenk;
    if (nSize < 2) return 0;
    // Small cell sizes are the interesting ones; the high bit reaches the rest.
    const int p = (pData[0] & 0x80) ? 1 + (pData[0] & 0x7F) * 2 : 1 + (pData[0] & 7);
    const bool bFix = pData[1] & 1;
    static const std::string strIn = TempPath(".bmp"), strOut = TempPath("-out.bmp");
    if (FILE* f = std::fopen(strIn.c_str(), "wb")) {
        std::fwrite(pData + 2, 1, nSize - 2, f);
        std::fclose(f);
    } else {
        return 0;
    }
    try {
        const CBmpImportResult result = ImportBmp(strIn, p, [&] { return bFix; });
        (void)BmpImportMessage(result);
        if (result.m_nOutcome == EBmpImportOutcome::BMP_IMPORTED) {
            const CCrossword& c = *result.m_crossword;
            fuzz::RunSolverOn(c);
            ExportBmp(c, strOut, 1);
            const CBmpImportResult again = ImportBmp(strOut, 1, nullptr);
            if (again.m_nOutcome != EBmpImportOutcome::BMP_IMPORTED) std::abort();
            const CCrossword& d = *again.m_crossword;
            if (d.m_nWidth != c.m_nWidth || d.m_nHeight != c.m_nHeight) std::abort();
            for (int r = 0; r < c.m_nHeight; ++r)
                for (int col = 0; col < c.m_nWidth; ++col)
                    if (d.GetCellColor(d.GetCell(r, col)) != c.GetCellColor(c.GetCell(r, col))) std::abort();
        }
    } catch (const CFileError&) {
    }
    ::unlink(strIn.c_str());
    ::unlink(strOut.c_str());
    return 0;
}
