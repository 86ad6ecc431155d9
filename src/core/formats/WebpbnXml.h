#pragma once
// webpbn XML (.xml, .pbn): the puzzle sets of webpbn, pbnsolve and number-loom. A
// <puzzleset> of <puzzle> elements, each with its title and author, named colours, the
// numbers of its columns and rows as <clues>, and optionally the goal as a picture whose
// characters are the colours'.
namespace quenk {

class CCrossword;
class CSafeFile;
struct CFormatOptions;
struct CReadReport;
struct CStagingPuzzle;

// Reads puzzle options.m_nPuzzle of the set and the titles of all of them. Refuses, saying
// what and where, what is not well-formed XML, declares entities, is no grid puzzle, names a
// colour it does not define, has more than 255 rows or columns, numbers over 127 or more
// than 16 colours in use, or a goal that does not fit. The palette is the background and the
// colours in use, in the order the file defines them; the goal becomes the cells.
bool ReadWebpbnXml(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport& report);
// Writes a set of one puzzle: the metadata, the palette (the background named "white", the
// other colours by name where their value has a common one, else "colorK"), the numbers,
// and the cells as the goal when they are a complete picture (IsCompletePicture).
void WriteWebpbnXml(const CCrossword& crossword, CSafeFile& file, const CFormatOptions& options);

}  // namespace quenk
