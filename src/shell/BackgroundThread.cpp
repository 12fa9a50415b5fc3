#include "shell/BackgroundThread.h"

#include <sched.h>

namespace tindle {

namespace {

// Moves the calling thread off `cpu` when it may run elsewhere, then allows it every
// processor it had: it stays where it was moved until the system moves it.
void MoveAwayFrom(int cpu) {
    cpu_set_t allowed;
    if (cpu < 0 || ::sched_getaffinity(0, sizeof allowed, &allowed) != 0) return;
    if (!CPU_ISSET(cpu, &allowed) || CPU_COUNT(&allowed) < 2) return;
    cpu_set_t others = allowed;
    CPU_CLR(cpu, &others);
    if (::sched_setaffinity(0, sizeof others, &others) != 0) return;
    ::sched_setaffinity(0, sizeof allowed, &allowed);
}

}  // namespace

std::thread StartBackgroundThread(std::function<void()> task) {
    const int creatorCpu = ::sched_getcpu();
    return std::thread([creatorCpu, task = std::move(task)] {
        const sched_param param{};
        ::sched_setscheduler(0, SCHED_BATCH, &param);
        MoveAwayFrom(creatorCpu);
        task();
    });
}

}  // namespace tindle
