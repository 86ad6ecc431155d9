#pragma once
// Pieces shared by the tests of the designer's checks: stop polls, the shared collection's
// puzzles with what is known about them, and the solutions that agree with given cells.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/solver/SearchTestSupport.h"
#include "solver/StopPoll.h"
#include "support/Nono.h"

namespace quenk::test {

// Says stop from its nAfter-th question on (0: never); counts the questions.
class CCountingStop : public IStopPoll {
public:
    explicit CCountingStop(int nAfter) : m_nAfter(nAfter) {}
    bool ShouldStop() override {
        ++m_nAsked;
        return m_nAfter > 0 && m_nAsked >= m_nAfter;
    }
    int m_nAfter;
    int m_nAsked = 0;
};

// A puzzle of the shared collection with index.tsv's "known" column.
struct SKnownPuzzle {
    std::string strId;
    std::filesystem::path path;
    int nWidth = 0, nHeight = 0;
    std::string strKnown;
};

inline std::vector<SKnownPuzzle> KnownPuzzles() {
    std::vector<SKnownPuzzle> puzzles;
    const std::filesystem::path dataDir = QUENK_SHARED_DATA_DIR;
    std::ifstream in(dataDir / "index.tsv");
    std::string strLine;
    std::getline(in, strLine);
    while (std::getline(in, strLine)) {
        std::vector<std::string> fields;
        std::istringstream line(strLine);
        for (std::string field; std::getline(line, field, '\t');) fields.push_back(field);
        if (fields.size() < 7 || !std::filesystem::exists(dataDir / fields[1])) continue;
        puzzles.push_back({fields[0], dataDir / fields[1], std::stoi(fields[2]), std::stoi(fields[3]), fields[6]});
    }
    return puzzles;
}

// The puzzle's solutions that agree with the cells of `cells` (CELL_EMPTY undecided).
inline std::vector<Grid> SolutionsAgreeingWith(const CCrossword& puzzle, const Grid& cells) {
    return ReferenceSolutions(WithCells(puzzle, cells));
}

}  // namespace quenk::test
