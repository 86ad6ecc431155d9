#pragma once
// JCR: numbers only of a one-colour puzzle, one byte per slot, each line from the grid
// outward.
namespace quenk {

class CCrossword;
class CSafeFile;
struct CFormatOptions;
struct CReadReport;
struct CStagingPuzzle;

// Never refuses a file; a short one throws CFileError.
bool ReadJcr(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport&);
// Writes the number values without marks; palette, number colours and cells are lost.
void WriteJcr(const CCrossword& crossword, CSafeFile& file, const CFormatOptions& options);

}  // namespace quenk
