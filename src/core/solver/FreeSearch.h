#pragma once
// A depth-first search free to choose where it branches: below a deduced grid it walks every
// completion, each exactly once, branching on the cell whose last probe decided most (what
// probing learned), deducing at every node. The walk can be paused after a number of nodes and
// resumed, or abandoned; the ordered search asks it whether a subtree holds any solution, the
// settle search counts solutions with it.
#include <cstdint>
#include <vector>

#include "solver/GridPropagator.h"
#include "solver/NodeDeduction.h"
#include "solver/Prober.h"
#include "solver/StopPoll.h"

namespace quenk {

struct SFreeOrder {
    // Per cell one value bit, tried last at every branch on that cell (none: background first,
    // then the colours): a walk that should find another solution than this one.
    const CellMask* pLast = nullptr;
    // 0: among cells probing rates alike, the last one in row-major order. Otherwise ties go
    // to cells whose row and column hold most decided cells (how constrained the lines are),
    // from a place in the grid the seed picks, and the seed also decides whether a branch
    // tries its values upwards or downwards: restarts walk different trees.
    std::uint32_t nSeed = 0;
};

class CFreeSearch {
public:
    enum class EStep {
        SOLUTION,      // the grid holds a solution; Next goes on from it
        DONE,          // every completion was visited; the grid is as at Begin
        OUT_OF_NODES,  // the nodes allowed are spent; Next goes on where it paused
        STOPPED,       // the stop poll said so (at a node, or in the grid's propagation)
    };

    CFreeSearch(CGridPropagator& grid, CProber& prober, CNodeDeduction& deduction);

    // Starts a walk below the grid as it is, deduced already; bDeduced false when that
    // deduction failed (the walk then has nothing to visit). The order is kept until End.
    void Begin(bool bDeduced, const SFreeOrder& order = {});
    // Visits nodes until the next solution, the end of the walk, nNodes more branching nodes,
    // or a stop (pStop asked at every branching node; none: never).
    EStep Next(std::int64_t nNodes, IStopPoll* pStop);
    // Takes the grid back to where Begin found it.
    void End();

    // Branching nodes visited, all walks together.
    std::int64_t GetNodes() const { return m_nNodes; }
    // The cell to branch on in the grid as it is, or -1 when every cell is decided.
    int BranchCell(std::uint32_t nSeed) const;
    std::size_t GetMemoryBytes() const;

private:
    struct CFrame {
        std::int32_t nCell;
        CellMask nLeft;  // values still to try
        std::int32_t nMark;
    };
    CellMask NextValue(const CFrame& frame) const;
    // Takes the frame's next value off its list, sets it and deduces.
    void TryNextValue(CFrame& frame);

    CGridPropagator& m_grid;
    CProber& m_prober;
    CNodeDeduction& m_deduction;
    std::vector<CFrame> m_aFrames;
    SFreeOrder m_order;
    int m_nEntry = 0;
    int m_nDepth = 0;
    bool m_bOk = false;  // the current node deduced without contradiction and is still to be visited
    std::int64_t m_nNodes = 0;
};

}  // namespace quenk
