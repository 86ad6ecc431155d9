#pragma once
// .nin: the width and the height on the first line, then a line of numbers for each row
// from the top and for each column from the left, separated by blanks. One colour, numbers
// only.
namespace quenk {

class CCrossword;
class CSafeFile;
struct CFormatOptions;
struct CReadReport;
struct CStagingPuzzle;

// Refuses, saying what and where, a size that is missing or over 255, a line that is not
// numbers, a number over 127, too few lines and text after the last column. Lines starting
// with '#' are comments.
bool ReadNin(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport& report);
// Writes the numbers, 0 for a line without any; palette, colours, marks and cells are lost.
void WriteNin(const CCrossword& crossword, CSafeFile& file, const CFormatOptions& options);

}  // namespace quenk
