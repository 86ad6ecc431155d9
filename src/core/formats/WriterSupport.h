#pragma once
// Small pieces the writers share.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/SafeFile.h"
#include "model/Crossword.h"

namespace quenk {

// Collects a whole file in memory and hands it to the file in one write.
class CByteWriter {
public:
    explicit CByteWriter(CSafeFile& file) : m_file(file) {}
    void Byte(std::uint8_t b) { m_strData += char(b); }
    void Bytes(const void* p, std::size_t n) { m_strData.append(static_cast<const char*>(p), n); }
    void Text(const std::string& str) { m_strData += str; }
    void Flush() {
        m_file.Write(m_strData);
        m_strData.clear();
    }

private:
    CSafeFile& m_file;
    std::string m_strData;
};

// Every cell is 0: the formats that may leave the picture out do so.
bool IsBlankPicture(const CCrossword& crossword);

// The puzzle whose numbers a text format writes: crossword itself, or for a picture without
// numbers (both depths 0) a copy in computed with the numbers of its picture.
const CCrossword& Numbered(const CCrossword& crossword, std::optional<CCrossword>& computed);
// The numbers of nLines lines of an area in order, without empty slots and marks; every
// line empty when the area has no slots.
std::vector<std::vector<NUMBERCELL>> LineNumbers(const std::vector<std::vector<NUMBERCELL>>& area, int nLines);
// The cells make exactly the numbers of every row and column, undecided cells and crosses
// counting as background: the picture is a solution, and the formats write it as the goal.
bool IsCompletePicture(const CCrossword& crossword);

}  // namespace quenk
