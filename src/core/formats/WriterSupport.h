#pragma once
// Small pieces the writers share: a byte buffer in front of the file, and reads of numbers
// and cells that stay inside the arrays whatever the header fields say.
#include <cstdint>
#include <string>

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

// Slot i of column c / row r, or an empty slot where the arrays hold none.
NUMBERCELL TopSlot(const CCrossword& crossword, int c, int i);
NUMBERCELL LeftSlot(const CCrossword& crossword, int r, int i);
// The cell in row r, column c, or CELL_EMPTY where the grid holds none.
std::uint8_t CellAt(const CCrossword& crossword, int r, int c);

}  // namespace quenk
