#pragma once
// What a reader tells besides the fields of the puzzle: what the file says about the puzzle,
// the puzzles of a set, and why it refused the file.
#include <string>
#include <string_view>
#include <vector>

#include "model/Crossword.h"

namespace quenk {

struct CReadReport {
    CPuzzleMetadata metadata;
    // A file that may hold several puzzles (a webpbn puzzle set): the title of each, in file
    // order, empty where a puzzle has none. Left empty by the formats of one puzzle.
    std::vector<std::string> puzzleTitles;
    // Why the file was refused and where, one line; empty when the reader does not say.
    std::string strDetail;

    // Sets the detail to "<where>: line <n>: <what>", leaving out an empty where and a line
    // of 0, unless a detail is already set. Returns false, for "return report.Refuse(...)".
    bool Refuse(std::string_view strWhere, int nLine, const std::string& strWhat);
};

}  // namespace quenk
