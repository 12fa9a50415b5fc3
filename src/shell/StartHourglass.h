#pragma once

#include <QCursor>

// The hourglass the start shows over the splash until the message loop runs: a two-colour
// picture of its own rather than the desktop theme's busy pointer. The theme's is an animated
// file of many frames in many sizes, which the window system's library reads and decodes, and
// whose frames it sends to the display, on the window thread as the first window appears: a
// few milliseconds on the way to the main window's first picture, for a pointer shown a
// fraction of a second. A plain bitmap pointer costs the display two small pictures. Later
// long operations keep the theme's pointer: by then the start is over.

namespace tindle {

QCursor StartHourglass();

}  // namespace tindle
