#include "shell/TableArea.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace tindle {

TableArea::TableArea(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted by paintEvent: no background fill first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void TableArea::SetZoom(qreal zoom) {
    if (zoom <= 0 || zoom == zoom_) return;
    zoom_ = zoom;
    update();
}

QPoint TableArea::ToTable(QPointF widgetPosition) const {
    return QPoint(static_cast<int>(std::floor(widgetPosition.x() / zoom_)),
                  static_cast<int>(std::floor(widgetPosition.y() / zoom_)));
}

QRect TableArea::ToWidget(const QRect& tableRect) const {
    if (zoom_ == 1.0) return tableRect;
    const int left = static_cast<int>(std::floor(tableRect.left() * zoom_));
    const int top = static_cast<int>(std::floor(tableRect.top() * zoom_));
    const int right = static_cast<int>(std::ceil((tableRect.left() + tableRect.width()) * zoom_));
    const int bottom = static_cast<int>(std::ceil((tableRect.top() + tableRect.height()) * zoom_));
    return QRect(left, top, right - left, bottom - top);
}

QRect TableArea::ToTable(const QRect& widgetRect) const {
    if (zoom_ == 1.0) return widgetRect;
    const QPoint topLeft = ToTable(QPointF(widgetRect.topLeft()));
    const int right = static_cast<int>(std::ceil((widgetRect.left() + widgetRect.width()) / zoom_));
    const int bottom =
        static_cast<int>(std::ceil((widgetRect.top() + widgetRect.height()) / zoom_));
    return QRect(topLeft, QPoint(right - 1, bottom - 1));
}

void TableArea::paintEvent(QPaintEvent* event) {
    // The painter is clipped to the region to repaint; it draws in table pixels.
    QPainter painter(this);
    if (painter_) {
        painter.scale(zoom_, zoom_);
        painter_(painter, ToTable(event->rect()));
    } else
        painter.fillRect(event->rect(), DefaultGreen());
    if (!painted_) {
        painted_ = true;
        emit FirstPainted();
    }
}

void TableArea::mousePressEvent(QMouseEvent* event) {
    const QPoint at = ToTable(event->position());
    emit MouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void TableArea::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = ToTable(event->position());
    emit MouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void TableArea::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = ToTable(event->position());
    emit MouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

void TableArea::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = ToTable(event->position());
    emit DblClick(event->button(), event->modifiers(), at.x(), at.y());
}

}  // namespace tindle
