#pragma once
// A complete answer to "does any solution agree with these cells?": the puzzle as a formula
// (SatEncoding.h) in an incremental SAT solver, asked under assumptions. Learned clauses stay
// between questions, so the search's many related questions get cheaper as it goes. Present
// only when the build found the solver library; otherwise IsAvailable() is false and Build
// refuses.
//
// Memory: the formula and the solver are charged to the budget given, by an estimate (the
// library does not tell): per variable, per clause and per literal of the formula, and per
// clause the solver learned and still holds, with their average length. While a question is
// being answered the clauses learned since it began are added as they come; the solver's
// reductions show only when it is not solving, so a question that has learned 4 MiB, or
// reaches the budget, is paused to count afresh and goes on if that fits.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "solver/MemoryBudget.h"
#include "solver/SatEncoding.h"
#include "solver/StopPoll.h"

namespace quenk {

class CSatOracle {
public:
    enum class EAnswer {
        SATISFIABLE,
        UNSATISFIABLE,
        STOPPED,    // the stop poll said so
        NO_MEMORY,  // the budget has no room for what the solver holds, or an allocation failed
    };

    // pBudget: what the formula and the solver are charged to (none: no limit).
    explicit CSatOracle(CMemoryBudget* pBudget = nullptr);
    ~CSatOracle();
    CSatOracle(const CSatOracle&) = delete;
    CSatOracle& operator=(const CSatOracle&) = delete;

    static bool IsAvailable();

    // Loads the puzzle restricted to pMasks (cell sets every later question lies within).
    // False when the solver is missing, the formula too large (past 16 million literals or
    // the room the budget leaves), pStop asked to stop (asked every line and every 65536
    // literals), an allocation failed (IsOutOfMemory), or there is no solution at all
    // (IsEmpty). bModels tunes the solver for finding solutions rather than proving there are
    // none.
    bool Build(const SGridClues& clues, const CellMask* pMasks, IStopPoll* pStop = nullptr, bool bModels = false);
    bool IsReady() const { return m_bReady; }
    // Drops the formula and the solver.
    void Clear();
    bool IsEmpty() const { return m_bEmpty; }
    bool IsOutOfMemory() const { return m_bOutOfMemory; }
    // What the formula and the solver are estimated to hold.
    std::size_t GetMemoryBytes() const { return m_charge.Get(); }

    // Questions: assumptions (cell takes one value), then Solve. The assumptions hold for one
    // Solve only. pStop is asked whenever the solver looks for a stop request (every few
    // steps of its main loop; its clause-database upkeep does not look). After NO_MEMORY the
    // solver is gone.
    void Assume(int nCell, int nValue);
    EAnswer Solve(IStopPoll* pStop);
    // After UNSATISFIABLE: whether that assumption took part in the proof.
    bool Failed(int nCell, int nValue) const;
    // After SATISFIABLE: the value of the cell in the model found.
    int ModelValue(int nCell) const;
    // Excludes one solution (pValues: each cell's value, 0 background) from every later
    // answer: a clause that some cell takes another value. False after a failed allocation
    // (IsOutOfMemory; the solver is then gone).
    bool Block(const std::uint8_t* pValues);
    // Makes the solver try these cell values first when it decides (pValues as for Block):
    // another solution tends to lie close to one found.
    void PreferValues(const std::uint8_t* pValues);

    std::int64_t GetCalls() const { return m_nCalls; }

private:
    struct CImpl;
    // The estimate with the solver's learned clauses counted afresh; the solver answered last.
    std::size_t EstimateBytes() const;
    // After a failed allocation: drops the solver without destroying it.
    void Abandon();
    std::unique_ptr<CImpl> m_pImpl;
    SCnf m_cnf;
    CBudgetCharge m_charge;
    std::vector<int> m_aAssumed;      // this question's literals, to ask again after a pause
    std::size_t m_nFixedBytes = 0;    // per variable, and the literals of each cell value
    std::size_t m_nClauseLength = 0;  // of the formula's clauses, on average
    bool m_bReady = false;
    bool m_bEmpty = false;
    bool m_bOutOfMemory = false;
    // An assumption the formula excludes outright (cell * colours + value), or -1: the
    // question is answered without the solver, and that assumption alone failed.
    int m_nExcluded = -1;
    int m_nFailedExcluded = -1;
    std::int64_t m_nCalls = 0;
};

}  // namespace quenk
