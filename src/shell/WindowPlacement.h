#pragma once

#include <QRect>

// Where the main window opens: the stored left, top, width and height, kept sane for the
// screen (a damaged or outdated preferences file must not put the window out of reach).

namespace tindle {

inline constexpr int kDefaultWindowLeft = 50;
inline constexpr int kDefaultWindowTop = 50;
inline constexpr int kWindowSizeMargin = 150;  // default size: the screen less this margin
// The smallest main window: as wide as the smallest screen the program is made for (640
// pixels, of which the screen-class advice speaks), where the layout still puts the widest
// row of the catalogue, eight columns of big cards, on the table; and 400 high, a little
// below the window as designed (751 x 407). What does not fit (a long column) is reached with
// the table's scroll bars.
inline constexpr int kMinWindowWidth = 640;
inline constexpr int kMinWindowHeight = 400;
// How much of the window must lie on the screen for the stored place to be kept.
inline constexpr int kMinVisiblePart = 100;

// The default size for a screen.
QRect DefaultWindowRect(const QRect& screen);

// The stored place and size, with its size held between the minimum and the screen's size; when
// too little of it would lie on the screen, it moves to the default place.
QRect SafeWindowRect(int left, int top, int width, int height, const QRect& screen);

}  // namespace tindle
