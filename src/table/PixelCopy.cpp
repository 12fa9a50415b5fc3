#include "table/PixelCopy.h"

#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tindle {

int ToDevice(int v, qreal scale) {
    if (scale == 1.0) return v;
    return static_cast<int>(std::lround(v * scale));
}

QPoint ToDevice(QPoint p, qreal scale) {
    return QPoint(ToDevice(p.x(), scale), ToDevice(p.y(), scale));
}

QRect ToDevice(const QRect& rect, qreal scale) {
    if (scale == 1.0 || rect.isNull()) return rect;
    const int left = ToDevice(rect.left(), scale), top = ToDevice(rect.top(), scale);
    const int right = ToDevice(rect.left() + rect.width(), scale);
    const int bottom = ToDevice(rect.top() + rect.height(), scale);
    return QRect(left, top, right - left, bottom - top);
}

QSize DeviceSize(QSize tableSize, qreal scale) {
    return QSize(ToDevice(tableSize.width(), scale), ToDevice(tableSize.height(), scale));
}

QImage NewScaledImage(QSize tableSize, qreal scale, QImage::Format format) {
    const QSize size = DeviceSize(tableSize, scale).expandedTo(QSize(1, 1));
    QImage image(size, format);
    image.setDevicePixelRatio(scale);
    return image;
}

QRect TableRectOf(const QImage& image) {
    const qreal scale = ScaleOf(image);
    if (scale == 1.0) return image.rect();
    return QRect(0, 0, static_cast<int>(std::lround(image.width() / scale)),
                 static_cast<int>(std::lround(image.height() / scale)));
}

QImage CopyTableRect(const QImage& image, const QRect& rect) {
    QImage part = image.copy(ToDevice(rect, ScaleOf(image)));
    part.setDevicePixelRatio(ScaleOf(image));
    return part;
}

namespace {

// A clip rectangle in image pixels (an invalid one stays invalid: no clip).
QRect DeviceClip(const QRect& clip, qreal scale) {
    return clip.isValid() ? ToDevice(clip, scale) : QRect();
}

// The red and blue bytes of a pixel (bits 16-23 and 0-7), each times keep / 255 rounded to
// the nearest (halves up), in place; the other bytes are cleared. Each product fits in its
// 16-bit lane, and (t + 128 + ((t + 128) >> 8)) >> 8 is t / 255 rounded for t <= 255 * 255.
inline uint ScaleRedBlue(uint pixel, uint keep) {
    uint t = (pixel & 0x00ff00ffu) * keep + 0x00800080u;
    t += (t >> 8) & 0x00ff00ffu;
    return (t >> 8) & 0x00ff00ffu;
}

// A premultiplied pixel over an opaque one: each colour channel of what lies under keeps
// (255 - alpha) / 255 of itself, rounded, and the source's is added (the sum never passes
// 255). A clear pixel (keep 255) leaves it as it was, an opaque one (keep 0) replaces it.
inline QRgb BlendPixel(QRgb p, QRgb q) {
    const uint keep = 255 - qAlpha(p);
    return 0xff000000u | (p + ScaleRedBlue(q, keep) + (ScaleRedBlue(q >> 8, keep) << 8));
}

// BlendPixel along a row, four pixels at a time where the processor has SSE2 (every x86-64
// one): a mark's pictures are blended over the table while the first picture is painted.
void BlendRow(const QRgb* s, QRgb* d, int count) {
    int x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi16(0x80);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xff000000u));
    const __m128i colours = _mm_set1_epi32(0x00ffffff);
    for (; x + 4 <= count; x += 4) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x));
        const __m128i q = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + x));
        // 255 - alpha of each pixel in both 16-bit halves of its lane, then in the four
        // channel lanes of its pixel.
        const __m128i keep = _mm_srli_epi32(_mm_andnot_si128(p, opaque), 24);
        const __m128i keepPair = _mm_or_si128(keep, _mm_slli_epi32(keep, 16));
        const auto keepShare = [&](__m128i channels, __m128i keeps) {
            __m128i t = _mm_add_epi16(_mm_mullo_epi16(channels, keeps), half);
            t = _mm_add_epi16(t, _mm_srli_epi16(t, 8));
            return _mm_srli_epi16(t, 8);
        };
        const __m128i low =
            keepShare(_mm_unpacklo_epi8(q, zero), _mm_unpacklo_epi32(keepPair, keepPair));
        const __m128i high =
            keepShare(_mm_unpackhi_epi8(q, zero), _mm_unpackhi_epi32(keepPair, keepPair));
        const __m128i kept = _mm_and_si128(_mm_packus_epi16(low, high), colours);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + x),
                         _mm_or_si128(_mm_add_epi8(p, kept), opaque));
    }
