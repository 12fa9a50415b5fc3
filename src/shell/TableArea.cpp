#include "shell/TableArea.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>
#include <optional>

#include "shell/TableAccessible.h"
#include "shell/WindowBufferPrefault.h"

namespace tindle {

TableArea::TableArea(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted by paintEvent: no background fill first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    InstallTableAccessibility();
}

bool TableArea::event(QEvent* event) {
    // Tab and Shift+Tab move the focus between the piles, not away from the table.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void TableArea::keyPressEvent(QKeyEvent* event) {
    if (keyHandler_ && keyHandler_(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TableArea::SetKeyboardMarks(const QRect& focus, const QRect& lifted) {
    if (focus == focusMark_ && lifted == liftedMark_) return;
    for (const QRect& r : {focusMark_, liftedMark_, focus, lifted})
        if (!r.isEmpty()) update(FocusFrame(ToWidget(r)));
    focusMark_ = focus;
    liftedMark_ = lifted;
}

// Both marks invert what lies under them, as a selected card is drawn: they show on any
// background and card, and painting them twice would take them away again.
void TableArea::PaintKeyboardMarks(QPainter& painter) const {
    if (focusMark_.isEmpty() && liftedMark_.isEmpty()) return;
    painter.save();
    painter.resetTransform();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    if (!liftedMark_.isEmpty()) painter.fillRect(ToWidget(liftedMark_), Qt::white);
    if (!focusMark_.isEmpty()) {
        const QRect outer = FocusFrame(ToWidget(focusMark_));
        const QRegion frame = QRegion(outer).subtracted(QRegion(outer.adjusted(3, 3, -3, -3)));
        for (const QRect& r : frame)
            painter.fillRect(r, Qt::white);
    }
    painter.restore();
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
    // The first paint fills most of the window's fresh buffer.
    std::optional<WindowBufferPrefault> prefault;
    if (!painted_) prefault.emplace(this);
    // The painter is clipped to the region to repaint; it draws in table pixels.
    QPainter painter(this);
    if (painter_) {
        painter.scale(zoom_, zoom_);
        painter_(painter, ToTable(event->rect()));
    } else
        painter.fillRect(event->rect(), DefaultGreen());
    PaintKeyboardMarks(painter);
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
