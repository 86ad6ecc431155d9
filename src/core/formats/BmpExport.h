#pragma once
// Writing a puzzle's cells as an uncompressed 4-bit Windows bitmap, p x p pixels a cell.
#include <string>

namespace quenk {

class CCrossword;

// Colour t of the puzzle is written as pixel index t - 1 and the background as index 15;
// empty cells, crosses and bytes above 15 that name no colour are background. nCellSize
// is clamped to 1..255. Throws CFileError when writing fails; the target is replaced only
// by a complete file. Holds one packed pixel row in memory, whatever the picture's size.
void ExportBmp(const CCrossword& crossword, const std::string& strPath, int nCellSize);

}  // namespace quenk
