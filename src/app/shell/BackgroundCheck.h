#pragma once
// One background thread for checks whose answer only matters for the latest request: the
// designer's verdict while drawing. Posting a request replaces the one waiting and cancels
// the one running (its stop poll says so at its next look), so a burst of changes runs at
// most one check to its end. The thread never touches anything of Qt's; its owner collects
// finished results with TakeResult (the window polls while a check is pending).
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "shell/ThreadPriority.h"
#include "solver/StopPoll.h"

namespace quenk {

template <class Request, class Result>
class CBackgroundCheck {
public:
    // Runs on the thread; returns nothing when it was stopped.
    using CheckFn = std::function<std::optional<Result>(const Request&, IStopPoll&)>;

    explicit CBackgroundCheck(CheckFn check) : m_check(std::move(check)), m_thread([this] { Loop(); }) {}
    // Cancels what runs and waits for the thread.
    ~CBackgroundCheck() {
        {
            std::lock_guard lock(m_mutex);
            m_bQuit = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }
    CBackgroundCheck(const CBackgroundCheck&) = delete;
    CBackgroundCheck& operator=(const CBackgroundCheck&) = delete;

    // The request to answer next; returns its number, which its result carries.
    std::uint64_t Post(Request request) {
        std::uint64_t nNumber = 0;
        {
            std::lock_guard lock(m_mutex);
            m_pending = std::move(request);
            nNumber = ++m_nPosted;
            m_result.reset();
        }
        m_wake.notify_one();
        return nNumber;
    }
    // Forgets the waiting request and cancels the running one; a result not yet taken goes.
    void Cancel() {
        std::lock_guard lock(m_mutex);
        m_pending.reset();
        m_nAnswered = ++m_nPosted;
        m_result.reset();
    }
    // The answer to the latest request, once, when it has come.
    std::optional<Result> TakeResult() {
        std::lock_guard lock(m_mutex);
        std::optional<Result> result = std::move(m_result);
        m_result.reset();
        return result;
    }
    // True while the latest request has no answer yet.
    bool IsBusy() const {
        std::lock_guard lock(m_mutex);
        return m_nAnswered != m_nPosted;
    }
    // Checks that ran to their end (for the tests of cancelling).
    std::uint64_t FinishedCount() const {
        std::lock_guard lock(m_mutex);
        return m_nFinished;
    }

private:
    class CPoll : public IStopPoll {
    public:
        CPoll(const CBackgroundCheck& owner, std::uint64_t nNumber) : m_owner(owner), m_nNumber(nNumber) {}
        bool ShouldStop() override {
            std::lock_guard lock(m_owner.m_mutex);
            return m_owner.m_bQuit || m_owner.m_nPosted != m_nNumber;
        }

    private:
        const CBackgroundCheck& m_owner;
        std::uint64_t m_nNumber;
    };

    void Loop() {
        LowerThreadPriority();
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_bQuit || m_pending.has_value(); });
            if (m_bQuit) return;
            const Request request = std::move(*m_pending);
            m_pending.reset();
            const std::uint64_t nNumber = m_nPosted;
            lock.unlock();
            CPoll poll(*this, nNumber);
            std::optional<Result> result = m_check(request, poll);
            lock.lock();
            if (m_nPosted != nNumber) continue;  // a newer request came meanwhile
            m_nAnswered = nNumber;
            if (!result) continue;
            ++m_nFinished;
            m_result = std::move(result);
        }
    }

    CheckFn m_check;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Request> m_pending;
    std::optional<Result> m_result;
    std::uint64_t m_nPosted = 0;
    std::uint64_t m_nAnswered = 0;
    std::uint64_t m_nFinished = 0;
    bool m_bQuit = false;
    std::thread m_thread;  // last: it starts once everything above is there
};

}  // namespace quenk
