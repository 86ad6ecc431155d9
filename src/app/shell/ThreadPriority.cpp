#include "shell/ThreadPriority.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>

namespace quenk {

void LowerThreadPriority() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), std::min(19, getpriority(PRIO_PROCESS, 0) + 5));
}

}  // namespace quenk
