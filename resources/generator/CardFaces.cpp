// Card faces: corner indices, pip layouts, court figures and the joker, for every size and
// both card sets, laid out into the face sheets of the library.

#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <cmath>

#include "Cards.h"
#include "Output.h"
#include "Paint.h"
#include "Shapes.h"

namespace gen {

namespace {

using tindle::CardSizeSpec;

const QColor kFaceWhite(255, 255, 255);
const QColor kOutline(58, 58, 62);
const QColor kGold(232, 180, 36);
const QColor kSkin(250, 218, 186);
const QColor kInk(40, 30, 30);
const QColor kBlue(40, 86, 170);
const QColor kSilver(214, 220, 228);

bool IsRed(int suit) {
    return suit == kHeart || suit == kDiamond;
}

// Where things go on a card of one size and set.
struct Geometry {
    double w, h;
    double rankHeight, rankStroke, rankTop, indexCentre, rankSqueezeTen;
    double indexSuitSize, indexSuitTop;
    double pipSize;
    double pipLeft, pipRight, pipTop, pipBottom;  // centres of the outer pips
    QRectF frame;                                 // court card panel
    bool little;
};

Geometry GeometryFor(const CardSizeSpec& size, int cardSet) {
    const bool plain = cardSet == 3;
    Geometry g{};
    g.w = size.width;
    g.h = size.height;
    g.little = size.letter == 'L';
    if (size.letter == 'B') {
        g.rankHeight = plain ? 13 : 11;
        g.rankStroke = plain ? 2.5 : 1.9;
        g.rankTop = plain ? 3 : 4;
        g.indexCentre = plain ? 8 : 7.5;
        g.indexSuitSize = plain ? 9.5 : 8;
        g.indexSuitTop = g.rankTop + g.rankHeight + 2.5;
        g.pipSize = plain ? 13 : 12.5;
        // The outer pips keep clear of the suit beside the rank.
        g.pipLeft = 24.5;
        g.pipRight = 46.5;
        g.pipTop = plain ? 24 : 23;
        g.pipBottom = plain ? 72 : 73;
        g.frame = QRectF(14.5, 7.5, 42, 81);
    } else if (size.letter == 'M') {
        g.rankHeight = plain ? 11 : 9.5;
        g.rankStroke = plain ? 2.2 : 1.7;
        g.rankTop = 3;
        g.indexCentre = plain ? 7 : 6.5;
        g.indexSuitSize = plain ? 8 : 7;
        g.indexSuitTop = g.rankTop + g.rankHeight + 2;
        g.pipSize = plain ? 10.5 : 10;
        g.pipLeft = 20.5;
        g.pipRight = 38.5;
        g.pipTop = plain ? 20.5 : 19.5;
        g.pipBottom = plain ? 59.5 : 60.5;
        g.frame = QRectF(12.5, 6.5, 34, 67);
    } else {
        g.rankHeight = 12;
        g.rankStroke = 2.3;
        g.rankTop = 2;
        g.indexCentre = 6.5;
        g.indexSuitSize = 8;
        g.indexSuitTop = 3;
        g.pipSize = 14;
    }
    g.rankSqueezeTen = 0.96;
    return g;
}

QPainterPath RankOutline(int rank, double centreX, double top, double height, double stroke,
                         double tenSqueeze) {
    const char glyph = RankGlyph(rank);
    const double squeeze = glyph == 'T' ? tenSqueeze : 1.0;
    const double width = IndexGlyphWidth(glyph, height, stroke, squeeze);
    return IndexGlyph(glyph, QPointF(centreX - width / 2, top), height, stroke, squeeze);
}

void FillPath(QPainter& p, const QPainterPath& path, const QColor& color) {
    p.fillPath(path, color);
}

// A suit symbol centred at c, the given width, turned upside down when asked.
QPainterPath Pip(int suit, QPointF c, double size, bool inverted) {
    const double h = size * 1.06;
    QRectF box(c.x() - size / 2, c.y() - h / 2, size, h);
    QPainterPath path = SuitIn(suit, box);
    return inverted ? RotateHalf(path, box) : path;
}

// The suit of an index: clubs and spades on whole pixels while they are small.
QPainterPath IndexPip(int suit, QPointF c, double size) {
    QPainterPath pixels = PixelSuit(suit, c, size);
    return pixels.isEmpty() ? Pip(suit, c, size, false) : pixels;
}

// The suit beside the rank of a pip card, a little larger than one under it would be.
double SideSuitSize(const Geometry& g) {
    return g.indexSuitSize * 1.12;
}

// Where the suit beside the rank of a pip card is centred: right of the widest rank.
double SideSuitCentreX(const Geometry& g) {
    double widest = 0;
    for (int rank = 1; rank <= 10; ++rank) {
        const char glyph = RankGlyph(rank);
        widest = std::max(widest, IndexGlyphWidth(glyph, g.rankHeight, g.rankStroke,
                                                  glyph == 'T' ? g.rankSqueezeTen : 1.0));
    }
    return g.indexCentre + widest / 2 + SideSuitSize(g) * 0.1 + SideSuitSize(g) / 2;
}

// The two corner indices (the lower one turned half a turn). On pip cards the suit stands
// beside the rank, so that a card mostly covered in a fanned column still shows its suit;
// court cards keep it under the rank, their framed figure shows it beside.
void DrawIndices(QPainter& p, const Geometry& g, int suit, int rank, const QColor& color) {
    QPainterPath index =
        RankOutline(rank, g.indexCentre, g.rankTop, g.rankHeight, g.rankStroke, g.rankSqueezeTen);
    const double s = g.indexSuitSize;
    if (rank <= 10) {
        index.addPath(IndexPip(suit, QPointF(SideSuitCentreX(g), g.rankTop + g.rankHeight / 2),
                               SideSuitSize(g)));
    } else {
        index.addPath(IndexPip(suit, QPointF(g.indexCentre, g.indexSuitTop + s * 0.53), s));
    }
    const QRectF card(0, 0, g.w, g.h);
    index.addPath(RotateHalf(index, card));
    index.setFillRule(Qt::WindingFill);
    FillPath(p, index, color);
}

struct PipSpot {
    int column;  // 0 left, 1 middle, 2 right
    double row;  // 0 top .. 1 bottom
};

std::vector<PipSpot> PipLayout(int rank) {
    const double third = 1.0 / 3, sixth = 1.0 / 6;
    switch (rank) {
        case 2:
            return {{1, 0}, {1, 1}};
        case 3:
            return {{1, 0}, {1, 0.5}, {1, 1}};
        case 4:
            return {{0, 0}, {2, 0}, {0, 1}, {2, 1}};
        case 5:
            return {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}};
        case 6:
            return {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
        case 7:
            return {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
        case 8:
            return {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}};
        case 9:
            return {{0, 0},         {2, 0},         {0, third}, {2, third}, {1, 0.5},
                    {0, 2 * third}, {2, 2 * third}, {0, 1},     {2, 1}};
        case 10:
            return {{0, 0},         {2, 0},         {1, sixth},     {0, third}, {2, third},
                    {0, 2 * third}, {2, 2 * third}, {1, 1 - sixth}, {0, 1},     {2, 1}};
        default:
            return {};
    }
}

void DrawPips(QPainter& p, const Geometry& g, int suit, int rank, const QColor& color) {
    QPainterPath pips;
    for (const PipSpot& spot : PipLayout(rank)) {
        const double x = spot.column == 0 ? g.pipLeft : spot.column == 2 ? g.pipRight : g.w / 2;
        const double y = g.pipTop + spot.row * (g.pipBottom - g.pipTop);
        pips.addPath(Pip(suit, QPointF(x, y), g.pipSize, spot.row > 0.5));
    }
    pips.setFillRule(Qt::WindingFill);
    FillPath(p, pips, color);
}

void DrawAce(QPainter& p, const Geometry& g, int suit, int cardSet, const QColor& color) {
    const bool grand = suit == kSpade && cardSet == 1;
    const double size = g.w * (grand ? 0.56 : 0.44);
    const QPointF c(g.w / 2, g.h / 2);
    QPainterPath pip = Pip(suit, c, size, false);
    FillPath(p, pip, color);
    if (grand) {
        // The ace of spades carries an inner white line and a small golden heart of the
        // design, as on printed decks.
        QPainterPathStroker inner;
        inner.setWidth(size * 0.035);
        QPainterPath shrunk = Pip(suit, c + QPointF(0, -size * 0.02), size * 0.82, false);
        p.fillPath(inner.createStroke(shrunk), QColor(255, 255, 255));
        QRectF gem(c.x() - size * 0.09, c.y() - size * 0.06, size * 0.18, size * 0.18);
        p.fillPath(SuitIn(kDiamond, gem), kGold);
    }
}

// --- Court figures -------------------------------------------------------------------
// Drawn in a box 100 wide and 96 high (the upper half of the panel, the figure's centre
// line at y = 96) and turned for the lower half, as on double-headed printed cards.

constexpr double kHalfHeight = 96;

struct CourtColors {
    QColor main, accent, hair;
};

CourtColors CourtColorsFor(int suit, int rank) {
    CourtColors c;
    c.main = IsRed(suit) ? QColor(196, 24, 44) : QColor(30, 30, 40);
    // The second colour alternates so that neighbouring suits' figures differ.
    c.accent = (suit == kHeart || suit == kSpade) ? kBlue : QColor(34, 128, 84);
    c.hair =
        rank == 12 ? QColor(170, 96, 40) : (rank == 13 ? QColor(126, 96, 76) : QColor(92, 56, 28));
    return c;
}

void Outlined(QPainter& p, const QPainterPath& path, const QColor& fill, double pen = 1.6) {
    p.fillPath(path, fill);
    p.strokePath(path, QPen(kInk, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry) {
    QPainterPath e;
    e.addEllipse(QPointF(cx, cy), rx, ry);
    return e;
}

// The item held at the right: sword (King), rose (Queen), halberd (Jack).
void DrawCourtItem(QPainter& p, int rank, const CourtColors& c) {
    if (rank == 13) {
        QPainterPath blade;
        blade.moveTo(80, 74);
        blade.lineTo(80, 12);
        blade.lineTo(84, 3);
        blade.lineTo(88, 12);
        blade.lineTo(88, 74);
        blade.closeSubpath();
        Outlined(p, blade, kSilver, 1.4);
        p.strokePath(QPainterPath(QPointF(84, 14)), QPen(kInk, 1));
        QPainterPath fuller;
        fuller.moveTo(84, 14);
        fuller.lineTo(84, 70);
        p.strokePath(fuller, QPen(QColor(150, 160, 172), 1.2));
        QPainterPath guard;
        guard.addRoundedRect(QRectF(73, 72, 22, 6), 2.5, 2.5);
        Outlined(p, guard, kGold, 1.3);
    } else if (rank == 12) {
        QPainterPath stem;
        stem.moveTo(80, 84);
        stem.cubicTo(80, 66, 86, 56, 86, 40);
        p.strokePath(stem, QPen(QColor(40, 120, 50), 3, Qt::SolidLine, Qt::RoundCap));
        QPainterPath leaf;
        leaf.moveTo(83, 62);
        leaf.cubicTo(90, 56, 96, 58, 98, 62);
        leaf.cubicTo(92, 67, 87, 67, 83, 62);
        Outlined(p, leaf, QColor(60, 150, 70), 1.1);
        QPainterPath petals;
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * M_PI / 5 - M_PI / 2;
            petals.addEllipse(QPointF(86 + 7 * std::cos(a), 32 + 7 * std::sin(a)), 5.6, 5.6);
        }
        petals.setFillRule(Qt::WindingFill);
        Outlined(p, petals.simplified(), c.main, 1.3);
        Outlined(p, Ellipse(86, 32, 4, 4), kGold, 1.1);
    } else {
        QPainterPath staff;
        staff.addRect(QRectF(82, 22, 5, 74));
        Outlined(p, staff, QColor(150, 100, 50), 1.3);
        QPainterPath blade;
        blade.moveTo(84.5, 0);
        blade.cubicTo(94, 8, 96, 18, 84.5, 26);
        blade.cubicTo(73, 18, 75, 8, 84.5, 0);
        Outlined(p, blade, kSilver, 1.4);
        Outlined(p, Ellipse(84.5, 26, 4.5, 3), kGold, 1.1);
    }
}

void DrawCourtHalf(QPainter& p, int suit, int rank) {
    const CourtColors c = CourtColorsFor(suit, rank);
    DrawCourtItem(p, rank, c);

    // Robe filling the panel at the centre line, sleeves in the second colour, a golden
    // trim along the shoulders and a front band with golden studs.
    QPainterPath robe;
    robe.moveTo(0, 96);
    robe.lineTo(0, 82);
    robe.cubicTo(4, 70, 16, 64, 34, 61);
    robe.lineTo(66, 61);
    robe.cubicTo(84, 64, 96, 70, 100, 82);
    robe.lineTo(100, 96);
    robe.closeSubpath();
    Outlined(p, robe, c.main);
    QPainterPath sleeves;
    sleeves.moveTo(0, 82);
    sleeves.cubicTo(3, 74, 9, 69, 16, 66);
    sleeves.cubicTo(20, 76, 22, 86, 22, 96);
    sleeves.lineTo(0, 96);
    sleeves.closeSubpath();
    sleeves.addPath(QTransform(-1, 0, 0, 1, 100, 0).map(sleeves));
    Outlined(p, sleeves, c.accent, 1.2);
    QPainterPath trim;
    trim.moveTo(16, 66);
    trim.cubicTo(22, 63, 28, 62, 34, 61);
    trim.lineTo(66, 61);
    trim.cubicTo(72, 62, 78, 63, 84, 66);
    p.strokePath(trim, QPen(kInk, 4.4, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(trim, QPen(kGold, 2.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath band;
    band.addRect(QRectF(43, 64, 14, 32));
    Outlined(p, band, rank == 12 ? kGold : c.accent, 1.2);
    for (int i = 0; i < 3; ++i)
        Outlined(p, Ellipse(50, 71 + i * 9, 2.6, 2.6), rank == 12 ? c.main : kGold, 0.9);
    // The hand holding the item.
    Outlined(p, Ellipse(84, 80, 5.5, 5.5), kSkin, 1.2);

    // Long hair of the Queen falls over the shoulders, behind the face.
    if (rank == 12) {
        QPainterPath hair;
        hair.moveTo(34, 36);
        hair.cubicTo(32, 16, 68, 16, 66, 36);
        hair.cubicTo(70, 50, 72, 60, 66, 68);
        hair.lineTo(34, 68);
        hair.cubicTo(28, 60, 30, 50, 34, 36);
        Outlined(p, hair, c.hair, 1.4);
    }
    // Collar.
    QPainterPath collar;
    collar.moveTo(30, 62);
    collar.cubicTo(40, 55, 60, 55, 70, 62);
    collar.lineTo(63, 70);
    collar.cubicTo(55, 66, 45, 66, 37, 70);
    collar.closeSubpath();
    Outlined(p, collar, rank == 11 ? QColor(255, 255, 255) : kGold, 1.4);

    // Head.
    Outlined(p, Ellipse(50, 43, 13, 15), kSkin, 1.6);
    if (rank == 13) {
        QPainterPath beard;
        beard.moveTo(37, 44);
        beard.cubicTo(38, 60, 46, 64, 50, 65);
        beard.cubicTo(54, 64, 62, 60, 63, 44);
        beard.cubicTo(58, 52, 42, 52, 37, 44);
        Outlined(p, beard, c.hair, 1.3);
        QPainterPath moustache;
        moustache.moveTo(44, 52);
        moustache.cubicTo(47, 49, 53, 49, 56, 52);
        p.strokePath(moustache, QPen(c.hair.darker(140), 1.8, Qt::SolidLine, Qt::RoundCap));
    } else if (rank == 11) {
        QPainterPath curls;
        curls.addEllipse(QPointF(37.5, 42), 4.5, 7);
        curls.addEllipse(QPointF(62.5, 42), 4.5, 7);
        Outlined(p, curls, c.hair, 1.3);
    }
    // Eyes, brows, nose, mouth.
    p.fillPath(Ellipse(45, 41, 1.7, 1.9), kInk);
    p.fillPath(Ellipse(55, 41, 1.7, 1.9), kInk);
    QPainterPath brows;
    brows.moveTo(42, 37);
    brows.lineTo(47.5, 36.5);
    brows.moveTo(52.5, 36.5);
    brows.lineTo(58, 37);
    p.strokePath(brows, QPen(c.hair.darker(130), 1.1, Qt::SolidLine, Qt::RoundCap));
    QPainterPath nose;
    nose.moveTo(50.5, 42);
    nose.lineTo(48.8, 48);
    nose.lineTo(51.5, 48.5);
    p.strokePath(nose, QPen(QColor(170, 110, 80), 1.1));
    if (rank != 13) {
        QPainterPath mouth;
        mouth.moveTo(46.5, 53);
        mouth.cubicTo(48.5, 54.8, 51.5, 54.8, 53.5, 53);
        p.strokePath(mouth, QPen(QColor(190, 40, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    }

    // Headwear: crown (King), tiara (Queen), feathered cap (Jack).
    if (rank == 13) {
        QPainterPath crown;
        crown.moveTo(35, 31);
        crown.lineTo(33, 12);
        crown.lineTo(42, 21);
        crown.lineTo(50, 7);
        crown.lineTo(58, 21);
        crown.lineTo(67, 12);
        crown.lineTo(65, 31);
        crown.closeSubpath();
        Outlined(p, crown, kGold, 1.5);
        p.fillRect(QRectF(36, 26, 28, 2), QColor(190, 130, 20));
        for (QPointF tip : {QPointF(33, 10.5), QPointF(50, 5.5), QPointF(67, 10.5)})
            Outlined(p, Ellipse(tip.x(), tip.y(), 2.7, 2.7), kGold, 1.1);
        Outlined(p, Ellipse(50, 23, 3, 3), c.main, 1.0);
    } else if (rank == 12) {
        QPainterPath tiara;
        tiara.moveTo(37, 31);
        tiara.cubicTo(37, 22, 42, 19, 43.5, 25);
        tiara.cubicTo(45, 12, 55, 12, 56.5, 25);
        tiara.cubicTo(58, 19, 63, 22, 63, 31);
        tiara.closeSubpath();
        Outlined(p, tiara, kGold, 1.4);
        Outlined(p, Ellipse(50, 12, 3, 3), c.main, 1.0);
        Outlined(p, Ellipse(50, 24, 2.2, 2.2), kBlue, 0.9);
    } else {
        QPainterPath feather;
        feather.moveTo(58, 23);
        feather.cubicTo(64, 10, 72, 4, 80, 3);
        feather.cubicTo(75, 10, 70, 18, 63, 27);
        feather.closeSubpath();
        Outlined(p, feather, QColor(255, 255, 255), 1.2);
        QPainterPath cap;
        cap.moveTo(32, 34);
        cap.cubicTo(28, 20, 48, 13, 68, 23);
        cap.cubicTo(70, 28, 68, 32, 66, 33);
        cap.cubicTo(55, 29, 42, 30, 32, 34);
        Outlined(p, cap, c.main, 1.5);
        QPainterPath brim;
        brim.addRect(QRectF(34, 29.5, 31, 4.5));
        Outlined(p, brim, kGold, 1.1);
    }
}

void DrawCourt(QPainter& p, const Geometry& g, int suit, int rank, const QColor& color) {
    const QRectF frame = g.frame;
    p.fillRect(frame, QColor(255, 251, 238));
    const double unit = frame.width() / 100.0;
    for (int half = 0; half < 2; ++half) {
        p.save();
        p.setClipRect(
            half == 0
                ? QRectF(frame.left(), frame.top(), frame.width(), frame.height() / 2)
                : QRectF(frame.left(), frame.center().y(), frame.width(), frame.height() / 2));
        if (half == 1) {
            p.translate(frame.center());
            p.rotate(180);
            p.translate(-frame.center());
        }
        p.translate(frame.left(), frame.center().y() - kHalfHeight * unit);
        p.scale(unit, unit);
        DrawCourtHalf(p, suit, rank);
        // The suit beside the head.
        p.fillPath(SuitIn(suit, QRectF(4, kHalfHeight - frame.height() / 2 / unit + 4, 15, 16)),
                   color);
        p.restore();
    }
    p.setPen(QPen(color, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    p.drawLine(QPointF(frame.left(), frame.center().y()),
               QPointF(frame.right(), frame.center().y()));
}

// The plain set shows an emblem on its court cards: a headwear over a big suit symbol.
void DrawCourtEmblem(QPainter& p, const Geometry& g, int suit, int rank, const QColor& color) {
    const QRectF frame = g.frame;
    p.setPen(QPen(color, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame.adjusted(0.5, 0.5, -0.5, -0.5));
    const double unit = frame.width() / 100.0;
    p.save();
    // A little below the middle, to leave the corner suit room above the headwear.
    p.translate(frame.left(), frame.top() + (frame.height() - 166 * unit) / 2 + 5 * unit);
    p.scale(unit, unit);
    QPainterPath head;
    if (rank == 13) {
        head.moveTo(14, 70);
        head.lineTo(10, 18);
        head.lineTo(30, 44);
        head.lineTo(50, 8);
        head.lineTo(70, 44);
        head.lineTo(90, 18);
        head.lineTo(86, 70);
        head.closeSubpath();
        for (QPointF tip : {QPointF(10, 14), QPointF(50, 5), QPointF(90, 14)})
            head.addEllipse(tip, 7, 7);
    } else if (rank == 12) {
        head.moveTo(16, 70);
        head.cubicTo(12, 40, 28, 34, 32, 48);
        head.cubicTo(34, 16, 66, 16, 68, 48);
        head.cubicTo(72, 34, 88, 40, 84, 70);
        head.closeSubpath();
        head.addEllipse(QPointF(50, 18), 8, 8);
    } else {
        head.moveTo(14, 70);
        head.cubicTo(10, 28, 90, 28, 86, 70);
        head.closeSubpath();
        QPainterPath plume;
        plume.moveTo(58, 42);
        plume.cubicTo(66, 20, 82, 6, 98, 2);
        plume.cubicTo(90, 14, 80, 30, 68, 46);
        plume.closeSubpath();
        head.addPath(plume);
    }
    head.setFillRule(Qt::WindingFill);
    head = head.simplified();
    p.fillPath(head, color);
    // A band of white dots across the headwear.
    for (int i = 0; i < 5; ++i)
        p.fillPath(Ellipse(22 + i * 14, 60, 4, 4), QColor(255, 255, 255));
    p.fillPath(SuitIn(suit, QRectF(18, 90, 64, 68)), color);
    p.restore();
    // A small suit in two corners of the frame, where the figured set has one beside each
    // head: next to the index, it shows in a fanned column.
    const QRectF corner(frame.left() + 6 * unit, frame.top() + 6 * unit, 14 * unit, 15 * unit);
    p.fillPath(SuitIn(suit, corner), color);
    p.fillPath(RotateHalf(SuitIn(suit, corner), frame), color);
}

void DrawLittleFace(QPainter& p, const Geometry& g, int suit, int rank, const QColor& color) {
    QPainterPath marks =
        RankOutline(rank, g.indexCentre, g.rankTop, g.rankHeight, g.rankStroke, 0.96);
    // Small suit top right, a big one below.
    marks.addPath(IndexPip(suit, QPointF(g.w - 6.5, g.indexSuitTop + 3.9), 7.5));
    marks.addPath(Pip(suit, QPointF(g.w / 2, 22.5), 14, false));
    marks.setFillRule(Qt::WindingFill);
    p.fillPath(marks, color);
    if (rank >= 11) {
        // Court cards of the little size get a golden bar under the index.
        p.fillRect(QRectF(2, 14.5, g.w - 4, 1.5), kGold);
    }
}

}  // namespace

QColor SuitColor(int suit, int cardSet) {
    if (cardSet == 3) return IsRed(suit) ? QColor(222, 0, 0) : QColor(0, 0, 0);
    return IsRed(suit) ? QColor(204, 16, 40) : QColor(22, 22, 26);
}

QImage DrawFace(const CardSizeSpec& size, int cardSet, int suit, int rank, int scale) {
    QImage image = NewFinerImage(size.width, size.height, scale, kFaceWhite);
    const Geometry g = GeometryFor(size, cardSet);
    const QColor color = SuitColor(suit, cardSet);
    {
        Painter p(&image);
        if (g.little) {
            DrawLittleFace(p, g, suit, rank, color);
        } else {
            DrawIndices(p, g, suit, rank, color);
            if (rank == 1)
                DrawAce(p, g, suit, cardSet, color);
            else if (rank <= 10)
                DrawPips(p, g, suit, rank, color);
            else if (cardSet == 3)
                DrawCourtEmblem(p, g, suit, rank, color);
            else
                DrawCourt(p, g, suit, rank, color);
        }
    }
    CardOutline(image, kOutline);
    return image;
}

QImage DrawJoker(const CardSizeSpec& size, int scale) {
    QImage image = NewFinerImage(size.width, size.height, scale, kFaceWhite);
    const double w = size.width, h = size.height;
    const bool little = size.letter == 'L';
    {
        Painter p(&image);
        // The jester: a three-pointed cap with bells over a grinning face and a ruff.
        const double unit = little ? 0.205 : w / 100.0 * 0.72;
        p.save();
        p.translate(little ? w - 100 * unit - 0.5 : w / 2 - 50 * unit, little ? 7 : h * 0.2);
        p.scale(unit, unit);
        const QColor colors[3] = {QColor(204, 16, 40), QColor(40, 86, 170), QColor(36, 140, 60)};
        const QPointF tips[3] = {QPointF(8, 30), QPointF(50, 2), QPointF(92, 30)};
        for (int i = 0; i < 3; ++i) {
            QPainterPath lobe;
            lobe.moveTo(28, 58);
            lobe.cubicTo(tips[i].x() * 0.6 + 10, 40, tips[i].x(), tips[i].y() + 16, tips[i].x(),
                         tips[i].y());
            lobe.cubicTo(tips[i].x() + (50 - tips[i].x()) * 0.4, tips[i].y() + 28, 72, 40, 72, 58);
            lobe.closeSubpath();
            Outlined(p, lobe, colors[i], 1.6);
        }
        for (const QPointF& tip : tips)
            Outlined(p, Ellipse(tip.x(), tip.y(), 6, 6), kGold, 1.4);
        QPainterPath band;
        band.addRoundedRect(QRectF(24, 54, 52, 9), 3, 3);
        Outlined(p, band, kGold, 1.4);
        Outlined(p, Ellipse(50, 78, 19, 17), kSkin, 1.6);
        p.fillPath(Ellipse(43, 74, 2.2, 2.6), kInk);
        p.fillPath(Ellipse(57, 74, 2.2, 2.6), kInk);
        p.fillPath(Ellipse(36, 83, 4, 3), QColor(240, 120, 120, 160));
        p.fillPath(Ellipse(64, 83, 4, 3), QColor(240, 120, 120, 160));
        QPainterPath grin;
        grin.moveTo(41, 84);
        grin.cubicTo(45, 91, 55, 91, 59, 84);
        p.strokePath(grin, QPen(QColor(170, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        if (!little) {
            QPainterPath ruff;
            for (int i = 0; i < 9; ++i) {
                const double x = 14 + i * 9;
                ruff.addEllipse(QPointF(x, 100), 6.5, 6);
            }
            ruff.setFillRule(Qt::WindingFill);
            Outlined(p, ruff.simplified(), QColor(255, 255, 255), 1.3);
            // Harlequin body.
            QPainterPath body;
            body.moveTo(16, 106);
            body.lineTo(84, 106);
            body.lineTo(92, 150);
            body.lineTo(8, 150);
            body.closeSubpath();
            Outlined(p, body, colors[1], 1.5);
            p.save();
            p.setClipPath(body);
            for (int i = 0; i < 6; ++i) {
                QPainterPath diamond;
                const double x = 10 + i * 16;
                diamond.moveTo(x, 106);
                diamond.lineTo(x + 8, 128);
                diamond.lineTo(x, 150);
                diamond.lineTo(x - 8, 128);
                diamond.closeSubpath();
                p.fillPath(diamond, i % 2 ? colors[0] : kGold);
            }
            p.restore();
            p.strokePath(body, QPen(kInk, 1.5));
            Outlined(p, ruff.simplified(), QColor(255, 255, 255), 1.3);
        }
        p.restore();
        if (!little) {
            // "JOKER" down the upper left corner and up the lower right.
            const double lh = size.letter == 'B' ? 7 : 6;
            const double stroke = size.letter == 'B' ? 1.35 : 1.2;
            QPainterPath letters;
            double y = 3;
            for (char c : std::string("JOKER")) {
                const double lw = IndexGlyphWidth(c, lh, stroke);
                letters.addPath(IndexGlyph(c, QPointF(6.5 - lw / 2, y), lh, stroke));
                y += lh + 1.6;
            }
            letters.addPath(RotateHalf(letters, QRectF(0, 0, w, h)));
            letters.setFillRule(Qt::WindingFill);
            p.fillPath(letters, QColor(30, 30, 40));
        } else {
            QPainterPath j = IndexGlyph('J', QPointF(2, 2), 10, 2.0);
            p.fillPath(j, QColor(30, 30, 40));
        }
    }
    CardOutline(image, kOutline);
    return image;
}

void AddCardFaces(Output& out) {
    for (const CardSizeSpec& size : tindle::kCardSizes) {
        for (int scale : tindle::kPictureScales) {
            for (int cardSet : tindle::kCardSets) {
                for (int suit = 0; suit < 4; ++suit) {
                    QImage sheet = NewFinerImage(6 * size.width, 4 * size.height, scale);
                    {
                        QPainter p(&sheet);
                        p.setCompositionMode(QPainter::CompositionMode_Source);
                        for (int rank = 1; rank <= 13; ++rank) {
                            const int row = (rank - 1) / 5, column = (rank - 1) % 5;
                            p.drawImage(column * size.width, row * size.height,
                                        DrawFace(size, cardSet, suit, rank, scale));
                        }
                    }
                    out.AddBitmap(
                        tindle::FinerPictureName(
                            tindle::FaceSheetName(size.letter, cardSet, tindle::kSuitLetters[suit]),
                            scale),
                        sheet);
                }
            }
            out.AddBitmap(tindle::FinerPictureName(tindle::JokerName(size.letter), scale),
                          DrawJoker(size, scale));
        }
    }
    for (int suit = 0; suit < 4; ++suit) {
        const int side = tindle::kSuitPictureSize;
        QImage image = NewImage(side, side, QColor(255, 255, 255));
        {
            Painter p(&image);
            p.fillPath(SuitIn(suit, QRectF(0.5, 0.3, side - 1, side - 0.6)), SuitColor(suit, 1));
        }
        out.AddBitmap(std::string(tindle::kSuitPictures[suit]), image);
    }
}

}  // namespace gen
