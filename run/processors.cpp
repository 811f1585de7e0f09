// The processors this process may run on, as the kernel holds it to them.
#include "run/workers.h"

#include <sched.h>

int available_processors()
{
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) != 0) return 1;
    const int count = CPU_COUNT(&set);
    return count > 0 ? count : 1;
}
