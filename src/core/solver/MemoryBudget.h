#pragma once
// One memory budget for everything a search holds: the solutions kept, the SAT formula and
// what the SAT solver learns, and the search's own arrays. Each holder takes bytes before it
// allocates (or, for what a library allocates, as its estimate grows) and gives them back when
// it frees them; when the budget has no room, the search stops as if Stop had been pressed.
#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quenk {

class CMemoryBudget {
public:
    static constexpr std::size_t DEFAULT_BYTES = std::size_t(256) << 20;

    explicit CMemoryBudget(std::size_t nLimit = DEFAULT_BYTES) : m_nLimit(nLimit) {}
    CMemoryBudget(const CMemoryBudget&) = delete;
    CMemoryBudget& operator=(const CMemoryBudget&) = delete;

    // Takes nBytes when they fit, else takes nothing and returns false. Any thread.
    bool Take(std::size_t nBytes) {
        std::size_t nUsed = m_nUsed.load(std::memory_order_relaxed);
        do {
            if (nBytes > m_nLimit - nUsed) return false;
        } while (!m_nUsed.compare_exchange_weak(nUsed, nUsed + nBytes, std::memory_order_relaxed));
        return true;
    }
    void Give(std::size_t nBytes) { m_nUsed.fetch_sub(nBytes, std::memory_order_relaxed); }

    std::size_t GetLimit() const { return m_nLimit; }
    std::size_t GetUsed() const { return m_nUsed.load(std::memory_order_relaxed); }
    std::size_t GetFree() const { return m_nLimit - std::min(m_nLimit, GetUsed()); }

private:
    const std::size_t m_nLimit;
    std::atomic<std::size_t> m_nUsed{0};
};

// What one holder has taken from a budget (none: no limit); given back when it goes.
class CBudgetCharge {
public:
    explicit CBudgetCharge(CMemoryBudget* pBudget) : m_pBudget(pBudget) {}
    ~CBudgetCharge() { Set(0); }
    CBudgetCharge(const CBudgetCharge&) = delete;
    CBudgetCharge& operator=(const CBudgetCharge&) = delete;

    // Makes the charge nBytes; false, the charge unchanged, when the budget has no room.
    bool Set(std::size_t nBytes) {
        if (m_pBudget) {
            if (nBytes > m_nBytes && !m_pBudget->Take(nBytes - m_nBytes)) return false;
            if (nBytes < m_nBytes) m_pBudget->Give(m_nBytes - nBytes);
        }
        m_nBytes = nBytes;
        return true;
    }
    std::size_t Get() const { return m_nBytes; }
    // What the charge may grow to: itself and the budget's free bytes.
    std::size_t GetRoom() const { return m_pBudget ? m_nBytes + m_pBudget->GetFree() : SIZE_MAX; }

private:
    CMemoryBudget* m_pBudget;
    std::size_t m_nBytes = 0;
};

// The bytes a vector holds.
template <class T>
std::size_t BytesOf(const std::vector<T>& v) {
    return v.capacity() * sizeof(T);
}

}  // namespace quenk
