#pragma once
// The program's own format: a byte image of the puzzle's head, its numbers and its cells.
namespace quenk {

class CCrossword;
class CSafeFile;

// Returns false for a wrong signature or colour count; a short file throws CFileError.
bool ReadJcc(CCrossword& crossword, CSafeFile& file);
// Writes the puzzle as it stands (marks, crosses, unaligned numbers); m_bEmptyPicture must
// be current.
void WriteJcc(const CCrossword& crossword, CSafeFile& file);

}  // namespace quenk
