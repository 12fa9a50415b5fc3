// A dialog's first picture waits for its activation, and comes without it after a while.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include "shell/ActivePicture.h"
#include "support/QtTestApp.h"

namespace tindle {
namespace {

// Counts its paints, and whether it was the active window at the first of them.
class Counted : public QWidget {
  public:
    int paints = 0;
    bool activeAtFirstPaint = false;

  protected:
    void paintEvent(QPaintEvent*) override {
        if (paints++ == 0) activeAtFirstPaint = isActiveWindow();
        QPainter(this).fillRect(rect(), Qt::white);
    }
};

void ProcessFor(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Shown with its first picture held. The offscreen platform activates every window as it shows
// it, before its picture, but a tooltip, which it leaves inactive.
struct Shown {
    Counted widget;
    ActivePicture* hold = nullptr;
    explicit Shown(bool activated) {
        widget.resize(120, 80);
        if (!activated) widget.setWindowFlags(Qt::ToolTip);
        widget.winId();  // its window, for the hold to watch
        hold = new ActivePicture(widget);
        hold->Arm();
        widget.show();
        QCoreApplication::processEvents();
    }
};

TEST(ActivePicture, FirstPictureWaitsForTheActivationOrTheLimit) {
    test::QtTestApp();
    {
        Shown shown(false);
        EXPECT_EQ(shown.widget.paints, 0) << "painted before the activation";
        shown.widget.activateWindow();
        ProcessFor(20);
        EXPECT_EQ(shown.widget.paints, 1);
        EXPECT_TRUE(shown.widget.activeAtFirstPaint);
    }
    {
        Shown shown(false);
        EXPECT_EQ(shown.widget.paints, 0);
        ProcessFor(2 * ActivePicture::kLimitMs);
        EXPECT_EQ(shown.widget.paints, 1) << "never painted without an activation";
    }
    {
        // Active before its picture is due: painted at once.
        Shown shown(true);
        EXPECT_EQ(shown.widget.paints, 1);
        EXPECT_TRUE(shown.widget.activeAtFirstPaint);
    }
}

}  // namespace
}  // namespace tindle
