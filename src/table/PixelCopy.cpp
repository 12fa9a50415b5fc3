#include "table/PixelCopy.h"

#include <cstring>

namespace tindle {

void CopyPixels(const QImage& src, const QRect& srcRect, QImage& dst, QPoint dstPos,
                const QRect& dstClip) {
    if (src.isNull() || dst.isNull() || src.depth() != 32 || dst.depth() != 32) return;
    // The part of the source rectangle that exists, moved along with its destination.
    QRect from = srcRect.intersected(src.rect());
    if (from.isEmpty()) return;
    QPoint to = dstPos + (from.topLeft() - srcRect.topLeft());
    QRect target(to, from.size());
    QRect allowed = dst.rect();
    if (dstClip.isValid()) allowed = allowed.intersected(dstClip);
    const QRect clipped = target.intersected(allowed);
    if (clipped.isEmpty()) return;
    from.translate(clipped.topLeft() - target.topLeft());
    const int width = clipped.width();
    const size_t bytes = static_cast<size_t>(width) * 4;
    for (int row = 0; row < clipped.height(); ++row) {
        const auto* s =
            reinterpret_cast<const QRgb*>(src.constScanLine(from.top() + row)) + from.left();
        auto* d = reinterpret_cast<QRgb*>(dst.scanLine(clipped.top() + row)) + clipped.left();
        std::memmove(d, s, bytes);
    }
}

void BlendOver(const QImage& src, QImage& dst, QPoint dstPos, const QRect& dstClip) {
    if (src.isNull() || dst.isNull() || dst.depth() != 32) return;
    const QImage source = src.format() == QImage::Format_ARGB32_Premultiplied
                              ? src
                              : src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QRect target(dstPos, source.size());
    QRect allowed = dst.rect();
    if (dstClip.isValid()) allowed = allowed.intersected(dstClip);
    const QRect clipped = target.intersected(allowed);
    if (clipped.isEmpty()) return;
    const QPoint from = clipped.topLeft() - dstPos;
    for (int row = 0; row < clipped.height(); ++row) {
        const auto* s =
            reinterpret_cast<const QRgb*>(source.constScanLine(from.y() + row)) + from.x();
        auto* d = reinterpret_cast<QRgb*>(dst.scanLine(clipped.top() + row)) + clipped.left();
        for (int x = 0; x < clipped.width(); ++x) {
            const QRgb p = s[x];
            const uint alpha = qAlpha(p);
            if (alpha == 0) continue;
            if (alpha == 255) {
                d[x] = p;
                continue;
            }
            const uint keep = 255 - alpha;
            const QRgb q = d[x];
            d[x] = qRgb(qRed(p) + (qRed(q) * keep + 127) / 255,
                        qGreen(p) + (qGreen(q) * keep + 127) / 255,
                        qBlue(p) + (qBlue(q) * keep + 127) / 255);
        }
    }
}

void FillPixels(QImage& image, const QRect& rect, QRgb colour) {
    if (image.isNull() || image.depth() != 32) return;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            line[x] = colour;
    }
}

void InvertPixels(QImage& image, const QRect& rect) {
    if (image.isNull() || image.depth() != 32) return;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            line[x] ^= 0x00ffffffu;
    }
}

CardCorners CornersOf(const QRect& card) {
    CardCorners c;
    if (card.isEmpty()) return c;
    const int l = card.left(), t = card.top(), r = card.right(), b = card.bottom();
    auto add = [&c](int x, int y, CardCorners::Corner corner) {
        c.points[static_cast<size_t>(c.count)] = QPoint(x, y);
        c.corner[static_cast<size_t>(c.count)] = corner;
        ++c.count;
    };
    if (card.width() == kLittleCardWidth) {
        add(l, t, CardCorners::UpperLeft);
        add(r, t, CardCorners::UpperRight);
        add(l, b, CardCorners::LowerLeft);
        add(r, b, CardCorners::LowerRight);
        return c;
    }
    add(l, t, CardCorners::UpperLeft);
    add(l + 1, t, CardCorners::UpperLeft);
    add(l, t + 1, CardCorners::UpperLeft);
    add(r, t, CardCorners::UpperRight);
    add(r - 1, t, CardCorners::UpperRight);
    add(r, t + 1, CardCorners::UpperRight);
    add(l, b, CardCorners::LowerLeft);
    add(l + 1, b, CardCorners::LowerLeft);
    add(l, b - 1, CardCorners::LowerLeft);
    add(r, b, CardCorners::LowerRight);
    add(r - 1, b, CardCorners::LowerRight);
    add(r, b - 1, CardCorners::LowerRight);
    return c;
}

}  // namespace tindle
