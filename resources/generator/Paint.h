#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

// Small drawing helpers shared by every picture of the generator.

namespace gen {

// A new ARGB image filled with the colour (transparent by default).
QImage NewImage(int width, int height, QColor fill = QColor(0, 0, 0, 0));
// The same, `scale` times finer: width x height in drawing units, scale times as many
// pixels each way (its devicePixelRatio), so that the same drawing code makes it.
QImage NewFinerImage(int width, int height, int scale, QColor fill = QColor(0, 0, 0, 0));

// A painter with antialiasing on.
class Painter : public QPainter {
  public:
    explicit Painter(QImage* image);
};

// Green table felt, lighter towards the top, filling the rounded rectangle.
void Felt(QPainter& p, const QRectF& r, double radius);

// a + (b - a) * t per channel, alpha included.
QColor Mix(const QColor& a, const QColor& b, double t);
QColor WithAlpha(QColor c, int alpha);

// The path scaled from its own bounding box into the target rectangle.
QPainterPath FitPath(const QPainterPath& path, const QRectF& target);
// The path scaled from the box (0, 0, unitWidth, unitHeight) into the target rectangle.
QPainterPath MapBox(const QPainterPath& path, double unitWidth, double unitHeight,
                    const QRectF& target);
// The path turned half a turn about the centre of the rectangle.
QPainterPath RotateHalf(const QPainterPath& path, const QRectF& around);

// An outline of the centre-line path stroked with round ends, ready to be filled.
QPainterPath StrokeOutline(const QPainterPath& centreLine, double width);

// Sets pixel (x, y) when it lies inside the image.
void Plot(QImage& image, int x, int y, const QColor& color);

// The outline of a card: a one-pixel line along the edges with the three corner pixels of
// each corner left out (a single pixel on cards 25 pixels wide), the pixel diagonally inside
// each corner drawn, the corners themselves transparent. On a finer image each of these
// pixels is a block of the image's scale.
void CardOutline(QImage& image, const QColor& line);
// Makes the corner pixels that the outline leaves out transparent.
void ClearCardCorners(QImage& image);

}  // namespace gen
