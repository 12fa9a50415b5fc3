#include "ProgramIcon.h"

#include <QPainterPath>

#include "Cards.h"
#include "Paint.h"
#include "Shapes.h"

namespace gen {

void DrawProgramIcon(QPainter& p, int side) {
    p.save();
    p.scale(side / 256.0, side / 256.0);
    Felt(p, QRectF(8, 8, 240, 240), 48);
    const double pen = side <= 32 ? 6 : 3;
    auto card = [&](double angle, QPointF pivot, int suit) {
        p.save();
        p.translate(pivot);
        p.rotate(angle);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(-56, -150, 112, 156), 12, 12);
        p.fillPath(shape.translated(5, 6), QColor(0, 0, 0, 70));
        p.fillPath(shape, QColor(255, 255, 255));
        p.strokePath(shape, QPen(QColor(60, 60, 70), pen));
        const QColor color = SuitColor(suit, 1);
        p.fillPath(SuitIn(suit, QRectF(-34, -108, 68, 72)), color);
        if (side > 32) {
            p.fillPath(IndexGlyph('A', QPointF(-48, -142), 30, 7), color);
        }
        p.restore();
    };
    card(-14, QPointF(112, 222), kSpade);
    card(12, QPointF(146, 226), kHeart);
    p.restore();
}

QImage ProgramIcon(int side) {
    QImage image = NewImage(side, side);
    Painter p(&image);
    DrawProgramIcon(p, side);
    return image;
}

}  // namespace gen
