#pragma once
// A complete answer to "does any solution agree with these cells?": the puzzle as a formula
// (SatEncoding.h) in an incremental SAT solver, asked under assumptions. Learned clauses stay
// between questions, so the search's many related questions get cheaper as it goes. Present
// only when the build found the solver library; otherwise IsAvailable() is false and Build
// refuses.
#include <cstdint>
#include <memory>

#include "solver/SatEncoding.h"

namespace quenk {

class ISatStopPoll {
public:
    virtual ~ISatStopPoll() = default;
    // Asked now and then while the solver works; true abandons the question.
    virtual bool ShouldStop() = 0;
};

class CSatOracle {
public:
    enum class EAnswer { SATISFIABLE, UNSATISFIABLE, STOPPED };

    CSatOracle();
    ~CSatOracle();
    CSatOracle(const CSatOracle&) = delete;
    CSatOracle& operator=(const CSatOracle&) = delete;

    static bool IsAvailable();

    // Loads the puzzle restricted to pMasks (cell sets every later question lies within).
    // False when the solver is missing, the formula too large, or there is no solution at all
    // (then IsEmpty tells).
    bool Build(const SGridClues& clues, const CellMask* pMasks);
    bool IsReady() const { return m_bReady; }
    // Drops the formula and the solver.
    void Clear();
    bool IsEmpty() const { return m_bEmpty; }

    // Questions: assumptions (cell takes one value), then Solve. The assumptions hold for one
    // Solve only.
    void Assume(int nCell, int nValue);
    EAnswer Solve(ISatStopPoll* pStop);
    // After UNSATISFIABLE: whether that assumption took part in the proof.
    bool Failed(int nCell, int nValue) const;
    // After SATISFIABLE: the value of the cell in the model found.
    int ModelValue(int nCell) const;

    std::int64_t GetCalls() const { return m_nCalls; }

private:
    struct CImpl;
    std::unique_ptr<CImpl> m_pImpl;
    SCnf m_cnf;
    bool m_bReady = false;
    bool m_bEmpty = false;
    // An assumption the formula excludes outright (cell * colours + value), or -1: the
    // question is answered without the solver, and that assumption alone failed.
    int m_nExcluded = -1;
    int m_nFailedExcluded = -1;
    std::int64_t m_nCalls = 0;
};

}  // namespace quenk
