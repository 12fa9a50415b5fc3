#include "table/FoundationHighlight.h"

#include <QPainter>

#include "model/Game.h"
#include "model/RuleCodes.h"
#include "shell/settings/SettingsRecord.h"
#include "table/PixelCopy.h"
#include "table/TableColours.h"
#include "table/TableRenderer.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {
constexpr int kSingleCornerCardWidth = 59;
}  // namespace

HighlightPreference ReadHighlightPreference(const SettingsRecord& settings) {
    return {settings.options.highlightMark, settings.options.highlightColour};
}

Qt::BrushStyle HighlightBrushStyle(int style) {
    switch (style) {
        case kHighlightSolid:
            return Qt::SolidPattern;
        case kHighlightBackDiagonal:
            return Qt::BDiagPattern;
        case kHighlightCross:
            return Qt::CrossPattern;
        case kHighlightDiagonalCross:
            return Qt::DiagCrossPattern;
        default:
            return Qt::NoBrush;
    }
}

QImage DiagonalHatchPicture(int cardWidth, int height, const QColor& colour) {
    const int width = cardWidth - 2;
    if (width <= 0 || height <= 0) return QImage();
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    const QRgb ink = colour.rgb() | 0xff000000u;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        // Lines from every second pixel of the left and top edges meet every pixel whose
        // coordinates add up to an even number.
        for (int x = y % 2; x < width; x += 2)
            line[x] = ink;
    }
    const int r = width - 1, b = height - 1;
    const QPoint single[] = {{0, 0}, {r, 0}, {0, b}, {r, b}};
    const QPoint triple[] = {{0, 0}, {1, 0}, {0, 1},     {r, 0}, {r - 1, 0}, {r, 1},
                             {0, b}, {1, b}, {0, b - 1}, {r, b}, {r - 1, b}, {r, b - 1}};
    if (cardWidth == kSingleCornerCardWidth) {
        for (const QPoint& p : single)
            PutPixel(picture, p.x(), p.y(), 0);
    } else {
        for (const QPoint& p : triple)
            PutPixel(picture, p.x(), p.y(), 0);
    }
    return picture;
}

bool TableRenderer::IsFoundationComplete(int i) const {
    if (i < 0 || i >= std::min(game_.FoundationCount(), kDestPiles)) return false;
    const int count = PileCount(game_.piles.dest[static_cast<size_t>(i)]);
    // An empty foundation is never complete, whatever its definition says.
    if (count == 0) return false;
    const int complete = game_.def.At(gd::FoundationComplete, i);
    if (complete == complete::AtCapacity) return count == game_.def[gd::FoundationCapacity];
    return count == complete;
}

void TableRenderer::HighlightOn(Canvas& c, int foundation, int style, int colourIndex) {
    const PileRef ref{PileKind::Dest, foundation};
    if (!layout_.OnTable(ref)) return;
    const int count = PileCount(game_.piles.Get(ref));
    const QRect card = CardRectOf(ref, count > 0 ? count - 1 : 0);
    const QRect inset = card.adjusted(1, 1, -1, -1);
    const QColor colour = HighlightColour(colourIndex);
    if (style == kHighlightDiagonal) {
        BlendOnto(c, DiagonalHatchPicture(CardWidth(), CardHeight() - 2, colour), inset.left(),
                  inset.top());
        return;
    }
    const Qt::BrushStyle brush = HighlightBrushStyle(style);
    if (brush == Qt::NoBrush) return;
    QPainter painter(c.image);
    painter.setClipRect(c.Bounds());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(colour, brush));
    painter.drawRect(inset.translated(c.offsetX, c.offsetY));
    c.touched |= inset;
}

void TableRenderer::HighlightFoundations(int index) {
    const HighlightPreference pref = ReadHighlightPreference(settings_);
    if (pref.style == kHighlightNone) return;
    const int first = index < 0 ? 0 : index;
    const int last = index < 0 ? std::min(game_.FoundationCount(), kDestPiles) - 1 : index;
    for (int i = first; i <= last; ++i) {
        if (!IsFoundationComplete(i)) continue;
        DrawOn(DrawTarget::Both, [&](Canvas& c) { HighlightOn(c, i, pref.style, pref.colour); });
    }
}

}  // namespace tindle
