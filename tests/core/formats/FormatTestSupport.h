#pragma once
// File helpers shared by the format tests. File contents are std::string.
#include <string>
#include <vector>

#include "formats/FormatDispatch.h"
#include "support/Puzzles.h"
#include "support/TempDir.h"

namespace quenk::test {

using Ints = std::vector<int>;

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

// The value bytes (marks included) of one line's slots.
inline Ints Values(const std::vector<NUMBERCELL>& slots) {
    Ints v;
    for (const auto& s : slots) v.push_back(s.value);
    return v;
}

}  // namespace quenk::test
