#include "table/WindowSurface.h"

#include <algorithm>

#include "table/PixelCopy.h"

namespace tindle {

WindowSurface::WindowSurface() : image_(1, 1, QImage::Format_RGB32) {
    image_.fill(Qt::black);
}

void WindowSurface::Resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == image_.width() && height == image_.height()) return;
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::black);
    CopyPixels(image_, image_.rect(), resized, QPoint(0, 0));
    image_ = std::move(resized);
    pending_ = pending_.intersected(image_.rect());
}

void WindowSurface::AddPending(const QRect& rect) {
    const QRect r = rect.intersected(image_.rect());
    if (!r.isEmpty()) pending_ += r;
}

QRegion WindowSurface::TakePending() {
    QRegion taken = pending_;
    pending_ = QRegion();
    return taken;
}

void WindowSurface::RepaintNow(const QRect& rect) {
    const QRect r = rect.intersected(image_.rect());
    if (observer_ && !r.isEmpty()) observer_->RepaintNow(r);
}

void WindowSurface::Update(const QRect& rect) {
    const QRect r = rect.intersected(image_.rect());
    if (observer_ && !r.isEmpty()) observer_->Update(r);
}

}  // namespace tindle
