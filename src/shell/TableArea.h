#pragma once

#include <QColor>
#include <QWidget>

#include <functional>
#include <optional>

#include "table/WindowSurface.h"

// The card table of the main window: the area below the toolbar on which the table is drawn
// and which receives the mouse events of play. It paints itself from the table's window
// surface through the painter it is given; without one it shows the default table green. As
// the surface's observer it shows what the drawing code drew on the window: at once
// (RepaintNow) or at the next paint (Update). Its mouse events are handed on as signals, in
// table (window) coordinates. Its keys go to a key handler first (the table keeps Tab for
// itself), and it draws the keyboard's marks over the table: a frame around the focused pile
// and the lifted cards inverted, as selected cards are shown. Screen readers see its piles and
// cards through TableAccessible, which reads the game from the play context it is given.
//
// The table is drawn at a zoom: a table pixel covers zoom x zoom of the widget's pixels. The
// painter and the surface speak table pixels; ToTable and ToWidget are the only places where
// the two meet (mouse positions are mapped once, before they leave the widget).

namespace tindle {

struct PlayContext;

class TableArea : public QWidget, public SurfaceObserver {
    Q_OBJECT
  public:
    // The default table colour (the background kind 0 of a display with many colours).
    static QColor DefaultGreen() { return QColor(0, 96, 0); }

    // Paints the region of the table the window needs (clip already set on the painter).
    using Painter = std::function<void(QPainter& painter, const QRect& region)>;

    explicit TableArea(QWidget* parent = nullptr);

    void SetPainter(Painter painter) { painter_ = std::move(painter); }
    bool HasPainter() const { return static_cast<bool>(painter_); }
    // Answers whether the key (Qt::Key, with its modifiers) was used by the table.
    using KeyHandler = std::function<bool(int key, Qt::KeyboardModifiers modifiers)>;
    void SetKeyHandler(KeyHandler handler) { keyHandler_ = std::move(handler); }

    // The keyboard's marks, in table coordinates (empty rectangles: none).
    void SetKeyboardMarks(const QRect& focus, const QRect& lifted);
    QRect FocusMark() const { return focusMark_; }
    // The frame drawn around a focused pile, outside the pile's own rectangle.
    static QRect FocusFrame(const QRect& pile) { return pile.adjusted(-3, -3, 3, 3); }

    // The game the accessibility interfaces describe (none until play is set up).
    void SetPlay(const PlayContext* play) { play_ = play; }
    const PlayContext* Play() const { return play_; }

    // True once the area has been painted on the screen for the first time.
    bool Painted() const { return painted_; }

    // The zoom the table is drawn at (1 = one table pixel per widget pixel).
    void SetZoom(qreal zoom);
    qreal Zoom() const { return zoom_; }
    // A widget position in table pixels.
    QPoint ToTable(QPointF widgetPosition) const;
    // The widget's pixels a rectangle of table pixels covers, and the table pixels a
    // rectangle of the widget touches (both rounded outwards).
    QRect ToWidget(const QRect& tableRect) const;
    QRect ToTable(const QRect& widgetRect) const;

    // SurfaceObserver.
    void RepaintNow(const QRect& rect) override { repaint(ToWidget(rect)); }
    void Update(const QRect& rect) override { update(ToWidget(rect)); }

  signals:
    // Button: the button that changed; buttons: all buttons held (moves); modifiers: Shift,
    // Ctrl, Alt.
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void DblClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void FirstPainted();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void PaintKeyboardMarks(QPainter& painter) const;

    Painter painter_;
    KeyHandler keyHandler_;
    QRect focusMark_;
    QRect liftedMark_;
    const PlayContext* play_ = nullptr;
    bool painted_ = false;
    qreal zoom_ = 1.0;
};

}  // namespace tindle
