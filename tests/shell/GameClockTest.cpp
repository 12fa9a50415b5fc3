#include <gtest/gtest.h>

#include <QDateTime>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "shell/GameClock.h"

namespace tindle {
namespace {

TEST(GameClock, ShowsHoursWithoutLeadingZeroAndTwoDigitMinutesAndSeconds) {
    EXPECT_EQ(GameClock::FormatSeconds(0), "0:00:00");
    EXPECT_EQ(GameClock::FormatSeconds(59), "0:00:59");
    EXPECT_EQ(GameClock::FormatSeconds(3723), "1:02:03");
    EXPECT_EQ(GameClock::FormatSeconds(10 * 3600 + 5 * 60), "10:05:00");
    EXPECT_EQ(GameClock::FormatSeconds(-3), "0:00:00");
}

TEST(GameClock, ElapsedTimeWithinADayAndAcrossMidnight) {
    EXPECT_EQ(GameClock::ElapsedSeconds(QTime(10, 0, 0), QTime(10, 0, 0)), 0);
    EXPECT_EQ(GameClock::ElapsedSeconds(QTime(10, 0, 0), QTime(11, 30, 15)), 5415);
    // Milliseconds do not count: whole seconds of the time of day.
    EXPECT_EQ(GameClock::ElapsedSeconds(QTime(10, 0, 0, 900), QTime(10, 0, 1, 100)), 1);
    // Across midnight: 23:59:59 minus the start plus the time of day now.
    EXPECT_EQ(GameClock::ElapsedSeconds(QTime(23, 59, 30), QTime(0, 0, 0)), 29);
    EXPECT_EQ(GameClock::ElapsedSeconds(QTime(23, 59, 30), QTime(0, 0, 30)), 59);
    EXPECT_EQ(GameClock::ElapsedSeconds(QTime(22, 0, 0), QTime(1, 0, 0)), 3 * 3600 - 1);
}

TEST(GameClock, RunsFromItsStartByItsTimeSource) {
    QTime now(23, 59, 30);
    GameClock clock([&now] { return now; });
    EXPECT_FALSE(clock.Started());
    EXPECT_EQ(clock.ElapsedText(), "0:00:00");
    clock.Start();
    EXPECT_EQ(clock.StartTime(), QTime(23, 59, 30));
    now = QTime(0, 0, 0);
    EXPECT_EQ(clock.ElapsedText(), "0:00:29");
    now = QTime(0, 0, 30);
    EXPECT_EQ(clock.ElapsedText(), "0:00:59");
    // A new start counts from the new time.
    clock.Start();
    now = QTime(0, 2, 0);
    EXPECT_EQ(clock.ElapsedText(), "0:01:30");
    // A resumed game's time is carried: stopped there, counted on from the next start.
    clock.Carry(3600);
    now = QTime(0, 5, 0);
    EXPECT_EQ(clock.ElapsedText(), "1:00:00");
    clock.Start();
    now = QTime(0, 5, 7);
    EXPECT_EQ(clock.Seconds(), 3607);
    clock.Reset();
    EXPECT_EQ(clock.ElapsedText(), "0:00:00");
    // Without a source of its own the clock reads the system's time of day, in universal time:
    // a local clock that daylight saving moves would make a game an hour (or, by the midnight
    // rule, a day) longer or shorter.
    clock.SetTimeSource(nullptr);
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "XST-5");  // five hours ahead of universal time, without daylight saving
    tzset();
    // Within a second, either side of midnight.
    const int apart = std::abs(clock.Now().secsTo(QDateTime::currentDateTimeUtc().time()));
    EXPECT_LE(std::min(apart, 24 * 3600 - apart), 1);
    if (zone.isNull()) {
        qunsetenv("TZ");
    } else {
        qputenv("TZ", zone);
    }
    tzset();
}

}  // namespace
}  // namespace tindle
