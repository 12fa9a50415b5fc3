#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>

// Block copies between the 32-bit images of the table (TableImage, BackgroundImage,
// DragImage, the window surface and the card pictures), row by row with memcpy, clipped to
// both images. They are the BitBlt of the drawing code: the hot paths of a card's flight or
// a drag use nothing else.
//
// Rectangles and points are given in table pixels. An image drawn at a zoom, or for a screen
// of more than one device pixel per pixel, holds `scale` image pixels per table pixel (its
// devicePixelRatio); the copies map table pixels to the image pixels they cover, so that the
// drawing code keeps one geometry at every zoom. Images of scale 1 are copied exactly as
// they are.

namespace tindle {

// Image pixels per table pixel.
inline qreal ScaleOf(const QImage& image) {
    return image.devicePixelRatio();
}
// The image pixel where table coordinate v begins.
int ToDevice(int v, qreal scale);
QPoint ToDevice(QPoint p, qreal scale);
// The image pixels a table rectangle covers (its edges mapped, so neighbours share none).
QRect ToDevice(const QRect& rect, qreal scale);
QSize DeviceSize(QSize tableSize, qreal scale);
// An image of tableSize table pixels at a scale (its devicePixelRatio set).
QImage NewScaledImage(QSize tableSize, qreal scale, QImage::Format format);
// The image's extent in table pixels.
QRect TableRectOf(const QImage& image);
// The part of an image that a table rectangle covers, at the image's scale.
QImage CopyTableRect(const QImage& image, const QRect& rect);

// Copies the source rectangle to dst at dstPos; only pixels inside both images (and inside
// dstClip, when given) are written. Both images must be 32 bits per pixel; the bits are
// copied as they are (an opaque ARGB32_Premultiplied pixel is the same word in RGB32).
void CopyPixels(const QImage& src, const QRect& srcRect, QImage& dst, QPoint dstPos,
                const QRect& dstClip = QRect());

// Draws src over dst at dstPos with its transparency (source over), clipped like
// CopyPixels. dst is an opaque 32-bit image; src any image (converted when it is not
// premultiplied ARGB, and scaled to dst's scale when it has another); an RGB32 src is opaque
// and copied.
void BlendOver(const QImage& src, QImage& dst, QPoint dstPos, const QRect& dstClip = QRect());

// Fills a rectangle (clipped to the image) with one colour.
void FillPixels(QImage& image, const QRect& rect, QRgb colour);

// Inverts the colour of every pixel of the rectangle (clipped to the image).
void InvertPixels(QImage& image, const QRect& rect);
// Sets the image pixels of one table pixel (clipped to the image).
void PutTablePixel(QImage& image, int x, int y, QRgb value);

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

// The same corners of a card lying at `card` (table pixels) in an image of a scale: the
// image pixels each corner pixel covers, one block per corner pixel.
struct CornerBlocks {
    std::array<QRect, 12> blocks{};
    std::array<CardCorners::Corner, 12> corner{};
    int count = 0;
    bool IsUpper(int i) const {
        return corner[static_cast<size_t>(i)] == CardCorners::UpperLeft ||
               corner[static_cast<size_t>(i)] == CardCorners::UpperRight;
    }
};
CornerBlocks CornerBlocksOf(const QRect& card, qreal scale);
// Whether an image pixel lies in one of the blocks.
bool InCornerBlocks(const CornerBlocks& corners, QPoint devicePixel);

}  // namespace tindle
