#pragma once

#include <QCursor>

// The program's hourglass, shown while something slow runs (the start, filling the game
// chooser, a deal, a launch): a two-colour picture of its own rather than the desktop theme's
// busy pointer. The theme's is an animated file of many frames in many sizes, which the window
// system's library reads and decodes, and whose frames it sends to the display, on the window
// thread the first time it is shown: a few milliseconds on the way to the start's first
// pictures, for a pointer shown a fraction of a second. A bitmap pointer costs the display two
// small pictures.

namespace tindle {

QCursor HourglassPointer();

// The hourglass over every window of the program until Restore() or the end of the scope,
// the pointer from before it then back.
class Hourglass {
  public:
    Hourglass();
    ~Hourglass() { Restore(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

    void Restore();

  private:
    bool shown_ = true;
};

}  // namespace tindle
