#pragma once
// The owner's stop request as the search's long pieces of work ask it: the line pass, probing,
// building the SAT formula and the SAT solver each ask every few steps, so a stop is honoured
// within milliseconds wherever the search is.
namespace quenk {

class IStopPoll {
public:
    virtual ~IStopPoll() = default;
    // True abandons the work; once true it stays true.
    virtual bool ShouldStop() = 0;
};

// Asks a poll (none: never) at every nEvery-th step of a loop whose steps are too short to ask
// at each one.
class CStopCountdown {
public:
    CStopCountdown(IStopPoll* pPoll, int nEvery) : m_pPoll(pPoll), m_nEvery(nEvery), m_nLeft(nEvery) {}
    bool Step() {
        if (!m_pPoll || --m_nLeft > 0) return false;
        m_nLeft = m_nEvery;
        return m_pPoll->ShouldStop();
    }

private:
    IStopPoll* m_pPoll;
    int m_nEvery;
    int m_nLeft;
};

}  // namespace quenk
