#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>

// A dialog that takes the keyboard focus is drawn twice when it appears: the window library
// paints it at its map notice, while it is not yet active (inactive colours, no focus on its
// controls), and the window system activates it a moment later, which paints the focused
// control and its surroundings again and sends them to the display a second time. Held back
// until the activation, the first picture is painted once, as it is then to stay.
//
// The hold covers one showing: Arm() before each show, and the first picture of that showing
// waits for the activation, or at most kLimitMs for a window system that does not activate
// the window (focus stealing prevention, none at all); a window already active when its
// picture is due is painted at once.

class QWidget;

namespace tindle {

class ActivePicture : public QObject {
  public:
    static constexpr int kLimitMs = 100;

    // `widget` is a top-level widget; the hold watches its window once it has one.
    explicit ActivePicture(QWidget& widget);

    // The next showing's first picture waits for the activation. Call before the window is
    // mapped (a show event handler).
    void Arm();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The held picture painted (once).
    void Release();
    void Disarm();

    QWidget& widget_;
    QPointer<QWindow> watched_;
    bool armed_ = false;
    bool held_ = false;
    QTimer limit_;
};

}  // namespace tindle
