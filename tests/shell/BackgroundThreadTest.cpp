// Helper threads beside the window thread: the task runs once, as a batch task with a short
// time slice where the system grants one, and the thread is not left bound to fewer
// processors than its creator may use.
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <string>

#include "shell/BackgroundThread.h"

namespace tindle {
namespace {

// The calling thread's time slice in ns, from its scheduler statistics; -1 where the system
// does not show it.
long long OwnSlice() {
    std::ifstream in("/proc/thread-self/sched");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("se.slice", 0) == 0) return std::stoll(line.substr(line.find(':') + 1));
    }
    return -1;
}

// Whether the system gives a thread the time slice it asks for (sched_setattr(2), Linux 6.12
// on): a probe thread asks for one and reads it back.
bool SystemGrantsSlices() {
    struct {
        uint32_t size, policy;
        uint64_t flags;
        int32_t nice;
        uint32_t priority;
        uint64_t runtime, deadline, period;
    } attr{};
    attr.size = sizeof attr;
    attr.policy = SCHED_OTHER;
    attr.runtime = 300'000;
    bool granted = false;
    std::thread probe([&] {
        granted = ::syscall(SYS_sched_setattr, 0, &attr, 0u) == 0 && OwnSlice() == 300'000;
    });
    probe.join();
    return granted;
}

TEST(BackgroundThread, RunsTheTaskOnceAsABatchTaskWithAShortSliceAndTheCreatorsProcessors) {
    cpu_set_t creator;
    ASSERT_EQ(::sched_getaffinity(0, sizeof creator, &creator), 0);
    int runs = 0;
    int policy = -1;
    long long slice = -1;
    cpu_set_t inside;
    CPU_ZERO(&inside);
    std::thread thread = StartBackgroundThread([&] {
        ++runs;
        policy = ::sched_getscheduler(0);
        slice = OwnSlice();
        ::sched_getaffinity(0, sizeof inside, &inside);
    });
    thread.join();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(policy, SCHED_BATCH);
    EXPECT_TRUE(CPU_EQUAL(&inside, &creator));
    if (SystemGrantsSlices()) {
        EXPECT_LT(slice, OwnSlice());
    }
    // The creator itself is left as it was.
    EXPECT_EQ(::sched_getscheduler(0), SCHED_OTHER);
}

// A task prepared ahead has run when it is joined, when its holder goes and when the holder
// takes another task; a task held by nobody is joined at once.
TEST(BackgroundTask, IsWaitedForWhenJoinedReplacedOrDestroyed) {
    using namespace std::chrono_literals;
    std::atomic<int> done{0};
    auto slow = [&] {
        std::this_thread::sleep_for(20ms);
        ++done;
    };
    BackgroundTask task(slow);
    task.Join();
    EXPECT_EQ(done, 1);
    task.Join();

    task = BackgroundTask(slow);
    task = BackgroundTask(slow);  // the first replaced: waited for
    EXPECT_GE(done, 2);
    { const BackgroundTask going(slow); }
    EXPECT_GE(done, 3);
    task = BackgroundTask();
    EXPECT_EQ(done, 4);
    BackgroundTask().Join();
}

}  // namespace
}  // namespace tindle
