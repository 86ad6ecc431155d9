#pragma once
// JCP: the numbers of a one-colour puzzle as text lines, each number one character
// ('0' + the number), rows first, then columns.
namespace quenk {

class CCrossword;
class CSafeFile;
struct CFormatOptions;
struct CReadReport;
struct CStagingPuzzle;

// Refuses a file with too few lines, one too short for its header line, or a line with
// more numbers than a depth can hold.
bool ReadJcp(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport&);
// Writes the number values without marks; palette, number colours and cells are lost.
void WriteJcp(const CCrossword& crossword, CSafeFile& file, const CFormatOptions& options);

}  // namespace quenk
