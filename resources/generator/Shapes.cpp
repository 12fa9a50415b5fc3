#include "Shapes.h"

#include <QTransform>

#include <cmath>

#include "Paint.h"

namespace gen {

namespace {

QPainterPath Heart() {
    QPainterPath p;
    p.moveTo(50, 97);
    p.cubicTo(43, 83, 3, 62, 3, 31);
    p.cubicTo(3, 13, 15, 3, 28, 3);
    p.cubicTo(39, 3, 47, 10, 50, 20);
    p.cubicTo(53, 10, 61, 3, 72, 3);
    p.cubicTo(85, 3, 97, 13, 97, 31);
    p.cubicTo(97, 62, 57, 83, 50, 97);
    p.closeSubpath();
    return p;
}

QPainterPath Diamond() {
    QPainterPath p;
    p.moveTo(50, 1);
    p.cubicTo(60, 19, 73, 35, 88, 50);
    p.cubicTo(73, 65, 60, 81, 50, 99);
    p.cubicTo(40, 81, 27, 65, 12, 50);
    p.cubicTo(27, 35, 40, 19, 50, 1);
    p.closeSubpath();
    return p;
}

void AddStem(QPainterPath& p) {
    QPainterPath stem;
    stem.moveTo(46, 60);
    stem.cubicTo(46, 80, 40, 92, 29, 99);
    stem.lineTo(71, 99);
    stem.cubicTo(60, 92, 54, 80, 54, 60);
    stem.closeSubpath();
    p.addPath(stem);
}

QPainterPath Spade() {
    QPainterPath p;
    p.moveTo(50, 1);
    p.cubicTo(57, 17, 97, 37, 97, 62);
    p.cubicTo(97, 77, 86, 85, 74, 85);
    p.cubicTo(64, 85, 56, 79, 50, 70);
    p.cubicTo(44, 79, 36, 85, 26, 85);
    p.cubicTo(14, 85, 3, 77, 3, 62);
    p.cubicTo(3, 37, 43, 17, 50, 1);
    p.closeSubpath();
    AddStem(p);
    return p.simplified();
}

QPainterPath Club() {
    QPainterPath p;
    p.addEllipse(QPointF(50, 25), 23, 23);
    p.addEllipse(QPointF(25, 60), 23, 23);
    p.addEllipse(QPointF(75, 60), 23, 23);
    QPainterPath centre;
    centre.moveTo(50, 30);
    centre.lineTo(66, 62);
    centre.lineTo(34, 62);
    centre.closeSubpath();
    p.addPath(centre);
    AddStem(p);
    p.setFillRule(Qt::WindingFill);
    return p.simplified();
}

// Centre lines in units of 100 high.
QPainterPath Line(char c) {
    QPainterPath p;
    switch (c) {
        case 'A':
            p.moveTo(0, 100);
            p.lineTo(30, 0);
            p.lineTo(60, 100);
            p.moveTo(12, 64);
            p.lineTo(48, 64);
            break;
        case '1':
            p.moveTo(0, 16);
            p.lineTo(16, 0);
            p.lineTo(16, 100);
            break;
        case '2':
            p.moveTo(3, 23);
            p.cubicTo(5, 8, 16, 0, 29, 0);
            p.cubicTo(44, 0, 54, 10, 54, 26);
            p.cubicTo(54, 44, 38, 57, 24, 71);
            p.lineTo(2, 100);
            p.lineTo(57, 100);
            break;
        case '3':
            p.moveTo(4, 13);
            p.cubicTo(10, 4, 18, 0, 28, 0);
            p.cubicTo(44, 0, 52, 10, 52, 23);
            p.cubicTo(52, 37, 42, 46, 24, 46);
            p.moveTo(24, 46);
            p.cubicTo(44, 46, 55, 56, 55, 72);
            p.cubicTo(55, 90, 42, 100, 27, 100);
            p.cubicTo(15, 100, 6, 94, 1, 84);
            break;
        case '4':
            p.moveTo(44, 100);
            p.lineTo(44, 0);
            p.lineTo(0, 70);
            p.lineTo(60, 70);
            break;
        case '5':
            p.moveTo(52, 0);
            p.lineTo(11, 0);
            p.lineTo(6, 45);
            p.cubicTo(13, 39, 21, 36, 29, 36);
            p.cubicTo(46, 36, 56, 49, 56, 67);
            p.cubicTo(56, 87, 43, 100, 27, 100);
            p.cubicTo(15, 100, 6, 94, 1, 85);
            break;
        case '6':
            p.moveTo(48, 7);
            p.cubicTo(42, 2, 36, 0, 29, 0);
            p.cubicTo(11, 0, 2, 20, 2, 52);
            p.cubicTo(2, 84, 12, 100, 29, 100);
            p.cubicTo(46, 100, 56, 87, 56, 69);
            p.cubicTo(56, 51, 45, 39, 29, 39);
            p.cubicTo(15, 39, 5, 48, 2, 60);
            break;
        case '7':
            p.moveTo(0, 0);
            p.lineTo(55, 0);
            p.cubicTo(38, 27, 25, 60, 21, 100);
            break;
        case '8':
            p.addEllipse(QPointF(28, 23), 22, 23);
            p.addEllipse(QPointF(28, 73), 27, 27);
            break;
        case '9':
            p = Line('6');
            p = QTransform(-1, 0, 0, -1, 58, 100).map(p);
            break;
        case '0':
            p.addEllipse(QPointF(25, 50), 25, 50);
            break;
        case 'O':
            p.addEllipse(QPointF(30, 50), 30, 50);
            break;
        case 'J':
            p.moveTo(18, 0);
            p.lineTo(46, 0);
            p.moveTo(46, 0);
            p.lineTo(46, 70);
            p.cubicTo(46, 90, 36, 100, 23, 100);
            p.cubicTo(11, 100, 3, 93, 0, 80);
            break;
        case 'Q':
            p.addEllipse(QPointF(30, 50), 30, 50);
            p.moveTo(34, 70);
            p.lineTo(60, 102);
            break;
        case 'K':
            p.moveTo(0, 0);
            p.lineTo(0, 100);
            p.moveTo(52, 0);
            p.lineTo(0, 64);
            p.moveTo(17, 43);
            p.lineTo(55, 100);
            break;
        case 'E':
            p.moveTo(48, 0);
            p.lineTo(0, 0);
            p.lineTo(0, 100);
            p.lineTo(48, 100);
            p.moveTo(0, 48);
            p.lineTo(40, 48);
            break;
        case 'R':
            p.moveTo(0, 100);
            p.lineTo(0, 0);
            p.lineTo(26, 0);
            p.cubicTo(43, 0, 52, 10, 52, 25);
            p.cubicTo(52, 40, 43, 50, 26, 50);
            p.lineTo(0, 50);
            p.moveTo(24, 50);
            p.lineTo(54, 100);
            break;
        case 'T':
            // A narrow nought well apart from the one: at index sizes the strokes are
            // thick, and closer they run together.
            p.moveTo(0, 14);
            p.lineTo(9, 0);
            p.lineTo(9, 100);
            p.addEllipse(QPointF(58, 50), 14, 50);
            break;
        default:
            break;
    }
    return p;
}

}  // namespace

QPainterPath SuitShape(int suit) {
    static const QPainterPath shapes[4] = {Heart(), Diamond(), Club(), Spade()};
    return shapes[suit & 3];
}

QPainterPath SuitIn(int suit, const QRectF& box) {
    return MapBox(SuitShape(suit), 100, 100, box);
}

QPainterPath PixelSuit(int suit, QPointF c, double width) {
    // Patterns 7, 9 and 11 pixels wide, each a pixel taller than wide; '#' is inked.
    struct Pattern {
        int width;
        const char* club[12];
        const char* spade[12];
    };
    static const Pattern kPatterns[] = {
        {7,
         {"..###..", ".#####.", "..###..", "##.#.##", "#######", "##.#.##", "...#...", "..###.."},
         {"...#...", "..###..", ".#####.", "#######", "#######", "##.#.##", "...#...", "..###.."}},
        {9,
         {"...###...", "..#####..", "..#####..", "...###...", ".##.#.##.", "#########", "#########",
          ".##.#.##.", "....#....", "...###..."},
         {"....#....", "...###...", "..#####..", ".#######.", "#########", "#########", "#########",
          ".##.#.##.", "....#....", "...###..."}},
        {11,
         {"....###....", "...#####...", "...#####...", "....###....", ".###.#.###.", "###########",
          "###########", ".###.#.###.", ".....#.....", ".....#.....", "....###....", "...#####..."},
         {".....#.....", "....###....", "...#####...", "..#######..", ".#########.", "###########",
          "###########", "###########", ".###.#.###.", ".....#.....", "....###....",
          "...#####..."}},
    };
    QPainterPath path;
    if ((suit != kClub && suit != kSpade) || width >= 12) return path;
    const Pattern& pattern = width < 8.5 ? kPatterns[0] : width < 10 ? kPatterns[1] : kPatterns[2];
    const char* const* rows = suit == kClub ? pattern.club : pattern.spade;
    const int w = pattern.width;
    const int h = w + 1;
    const double left = std::round(c.x() - w / 2.0);
    const double top = std::round(c.y() - h / 2.0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (rows[y][x] == '#') path.addRect(QRectF(left + x, top + y, 1, 1));
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

QPainterPath GlyphLine(char c) {
    return Line(c);
}

double GlyphWidth(char c) {
    const QRectF box = Line(c).boundingRect();
    return box.right() < 0 ? 0 : box.right();
}

double IndexGlyphWidth(char c, double height, double stroke, double squeeze) {
    const double scale = (height - stroke) / 100.0;
    return GlyphWidth(c) * scale * squeeze + stroke;
}

QPainterPath IndexGlyph(char c, QPointF origin, double height, double stroke, double squeeze) {
    const double scale = (height - stroke) / 100.0;
    QTransform t;
    t.translate(origin.x() + stroke / 2, origin.y() + stroke / 2);
    t.scale(scale * squeeze, scale);
    return StrokeOutline(t.map(Line(c)), stroke);
}

char RankGlyph(int rank) {
    static const char glyphs[] = "A23456789TJQK";
    return rank >= 1 && rank <= 13 ? glyphs[rank - 1] : '?';
}

}  // namespace gen
