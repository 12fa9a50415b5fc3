// The signal that ends the program runs the window's close on the window thread.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <csignal>

#include "shell/TerminationSignal.h"
#include "support/QtTestApp.h"

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

}  // namespace
}  // namespace tindle
