// The table of no game in play, shown without a table picture until one is needed.
#include <QPainter>

#include <algorithm>

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
    backgrounds_.DescribeBackground(tableSize_);
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
    tableImage_ = QImage(tableSize_, QImage::Format_RGB32);
    backgrounds_.Painted().Draw(tableImage_.rect(), tableImage_, QPoint(0, 0));
    Canvas c = TableCanvas();
    BareTableOn(c);
}

void TableRenderer::PaintBareTable(QPainter& painter, const QRect& region) {
    if (region.isEmpty()) return;
    QImage band(region.width(), std::min(kBandRows, region.height()), QImage::Format_RGB32);
    for (int top = region.top(); top <= region.bottom(); top += band.height()) {
        const QRect rows(region.left(), top, region.width(),
                         std::min(band.height(), region.bottom() + 1 - top));
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
        painter.drawImage(rows.topLeft(), band, c.clip);
    }
}

}  // namespace tindle
