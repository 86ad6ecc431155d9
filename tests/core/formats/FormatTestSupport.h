#pragma once
// File helpers shared by the format tests. File contents are std::string.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/FormatDispatch.h"
#include "support/Puzzles.h"
#include "support/TempDir.h"
#include "text/LanguageBundle.h"
#include "text/StringOverlay.h"

namespace quenk::test {

using Ints = std::vector<int>;

// Runs a test in English, so that the messages it expects read as the bundle has them.
class EnglishTexts : public ::testing::Test {
protected:
    void SetUp() override { SetStringOverlay(LoadLanguageBundle(QUENK_RESOURCES_DIR, "English")); }
    void TearDown() override { SetStringOverlay(nullptr); }
};

// Writes strData under strName and loads it.
inline CLoadResult Load(const CTempDir& dir, const std::string& strName, const std::string& strData,
                        const CFormatOptions& options = {}) {
    WriteText(dir.File(strName), strData);
    return LoadCrossword(dir.File(strName), options);
}

inline ELoadStatus LoadStatus(const CTempDir& dir, const std::string& strName, const std::string& strData) {
    return Load(dir, strName, strData).nStatus;
}

// Saves under strName and returns the file's bytes.
inline std::string Saved(const CCrossword& crossword, const CTempDir& dir, const std::string& strName,
                         const CFormatOptions& options = {}) {
    SaveCrossword(crossword, dir.File(strName), options);
    return ReadText(dir.File(strName));
}

inline std::string Repeat(const std::string& str, int n) {
    std::string out;
    while (n-- > 0) out += str;
    return out;
}

// The value bytes (marks included) of one line's slots.
inline Ints Values(const std::vector<NUMBERCELL>& slots) {
    Ints v;
    for (const auto& s : slots) v.push_back(s.value);
    return v;
}

// The numbers of every row and then every column without empty slots, as value and colour;
// the colour is its palette index, or with bRgb the palette's value for it.
using NumberLines = std::vector<std::vector<std::pair<int, COLORREF>>>;
inline NumberLines NumbersOf(const CCrossword& c, bool bRgb = false) {
    NumberLines lines;
    for (const auto* pArea : {&c.m_pLeftNumbers, &c.m_pTopNumbers}) {
        const std::size_t nLines = pArea == &c.m_pLeftNumbers ? c.m_nHeight : c.m_nWidth;
        for (std::size_t i = 0; i < nLines; ++i) {
            auto& line = lines.emplace_back();
            if (i < pArea->size())
                for (const NUMBERCELL& n : (*pArea)[i])
                    if (n.value != 0) line.emplace_back(n.value, bRgb ? c.GetNumberColor(n.color) : n.color);
        }
    }
    return lines;
}

}  // namespace quenk::test
