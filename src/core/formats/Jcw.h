#pragma once
// JCW: the picture of a one-colour puzzle, column by column, 2 for a filled cell.
namespace quenk {

class CCrossword;
class CSafeFile;
struct CFormatOptions;
struct CReadReport;
struct CStagingPuzzle;

// Never refuses a file; a short one throws CFileError. The numbers are computed.
bool ReadJcw(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport&);
// Only cells of colour 1 are kept; numbers, crosses and other colours are lost.
void WriteJcw(const CCrossword& crossword, CSafeFile& file, const CFormatOptions& options);

}  // namespace quenk
