// SPDX-License-Identifier: Apache-2.0
#include "core/OpenFiles.h"

#include <sys/resource.h>

#include <algorithm>

namespace quven {

void raiseOpenFileLimit(int wanted) {
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= rlim_t(wanted)) {
        return;
    }
    limit.rlim_cur =
        limit.rlim_max == RLIM_INFINITY ? rlim_t(wanted) : std::min(limit.rlim_max, rlim_t(wanted));
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

}  // namespace quven
