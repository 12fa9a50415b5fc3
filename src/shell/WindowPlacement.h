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
// Window coordinates are 16-bit on the desktop; anything beyond is no place at all.
inline constexpr int kMinWindowCoordinate = -32768;
inline constexpr int kMaxWindowCoordinate = 32767;

// A point just inside the corner of a stored place (its coordinates held to the desktop's):
// the screen under it is the one the window opens on.
QPoint StoredPlaceCorner(int storedLeft, int storedTop);

// The default place and size on a screen.
QRect DefaultWindowRect(const QRect& screen);

// The stored place and size, with its size held at least the minimum; when too little of it
// would lie on the screen, it moves to the default place. A size larger than the screen was
// stored on another, larger screen (or is damaged): the window gets this screen's default place
// and size, not the old one cut to the screen's edges.
QRect SafeWindowRect(int left, int top, int width, int height, const QRect& screen);

}  // namespace tindle
