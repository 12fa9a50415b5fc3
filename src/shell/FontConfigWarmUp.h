#pragma once

#include "shell/BackgroundThread.h"

// The font configuration (fontconfig's XML files and font caches, ≈ 3 ms of parsing) is read
// on a background thread from the first line of the program, while the toolkit connects to
// the display and loads its plugins. The start's worker lists the fonts for the window later
// (Qt initialises fontconfig first, which then finds it done); without this, that reading
// lies on the way to the main window's first picture. fontconfig makes its configuration
// once whichever thread asks first; a second thread asking meanwhile makes its own and the
// first finished is kept, so nothing waits on this one.

namespace tindle {

// Going, it waits for the thread (long finished by then).
class FontConfigWarmUp {
  public:
    FontConfigWarmUp();

  private:
    BackgroundTask reading_;
};

}  // namespace tindle
