// Marks of empty piles, the shadow strips and the stock-thickness strips.
//
// Marks are copied straight onto the table, so they are opaque: the default table green
// RGB(0, 96, 0) with a rounded outline and a symbol in lighter greens. On the default table
// they read as a soft engraving in the cloth.

#include <QPainterPathStroker>

#include <cmath>

#include "Cards.h"
#include "Output.h"
#include "Paint.h"
#include "Shapes.h"

namespace gen {

namespace {

using tindle::CardSizeSpec;

const QColor kCloth(0, 96, 0);
const QColor kLine(74, 156, 74);
const QColor kSymbol(58, 140, 58);
const QColor kHighlightCloth(24, 128, 24);
const QColor kHighlightLine(190, 240, 120);

struct MarkStyle {
    double line;    // outline width
    double inset;   // outline inset from the picture's edge
    double radius;  // corner radius of the outline
};

MarkStyle StyleFor(const CardSizeSpec& size) {
    if (size.letter == 'B') return {1.6, 2.5, 6};
    if (size.letter == 'M') return {1.4, 2.2, 5};
    return {1.0, 1.5, 2.5};
}

QPainterPath RoundedOutline(const CardSizeSpec& size, const MarkStyle& s, double extraInset = 0) {
    QPainterPath path;
    const double in = s.inset + extraInset;
    path.addRoundedRect(QRectF(in, in, size.width - 2 * in, size.height - 2 * in), s.radius,
                        s.radius);
    return path;
}

// A circular arrow turning clockwise: the stock can be dealt again.
QPainterPath RedealArrow(QPointF c, double r, double width) {
    QPainterPath arc;
    arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 120);
    arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 120, -290);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    QPainterPath shape = stroker.createStroke(arc);
    // Arrow head at the start of the arc, pointing along the clockwise direction.
    const double a = 120 * M_PI / 180;
    const QPointF tip(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
    const QPointF along(std::sin(a), std::cos(a));  // clockwise tangent (screen coordinates)
    const QPointF normal(std::cos(a), -std::sin(a));
    QPainterPath head;
    const double h = width * 2.0;
    head.moveTo(tip + along * (h * 1.1));
    head.lineTo(tip - normal * h - along * (h * 0.2));
    head.lineTo(tip + normal * h - along * (h * 0.2));
    head.closeSubpath();
    shape.addPath(head);
    shape.setFillRule(Qt::WindingFill);
    return shape.simplified();
}

QPainterPath Cross(QPointF c, double r, double width) {
    QPainterPath lines;
    lines.moveTo(c.x() - r, c.y() - r);
    lines.lineTo(c.x() + r, c.y() + r);
    lines.moveTo(c.x() + r, c.y() - r);
    lines.lineTo(c.x() - r, c.y() + r);
    return StrokeOutline(lines, width);
}

QPainterPath Star(QPointF c, double r) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = i % 2 ? r * 0.45 : r;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    return star;
}

QImage Mark(const CardSizeSpec& size, std::string_view code) {
    const bool highlighted = code == "005";
    QImage image = NewImage(size.width, size.height, highlighted ? kHighlightCloth : kCloth);
    const MarkStyle s = StyleFor(size);
    const double w = size.width, h = size.height;
    const QPointF c(w / 2, h / 2);
    const bool little = size.letter == 'L';
    {
        Painter p(&image);
        const QColor line = highlighted ? kHighlightLine : kLine;
        const QColor symbol = highlighted ? kHighlightLine : kSymbol;
        p.strokePath(RoundedOutline(size, s), QPen(line, s.line));
        auto rank = [&](int r) {
            const double gh = little ? 14 : h * 0.3;
            const double stroke = little ? 2.4 : gh * 0.16;
            const char glyph = RankGlyph(r);
            const double gw = IndexGlyphWidth(glyph, gh, stroke, glyph == 'T' ? 0.92 : 1.0);
            p.fillPath(IndexGlyph(glyph, QPointF(c.x() - gw / 2, c.y() - gh / 2), gh, stroke,
                                  glyph == 'T' ? 0.92 : 1.0),
                       symbol);
        };
        for (int r = 1; r <= 13; ++r)
            if (tindle::RankMarkCode(r) == code) rank(r);
        const double unit = w / 71.0;
        if (code == "022" || code == "005") {
            p.fillPath(RedealArrow(c, 15 * unit, std::max(2.0, 4.5 * unit)), symbol);
        } else if (code == "008") {
            p.fillPath(Cross(c, 11 * unit, std::max(2.0, 4.5 * unit)), symbol);
        } else if (code == "021") {
            p.fillPath(Star(c, 15 * unit), symbol);
        } else if (code == "004") {
            // The four suits: a foundation waits for its suit.
            const double ps = little ? 6.5 : 12 * unit;
            const double d = little ? 5 : 13.5 * unit;
            const QPointF spots[4] = {
                {c.x(), c.y() - d}, {c.x() + d, c.y()}, {c.x(), c.y() + d}, {c.x() - d, c.y()}};
            for (int suit = 0; suit < 4; ++suit)
                p.fillPath(SuitIn(suit, QRectF(spots[suit].x() - ps / 2, spots[suit].y() - ps / 2,
                                               ps, ps)),
                           symbol);
        } else if (code == "_WASTE") {
            // Two fanned card outlines.
            for (int k = 0; k < 2; ++k) {
                p.save();
                p.translate(c);
                p.rotate(k == 0 ? -12 : 10);
                QPainterPath card;
                card.addRoundedRect(QRectF(-12 * unit, -17 * unit, 24 * unit, 34 * unit), 3 * unit,
                                    3 * unit);
                p.strokePath(card, QPen(symbol, std::max(1.0, 1.6 * unit)));
                p.restore();
            }
        } else if (code == "001" || code == "009") {
            QPen dashed(symbol, std::max(1.0, 1.2 * unit), Qt::DashLine);
            p.strokePath(RoundedOutline(size, s, little ? 2.5 : 5 * unit), dashed);
            if (code == "009") p.fillPath(Star(c, little ? 5 : 9 * unit), symbol);
        }
    }
    return image;
}

