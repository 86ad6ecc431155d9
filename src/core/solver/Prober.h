#pragma once
// Probing: try each value a cell may take, propagate, and keep what every outcome that
// does not fail agrees on. A value that fails is struck off; when all fail, so does the grid.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "solver/GridPropagator.h"

namespace quenk {

class CProber {
public:
    explicit CProber(CGridPropagator& grid);

    // From a propagated fixed point, probes undecided cells round and round until a whole
    // round teaches nothing. Every cell it decides or narrows holds in every solution of the
    // grid as it was. False when the grid has no solution; the grid is then left part-way.
    // Cells whose row and column hold nothing decided, or have not changed since the cell's
    // last probe, are passed over: they rarely teach anything new. With nQuietLimit above 0
    // the round also ends after that many probes in a row taught nothing. bLearned tells
    // whether it narrowed any cell. A stop request heard by the grid's propagation fails
    // every probe, and so the rounds at once.
    bool Run(bool& bLearned, int nQuietLimit = 0);

    // How much the last probe of a cell decided: the product over its values of one plus
    // the cells each outcome narrowed. A free search branches where this is largest. 0 for
    // cells not probed yet.
    std::int64_t GetScore(int nCell) const { return m_aScore[size_t(nCell)]; }

    std::int64_t GetProbeCount() const { return m_nProbes; }
    // Forgets what was probed before: call after the grid was reset.
    void Reset();
    std::size_t GetMemoryBytes() const;

private:
    // Probes one cell; bLearned tells whether any cell narrowed.
    bool ProbeCell(int nCell, bool& bLearned);

    CGridPropagator& m_grid;
    std::vector<CellMask> m_aUnion;      // per cell: values seen over the outcomes so far
    std::vector<std::int32_t> m_aCount;  // per cell: outcomes so far that narrowed it
    std::vector<std::int32_t> m_aStamp;  // per cell: last probe that counted it
    std::vector<std::int32_t> m_aTouched;
    std::vector<std::int64_t> m_aProbedAt;
    std::vector<std::int64_t> m_aScore;  // per cell: the grid's clock when last probed
    int m_nTouched = 0;
    std::int32_t m_nStamp = 0;
    std::int64_t m_nProbes = 0;
};

}  // namespace quenk
