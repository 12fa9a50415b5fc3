#include "shell/GameClock.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <algorithm>

namespace tindle {

namespace {
constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;
// 23:59:59, the last second of a day.
constexpr int kLastSecondOfDay = 24 * kSecondsPerHour - 1;
constexpr qint64 kMsecsPerDay = 24LL * kSecondsPerHour * 1000;

int SecondOfDay(QTime time) {
    return time.isValid() ? time.msecsSinceStartOfDay() / 1000 : 0;
}
}  // namespace

QTime GameClock::SystemTimeOfDay() {
    // The universal time of day when first asked, carried on by a steady clock: the elapsed time
    // neither jumps an hour (or a day, by the midnight rule) when daylight saving starts or ends,
    // nor when the system's clock is set back or forward during a game.
    static const QTime anchor = QDateTime::currentDateTimeUtc().time();
    static const QElapsedTimer since = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return anchor.addMSecs(static_cast<int>(since.elapsed() % kMsecsPerDay));
}

GameClock::GameClock(TimeSource now) : now_(std::move(now)) {}

void GameClock::SetTimeSource(TimeSource now) {
    now_ = now ? std::move(now) : TimeSource(SystemTimeOfDay);
}

QTime GameClock::Now() const {
    return now_ ? now_() : SystemTimeOfDay();
}

void GameClock::Start() {
    start_ = Now();
}

void GameClock::Reset() {
    start_ = QTime();
    carried_ = 0;
}

void GameClock::Carry(int seconds) {
    start_ = QTime();
    carried_ = std::max(seconds, 0);
}

int GameClock::Seconds() const {
    return carried_ + (Started() ? ElapsedSeconds(start_, Now()) : 0);
}

QString GameClock::ElapsedText() const {
    return FormatSeconds(Seconds());
}

int GameClock::ElapsedSeconds(QTime start, QTime now) {
    const int from = SecondOfDay(start);
    const int to = SecondOfDay(now);
    // The game crossed midnight: the rest of the start's day and the new day's time so far.
    if (to < from) return kLastSecondOfDay - from + to;
    return to - from;
}

QString GameClock::FormatSeconds(int seconds) {
    seconds = std::max(seconds, 0);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / kSecondsPerHour)
        .arg((seconds / kSecondsPerMinute) % kSecondsPerMinute, 2, 10, QLatin1Char('0'))
        .arg(seconds % kSecondsPerMinute, 2, 10, QLatin1Char('0'));
}

}  // namespace tindle
