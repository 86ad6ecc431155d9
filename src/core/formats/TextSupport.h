#pragma once
// What the readers of the text formats people share puzzles in (.non, .nin, webpbn XML)
// have in common: the file as lines, numbers, sizes, and the texts they carry.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/Types.h"

namespace quenk {

class CSafeFile;
struct CReadReport;
struct CStagingPuzzle;

using NumberLine = std::vector<NUMBERCELL>;  // the numbers of one row or column, in order

// Reads the whole file; false (with the reason) when it is larger than MAX_TEXT_FILE.
bool ReadTextFile(CSafeFile& file, std::string& strText, CReadReport& report);

// The lines of a text, numbered from 1, without their line ends (LF or CR LF).
class CTextLines {
public:
    explicit CTextLines(std::string_view text) : m_text(text) {}
    // False at the end of the text; a last line without a line end still counts.
    bool Next(std::string_view& line);
    int Number() const { return m_nLine; }  // of the line Next returned last

private:
    std::string_view m_text;
    std::size_t m_nPos = 0;
    int m_nLine = 0;
};

std::string_view Trim(std::string_view text);

// A width or height: digits only, 1 to MAX_SIZE. False with the reason in strWhat.
bool ParseSize(std::string_view text, int& nSize, std::string& strWhat);
// The numbers of one line in colour 1, separated by any of the separators; a line without
// numbers, or with 0 alone, is empty (zeros are left out wherever they stand). False with the
// reason in strWhat for anything but digits and separators, a number above 127 or more
// numbers than a depth can hold.
bool ParseNumberLine(std::string_view text, std::string_view separators, NumberLine& numbers, std::string& strWhat);
// One number of at most 127, for a reader that separates them itself; 0 is allowed.
bool ParseNumber(std::string_view text, int& nValue, std::string& strWhat);
// False with the reason when a line holds more numbers than a depth can.
bool CheckDepth(std::size_t nNumbers, std::string& strWhat);

// Sizes, depths and slots of the staging puzzle from the numbers of its rows and columns.
void FillNumbers(CStagingPuzzle& staging, const std::vector<NumberLine>& rows, const std::vector<NumberLine>& columns);

// A text from a file as the puzzle keeps it: valid UTF-8 (a byte that is not is read as
// Latin-1), one line (control characters become blanks), trimmed, at most about 1000 bytes.
std::string CleanText(std::string_view text);
// Replaces the character references of HTML (&amp; &quot; &copy; &#233; &#xE9; ...) by the
// characters; a reference it does not know stays as it is.
std::string DecodeEntities(std::string_view text);
// The character of an HTML entity name ("copy" gives "©"); null when it does not know it.
const char* HtmlEntity(std::string_view name);

}  // namespace quenk
