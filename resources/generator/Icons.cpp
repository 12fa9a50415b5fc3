#include "Icons.h"

#include <QLinearGradient>

#include "Paint.h"
#include "Shapes.h"

namespace gen {

void MiniCard(QPainter& p, const QRectF& r, MiniFace face, double angle, double line) {
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const QRectF box(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    const double radius = std::max(1.0, r.width() * 0.14);
    QPainterPath card;
    card.addRoundedRect(box, radius, radius);
    if (face == MiniFace::Back) {
        QLinearGradient g(box.topLeft(), box.bottomRight());
        g.setColorAt(0, QColor(70, 120, 220));
        g.setColorAt(1, QColor(24, 60, 150));
        p.fillPath(card, g);
        if (r.width() >= 8) {
            p.save();
            p.setClipPath(card);
            p.setPen(QPen(QColor(255, 255, 255, 90), 0.7));
            for (double d = -box.height(); d < box.width() + box.height(); d += 2.5)
                p.drawLine(QPointF(box.left() + d, box.top()),
                           QPointF(box.left() + d - box.height(), box.bottom()));
            p.restore();
        }
        p.strokePath(card, QPen(QColor(255, 255, 255), line * 0.9));
        p.strokePath(card.translated(0, 0), QPen(QColor(30, 40, 80), line * 0.5));
    } else {
        p.fillPath(card, QColor(255, 255, 255));
        p.strokePath(card, QPen(QColor(60, 60, 70), line));
        if (face != MiniFace::Blank) {
            const double s = r.width() * 0.55;
            const QRectF pip(-s / 2, -s / 2, s, s * 1.05);
            p.fillPath(SuitIn(face == MiniFace::Red ? kHeart : kSpade, pip),
                       face == MiniFace::Red ? QColor(210, 20, 40) : QColor(25, 25, 30));
        }
    }
    p.restore();
}

void Folder(QPainter& p, const QRectF& r, bool open) {
    const double w = r.width(), h = r.height();
    const QColor dark(196, 136, 24), light(250, 206, 90), line(150, 96, 10);
    QPainterPath back;
    back.moveTo(r.left(), r.top() + h * 0.2);
    back.lineTo(r.left() + w * 0.38, r.top() + h * 0.2);
    back.lineTo(r.left() + w * 0.48, r.top() + h * 0.32);
    back.lineTo(r.right(), r.top() + h * 0.32);
    back.lineTo(r.right(), r.bottom());
    back.lineTo(r.left(), r.bottom());
    back.closeSubpath();
    p.fillPath(back, dark);
    p.strokePath(back, QPen(line, 0.8));
    QPainterPath front;
    if (open) {
        front.moveTo(r.left() + w * 0.18, r.top() + h * 0.48);
        front.lineTo(r.right() + w * 0.02, r.top() + h * 0.48);
        front.lineTo(r.right() - w * 0.14, r.bottom());
        front.lineTo(r.left(), r.bottom());
    } else {
        front.addRect(QRectF(r.left(), r.top() + h * 0.42, w, h * 0.58));
    }
    front.closeSubpath();
    QLinearGradient g(0, r.top() + h * 0.4, 0, r.bottom());
    g.setColorAt(0, light);
    g.setColorAt(1, QColor(236, 170, 40));
    p.fillPath(front, g);
    p.strokePath(front, QPen(line, 0.8));
}

void Badge(QPainter& p, const QRectF& r, bool won) {
    QPainterPath circle;
    circle.addEllipse(r);
    p.fillPath(circle, won ? QColor(34, 160, 60) : QColor(210, 40, 40));
    p.strokePath(circle, QPen(QColor(255, 255, 255), 0.9));
    QPainterPath mark;
    const double x = r.left(), y = r.top(), w = r.width(), h = r.height();
    if (won) {
        mark.moveTo(x + w * 0.25, y + h * 0.52);
        mark.lineTo(x + w * 0.43, y + h * 0.7);
        mark.lineTo(x + w * 0.76, y + h * 0.32);
    } else {
        mark.moveTo(x + w * 0.3, y + h * 0.3);
        mark.lineTo(x + w * 0.7, y + h * 0.7);
        mark.moveTo(x + w * 0.7, y + h * 0.3);
        mark.lineTo(x + w * 0.3, y + h * 0.7);
    }
    p.strokePath(mark, QPen(QColor(255, 255, 255), std::max(1.2, w * 0.16), Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
}

QImage Disabled(const QImage& glyph) {
    QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            const int grey = qGray(c);
            const int lifted = 110 + grey * 100 / 255;
            line[x] = qRgba(lifted, lifted, lifted, qAlpha(c) * 45 / 100);
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace gen
