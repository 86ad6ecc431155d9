#pragma once
// The usual observer of a search: keeps every solution in a list, stops at a count limit,
// on a stop flag set from any thread, or when the list's budget is exhausted.
#include <atomic>
#include <cstdint>

#include "solver/SearchEngine.h"
#include "solver/SolutionList.h"

namespace quenk {

class CSearchCollector : public ISearchObserver {
public:
    // pList may be null when only the count matters; nMax 0 means no limit.
    CSearchCollector(CSolutionList* pList, std::int64_t nMax = 0) : m_pList(pList), m_nMax(nMax) {}

    ESolutionReply OnSolution(const CCrossword& solution, std::int64_t nIndex) override {
        if (m_pList && !m_pList->Add(solution)) return ESolutionReply::SOLUTION_NOT_KEPT;
        return (m_nMax > 0 && nIndex >= m_nMax) ? ESolutionReply::SOLUTION_KEPT_STOP : ESolutionReply::SOLUTION_KEPT;
    }
    bool ShouldStop(std::int64_t) override { return m_bStop.load(std::memory_order_relaxed); }

    // Callable from any thread; noticed at the search's next node that would guess.
    void RequestStop() { m_bStop.store(true, std::memory_order_relaxed); }

private:
    CSolutionList* m_pList;
    std::int64_t m_nMax;
    std::atomic<bool> m_bStop{false};
};

}  // namespace quenk
