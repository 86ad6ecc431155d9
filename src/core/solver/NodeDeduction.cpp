#include "solver/NodeDeduction.h"

#include <algorithm>

namespace quenk {

bool CNodeDeduction::Deduce() {
    if (!m_grid.Propagate()) return false;
    if (m_nProbeWait > 0) {
        --m_nProbeWait;
        return true;
    }
    bool bLearned = false;
    const bool bOk = m_prober.Run(bLearned, m_nProbeInterval > 0 ? m_grid.GetLineCount() : 0);
    m_nProbeInterval = !bOk || bLearned ? 0 : std::min(MAX_PROBE_INTERVAL, std::max(1, 2 * m_nProbeInterval));
    m_nProbeWait = m_nProbeInterval;
    return bOk;
}

}  // namespace quenk