#endif
    for (; x < count; ++x)
        d[x] = BlendPixel(s[x], d[x]);
}

}  // namespace

void CopyPixels(const QImage& src, const QRect& tableSrcRect, QImage& dst, QPoint tableDstPos,
                const QRect& tableDstClip) {
    if (src.isNull() || dst.isNull() || src.depth() != 32 || dst.depth() != 32) return;
    const QRect srcRect = ToDevice(tableSrcRect, ScaleOf(src));
    const QPoint dstPos = ToDevice(tableDstPos, ScaleOf(dst));
    const QRect dstClip = DeviceClip(tableDstClip, ScaleOf(dst));
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

void BlendOver(const QImage& src, QImage& dst, QPoint tableDstPos, const QRect& tableDstClip) {
    if (src.isNull() || dst.isNull() || dst.depth() != 32) return;
    const qreal scale = ScaleOf(dst);
    const QPoint dstPos = ToDevice(tableDstPos, scale);
    const QRect dstClip = DeviceClip(tableDstClip, scale);
    // An opaque picture (RGB32) is copied as it is.
    const bool opaque = src.format() == QImage::Format_RGB32;
    QImage source = opaque || src.format() == QImage::Format_ARGB32_Premultiplied
                        ? src
                        : src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // A picture made for another scale (a highlight drawn in table pixels) is brought to
    // this one first.
    if (ScaleOf(source) != scale)
        source = source.scaled(DeviceSize(TableRectOf(source).size(), scale), Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
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
        if (opaque) {
            std::memcpy(d, s, static_cast<size_t>(clipped.width()) * sizeof(QRgb));
            continue;
        }
        BlendRow(s, d, clipped.width());
    }
}

void FillPixels(QImage& image, const QRect& rect, QRgb colour) {
    if (image.isNull() || image.depth() != 32) return;
    const QRect r = ToDevice(rect, ScaleOf(image)).intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            line[x] = colour;
    }
}

void InvertPixels(QImage& image, const QRect& rect) {
    if (image.isNull() || image.depth() != 32) return;
    const QRect r = ToDevice(rect, ScaleOf(image)).intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            line[x] ^= 0x00ffffffu;
    }
}

void PutTablePixel(QImage& image, int x, int y, QRgb value) {
    if (ScaleOf(image) == 1.0) {
        PutPixel(image, x, y, value);
        return;
    }
    FillPixels(image, QRect(x, y, 1, 1), value);
}

CornerBlocks CornerBlocksOf(const QRect& card, qreal scale) {
    const CardCorners corners = CornersOf(card);
    CornerBlocks b;
    b.count = corners.count;
    for (int i = 0; i < corners.count; ++i) {
        const auto k = static_cast<size_t>(i);
        b.blocks[k] = ToDevice(QRect(corners.points[k], QSize(1, 1)), scale);
        b.corner[k] = corners.corner[k];
    }
    return b;
}

bool InCornerBlocks(const CornerBlocks& corners, QPoint devicePixel) {
    for (int i = 0; i < corners.count; ++i)
        if (corners.blocks[static_cast<size_t>(i)].contains(devicePixel)) return true;
    return false;
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
