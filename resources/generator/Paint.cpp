#include "Paint.h"

#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>

namespace gen {

QImage NewImage(int width, int height, QColor fill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QImage NewFinerImage(int width, int height, int scale, QColor fill) {
    QImage image = NewImage(width * scale, height * scale, fill);
    image.setDevicePixelRatio(scale);
    return image;
}

Painter::Painter(QImage* image) : QPainter(image) {
    setRenderHint(QPainter::Antialiasing, true);
    setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void Felt(QPainter& p, const QRectF& r, double radius) {
    QRadialGradient g(r.center() - QPointF(0, r.height() * 0.15),
                      std::max(r.width(), r.height()) * 0.75);
    g.setColorAt(0, QColor(20, 140, 52));
    g.setColorAt(1, QColor(0, 66, 22));
    QPainterPath shape;
    shape.addRoundedRect(r, radius, radius);
    p.fillPath(shape, g);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

QPainterPath MapBox(const QPainterPath& path, double unitWidth, double unitHeight,
                    const QRectF& target) {
    QTransform t;
    t.translate(target.left(), target.top());
    t.scale(target.width() / unitWidth, target.height() / unitHeight);
    return t.map(path);
}

QPainterPath FitPath(const QPainterPath& path, const QRectF& target) {
    const QRectF box = path.boundingRect();
    QTransform t;
    t.translate(target.left(), target.top());
    t.scale(target.width() / box.width(), target.height() / box.height());
    t.translate(-box.left(), -box.top());
    return t.map(path);
}

QPainterPath RotateHalf(const QPainterPath& path, const QRectF& around) {
    const QPointF c = around.center();
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(180);
    t.translate(-c.x(), -c.y());
    return t.map(path);
}

QPainterPath StrokeOutline(const QPainterPath& centreLine, double width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath outline = stroker.createStroke(centreLine);
    outline.setFillRule(Qt::WindingFill);
    return outline;
}

void Plot(QImage& image, int x, int y, const QColor& color) {
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        image.setPixelColor(x, y, color);
}

namespace {

// Sets the image pixels of one card pixel: a picture made finer (its devicePixelRatio 2 or
// 3) has the same outline and corners as the plain one, each pixel a block.
void PlotCardPixel(QImage& image, int x, int y, const QColor& color) {
    const int k = static_cast<int>(image.devicePixelRatio());
    for (int dy = 0; dy < k; ++dy)
        for (int dx = 0; dx < k; ++dx)
            Plot(image, x * k + dx, y * k + dy, color);
}

// The card's size in card pixels.
QSize CardPixels(const QImage& image) {
    const int k = static_cast<int>(image.devicePixelRatio());
    return QSize(image.width() / k, image.height() / k);
}

template <typename F>
void ForCornerPixels(const QImage& image, F f) {
    const int w = CardPixels(image).width(), h = CardPixels(image).height();
    const bool single = w <= 25;
    const int corners[4][2] = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
    for (const auto& c : corners) {
        const int dx = c[0] == 0 ? 1 : -1, dy = c[1] == 0 ? 1 : -1;
        f(c[0], c[1]);
        if (!single) {
            f(c[0] + dx, c[1]);
            f(c[0], c[1] + dy);
        }
    }
}

}  // namespace

void ClearCardCorners(QImage& image) {
    ForCornerPixels(image,
                    [&image](int x, int y) { PlotCardPixel(image, x, y, QColor(0, 0, 0, 0)); });
}

void CardOutline(QImage& image, const QColor& line) {
    const int w = CardPixels(image).width(), h = CardPixels(image).height();
    const int inset = w <= 25 ? 1 : 2;
    for (int x = inset; x < w - inset; ++x) {
        PlotCardPixel(image, x, 0, line);
        PlotCardPixel(image, x, h - 1, line);
    }
    for (int y = inset; y < h - inset; ++y) {
        PlotCardPixel(image, 0, y, line);
        PlotCardPixel(image, w - 1, y, line);
    }
    if (inset == 2) {
        PlotCardPixel(image, 1, 1, line);
        PlotCardPixel(image, w - 2, 1, line);
        PlotCardPixel(image, 1, h - 2, line);
        PlotCardPixel(image, w - 2, h - 2, line);
    }
    ClearCardCorners(image);
}

}  // namespace gen
