#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

// The window's picture of the table. The table widget paints itself from this image; the
// drawing code writes into it whatever is drawn "on the window" and then asks the widget to
// show the changed rectangle, at once during animations (the widget repaints that rectangle
// before the call returns) or at its next paint. Pixel (x, y) of the surface is the point
// (x, y) of the window, in the same (scrolled) coordinates the layout's getters give.
//
// The surface has no picture of its own until something is first drawn on the window alone
// (a moving card, a drag): until then the window shows the table picture itself, which then
// holds exactly what the surface would, and the window-sized picture is not made at all.
//
// The drawing code stays free of widgets: it only knows this image and the small observer
// below, which the widget implements (RepaintNow: QWidget::repaint(rect); Update:
// QWidget::update(rect)). tindle-cli renders without any observer.

namespace tindle {

class SurfaceObserver {
  public:
    virtual ~SurfaceObserver() = default;
    // Show the rectangle now: the surface holds its new pixels.
    virtual void RepaintNow(const QRect& rect) = 0;
    // Show the rectangle at the next paint (the surface is brought up to date before it).
    virtual void Update(const QRect& rect) = 0;
};

class WindowSurface {
  public:
    WindowSurface();

    // The surface takes the window's size; its own picture, when it has one, is kept where it
    // still fits and the rest is black until the next present.
    void Resize(int width, int height);
    // Image pixels per window pixel; a change gives the surface's own picture up.
    void SetScale(qreal scale);
    int Width() const { return size_.width(); }
    int Height() const { return size_.height(); }
    QRect Rect() const { return QRect(QPoint(0, 0), size_); }

    // Whether the surface has its own picture yet.
    bool HasImage() const { return !image_.isNull(); }
    // Gives it its own picture: the window's part of the table picture, from origin on. Rectangles
    // pending until then are taken with it.
    void MakeImage(const QImage& table, QPoint origin);
    // Gives its own picture up: the window shows the table picture again.
    void DropImage() { image_ = QImage(); }
    // Its own picture (null before MakeImage).
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    void SetObserver(SurfaceObserver* observer) { observer_ = observer; }

    // Rectangles that must be taken again from the table picture before they are shown
    // (an invalidated window area). The owner of the table picture resolves them.
    void AddPending(const QRect& rect);
    bool HasPending() const { return !pending_.isEmpty(); }
    QRegion TakePending();

    void RepaintNow(const QRect& rect);
    void Update(const QRect& rect);

  private:
    QSize size_{1, 1};
    qreal scale_ = 1.0;
    QImage image_;
    QRegion pending_;
    SurfaceObserver* observer_ = nullptr;
};

}  // namespace tindle
