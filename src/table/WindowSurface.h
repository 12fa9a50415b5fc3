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

    // The surface takes the window's size; the old picture is kept where it still fits and
    // the rest is black until the next present.
    void Resize(int width, int height);
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    QRect Rect() const { return image_.rect(); }

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
    QImage image_;
    QRegion pending_;
    SurfaceObserver* observer_ = nullptr;
};

}  // namespace tindle
