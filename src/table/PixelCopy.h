#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>

// Block copies between the 32-bit images of the table (TableImage, BackgroundImage,
// DragImage, the window surface and the card pictures), row by row with memcpy, clipped to
// both images. They are the BitBlt of the drawing code: the hot paths of a card's flight or
// a drag use nothing else.

namespace tindle {

// Copies the source rectangle to dst at dstPos; only pixels inside both images (and inside
// dstClip, when given) are written. Both images must be 32 bits per pixel; the bits are
// copied as they are (an opaque ARGB32_Premultiplied pixel is the same word in RGB32).
void CopyPixels(const QImage& src, const QRect& srcRect, QImage& dst, QPoint dstPos,
                const QRect& dstClip = QRect());

// Draws src over dst at dstPos with its transparency (source over), clipped like
// CopyPixels. dst is an opaque 32-bit image; src any image (converted when it is not
// premultiplied ARGB).
void BlendOver(const QImage& src, QImage& dst, QPoint dstPos, const QRect& dstClip = QRect());

// Fills a rectangle (clipped to the image) with one colour.
void FillPixels(QImage& image, const QRect& rect, QRgb colour);

// Inverts the colour of every pixel of the rectangle (clipped to the image).
void InvertPixels(QImage& image, const QRect& rect);

inline bool HasPixel(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}
// The pixel as a 32-bit word; 0 outside the image.
inline QRgb PixelAt(const QImage& image, int x, int y) {
    if (!HasPixel(image, x, y)) return 0;
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
}
// Writes the pixel when it lies inside the image.
inline void PutPixel(QImage& image, int x, int y, QRgb value) {
    if (HasPixel(image, x, y)) reinterpret_cast<QRgb*>(image.scanLine(y))[x] = value;
}

// The pixels that give a card rectangle its rounded look: at each corner the corner pixel
// and its two neighbours along the edges, or the corner pixel alone for little cards
// (25 pixels wide). Upper corners first (left, right), then lower (left, right).
struct CardCorners {
    enum Corner { UpperLeft, UpperRight, LowerLeft, LowerRight };
    std::array<QPoint, 12> points{};
    std::array<Corner, 12> corner{};
    int count = 0;
    bool IsUpper(int i) const { return corner[i] == UpperLeft || corner[i] == UpperRight; }
};
inline constexpr int kLittleCardWidth = 25;
CardCorners CornersOf(const QRect& card);

}  // namespace tindle
