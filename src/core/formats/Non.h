#pragma once
// .non: the text format of the open nonogram collections (Steve Simpson's, nonogram-db,
// pynogram...). Keyword lines (width, height, rows, columns, goal, title, by, copyright,
// license, catalogue); rows and columns are followed by one line of comma-separated numbers
// per row or column. One colour only.
namespace quenk {

class CCrossword;
class CSafeFile;
struct CFormatOptions;
struct CReadReport;
struct CStagingPuzzle;

// Refuses, saying what and where, a file without width, height, rows or columns, a size
// over 255, a line that is not numbers, a number over 127 and a goal that is not one 0 or 1
// per cell. Unknown keywords are skipped. The goal becomes the cells.
bool ReadNon(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport& report);
// Writes the metadata, the numbers, and the cells as the goal when they are a complete
// picture (IsCompletePicture).
void WriteNon(const CCrossword& crossword, CSafeFile& file, const CFormatOptions& options);

}  // namespace quenk
