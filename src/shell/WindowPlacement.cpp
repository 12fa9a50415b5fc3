#include "shell/WindowPlacement.h"

#include <algorithm>

namespace tindle {

QPoint StoredPlaceCorner(int storedLeft, int storedTop) {
    const auto inside = [](int stored) {
        return std::clamp(stored, kMinWindowCoordinate, kMaxWindowCoordinate - kMinVisiblePart) +
               kMinVisiblePart / 2;
    };
    return QPoint(inside(storedLeft), inside(storedTop));
}

QRect DefaultWindowRect(const QRect& screen) {
    return QRect(screen.left() + kDefaultWindowLeft, screen.top() + kDefaultWindowTop,
                 std::max(kMinWindowWidth, screen.width() - kWindowSizeMargin),
                 std::max(kMinWindowHeight, screen.height() - kWindowSizeMargin));
}

QRect SafeWindowRect(int storedLeft, int storedTop, int storedWidth, int storedHeight,
                     const QRect& screen) {
    const int width = std::max(storedWidth, kMinWindowWidth);
    const int height = std::max(storedHeight, kMinWindowHeight);
    if (width > std::max(kMinWindowWidth, screen.width()) ||
        height > std::max(kMinWindowHeight, screen.height()))
        return DefaultWindowRect(screen);
    const int left = std::clamp(storedLeft, kMinWindowCoordinate, kMaxWindowCoordinate);
    const int top = std::clamp(storedTop, kMinWindowCoordinate, kMaxWindowCoordinate);
    QRect rect(left, top, width, height);
    const QRect visible = rect.intersected(screen);
    if (visible.width() < kMinVisiblePart || visible.height() < kMinVisiblePart)
        rect.moveTopLeft(DefaultWindowRect(screen).topLeft());
    return rect;
}

}  // namespace tindle
