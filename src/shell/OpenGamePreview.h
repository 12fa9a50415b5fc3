#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// The preview picture of the open-a-game dialog: a game's preview bitmap over a background
// that fades from black at the bottom to green at the top.

namespace tindle {

// The green at the top of the fade and of the plain background.
inline const QColor kPreviewGreen{0, 128, 0};
inline constexpr int kPreviewFadeBands = 256;

// The fading picture: 256 horizontal bands of equal height (as near as whole rows allow),
// black in the bottom band and kPreviewGreen in the top one. Drawn for each preview the
// dialog shows, not kept.
QImage PreviewFadingBackground(QSize size);

// The empty preview: the fading picture, or plain kPreviewGreen on displays of 256 colours
// or fewer (which could not show the fade).
QImage PreviewBackground(const QImage& fading, bool lowColourDisplay);

// The game's bitmap drawn over the background at the top edge, centred horizontally
// (left = (background width - bitmap width) / 2, toward zero; a wider bitmap is cut on both
// sides), with the colour of its top-left pixel transparent. A null bitmap leaves the
// background alone.
QImage ComposePreview(const QImage& background, const QImage& gameBitmap);

}  // namespace tindle
