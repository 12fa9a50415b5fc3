// Helper threads beside the window thread: the task runs once, as a batch task, and the
// thread is not left bound to fewer processors than its creator may use.
#include <gtest/gtest.h>

#include <sched.h>

#include "shell/BackgroundThread.h"

namespace tindle {
namespace {

TEST(BackgroundThread, RunsTheTaskOnceAsABatchTaskWithTheCreatorsProcessors) {
    cpu_set_t creator;
    ASSERT_EQ(::sched_getaffinity(0, sizeof creator, &creator), 0);
    int runs = 0;
    int policy = -1;
    cpu_set_t inside;
    CPU_ZERO(&inside);
    std::thread thread = StartBackgroundThread([&] {
        ++runs;
        policy = ::sched_getscheduler(0);
        ::sched_getaffinity(0, sizeof inside, &inside);
    });
    thread.join();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(policy, SCHED_BATCH);
    EXPECT_TRUE(CPU_EQUAL(&inside, &creator));
    // The creator itself is left as it was.
    EXPECT_EQ(::sched_getscheduler(0), SCHED_OTHER);
}

}  // namespace
}  // namespace tindle
