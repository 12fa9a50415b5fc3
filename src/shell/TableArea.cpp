#include "shell/TableArea.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace tindle {

TableArea::TableArea(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted by paintEvent: no background fill first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void TableArea::paintEvent(QPaintEvent* event) {
    // The painter is clipped to the region to repaint.
    QPainter painter(this);
    if (painter_)
        painter_(painter, event->rect());
    else
        painter.fillRect(event->rect(), DefaultGreen());
    if (!painted_) {
        painted_ = true;
        emit FirstPainted();
    }
}

void TableArea::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void TableArea::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void TableArea::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

void TableArea::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit DblClick(event->button(), event->modifiers(), at.x(), at.y());
}

}  // namespace tindle
