#pragma once

#include <QElapsedTimer>

#include "model/Ports.h"

namespace tindle {

// The clock of the running program: a monotonic millisecond count, waits that hold the thread
// (what is drawn during them is shown at once by the drawing code's repaints) and waits that
// let the window's events run.
class QtTimePort : public TimePort {
  public:
    QtTimePort();
    uint64_t TickCount() override;
    void Wait(int ms) override;
    void WaitProcessingEvents(int ms) override;
    void ProcessEvents() override;

  private:
    QElapsedTimer clock_;
};

}  // namespace tindle
