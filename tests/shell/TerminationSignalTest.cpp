// The signal that ends the program runs the window's close on the window thread; a second
// start of the program with the same data folder finds the first running and asks it to show
// its window.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <csignal>

#include "shell/RunningCopy.h"
#include "shell/TerminationSignal.h"
#include "support/QtTestApp.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

TEST(TerminationSignalTest, ASignalRunsTheCloseOnTheWindowThreadAndTheOldHandlerComesBack) {
    test::QtTestApp();
    struct sigaction before {};
    ::sigaction(SIGTERM, nullptr, &before);
    int closes = 0;
    {
        TerminationSignal signal([&closes] { ++closes; }, nullptr);
        ASSERT_TRUE(signal.Installed());
        ::raise(SIGTERM);
        EXPECT_EQ(closes, 0);  // not inside the handler
        for (int i = 0; i < 50 && closes == 0; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_EQ(closes, 1);
    }
    struct sigaction after {};
    ::sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

TEST(TerminationSignalTest, ASecondCopyOfTheSameDataAsksTheFirstToShowItsWindow) {
    test::QtTestApp();
    int closes = 0, shows = 0;
    TerminationSignal signal([&closes] { ++closes; }, nullptr, [&shows] { ++shows; });
    ASSERT_TRUE(signal.Installed());
    const auto settle = [&] {
        for (int i = 0; i < 50 && shows == 0; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    };
    test::TempDir data;
    {
        const RunningCopyLock first(data.Path());
        EXPECT_FALSE(first.OtherCopyRuns());
        const RunningCopyLock second(data.Path());
        EXPECT_TRUE(second.OtherCopyRuns());
        EXPECT_TRUE(second.OtherCopyAsked());
        settle();
        EXPECT_EQ(shows, 1);
        EXPECT_EQ(closes, 0);
        // A copy that cannot be signalled (here: an id no process has) is not asked.
        test::WriteFile(data.Path() / kRunningCopyFileName, "999999999\n");
        const RunningCopyLock third(data.Path());
        EXPECT_TRUE(third.OtherCopyRuns());
        EXPECT_FALSE(third.OtherCopyAsked());
    }
    // The first copy gone, the next start runs; a folder that is not there guards nothing.
    EXPECT_FALSE(RunningCopyLock(data.Path()).OtherCopyRuns());
    const std::filesystem::path missing = data.Path() / "missing";
    const RunningCopyLock unguarded(missing);
    EXPECT_FALSE(RunningCopyLock(missing).OtherCopyRuns());
    settle();
    EXPECT_EQ(shows, 1);
}

}  // namespace
}  // namespace tindle
