#pragma once
// The all-solutions search on a thread of its own, below the interface's priority. The
// thread owns the engine and its copy of the puzzle; it keeps what it finds in the solution
// list (which any thread may read) and its progress in atomics; it never touches a widget
// or anything of Qt's. Its owner polls HasEnded and joins it.
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

#include "model/Crossword.h"
#include "solver/SearchEngine.h"
#include "solver/SolutionList.h"

namespace quenk {

class CSearchWorker {
public:
    // puzzle: the cells decided so far and the numbers; nBudgetBytes bounds what is kept and
    // what the search holds, together.
    explicit CSearchWorker(const CCrossword& puzzle, std::size_t nBudgetBytes = CSolutionList::DEFAULT_BUDGET);
    // Stops the search and waits for its thread.
    ~CSearchWorker();
    CSearchWorker(const CSearchWorker&) = delete;
    CSearchWorker& operator=(const CSearchWorker&) = delete;

    void Start();
    // Callable from any thread; the search notices it at its next stop poll.
    void RequestStop() { m_bStop.store(true, std::memory_order_relaxed); }
    // Waits until the thread has ended (at once when it has or never started).
    void Join();

    bool HasEnded() const { return m_bEnded.load(std::memory_order_acquire); }
    // The nodes visited so far; it never goes backwards.
    std::int64_t Nodes() const { return m_nNodes.load(std::memory_order_relaxed); }
    // How the search ended; meaningful once HasEnded.
    const SearchOutcome& Outcome() const { return m_outcome; }
    CSolutionList& Solutions() { return m_solutions; }

private:
    class CObserver;

    CCrossword m_puzzle;
    CSolutionList m_solutions;
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bEnded{false};
    std::atomic<std::int64_t> m_nNodes{0};
    SearchOutcome m_outcome;
    std::thread m_thread;
};

}  // namespace quenk
