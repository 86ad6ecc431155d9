#pragma once
// The program's own format: a byte image of the puzzle's head, its numbers and its cells.
namespace quenk {

class CCrossword;
class CSafeFile;
struct CFormatOptions;
struct CReadReport;
struct CStagingPuzzle;

// Returns false for a wrong signature or colour count; a short file throws CFileError.
bool ReadJcc(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport&);
// Writes the puzzle as it stands (marks, crosses, unaligned numbers); the cells are left
// out when every one is 0.
void WriteJcc(const CCrossword& crossword, CSafeFile& file, const CFormatOptions& options);

}  // namespace quenk
