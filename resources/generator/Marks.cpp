// Marks of empty piles, the shadow strips and the stock-thickness strips.
//
// A mark is drawn over whatever the table shows (the default green, a fade, a wood or
// stone picture, white, the player's own colour), so it is made of light and shade
// rather than of a colour: a translucent dark ground in the card's rounded shape that
// sinks the place a little into the table, a thin dark rim and a light inner outline,
// and a light symbol with a soft dark edge. On a dark table the light lines carry the
// mark, on a light one the ground and the dark edges do. The highlighted mark of a
// pressed empty stock lights the same place up instead.

#include <QPainterPathStroker>
#include <QTransform>

#include <cmath>

#include "Cards.h"
#include "Output.h"
#include "Paint.h"
#include "Shapes.h"

namespace gen {

namespace {

using tindle::CardSizeSpec;

// The colours of a mark, all with their transparency.
struct MarkColours {
    QColor ground;  // fills the card's shape
    QColor rim;     // its outer edge
    QColor line;    // the inner outline
    QColor symbol;  // the symbol's face
    QColor halo;    // the symbol's edge
};

const MarkColours kPlain{QColor(0, 0, 0, 60), QColor(0, 0, 0, 84), QColor(255, 255, 255, 110),
                         QColor(255, 255, 255, 150), QColor(0, 0, 0, 76)};
const MarkColours kHighlighted{QColor(255, 255, 225, 72), QColor(0, 0, 0, 96),
                               QColor(225, 255, 150, 235), QColor(225, 255, 150, 220),
                               QColor(0, 0, 0, 96)};

struct MarkStyle {
    double radius;  // corner radius of the ground
    double line;    // inner outline width
    double inset;   // inner outline inset from the picture's edge
    double halo;    // width of the symbol's dark edge
};

MarkStyle StyleFor(const CardSizeSpec& size) {
    if (size.letter == 'B') return {5.5, 1.4, 3.0, 1.1};
    if (size.letter == 'M') return {4.5, 1.3, 2.6, 1.0};
    return {2.5, 1.0, 1.7, 0.6};
}

QPainterPath RoundedBox(const CardSizeSpec& size, double inset, double radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(inset, inset, size.width - 2 * inset, size.height - 2 * inset),
                        radius, radius);
    return path;
}

// A line turned into a shape that can be filled (and edged like the other symbols).
QPainterPath Stroked(const QPainterPath& line, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    if (style != Qt::SolidLine) stroker.setDashPattern(style);
    return stroker.createStroke(line);
}

// A circular arrow turning clockwise: the stock can be dealt again.
QPainterPath RedealArrow(QPointF c, double r, double width) {
    QPainterPath arc;
    arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 120);
    arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 120, -290);
    QPainterPath shape = Stroked(arc, width);
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
    return StrokeOutline(lines, width).simplified();
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

// The symbol of a mark, ready to be filled; empty for the plain outline of a free column.
QPainterPath Symbol(const CardSizeSpec& size, const MarkStyle& s, std::string_view code) {
    const double w = size.width, h = size.height;
    const QPointF c(w / 2, h / 2);
    const bool little = size.letter == 'L';
    const double unit = w / 71.0;
    QPainterPath symbol;
    symbol.setFillRule(Qt::WindingFill);
    for (int r = 1; r <= 13; ++r) {
        if (tindle::RankMarkCode(r) != code) continue;
        const double gh = little ? 14 : h * 0.3;
        const double stroke = little ? 2.4 : gh * 0.16;
        const char glyph = RankGlyph(r);
        const double squeeze = glyph == 'T' ? 0.92 : 1.0;
        const double gw = IndexGlyphWidth(glyph, gh, stroke, squeeze);
        symbol.addPath(
            IndexGlyph(glyph, QPointF(c.x() - gw / 2, c.y() - gh / 2), gh, stroke, squeeze));
    }
    if (code == "022" || code == "005") {
        symbol.addPath(RedealArrow(c, 15 * unit, std::max(2.0, 4.5 * unit)));
    } else if (code == "008") {
        symbol.addPath(Cross(c, 11 * unit, std::max(2.0, 4.5 * unit)));
    } else if (code == "021") {
        symbol.addPath(Star(c, 15 * unit));
    } else if (code == "004") {
        // The four suits: a foundation waits for its suit.
        const double ps = little ? 6.5 : 12 * unit;
        const double d = little ? 5 : 13.5 * unit;
        const QPointF spots[4] = {
            {c.x(), c.y() - d}, {c.x() + d, c.y()}, {c.x(), c.y() + d}, {c.x() - d, c.y()}};
        for (int suit = 0; suit < 4; ++suit)
            symbol.addPath(
                SuitIn(suit, QRectF(spots[suit].x() - ps / 2, spots[suit].y() - ps / 2, ps, ps)));
    } else if (code == "_WASTE" && !little) {
        // Two fanned card outlines: the cards turned from the stock land here. (On little
        // cards they would read as a letter O; the plain outline says enough there.)
        for (int k = 0; k < 2; ++k) {
            QTransform turn;
            turn.translate(c.x(), c.y());
            turn.rotate(k == 0 ? -12 : 10);
            QPainterPath card;
            card.addRoundedRect(QRectF(-12 * unit, -17 * unit, 24 * unit, 34 * unit), 3 * unit,
                                3 * unit);
            symbol.addPath(Stroked(turn.map(card), 1.8 * unit));
        }
    } else if (code == "001" || code == "009") {
        const double inner = little ? 2.5 : 5 * unit;
        symbol.addPath(Stroked(RoundedBox(size, s.inset + inner, std::max(1.5, 4 * unit)),
                               std::max(1.0, 1.3 * unit), Qt::DashLine));
        if (code == "009") symbol.addPath(Star(c, little ? 5 : 9 * unit));
    }
    return symbol;
}

