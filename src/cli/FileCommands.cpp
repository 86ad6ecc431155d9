// convert, import-bmp, export-bmp: move puzzles between formats and bitmaps.
#include <iostream>

#include "Cli.h"
#include "formats/BmpExport.h"
#include "formats/BmpImport.h"
#include "formats/FormatDispatch.h"
#include "formats/FormatLimits.h"
#include "formats/SafeFile.h"
#include "text/AppStrings.h"

namespace quenk::cli {

namespace {

int g_nPuzzle = 0;  // --puzzle, from 0

// Saves after the format-limit checks; a question counts as No unless bYes.
int SaveChecked(const CCrossword& crossword, const std::string& strPath, bool bYes) {
    const CLimitDecision decision = CheckFormatLimits(strPath, crossword, true);
    if (decision.m_eAction == ELimitAction::LIMIT_REFUSE || (decision.m_eAction == ELimitAction::LIMIT_ASK && !bYes)) {
        std::cerr << FormatLimitText(decision) << "\n";
        return EXIT_REFUSED;
    }
    return SaveOrReport([&] { SaveCrossword(crossword, strPath); }) ? EXIT_OK : EXIT_WRITE_FAILED;
}

// Reads "--cell P" (1 to 255); false on a bad value.
bool TakeCellSize(Args& args, long& nCellSize) {
    std::string strCell;
    if (!TakeOption(args, "--cell", strCell)) return false;
    return strCell.empty() || ParseNumber(strCell, 1, 255, nCellSize);
}

}  // namespace

void SelectPuzzle(int nPuzzle) { g_nPuzzle = nPuzzle - 1; }

CLoadResult LoadPuzzleFile(const std::string& strPath) {
    CFormatOptions options;
    options.m_nPuzzle = g_nPuzzle;
    CLoadResult result = LoadCrossword(strPath, options);
    if (!result.crossword) std::cerr << LoadResultMessage(result) << "\n";
    return result;
}

int RunConvert(Args args) {
    const bool bYes = TakeFlag(args, "--yes");
    std::string strOption;
    if (HasUnknownOption(args, strOption)) return UsageError("unknown option " + strOption);
    if (args.size() != 2) return UsageError("convert takes IN and OUT");
    const auto crossword = LoadPuzzle(args[0]);
    if (!crossword) return EXIT_LOAD_FAILED;
    return SaveChecked(*crossword, args[1], bYes);
}

int RunImportBmp(Args args) {
    const bool bYes = TakeFlag(args, "--yes");
    long nCellSize = 1;
    if (!TakeCellSize(args, nCellSize)) return UsageError("--cell takes a size from 1 to 255");
    std::string strOption;
    if (HasUnknownOption(args, strOption)) return UsageError("unknown option " + strOption);
    if (args.size() != 2) return UsageError("import-bmp takes IN.bmp and OUT");

    CBmpImportResult result;
    try {
        result = ImportBmp(args[0], int(nCellSize), [bYes] { return bYes; });
    } catch (const CFileError& error) {
        std::cerr << "quenk-cli: " << FileErrorText(error) << "\n";
        return EXIT_LOAD_FAILED;
    }
    if (result.m_nOutcome == EBmpImportOutcome::BMP_DECLINED) {
        std::cerr << LoadAppString(IDS_BMP_FIX_BLOCKS) << "\n";
        return EXIT_REFUSED;
    }
    if (result.m_nOutcome != EBmpImportOutcome::BMP_IMPORTED) {
        std::cerr << BmpImportMessage(result) << "\n";
        return EXIT_REFUSED;
    }
    return SaveChecked(*result.m_crossword, args[1], bYes);
}

int RunExportBmp(Args args) {
    long nCellSize = 1;
    if (!TakeCellSize(args, nCellSize)) return UsageError("--cell takes a size from 1 to 255");
    std::string strOption;
    if (HasUnknownOption(args, strOption)) return UsageError("unknown option " + strOption);
    if (args.size() != 2) return UsageError("export-bmp takes IN and OUT.bmp");
    const auto crossword = LoadPuzzle(args[0]);
    if (!crossword) return EXIT_LOAD_FAILED;
    return SaveOrReport([&] { ExportBmp(*crossword, args[1], int(nCellSize)); }) ? EXIT_OK : EXIT_WRITE_FAILED;
}

}  // namespace quenk::cli
