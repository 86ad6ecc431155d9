#pragma once
// PPIFF (.pp, .ppc, .pps): a text format for one-colour puzzles with the numbers of every
// column and row and, optionally, the grid as filled / known empty / unknown.
namespace quenk {

class CCrossword;
class CSafeFile;
struct CFormatOptions;
struct CReadReport;
struct CStagingPuzzle;

bool ReadPpiff(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport&);
// Writes numbers up to 99 and the cells; the comment line carries the version text and the
// time of saving. The file is Windows-1251 text with LF line ends.
void WritePpiff(const CCrossword& crossword, CSafeFile& file, const CFormatOptions& options);

}  // namespace quenk