// Shadow of a lifted card: a blurred copy of the card a little right of and below it.
double Coverage(double x, double from, double to, double sigma) {
    const double k = 1.0 / (sigma * std::sqrt(2.0));
    return 0.5 * (std::erf((x + 0.5 - from) * k) - std::erf((x + 0.5 - to) * k));
}

QImage Shadow(const CardSizeSpec& size, int form) {
    const int sw = tindle::ShadowWidth(size, form), sh = tindle::ShadowHeight(size, form);
    // Origin of the strip in card coordinates.
    const int ox = form == 1 ? size.width : tindle::kShadowDepth - 1;
    const int oy = form == 1 ? tindle::kShadowDepth - 2 : size.height;
    QImage image(sw, sh, QImage::Format_ARGB32);
    const double sigma = size.letter == 'L' ? 1.6 : 2.0;
    const double maxAlpha = 135;
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) {
            const double cx = x + ox, cy = y + oy;
            const double a = maxAlpha * Coverage(cx, 12, size.width + 3, sigma) *
                             Coverage(cy, 11, size.height + 3, sigma);
            const int alpha = static_cast<int>(a + 0.5);
            // White is the transparent colour; the shadow itself is black with an alpha.
            image.setPixel(x, y, alpha < 3 ? qRgba(255, 255, 255, 255) : qRgba(0, 0, 0, alpha));
        }
    return image;
}

// Edges of the cards under the top card of a stock, pure blue around them.
QImage Border(const CardSizeSpec& size, int form) {
    const int bw = tindle::BorderWidth(size, form), bh = tindle::BorderHeight(size, form);
    QImage image(bw, bh, QImage::Format_ARGB32);
    image.fill(qRgb(0, 0, 255));
    const QRgb light = qRgb(244, 244, 238), mid = qRgb(196, 196, 190), edge = qRgb(92, 92, 96);
    const int depth = tindle::kBorderDepth;
    for (int k = 0; k < depth; ++k) {
        const int first = form == 1 ? k - 4 : k - 2;
        const int length = form == 1 ? size.width : size.height;
        const QRgb color = k == depth - 1 ? edge : (k % 2 ? light : mid);
        for (int i = std::max(0, first); i < first + length && i < (form == 1 ? bw : bh); ++i) {
            const bool end = i == first || i == first + length - 1;
            const QRgb pixel = end ? edge : color;
            if (form == 1)
                image.setPixel(i, k, pixel);
            else
                image.setPixel(k, i, pixel);
        }
    }
    return image;
}

}  // namespace

void AddMarks(Output& out) {
    for (const CardSizeSpec& size : tindle::kCardSizes) {
        for (auto code : tindle::AllMarkCodes())
            out.AddBitmap(tindle::MarkName(size.letter, code), Mark(size, code));
        for (int form : {1, 2}) {
            out.AddBitmap(tindle::ShadowName(size.letter, form), Shadow(size, form));
            out.AddBitmap(tindle::BorderName(size.letter, form), Border(size, form));
        }
    }
}

}  // namespace gen
