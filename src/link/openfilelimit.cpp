#include "link/openfilelimit.h"

#include <sys/resource.h>

#include <algorithm>
#include <climits>

int raiseOpenFileLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return 1024;
    if (limit.rlim_cur < limit.rlim_max) {
        rlimit raised = limit;
        raised.rlim_cur = limit.rlim_max;
        if (setrlimit(RLIMIT_NOFILE, &raised) == 0)
            limit = raised;
    }
    return limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur > rlim_t(INT_MAX) ? INT_MAX : int(limit.rlim_cur);
}

int parallelWithinOpenFileLimit(int asked)
{
    constexpr int kSparedFiles = 64;
    return std::min(asked, std::max(1, raiseOpenFileLimit() - kSparedFiles));
}
