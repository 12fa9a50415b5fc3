#include "shell/GameClock.h"

#include <algorithm>

namespace tindle {

namespace {
constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;
// 23:59:59, the last second of a day.
constexpr int kLastSecondOfDay = 24 * kSecondsPerHour - 1;

int SecondOfDay(QTime time) {
    return time.isValid() ? time.msecsSinceStartOfDay() / 1000 : 0;
}
}  // namespace

QTime GameClock::SystemTimeOfDay() {
    return QTime::currentTime();
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
