// Card backs: a white border like printed cards around one of eight designs. Scenes are
// drawn in a design box of 63 x 88 units (the inner area of a big card) and scaled;
// woven patterns are laid out in whole pixels of the size at hand so that they stay crisp.

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

#include "Cards.h"
#include "Output.h"
#include "Paint.h"
#include "Random.h"
#include "Shapes.h"

namespace gen {

namespace {

using tindle::CardSizeSpec;

constexpr double kUnitW = 63, kUnitH = 88;

QPainterPath Circle(double cx, double cy, double r) {
    QPainterPath e;
    e.addEllipse(QPointF(cx, cy), r, r);
    return e;
}

QPainterPath Oval(double cx, double cy, double rx, double ry) {
    QPainterPath e;
    e.addEllipse(QPointF(cx, cy), rx, ry);
    return e;
}

// --- Leonardo da Vinci: a Vitruvian figure in sepia ink on old paper ------------------

void Leonardo(QPainter& p, bool little) {
    QRadialGradient paper(QPointF(30, 40), 60);
    paper.setColorAt(0, QColor(240, 226, 190));
    paper.setColorAt(1, QColor(214, 188, 136));
    p.fillRect(QRectF(0, 0, kUnitW, kUnitH), paper);
    Rng rng(1);
    for (int i = 0; i < 26; ++i) {
        const double x = rng.Range(0, kUnitW), y = rng.Range(0, kUnitH), r = rng.Range(1.5, 6);
        p.fillPath(Circle(x, y, r), QColor(160, 120, 70, 18));
    }
    const QColor ink(96, 58, 28);
    const double pen = little ? 2.2 : 0.75;
    const QPointF centre(31.5, 46);
    const double radius = 24;
    p.setPen(QPen(ink, pen));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    const double side = 38;
    p.drawRect(QRectF(centre.x() - side / 2, centre.y() + radius - side, side, side));
    // The figure: head, body, two pairs of arms and of legs.
    const QPointF neck(31.5, 33), hip(31.5, 52);
    p.setPen(QPen(ink, pen * 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPointF(31.5, 28.5), 3.4, 4.2);
    p.drawLine(neck, hip);
    p.drawLine(QPointF(neck.x(), 35), QPointF(centre.x() - side / 2, 35));
    p.drawLine(QPointF(neck.x(), 35), QPointF(centre.x() + side / 2, 35));
    p.drawLine(QPointF(neck.x(), 35.5), QPointF(9.5, 27));
    p.drawLine(QPointF(neck.x(), 35.5), QPointF(53.5, 27));
    p.drawLine(hip, QPointF(28.5, centre.y() + radius - 0.5));
    p.drawLine(hip, QPointF(34.5, centre.y() + radius - 0.5));
    p.drawLine(hip, QPointF(16, centre.y() + radius - 5));
    p.drawLine(hip, QPointF(47, centre.y() + radius - 5));
    if (!little) {
        // Shading strokes on the body and lines of mirror writing above and below.
        p.setPen(QPen(QColor(96, 58, 28, 140), 0.45));
        for (int i = 0; i < 6; ++i)
            p.drawLine(QPointF(30, 38 + i * 2), QPointF(33, 37 + i * 2));
        for (int line = 0; line < 3; ++line) {
            for (double y : {4.0 + line * 3, 78.0 + line * 3}) {
                QPainterPath script;
                double x = 5 + rng.Range(0, 3);
                script.moveTo(x, y);
                while (x < 56) {
                    const double step = rng.Range(1.2, 2.6);
                    script.cubicTo(x + step * 0.3, y - 1.2, x + step * 0.7, y + 0.8, x + step, y);
                    x += step;
                    if (rng.Uniform() < 0.15) {
                        x += 2;
                        script.moveTo(x, y);
                    }
                }
                p.strokePath(script, QPen(QColor(96, 58, 28, 150), 0.45));
            }
        }
    }
}

// --- Snowman on a winter night -------------------------------------------------------

void Snowman(QPainter& p, bool little) {
    QLinearGradient sky(0, 0, 0, kUnitH);
    sky.setColorAt(0, QColor(16, 38, 92));
    sky.setColorAt(0.75, QColor(70, 118, 184));
    p.fillRect(QRectF(0, 0, kUnitW, kUnitH), sky);
    Rng rng(3);
    if (!little) {
        for (int i = 0; i < 40; ++i)
            p.fillPath(Circle(rng.Range(0, kUnitW), rng.Range(0, kUnitH), rng.Range(0.35, 0.9)),
                       QColor(255, 255, 255, 210));
        p.fillPath(Circle(50, 12, 5), QColor(250, 246, 220));
        p.fillPath(Circle(52.5, 10.5, 4.3), QColor(38, 62, 118));
    }
    QPainterPath ground;
    ground.moveTo(0, 70);
    ground.cubicTo(20, 64, 44, 66, 63, 72);
    ground.lineTo(63, 88);
    ground.lineTo(0, 88);
    ground.closeSubpath();
    p.fillPath(ground, QColor(236, 244, 255));
    const QColor snow(252, 253, 255), shade(190, 212, 236);
    auto ball = [&](double cx, double cy, double r) {
        QRadialGradient g(QPointF(cx - r * 0.4, cy - r * 0.4), r * 1.5);
        g.setColorAt(0, snow);
        g.setColorAt(1, shade);
        p.fillPath(Circle(cx, cy, r), g);
    };
    ball(31.5, 66, 14);
    ball(31.5, 45, 10.5);
    ball(31.5, 29, 8);
    // Hat, face, scarf, buttons, arms.
    p.fillRect(QRectF(23, 20.5, 17, 2.2), QColor(20, 20, 26));
    p.fillRect(QRectF(25.5, 9, 12, 12), QColor(20, 20, 26));
    p.fillRect(QRectF(25.5, 17.5, 12, 2), QColor(200, 30, 40));
    p.fillPath(Circle(28.5, 27.5, 1.1), QColor(20, 20, 26));
    p.fillPath(Circle(34.5, 27.5, 1.1), QColor(20, 20, 26));
    QPainterPath carrot;
    carrot.moveTo(31.5, 29.5);
    carrot.lineTo(39, 31.5);
    carrot.lineTo(31.5, 31.8);
    carrot.closeSubpath();
    p.fillPath(carrot, QColor(240, 120, 20));
    QPainterPath scarf;
    scarf.addRoundedRect(QRectF(23, 35, 17, 4), 2, 2);
    scarf.addRoundedRect(QRectF(34, 36, 4, 11), 1.5, 1.5);
    scarf.setFillRule(Qt::WindingFill);
    p.fillPath(scarf, QColor(204, 30, 44));
    for (double y : {43.0, 48.0, 60.0})
        p.fillPath(Circle(31.5, y, 1.1), QColor(20, 20, 26));
    p.setPen(QPen(QColor(100, 62, 30), little ? 2.0 : 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 44), QPointF(10, 36));
    p.drawLine(QPointF(13, 38), QPointF(10.5, 33.5));
    p.drawLine(QPointF(41, 44), QPointF(53, 37));
    p.drawLine(QPointF(50, 38.5), QPointF(53.5, 34));
}

// --- Woven patterns ------------------------------------------------------------------

// One strand segment with a rounded, shaded look.
void Strand(QPainter& p, const QRectF& r, bool horizontal, const QColor& base) {
    QLinearGradient g(horizontal ? QPointF(0, r.top()) : QPointF(r.left(), 0),
                      horizontal ? QPointF(0, r.bottom()) : QPointF(r.right(), 0));
    g.setColorAt(0, base.darker(150));
    g.setColorAt(0.35, base.lighter(125));
    g.setColorAt(1, base.darker(170));
    p.fillRect(r, g);
}

// Basket weave: blocks of parallel strands that alternate direction, like a plaited mat.
void Plaiting2(QPainter& p, const QRectF& area, int cell) {
    const QColor a(38, 126, 84), b(222, 190, 98);
    const int strands = 2;
    const double s = static_cast<double>(cell) / strands;
    for (int by = 0; by * cell < area.height() + cell; ++by)
        for (int bx = 0; bx * cell < area.width() + cell; ++bx) {
            const bool horizontal = (bx + by) % 2 == 0;
            for (int k = 0; k < strands; ++k) {
                QRectF r =
                    horizontal
                        ? QRectF(area.left() + bx * cell, area.top() + by * cell + k * s, cell, s)
                        : QRectF(area.left() + bx * cell + k * s, area.top() + by * cell, s, cell);
                r = r.adjusted(0.25, 0.25, -0.25, -0.25);
                Strand(p, r, horizontal, horizontal ? a : b);
                // Darker ends where the strand dives under its neighbours.
                QLinearGradient ends(horizontal ? QPointF(r.left(), 0) : QPointF(0, r.top()),
                                     horizontal ? QPointF(r.right(), 0) : QPointF(0, r.bottom()));
                ends.setColorAt(0, QColor(0, 0, 0, 110));
                ends.setColorAt(0.3, QColor(0, 0, 0, 0));
                ends.setColorAt(0.7, QColor(0, 0, 0, 0));
                ends.setColorAt(1, QColor(0, 0, 0, 110));
                p.fillRect(r, ends);
            }
        }
}

// Diagonal over-and-under lattice of flat bands.
void Plaiting1(QPainter& p, const QRectF& area, double period) {
    p.fillRect(area, QColor(110, 14, 24));
    const QColor bandA(196, 40, 46), bandB(226, 176, 70);
    const double band = period * 0.36;
    p.save();
    p.translate(area.center());
    p.rotate(45);
    const double reach = std::hypot(area.width(), area.height()) / 2 + period;
    const int n = static_cast<int>(reach / period) + 1;
    // Bands of one direction, then the other; at crossings the one on top depends on the
    // parity of the crossing, which gives the over-and-under look.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = -n; i <= n; ++i)
            for (int j = -n; j <= n; ++j) {
                const bool verticalOnTop = ((i + j) & 1) != 0;
                const double cx = i * period, cy = j * period;
                // Segment of the horizontal band between crossings.
                QRectF h(cx - period / 2 + band / 2, cy - band / 2, period - band, band);
                QRectF v(cx - band / 2, cy - period / 2 + band / 2, band, period - band);
                if (pass == 0) {
                    Strand(p, h.adjusted(-band / 2, 0, band / 2, 0), true, bandA);
                    Strand(p, v.adjusted(0, -band / 2, 0, band / 2), false, bandB);
                } else {
                    QRectF crossing(cx - band / 2, cy - band / 2, band, band);
                    if (verticalOnTop)
                        Strand(p, crossing.adjusted(0, -0.5, 0, 0.5), false, bandB);
                    else
                        Strand(p, crossing.adjusted(-0.5, 0, 0.5, 0), true, bandA);
                }
            }
    p.restore();
}

// --- Classic blue: fine lattice with a central medallion ------------------------------

void ClassicBlue(QPainter& p, const QRectF& area, bool little) {
    const QColor blue(24, 70, 158), light(120, 160, 226);
    p.fillRect(area, blue);
    const double step = little ? 3.0 : 4.0;
    p.setPen(QPen(light, little ? 0.5 : 0.6));
    p.save();
    p.setClipRect(area);
    for (double d = -area.height(); d < area.width() + area.height(); d += step) {
        p.drawLine(QPointF(area.left() + d, area.top()),
                   QPointF(area.left() + d - area.height(), area.bottom()));
        p.drawLine(QPointF(area.left() + d - area.height(), area.top()),
                   QPointF(area.left() + d, area.bottom()));
    }
    p.restore();
    const QRectF inner = area.adjusted(area.width() * 0.08, area.width() * 0.08,
                                       -area.width() * 0.08, -area.width() * 0.08);
    p.setPen(QPen(QColor(236, 242, 255), little ? 0.8 : 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(inner);
    if (little) return;
    const QPointF c = area.center();
    const double rx = area.width() * 0.26, ry = area.height() * 0.2;
    p.setBrush(blue);
    p.drawEllipse(c, rx, ry);
    // A rosette of eight petals.
    QPainterPath rosette;
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(i * 45);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(rx * 0.25, -rx * 0.2, rx * 0.3, -rx * 0.65, 0, -rx * 0.8);
        petal.cubicTo(-rx * 0.3, -rx * 0.65, -rx * 0.25, -rx * 0.2, 0, 0);
        rosette.addPath(t.map(petal));
    }
    p.fillPath(rosette, QColor(236, 242, 255));
    p.fillPath(Circle(c.x(), c.y(), rx * 0.18), QColor(226, 186, 60));
}

// --- Roses ---------------------------------------------------------------------------

void Rose(QPainter& p, QPointF c, double r, const QColor& color) {
    // Leaves first, then petals as overlapping arcs spiralling inwards.
    for (int i = 0; i < 3; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(30 + i * 120);
        QPainterPath leaf;
        leaf.moveTo(r * 0.6, 0);
        leaf.cubicTo(r * 1.1, -r * 0.5, r * 1.7, -r * 0.3, r * 1.9, 0);
        leaf.cubicTo(r * 1.7, r * 0.3, r * 1.1, r * 0.5, r * 0.6, 0);
        p.fillPath(t.map(leaf), QColor(46, 120, 56));
        QPainterPath vein;
        vein.moveTo(r * 0.7, 0);
        vein.lineTo(r * 1.8, 0);
        p.strokePath(t.map(vein), QPen(QColor(24, 80, 34), r * 0.06));
    }
    p.fillPath(Circle(c.x(), c.y(), r), color.darker(130));
    for (int ring = 0; ring < 4; ++ring) {
        const double rr = r * (1.0 - ring * 0.22);
        for (int k = 0; k < 5; ++k) {
            const double a = (k * 72 + ring * 36) * M_PI / 180;
            QPointF pc(c.x() + std::cos(a) * rr * 0.35, c.y() + std::sin(a) * rr * 0.35);
            QRadialGradient g(pc, rr * 0.75);
            g.setColorAt(0, color.lighter(100 + ring * 12));
            g.setColorAt(1, color.darker(140));
            p.fillPath(Oval(pc.x(), pc.y(), rr * 0.62, rr * 0.55), g);
        }
    }
    QPainterPath swirl;
    swirl.moveTo(c.x(), c.y());
    for (int i = 1; i < 24; ++i) {
        const double a = i * 0.6, rr = r * 0.03 * i;
        swirl.lineTo(c.x() + std::cos(a) * rr * 0.9, c.y() + std::sin(a) * rr * 0.9);
    }
    p.strokePath(swirl, QPen(color.darker(190), r * 0.07));
}

void Roses(QPainter& p, bool little) {
    QRadialGradient g(QPointF(31.5, 44), 56);
    g.setColorAt(0, QColor(36, 64, 44));
    g.setColorAt(1, QColor(14, 32, 22));
    p.fillRect(QRectF(0, 0, kUnitW, kUnitH), g);
    const QColor crimson(206, 30, 60), pink(232, 96, 130);
    if (little) {
        Rose(p, QPointF(31.5, 44), 16, crimson);
        return;
    }
    // Small pale dots in a diamond pattern behind the flowers.
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 9; ++x)
            p.fillPath(Circle(3.5 + x * 7 + (y % 2) * 3.5, 3.5 + y * 7.5, 0.6),
                       QColor(120, 170, 120, 120));
    Rose(p, QPointF(14, 16), 7.5, pink);
    Rose(p, QPointF(49, 72), 7.5, pink);
    Rose(p, QPointF(50, 17), 6, crimson);
    Rose(p, QPointF(13, 71), 6, crimson);
    Rose(p, QPointF(31.5, 44), 13, crimson);
}

// --- Tropical fish -------------------------------------------------------------------

void Fish(QPainter& p, QPointF c, double size, bool facingLeft, const QColor& body,
          const QColor& stripe, bool angel) {
    p.save();
    p.translate(c);
    if (facingLeft) p.scale(-1, 1);
    p.scale(size / 20, size / 20);
    QPainterPath tail;
    tail.moveTo(-8, 0);
    tail.lineTo(-15, -6);
    tail.lineTo(-13, 0);
    tail.lineTo(-15, 6);
    tail.closeSubpath();
    p.fillPath(tail, body.darker(115));
    QPainterPath shape;
    if (angel) {
        shape.moveTo(10, 0);
        shape.cubicTo(6, -6, 0, -16, -6, -16);
        shape.cubicTo(-4, -8, -8, -4, -9, 0);
        shape.cubicTo(-8, 4, -4, 8, -6, 16);
        shape.cubicTo(0, 16, 6, 6, 10, 0);
    } else {
        shape.addEllipse(QPointF(0, 0), 10, 6);
    }
    p.fillPath(shape, body);
    p.save();
    p.setClipPath(shape);
    for (double x : {-5.0, 0.0, 5.0})
        p.fillRect(QRectF(x - 1.2, -20, 2.4, 40), stripe);
    p.restore();
    p.strokePath(shape, QPen(QColor(20, 20, 30), 0.8));
    p.fillPath(Circle(6, -1.5, 1.4), QColor(255, 255, 255));
    p.fillPath(Circle(6.3, -1.5, 0.8), QColor(10, 10, 20));
    p.restore();
}

void TropicalFish(QPainter& p, bool little) {
    QLinearGradient water(0, 0, 0, kUnitH);
    water.setColorAt(0, QColor(40, 190, 210));
    water.setColorAt(1, QColor(10, 60, 130));
    p.fillRect(QRectF(0, 0, kUnitW, kUnitH), water);
    if (!little) {
        // Light rays from the surface.
        for (int i = 0; i < 4; ++i) {
            QPainterPath ray;
            ray.moveTo(8 + i * 16, 0);
            ray.lineTo(14 + i * 16, 0);
            ray.lineTo(4 + i * 16, 70);
            ray.lineTo(-2 + i * 16, 70);
            ray.closeSubpath();
            p.fillPath(ray, QColor(255, 255, 255, 22));
        }
    }
    QPainterPath sand;
    sand.moveTo(0, 80);
    sand.cubicTo(20, 76, 40, 82, 63, 78);
    sand.lineTo(63, 88);
    sand.lineTo(0, 88);
    p.fillPath(sand, QColor(226, 200, 140));
    // Seaweed.
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 3; ++k) {
        QPainterPath weed;
        const double x = 8 + k * 22;
        weed.moveTo(x, 84);
        weed.cubicTo(x - 4, 74, x + 4, 66, x - 1, 56 + k * 3);
        p.strokePath(weed,
                     QPen(QColor(40, 150, 80), little ? 2.5 : 2.0, Qt::SolidLine, Qt::RoundCap));
    }
    Fish(p, QPointF(38, 30), 26, false, QColor(250, 210, 40), QColor(20, 20, 30), true);
    Fish(p, QPointF(22, 60), 18, true, QColor(250, 120, 30), QColor(255, 255, 255), false);
    if (!little) {
        Fish(p, QPointF(16, 16), 12, true, QColor(40, 90, 220), QColor(250, 210, 40), false);
        Fish(p, QPointF(50, 66), 10, false, QColor(230, 60, 150), QColor(255, 230, 90), false);
        for (int i = 0; i < 5; ++i) {
            p.setPen(QPen(QColor(255, 255, 255, 170), 0.5));
            p.setBrush(QColor(255, 255, 255, 50));
            p.drawEllipse(QPointF(52 - i * 1.5, 44 - i * 7), 1.0 + i * 0.25, 1.0 + i * 0.25);
        }
    }
}

// --- Lake ----------------------------------------------------------------------------

void Lake(QPainter& p, bool little) {
    QLinearGradient sky(0, 0, 0, 46);
    sky.setColorAt(0, QColor(70, 130, 210));
    sky.setColorAt(1, QColor(236, 214, 170));
    p.fillRect(QRectF(0, 0, kUnitW, 46), sky);
    auto mountains = [&](bool reflected) {
        p.save();
        if (reflected) {
            p.translate(0, 92);
            p.scale(1, -1);
        }
        QPainterPath far;
        far.moveTo(0, 46);
        far.lineTo(0, 30);
        far.lineTo(14, 16);
        far.lineTo(24, 26);
        far.lineTo(38, 10);
        far.lineTo(52, 24);
        far.lineTo(63, 18);
        far.lineTo(63, 46);
        far.closeSubpath();
        p.fillPath(far, QColor(96, 112, 150));
        QPainterPath caps;
        caps.moveTo(10, 20);
        caps.lineTo(14, 16);
        caps.lineTo(18, 20);
        caps.lineTo(15, 19);
        caps.closeSubpath();
        caps.moveTo(33, 16);
        caps.lineTo(38, 10);
        caps.lineTo(43, 16);
        caps.lineTo(39, 14.5);
        caps.closeSubpath();
        p.fillPath(caps, QColor(244, 246, 252));
        QPainterPath near;
        near.moveTo(0, 46);
        near.lineTo(0, 36);
        near.cubicTo(12, 30, 22, 34, 30, 40);
        near.cubicTo(40, 34, 52, 30, 63, 36);
        near.lineTo(63, 46);
        near.closeSubpath();
        p.fillPath(near, QColor(40, 92, 60));
        for (int i = 0; i < 9; ++i) {
            const double x = 2 + i * 7.5, h = 6 + (i * 37 % 5);
            QPainterPath tree;
            tree.moveTo(x, 46 - h - 3);
            tree.lineTo(x + 2.6, 46);
            tree.lineTo(x - 2.6, 46);
            tree.closeSubpath();
            p.fillPath(tree, QColor(20, 60, 36));
        }
        p.restore();
    };
    mountains(false);
    QLinearGradient water(0, 46, 0, kUnitH);
    water.setColorAt(0, QColor(120, 160, 200));
    water.setColorAt(1, QColor(30, 70, 120));
    p.fillRect(QRectF(0, 46, kUnitW, kUnitH - 46), water);
    p.save();
    p.setClipRect(QRectF(0, 46, kUnitW, kUnitH - 46));
    p.setOpacity(0.45);
    mountains(true);
    p.restore();
    if (!little) {
        Rng rng(20);
        for (int i = 0; i < 14; ++i) {
            const double y = rng.Range(48, 84), x = rng.Range(0, 55);
            p.fillRect(QRectF(x, y, rng.Range(4, 12), 0.45), QColor(230, 240, 255, 120));
        }
        // The sun low in the sky.
        p.fillPath(Circle(50, 11, 4), QColor(255, 244, 200));
    }
}

// --- Frame ---------------------------------------------------------------------------

enum class Design { Scene, Woven };

QImage Back(const CardSizeSpec& size, int back, int scale) {
    const int w = size.width, h = size.height;
    const bool little = size.letter == 'L';
    // A narrow white border: a column's face-down cards overlap by only a few pixels, and
    // each of those strips must show the design, not just white, to read as a back.
    const int border = 2;
    QImage image = NewFinerImage(w, h, scale, QColor(252, 250, 244));
    {
        Painter p(&image);
        const QRectF inner(border, border, w - 2 * border, h - 2 * border);
        QPainterPath clip;
        clip.addRoundedRect(inner, little ? 1 : 2, little ? 1 : 2);
        p.save();
        p.setClipPath(clip);
        switch (back) {
            case 6:
                Plaiting2(p, inner, little ? 4 : 8);
                break;
            case 7:
                ClassicBlue(p, inner, little);
                break;
            case 11:
                Plaiting1(p, inner, little ? 5.0 : (size.letter == 'M' ? 8.5 : 10.0));
                break;
            default: {
                p.translate(inner.topLeft());
                p.scale(inner.width() / kUnitW, inner.height() / kUnitH);
                switch (back) {
                    case 1:
                        Leonardo(p, little);
                        break;
                    case 3:
                        Snowman(p, little);
                        break;
                    case 14:
                        Roses(p, little);
                        break;
                    case 19:
                        TropicalFish(p, little);
                        break;
                    case 20:
                        Lake(p, little);
                        break;
                    default:
                        break;
                }
            }
        }
        p.restore();
        // A faint line just inside the design keeps the white border clean.
        p.setPen(QPen(QColor(0, 0, 0, 70), 1));
        p.setBrush(Qt::NoBrush);
        const double r = little ? 1 : 2;
        p.drawRoundedRect(inner.adjusted(0.5, 0.5, -0.5, -0.5), r, r);
    }
    CardOutline(image, QColor(58, 58, 62));
    return image;
}

}  // namespace

QImage DrawBack(const CardSizeSpec& size, int back, int scale) {
    return Back(size, back, scale);
}

void AddCardBacks(Output& out) {
    for (int scale : tindle::kPictureScales) {
        for (const CardSizeSpec& size : tindle::kCardSizes) {
            if (size.letter == 'M') continue;
            for (const auto& back : tindle::kCardBacks)
                out.AddBitmap(
                    tindle::FinerPictureName(tindle::CardBackName(size.letter, back.code), scale),
                    Back(size, back.code, scale));
        }
        const CardSizeSpec medium = tindle::kCardSizes[1];
        out.AddBitmap(
            tindle::FinerPictureName(tindle::CardBackName('M', tindle::kOwnMediumBack), scale),
            Back(medium, tindle::kOwnMediumBack, scale));
    }
}

}  // namespace gen
