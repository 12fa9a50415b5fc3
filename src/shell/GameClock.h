#pragma once

#include <QString>
#include <QTime>

#include <functional>

// The elapsed-time clock of the game in play. It keeps the time of day at which the game
// started and shows the time since then as "h:nn:ss" (hours without a leading zero). Only
// times of day are kept: a game that crosses midnight is shown as 23:59:59 minus the start
// time plus the time of day now.
//
// Where "now" comes from is a time source of its own, so that a test can set the time of day.

namespace tindle {

class GameClock {
  public:
    using TimeSource = std::function<QTime()>;

    // The time of day by the system: universal time, counted on steadily from the first call.
    static QTime SystemTimeOfDay();

    explicit GameClock(TimeSource now = SystemTimeOfDay);

    void SetTimeSource(TimeSource now);
    QTime Now() const;

    // The start time becomes now; the clock counts on from the time carried over.
    void Start();
    bool Started() const { return start_.isValid(); }
    QTime StartTime() const { return start_; }
    // Stopped, with nothing carried over.
    void Reset();
    // Stopped at `seconds` (a game resumed from an earlier run): the next Start counts on from
    // there.
    void Carry(int seconds);

    // The time carried over plus the time since the start, as the clock shows it ("0:00:00"
    // before any start).
    QString ElapsedText() const;
    int Seconds() const;

    // Seconds from start to now (both times of day, whole seconds), by the midnight rule.
    static int ElapsedSeconds(QTime start, QTime now);
    // "h:nn:ss".
    static QString FormatSeconds(int seconds);
    static QString ZeroText() { return FormatSeconds(0); }

  private:
    TimeSource now_;
    QTime start_;
    int carried_ = 0;
};

}  // namespace tindle
