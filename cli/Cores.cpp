#include "Cores.h"

#include <thread>

#ifdef __linux__
#include <sched.h>
#endif

namespace quorvane::cli {

std::size_t UsableCores() {
#ifdef __linux__
    cpu_set_t cores;
    if (sched_getaffinity(0, sizeof cores, &cores) == 0 && CPU_COUNT(&cores) > 0)
        return static_cast<std::size_t>(CPU_COUNT(&cores));
#endif
    // More cores than a cpu_set_t holds, or no affinity to ask for.
    const unsigned threads = std::thread::hardware_concurrency();
    return threads > 0 ? threads : 1;
}

}  // namespace quorvane::cli
