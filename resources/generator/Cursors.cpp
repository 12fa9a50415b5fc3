// The twelve pointers: arrows, right hands and left hands, each with a twin shown while
// cards are dragged. 32 x 32 PNG; the hot spot travels in the PNG's text keys "HotSpotX"
// and "HotSpotY".

#include <QTransform>

#include "Generator.h"
#include "Icons.h"
#include "Output.h"
#include "Paint.h"
#include "table/ResourceNames.h"

namespace gen {

namespace {

constexpr int kSide = tindle::kCursorSize;

QPainterPath Arrow(double scale) {
    QPainterPath a;
    a.moveTo(0, 0);
    a.lineTo(0, 17);
    a.lineTo(4, 13.2);
    a.lineTo(7, 20);
    a.lineTo(9.6, 18.9);
    a.lineTo(6.7, 12.3);
    a.lineTo(12, 12.3);
    a.closeSubpath();
    return QTransform::fromScale(scale, scale).map(a);
}

// A hand in a 32 x 32 box, fingers up, thumb on the left (a right hand seen from its back
// is drawn with the thumb on the left). pose: 0 pointing, 1 open, 2 grabbing.
QPainterPath Hand(int pose) {
    QPainterPath hand;
    auto finger = [&hand](double x, double top, double bottom, double width = 4.6) {
        hand.addRoundedRect(QRectF(x, top, width, bottom - top), width / 2, width / 2);
    };
    if (pose == 0) {
        finger(10, 1, 18);       // index
        finger(14.4, 10, 19);    // middle, folded
        finger(18.6, 11, 19.5);  // ring, folded
        finger(22.6, 12.5, 20);  // little, folded
    } else if (pose == 1) {
        finger(9.6, 4, 18);
        finger(14.2, 2, 18);
        finger(18.8, 3, 18);
        finger(23.2, 6, 19);
    } else {
        finger(9.6, 9, 18);
        finger(14.2, 8, 18);
        finger(18.8, 8.5, 18);
        finger(23.2, 10, 19);
    }
    QPainterPath palm;
    palm.addRoundedRect(QRectF(9.6, 14, 18.2, 14), 5, 5);
    hand.addPath(palm);
    QPainterPath thumb;
    if (pose == 2) {
        thumb.moveTo(10, 22);
        thumb.cubicTo(6, 20, 4, 17, 6.5, 15.5);
        thumb.cubicTo(8.5, 14.5, 10, 16, 12, 18);
    } else {
        thumb.moveTo(11, 24);
        thumb.cubicTo(7, 21, 3, 17, 3.5, 14.5);
        thumb.cubicTo(4, 12.5, 6.5, 12.5, 8.5, 14.5);
        thumb.lineTo(12, 17);
    }
    thumb.closeSubpath();
    hand.addPath(StrokeOutline(thumb, 2.6));
    hand.addPath(thumb);
    hand.setFillRule(Qt::WindingFill);
    return hand.simplified();
}

void Outlined(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& line) {
    p.strokePath(path, QPen(line, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, fill);
}

QImage ArrowCursor(bool inverse, bool dragging) {
    QImage image = NewImage(kSide, kSide);
    Painter p(&image);
    p.translate(1, 1);
    if (dragging) MiniCard(p, QRectF(11, 11, 13, 18), MiniFace::Back, 0, 1.0);
    const double scale = inverse ? 1.15 : 1.0;
    Outlined(p, Arrow(scale), inverse ? QColor(20, 20, 24) : QColor(255, 255, 255),
             inverse ? QColor(255, 255, 255) : QColor(0, 0, 0));
    return image;
}

QImage HandCursor(int pose, bool dragging, bool left) {
    QImage image = NewImage(kSide, kSide);
    Painter p(&image);
    if (left) {
        p.translate(kSide, 0);
        p.scale(-1, 1);
    }
    if (dragging) MiniCard(p, QRectF(12, 4, 14, 19), MiniFace::Red, 8, 1.0);
    const QPainterPath hand = Hand(pose);
    Outlined(p, hand, QColor(255, 236, 214), QColor(30, 24, 20));
    // Knuckle lines of the folded fingers.
    if (pose != 1) {
        p.setPen(QPen(QColor(150, 110, 90), 0.9));
        for (double x : {14.4, 18.6, 22.8})
            p.drawLine(QPointF(x, 16.5), QPointF(x, 19));
    }
    return image;
}

}  // namespace

void AddCursors(Output& out) {
    // Arrows point with their tip; hands with the index finger (pointing hand) or grip with
    // the palm.
    out.AddCursor("CUR_ARROW1A", ArrowCursor(false, false), QPoint(1, 1));
    out.AddCursor("CUR_ARROW1B", ArrowCursor(false, true), QPoint(1, 1));
    out.AddCursor("CUR_ARROW2A", ArrowCursor(true, false), QPoint(1, 1));
    out.AddCursor("CUR_ARROW2B", ArrowCursor(true, true), QPoint(1, 1));
    for (bool left : {false, true}) {
        const std::string side = left ? "LEFT" : "RIGHT";
        auto mirror = [left](QPoint hot) {
            return left ? QPoint(kSide - 1 - hot.x(), hot.y()) : hot;
        };
        out.AddCursor("CUR_" + side + "_HAND1A", HandCursor(0, false, left), mirror(QPoint(12, 1)));
        out.AddCursor("CUR_" + side + "_HAND1B", HandCursor(2, true, left), mirror(QPoint(16, 16)));
        out.AddCursor("CUR_" + side + "_HAND2A", HandCursor(1, false, left),
                      mirror(QPoint(16, 16)));
        out.AddCursor("CUR_" + side + "_HAND2B", HandCursor(2, true, left), mirror(QPoint(16, 16)));
    }
}

}  // namespace gen
