#pragma once
// A puzzle as a formula in conjunctive normal form, for a SAT solver that proves subtrees of
// the search empty. Each line is an automaton that reads its cells one by one: its states
// are "in the gap before number j" and "t cells into number j", each entered by exactly one
// value (background or the number's colour). A variable per (position, state) that some
// arrangement agreeing with the given cell sets can reach; clauses tie each state to the
// value that enters it and to the states before and after it, and each value of a cell to
// the states it may enter. Every model is a solution and every solution extends to exactly
// one model. Unit propagation alone decides each line as completely as the line solver.
#include <cstdint>
#include <vector>

#include "solver/GridPropagator.h"
#include "solver/StopPoll.h"

namespace quenk {

struct SCnf {
    // Literals are DIMACS style: variable v as v or -v. Variable 1 is true in every model
    // (a unit clause says so), so LIT_TRUE and LIT_FALSE stand for constants.
    static constexpr int LIT_TRUE = 1;
    static constexpr int LIT_FALSE = -1;

    int nVars = 1;
    std::vector<int> aClauses;  // each clause's literals followed by 0
    std::int64_t nClauses = 0;
    int nColors = 2;
    // Per cell and value (cell * nColors + value): the literal that says the cell takes it.
    std::vector<int> aCellLit;

    int CellLiteral(int nCell, int nValue) const { return aCellLit[size_t(nCell * nColors + nValue)]; }
};

enum class EEncodeResult {
    OK,
    NO_SOLUTION,  // some line has no arrangement within the given cell sets
    TOO_LARGE,    // the formula would pass nMaxLiterals
    STOPPED,      // pStop asked to stop
};

// Encodes the puzzle with every cell restricted to pMasks (row-major value sets: the grid
// every solution of the search agrees with). Work space is allocated here, once. nMaxLiterals
// counts the entries of aClauses, the zeros included; pStop is asked after every line.
EEncodeResult EncodeGrid(const SGridClues& clues, const CellMask* pMasks, SCnf& cnf,
                         std::int64_t nMaxLiterals = 16'000'000, IStopPoll* pStop = nullptr);

}  // namespace quenk
