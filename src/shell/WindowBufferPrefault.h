#pragma once

#include "shell/BackgroundThread.h"

class QImage;
class QWidget;

// A window's drawing buffer is fresh memory shared with the window system when the window is
// first shown, and the system makes each of its pages resident at the first write: for a
// large window that costs as much as the first paint's drawing itself. While the first paint
// draws, a helper thread asks the system to make the whole buffer resident at once (its
// contents are not touched), so that the two halves of the work run side by side. Nothing is
// done for a small buffer, a buffer that is not an image in memory, or a system that cannot.

namespace tindle {

// Going, it waits for the helper: the buffer must outlive it.
class WindowBufferPrefault {
  public:
    // The buffer the widget's window paints into (none before the window has one).
    explicit WindowBufferPrefault(QWidget* widget);
    explicit WindowBufferPrefault(const QImage* buffer);

    // Buffers below this size are left to the paint.
    static constexpr long long kWorthwhileBytes = 1 << 20;

  private:
    BackgroundTask helper_;
};

}  // namespace tindle
