#pragma once
// What every search does at a node: complete line analysis propagated from what changed,
// then probing. Probing that keeps teaching nothing (wide open grids such as n x n with every
// number 1, where one probe costs two whole lines) is skipped at more and more nodes, up to
// one node in 64, and a round after a fruitless one gives up after one probe per line in a
// row that taught nothing; any lesson lifts both limits.
#include "solver/GridPropagator.h"
#include "solver/Prober.h"

namespace quenk {

class CNodeDeduction {
public:
    CNodeDeduction(CGridPropagator& grid, CProber& prober) : m_grid(grid), m_prober(prober) {}

    // Deduces from the grid as it is. False when it has no solution (or the grid's stop poll
    // said stop: CGridPropagator::IsStopped tells).
    bool Deduce();
    // Forgets how fruitful probing was: call after the grid was reset.
    void Reset() { m_nProbeInterval = m_nProbeWait = 0; }

private:
    static constexpr int MAX_PROBE_INTERVAL = 64;
    CGridPropagator& m_grid;
    CProber& m_prober;
    int m_nProbeInterval = 0;  // nodes to pass without probing after a probing that taught nothing
    int m_nProbeWait = 0;
};

}  // namespace quenk
