// How many processor cores this process may run on.
#pragma once

#include <cstddef>

namespace quorvane::cli {

// The cores the process may be scheduled on (its affinity mask on Linux), at
// least 1.
std::size_t UsableCores();

}  // namespace quorvane::cli
