#include "table/WindowSurface.h"

#include <algorithm>

#include "table/PixelCopy.h"

namespace tindle {

WindowSurface::WindowSurface() = default;

void WindowSurface::Resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == size_.width() && height == size_.height()) return;
    size_ = QSize(width, height);
    pending_ = pending_.intersected(Rect());
    if (!HasImage()) return;
    QImage resized = NewScaledImage(size_, scale_, QImage::Format_RGB32);
    resized.fill(Qt::black);
    CopyPixels(image_, TableRectOf(image_), resized, QPoint(0, 0));
    image_ = std::move(resized);
}

void WindowSurface::SetScale(qreal scale) {
    if (scale == scale_) return;
    scale_ = scale;
    DropImage();
}

void WindowSurface::MakeImage(const QImage& table, QPoint origin) {
    if (HasImage()) return;
    image_ = NewScaledImage(size_, scale_, QImage::Format_RGB32);
    image_.fill(Qt::black);
    CopyPixels(table, QRect(origin, size_), image_, QPoint(0, 0));
    pending_ = QRegion();
}

void WindowSurface::AddPending(const QRect& rect) {
    const QRect r = rect.intersected(Rect());
    if (!r.isEmpty()) pending_ += r;
}

QRegion WindowSurface::TakePending() {
    QRegion taken = pending_;
    pending_ = QRegion();
    return taken;
}

void WindowSurface::RepaintNow(const QRect& rect) {
    const QRect r = rect.intersected(Rect());
    if (observer_ && !r.isEmpty()) observer_->RepaintNow(r);
}

void WindowSurface::Update(const QRect& rect) {
    const QRect r = rect.intersected(Rect());
    if (observer_ && !r.isEmpty()) observer_->Update(r);
}

}  // namespace tindle
