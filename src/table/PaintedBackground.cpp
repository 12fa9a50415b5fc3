#include "table/PaintedBackground.h"

#include <algorithm>
#include <cstring>

#include "table/BackgroundPainter.h"

namespace tindle {

namespace {

constexpr QRgb kBlack = 0xff000000u;

// The word a table picture holds after being filled with the colour.
QRgb TableWord(const QColor& colour) {
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(colour);
    return reinterpret_cast<const QRgb*>(one.constScanLine(0))[0];
}

// Sets count pixels to one value, four at a time, which the compiler turns into wide
// stores: the table's first picture fills a screen of rows this way.
void FillWords(QRgb* out, int count, QRgb value) {
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        out[i] = value;
        out[i + 1] = value;
        out[i + 2] = value;
        out[i + 3] = value;
    }
    for (; i < count; ++i)
        out[i] = value;
}

QImage AsTablePixels(const QImage& picture) {
    if (picture.isNull() || picture.format() == QImage::Format_RGB32) return picture;
    return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

PaintedBackground PaintedBackground::Colour(QSize extent, const QColor& colour) {
    PaintedBackground b;
    b.extent_ = extent;
    b.colour_ = TableWord(colour);
    return b;
}

PaintedBackground PaintedBackground::Faded(QSize extent, const QColor& colour,
                                           const QRect& fadeRect, const QColor& fadeBottom) {
    PaintedBackground b = Colour(extent, colour);
    // The fade's rows as the painter makes them, on a strip one pixel wide.
    const int rows = std::min(fadeRect.top() + fadeRect.height(), extent.height());
    if (rows <= 0 || fadeRect.width() <= 0 || fadeRect.left() != 0) return b;
    QImage strip(1, rows, QImage::Format_RGB32);
    strip.fill(colour);
    BackgroundPainter::FadeFill(strip, QRect(0, fadeRect.top(), 1, fadeRect.height()), colour,
                                fadeBottom);
    b.fadeRows_.resize(static_cast<size_t>(rows));
    for (int y = 0; y < rows; ++y)
        b.fadeRows_[static_cast<size_t>(y)] =
            reinterpret_cast<const QRgb*>(strip.constScanLine(y))[0];
    b.fadeWidth_ = fadeRect.width();
    return b;
}

PaintedBackground PaintedBackground::Tiled(QSize extent, const QImage& tile) {
    PaintedBackground b;
    b.extent_ = extent;
    b.picture_ = AsTablePixels(tile);
    if (b.picture_.isNull()) return b;
    b.kind_ = Kind::Tiled;
    return b;
}

PaintedBackground PaintedBackground::Placed(QSize extent, const QImage& picture,
                                            const QColor& around) {
    PaintedBackground b = Colour(extent, around);
    b.picture_ = AsTablePixels(picture);
    b.kind_ = Kind::Placed;
    return b;
}

PaintedBackground PaintedBackground::Copy(const QImage& pixels) {
    PaintedBackground b;
    b.extent_ = pixels.size();
    b.picture_ = AsTablePixels(pixels).copy();
    b.kind_ = Kind::Copy;
    return b;
}

void PaintedBackground::DrawRow(int y, int x, int count, QRgb* out) const {
    // Beyond the painted extent: black.
    const int width = extent_.width();
    if (y < 0 || y >= extent_.height()) {
        std::fill(out, out + count, kBlack);
        return;
    }
    int done = 0;
    while (done < count && x + done < 0)
        out[done++] = kBlack;
    const int inside = std::clamp(width - (x + done), 0, count - done);
    QRgb* row = out + done;
    const int from = x + done;
    switch (kind_) {
        case Kind::Colour: {
            // The fade's columns, then the plain colour: each pixel written once.
            int faded = 0;
            if (y < static_cast<int>(fadeRows_.size())) {
                faded = std::clamp(fadeWidth_ - from, 0, inside);
                FillWords(row, faded, fadeRows_[static_cast<size_t>(y)]);
            }
            FillWords(row + faded, inside - faded, colour_);
            break;
        }
        case Kind::Tiled: {
            const int w = picture_.width();
            const auto* line =
                reinterpret_cast<const QRgb*>(picture_.constScanLine(y % picture_.height()));
            int i = 0;
            while (i < inside) {
                const int sx = (from + i) % w;
                const int n = std::min(w - sx, inside - i);
                std::memcpy(row + i, line + sx, static_cast<size_t>(n) * sizeof(QRgb));
                i += n;
            }
            break;
        }
        case Kind::Placed:
        case Kind::Copy: {
            std::fill(row, row + inside, colour_);
            if (y < picture_.height()) {
                const auto* line = reinterpret_cast<const QRgb*>(picture_.constScanLine(y));
                const int n = std::clamp(picture_.width() - from, 0, inside);
                if (n > 0) std::memcpy(row, line + from, static_cast<size_t>(n) * sizeof(QRgb));
            }
            break;
        }
    }
    std::fill(row + inside, out + count, kBlack);
}

void PaintedBackground::Draw(const QRect& source, QImage& dst, QPoint at, const QRect& clip) const {
    if (dst.isNull() || dst.depth() != 32 || source.isEmpty()) return;
    QRect allowed = dst.rect();
    if (clip.isValid()) allowed = allowed.intersected(clip);
    const QRect target = QRect(at, source.size()).intersected(allowed);
    if (target.isEmpty()) return;
    const QPoint shift = source.topLeft() - at;
    for (int y = target.top(); y <= target.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(dst.scanLine(y)) + target.left();
        DrawRow(y + shift.y(), target.left() + shift.x(), target.width(), line);
    }
}

QRgb PaintedBackground::Pixel(int x, int y) const {
    QRgb value = kBlack;
    DrawRow(y, x, 1, &value);
    return value;
}

std::optional<int> PaintedBackground::PlainRowsColumn(const QRect& rect) const {
    if (kind_ != Kind::Colour || !QRect(QPoint(0, 0), extent_).contains(rect)) return std::nullopt;
    // In the fade's rows the columns up to fadeWidth_ have the fade's colours, the others the
    // plain colour; below them every column is the plain colour.
    if (rect.top() >= static_cast<int>(fadeRows_.size())) return 0;
    if (rect.right() < fadeWidth_) return 0;
    if (rect.left() >= fadeWidth_) return fadeWidth_;
    return std::nullopt;
}

QImage PaintedBackground::ToImage(QSize size) const {
    QImage image(std::max(size.width(), 1), std::max(size.height(), 1), QImage::Format_RGB32);
    Draw(image.rect(), image, QPoint(0, 0));
    return image;
}

}  // namespace tindle
