#pragma once
// Puzzles and file helpers shared by the format tests. File contents are std::string.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "formats/FormatOptions.h"
#include "model/Crossword.h"
#include "support/TempDir.h"

namespace quenk::test {

using Grid = std::vector<std::vector<std::uint8_t>>;
using Ints = std::vector<int>;

inline std::array<COLORREF, MAX_COLORS> MonoPalette() {
    return {COLOR_WHITE, DEFAULT_MONO_COLOR};
}

// A one-colour puzzle with the given cells and the numbers they imply.
inline std::unique_ptr<CCrossword> MonoPuzzle(const Grid& rows) {
    auto p = MonoPalette();
    auto pc = std::make_unique<CCrossword>(int(rows[0].size()), int(rows.size()), 0, 0, 2, p.data());
    pc->m_pCells = rows;
    pc->ComputeNumbers();
    return pc;
}

inline std::unique_ptr<CCrossword> Load(const CTempDir& dir, const std::string& strName, const std::string& strData,
                                        const CFormatOptions& options = {}) {
    WriteText(dir.File(strName), strData);
    return std::make_unique<CCrossword>(dir.File(strName), options);
}

inline std::uint32_t LoadStatus(const CTempDir& dir, const std::string& strName, const std::string& strData) {
    return Load(dir, strName, strData)->m_nStatus;
}

inline std::string Saved(CCrossword& crossword, const CTempDir& dir, const std::string& strName,
                         const CFormatOptions& options = {}) {
    crossword.Save(dir.File(strName), options);
    return ReadText(dir.File(strName));
}

// The value bytes (marks included) of one line's slots.
inline Ints Values(const std::vector<NUMBERCELL>& slots) {
    Ints v;
    for (const auto& s : slots) v.push_back(s.value);
    return v;
}

}  // namespace quenk::test
