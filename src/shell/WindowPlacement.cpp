#include "shell/WindowPlacement.h"

#include <algorithm>

namespace tindle {

namespace {
constexpr int kMinCoordinate = -32768;
constexpr int kMaxCoordinate = 32767;
}  // namespace

QRect DefaultWindowRect(const QRect& screen) {
    return QRect(kDefaultWindowLeft, kDefaultWindowTop,
                 std::max(kMinWindowWidth, screen.width() - kWindowSizeMargin),
                 std::max(kMinWindowHeight, screen.height() - kWindowSizeMargin));
}

QRect SafeWindowRect(int storedLeft, int storedTop, int storedWidth, int storedHeight,
                     const QRect& screen) {
    const int width =
        std::clamp(storedWidth, kMinWindowWidth, std::max(kMinWindowWidth, screen.width()));
    const int height =
        std::clamp(storedHeight, kMinWindowHeight, std::max(kMinWindowHeight, screen.height()));
    // Window coordinates are 16-bit on the desktop; anything beyond is no place at all.
    const int left = std::clamp(storedLeft, kMinCoordinate, kMaxCoordinate);
    const int top = std::clamp(storedTop, kMinCoordinate, kMaxCoordinate);
    QRect rect(left, top, width, height);
    const QRect visible = rect.intersected(screen);
    if (visible.width() < kMinVisiblePart || visible.height() < kMinVisiblePart)
        rect.moveTopLeft(QPoint(kDefaultWindowLeft, kDefaultWindowTop));
    return rect;
}

}  // namespace tindle