QImage Mark(const CardSizeSpec& size, std::string_view code, int scale) {
    const MarkColours& colours = code == "005" ? kHighlighted : kPlain;
    const MarkStyle s = StyleFor(size);
    QImage image = NewFinerImage(size.width, size.height, scale);
    Painter p(&image);
    const QPainterPath ground = RoundedBox(size, 0.5, s.radius);
    p.fillPath(ground, colours.ground);
    p.strokePath(ground, QPen(colours.rim, 1.0));
    p.strokePath(RoundedBox(size, s.inset, std::max(1.0, s.radius - s.inset + 1.5)),
                 QPen(colours.line, s.line));
    const QPainterPath symbol = Symbol(size, s, code);
    if (symbol.isEmpty()) return image;
    // The symbol and its edge on a layer of their own, so that the edge lies only outside
    // the face and the face shows its own colour over the ground.
    QImage layer = NewFinerImage(size.width, size.height, scale);
    {
        Painter lp(&layer);
        if (s.halo > 0)
            lp.strokePath(
                symbol, QPen(colours.halo, 2 * s.halo, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        lp.setCompositionMode(QPainter::CompositionMode_Source);
        lp.fillPath(symbol, colours.symbol);
    }
    p.drawImage(0, 0, layer);
    return image;
}

// Shadow of a lifted card: a blurred copy of the card a little right of and below it.
double Coverage(double x, double from, double to, double sigma) {
    const double k = 1.0 / (sigma * std::sqrt(2.0));
    return 0.5 * (std::erf((x + 0.5 - from) * k) - std::erf((x + 0.5 - to) * k));
}

QImage Shadow(const CardSizeSpec& size, int form, int scale) {
    const int sw = tindle::ShadowWidth(size, form) * scale;
    const int sh = tindle::ShadowHeight(size, form) * scale;
    // Origin of the strip in card coordinates.
    const int ox = form == 1 ? size.width : tindle::kShadowDepth - 1;
    const int oy = form == 1 ? tindle::kShadowDepth - 2 : size.height;
    QImage image(sw, sh, QImage::Format_ARGB32);
    const double sigma = size.letter == 'L' ? 1.6 : 2.0;
    const double maxAlpha = 135;
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) {
            // The centre of the pixel in card pixels.
            const double cx = ox + (x + 0.5) / scale - 0.5, cy = oy + (y + 0.5) / scale - 0.5;
            const double a = maxAlpha * Coverage(cx, 12, size.width + 3, sigma) *
                             Coverage(cy, 11, size.height + 3, sigma);
            const int alpha = static_cast<int>(a + 0.5);
            // White is the transparent colour; the shadow itself is black with an alpha.
            image.setPixel(x, y, alpha < 3 ? qRgba(255, 255, 255, 255) : qRgba(0, 0, 0, alpha));
        }
    return image;
}

// Edges of the cards under the top card of a stock, pure blue around them.
QImage PlainBorder(const CardSizeSpec& size, int form) {
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

// The edges are lines of whole pixels: finer, each pixel becomes a block.
QImage Border(const CardSizeSpec& size, int form, int scale) {
    const QImage plain = PlainBorder(size, form);
    if (scale == 1) return plain;
    return plain.scaled(plain.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

void AddMarks(Output& out) {
    using tindle::FinerPictureName;
    for (const CardSizeSpec& size : tindle::kCardSizes) {
        for (int scale : tindle::kPictureScales) {
            for (auto code : tindle::AllMarkCodes())
                out.AddBitmap(FinerPictureName(tindle::MarkName(size.letter, code), scale),
                              Mark(size, code, scale));
            for (int form : {1, 2}) {
                out.AddBitmap(FinerPictureName(tindle::ShadowName(size.letter, form), scale),
                              Shadow(size, form, scale));
                out.AddBitmap(FinerPictureName(tindle::BorderName(size.letter, form), scale),
                              Border(size, form, scale));
            }
        }
    }
}

}  // namespace gen
