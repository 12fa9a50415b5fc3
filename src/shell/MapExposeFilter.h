#pragma once

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <unordered_map>

// When a window is mapped, the X server reports the whole window as exposed, and the window
// library paints and sends the whole window at the map notice. The server's expose reports of
// the map then arrive after that picture has gone out, and the library answers them by sending
// the whole window a second time: for a maximised window, megabytes the server copies again
// while the first picture is still on its way. This filter drops the expose reports the server
// made no later than a window's map notice: every one of them was made before the picture sent
// for the map notice reached the server, so that picture covers them. A report made after it
// (another window uncovering part of this one) is kept.

namespace tindle {

class MapExposeFilter : public QAbstractNativeEventFilter {
  public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    // Per window, the request number the server had reached at its latest map notice.
    std::unordered_map<std::uint32_t, std::uint32_t> mappedAt_;
};

}  // namespace tindle
