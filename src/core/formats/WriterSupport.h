#pragma once
// Small pieces the writers share.
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

// Every cell is 0: the formats that may leave the picture out do so.
bool IsBlankPicture(const CCrossword& crossword);

}  // namespace quenk
