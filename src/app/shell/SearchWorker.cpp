#include "shell/SearchWorker.h"

#include "shell/ThreadPriority.h"

namespace quenk {

class CSearchWorker::CObserver : public ISearchObserver {
public:
    explicit CObserver(CSearchWorker& worker) : m_worker(worker) {}

    ESolutionReply OnSolution(const CCrossword& solution, std::int64_t) override {
        // A full list ends the search with what it holds.
        return m_worker.m_solutions.Add(solution) ? ESolutionReply::SOLUTION_KEPT : ESolutionReply::SOLUTION_NOT_KEPT;
    }
    bool ShouldStop(std::int64_t nNodes) override {
        std::int64_t nSeen = m_worker.m_nNodes.load(std::memory_order_relaxed);
        while (nNodes > nSeen && !m_worker.m_nNodes.compare_exchange_weak(nSeen, nNodes, std::memory_order_relaxed)) {
        }
        return m_worker.m_bStop.load(std::memory_order_relaxed);
    }

private:
    CSearchWorker& m_worker;
};

CSearchWorker::CSearchWorker(const CCrossword& puzzle, std::size_t nBudgetBytes)
    : m_puzzle(puzzle), m_solutions(puzzle, nBudgetBytes) {}

CSearchWorker::~CSearchWorker() {
    RequestStop();
    Join();
}

void CSearchWorker::Start() {
    if (m_thread.joinable() || HasEnded()) return;
    m_thread = std::thread([this] {
        LowerThreadPriority();
        CObserver observer(*this);
        CSearchEngine engine(m_puzzle);
        // One budget for the solutions kept and for what the search holds.
        m_outcome = engine.Run(observer, m_solutions.GetBudget());
        m_bEnded.store(true, std::memory_order_release);
    });
}

void CSearchWorker::Join() {
    if (m_thread.joinable()) m_thread.join();
}

}  // namespace quenk
