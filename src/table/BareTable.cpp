// The table of no game in play, shown without a table picture until one is needed.
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

#include "table/PixelCopy.h"
#include "table/TableColours.h"
#include "table/TableRenderer.h"

namespace tindle {

namespace {

// Rows painted at a time: a band small enough to stay in the cache.
constexpr int kBandRows = 32;

// The image a painter fills, and where a region's top left falls in it, when the region may be
// drawn there directly at `scale` image pixels per table pixel, with the same result as drawing
// an opaque image (Format_RGB32) of that scale over it: the painter's device is a 32-bit image
// whose opaque pixels are laid out as that one's (a window buffer is one or the other) and that
// shares its pixels with no other image; the painter maps table pixels to it by that whole scale
// and a whole number of pixels of offset, draws plainly (opaque, at full opacity) and clips none
// of the region away.
struct PainterRows {
    QImage* image = nullptr;
    QPoint origin;
};
std::optional<PainterRows> PainterRowsFor(QPainter& painter, const QRect& region, qreal scale) {
    if (scale < 1 || scale != std::floor(scale)) return std::nullopt;
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster) return std::nullopt;
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image) return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
        !image->isDetached())
        return std::nullopt;
    if (painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return std::nullopt;
    const QTransform& toDevice = painter.deviceTransform();
    if (toDevice.type() > QTransform::TxScale || toDevice.m11() != scale || toDevice.m22() != scale)
        return std::nullopt;
    // Whole pixels of offset, and near enough to be an offset into an image at all.
    constexpr qreal kFar = 1 << 24;
    const qreal dx = toDevice.dx();
    const qreal dy = toDevice.dy();
    if (dx != std::floor(dx) || dy != std::floor(dy) || std::abs(dx) > kFar || std::abs(dy) > kFar)
        return std::nullopt;
    const QPoint origin(static_cast<int>(dx), static_cast<int>(dy));
    const QRect target = ToDevice(region, scale).translated(origin);
    if (!image->rect().contains(target)) return std::nullopt;
    // The window system's clip (a window's part to repaint) is in device pixels, the painter's
    // own in table pixels.
    const QRegion systemClip = engine->systemClip();
    if (!systemClip.isEmpty() && !QRegion(target).subtracted(systemClip).isEmpty())
        return std::nullopt;
    if (painter.hasClipping() && !QRegion(region).subtracted(painter.clipRegion()).isEmpty())
        return std::nullopt;
    return PainterRows{image, origin};
}

// The pixels of a 32-bit `image` under a rectangle, as an opaque image (Format_RGB32) of their
// own over the same memory, at `scale`.
QImage PixelsOf(QImage& image, const QRect& rect, qreal scale) {
    uchar* const first = image.bits() + static_cast<qsizetype>(rect.top()) * image.bytesPerLine() +
                         static_cast<qsizetype>(rect.left()) * (image.depth() / 8);
    QImage pixels(first, rect.width(), rect.height(), image.bytesPerLine(), QImage::Format_RGB32);
    pixels.setDevicePixelRatio(scale);
    return pixels;
}

}  // namespace

void TableRenderer::ShowBareTable(bool withPiles) {
    bareTable_ = true;
    bareWithPiles_ = withPiles;
    tableImage_ = QImage();
    surface_.DropImage();
    backgrounds_.DescribeBackground(DeviceTableSize());
    jokerLabelKeySet_ = false;
    surface_.RepaintNow(surface_.Rect());
}

void TableRenderer::BareTableOn(Canvas& c) {
    if (!bareWithPiles_) return;
    EmptyTableauAndReservesOn(c);
    StockAndFoundationsOn(c, false);
}

void TableRenderer::MakeTablePicture() {
    if (!bareTable_) return;
    bareTable_ = false;
    tableImage_ = NewScaledImage(tableSize_, scale_, QImage::Format_RGB32);
    backgrounds_.Painted().Draw(tableImage_.rect(), tableImage_, QPoint(0, 0));
    Canvas c = TableCanvas();
    BareTableOn(c);
}

void TableRenderer::PaintBareTable(QPainter& painter, const QRect& region) {
    if (region.isEmpty()) return;
    // The start's first picture fills a whole window buffer: where the painter allows it, the
    // bands are drawn in that buffer itself, which saves copying each of them into it.
    const std::optional<PainterRows> direct = PainterRowsFor(painter, region, scale_);
    // The marks of a row of piles are blended once for the whole region, then let go.
    keepBlendedMarks_ = true;
    const int bandRows = std::min(kBandRows, region.height());
    QImage band;
    if (!direct)
        band = NewScaledImage(QSize(region.width(), bandRows), scale_, QImage::Format_RGB32);
    for (int top = region.top(); top <= region.bottom(); top += bandRows) {
        const QRect rows(region.left(), top, region.width(),
                         std::min(bandRows, region.bottom() + 1 - top));
        if (direct)
            band =
                PixelsOf(*direct->image, ToDevice(rows, scale_).translated(direct->origin), scale_);
        // Beyond the table picture's extent a window shows the default green.
        if (!TableExtent().contains(rows.translated(0, Scroll())))
            band.fill(DefaultTableGreen(kManyColours));
        Canvas c;
        c.image = &band;
        c.offsetX = -rows.left();
        c.offsetY = -rows.top();
        c.clip = QRect(QPoint(0, 0), rows.size());
        c.tracksTableBottom = false;
        CopyFromBackground(c, rows);
        BareTableOn(c);
        if (!direct)
            painter.drawImage(QRectF(QRect(rows.topLeft(), rows.size())), band,
                              QRectF(ToDevice(c.clip, scale_)));
    }
    keepBlendedMarks_ = false;
    blendedMarks_.clear();
    blendedMarks_.shrink_to_fit();
}

}  // namespace tindle
