#include "shell/BackgroundThread.h"

#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>
#include <system_error>
#include <utility>

namespace tindle {

namespace {

// The kernel's scheduling attributes (sched_setattr(2)); the C library declares neither the
// call nor the structure.
struct SchedAttr {
    uint32_t size;
    uint32_t policy;
    uint64_t flags;
    int32_t nice;
    uint32_t priority;
    uint64_t runtime;
    uint64_t deadline;
    uint64_t period;
};

// The shortest time slice the system grants a task of the fair classes.
constexpr uint64_t kShortSliceNs = 100'000;

// Makes the calling thread a batch task with the shortest slice (see the header). A system
// without per-task slices ignores the slice or refuses the whole request; the policy is then
// set alone.
void BecomeBatchTask() {
    SchedAttr attr{};
    attr.size = sizeof attr;
    attr.policy = SCHED_BATCH;
    attr.runtime = kShortSliceNs;
    if (::syscall(SYS_sched_setattr, 0, &attr, 0u) == 0) return;
    const sched_param param{};
    ::sched_setscheduler(0, SCHED_BATCH, &param);
}

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
        BecomeBatchTask();
        MoveAwayFrom(creatorCpu);
        task();
    });
}

BackgroundTask::BackgroundTask(std::function<void()> task) {
    try {
        thread_ = StartBackgroundThread(std::move(task));
    } catch (const std::system_error&) {
        // No thread to be had: nothing is prepared ahead.
    }
}

BackgroundTask& BackgroundTask::operator=(BackgroundTask&& other) noexcept {
    Join();
    thread_ = std::move(other.thread_);
    return *this;
}

void BackgroundTask::Join() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace tindle
