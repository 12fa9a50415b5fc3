// The table of no game in play, shown without a table picture until one is needed.
#include <QPainter>

#include <algorithm>

#include "table/PixelCopy.h"
#include "table/TableColours.h"
#include "table/TableRenderer.h"

namespace tindle {

namespace {

// Rows painted at a time: a band small enough to stay in the cache.
constexpr int kBandRows = 32;

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
    // The marks of a row of piles are blended once for the whole region, then let go.
    keepBlendedMarks_ = true;
    const int bandRows = std::min(kBandRows, region.height());
    QImage band = NewScaledImage(QSize(region.width(), bandRows), scale_, QImage::Format_RGB32);
    for (int top = region.top(); top <= region.bottom(); top += bandRows) {
        const QRect rows(region.left(), top, region.width(),
                         std::min(bandRows, region.bottom() + 1 - top));
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
        painter.drawImage(QRectF(QRect(rows.topLeft(), rows.size())), band,
                          QRectF(ToDevice(c.clip, scale_)));
    }
    keepBlendedMarks_ = false;
    blendedMarks_.clear();
    blendedMarks_.shrink_to_fit();
}

}  // namespace tindle
