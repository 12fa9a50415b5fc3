// The winning animation on the main window: cards stamped on the table, stopped by a key or
// button press through the window's animation hook, and a close asked for meanwhile refused
// and carried out once the animation is over.

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "e2e/MainWindowFixture.h"
#include "shell/TableArea.h"
#include "shell/WinningAnimationHost.h"

namespace tindle::test {
namespace {

class WinningAnimationWindow : public MainWindowFixture {
  protected:
    // The animation of the preferences, with the hook installed as the game end does it;
    // returns the milliseconds it ran.
    qint64 Animate(TfrmMain& w, const char* pattern, int seconds) {
        PreferencesFile prefs(Prefs());
        prefs.WriteString(section::Preference, "Winning_Animations", pattern);
        prefs.WriteInteger(section::Preference, "Winning_Animations_Time", seconds);
        w.Hooks().Install(MessageHooks::Hook::Animation);
        QElapsedTimer clock;
        clock.start();
        ran = PlayWinningAnimationOn(w);
        return clock.elapsed();
    }
    QImage Table() { return app->renderer.Surface().Image().copy(); }

    WinningPattern ran = WinningPattern::OpenOrder;
};

TEST_F(WinningAnimationWindow, AKeyPressStopsItAndIsSwallowed) {
    TfrmMain& w = Start();
    const QImage before = Table();
    QTimer::singleShot(400, &w, [&] {
        QCoreApplication::postEvent(w.imgSfondo,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
    });
    const qint64 ms = Animate(w, "Open order", 20);
    EXPECT_EQ(ran, WinningPattern::OpenOrder);
    EXPECT_LT(ms, 5000);
    EXPECT_GE(ms, 350);
    EXPECT_FALSE(app->game.flags.animationRunning);
    // The cards stay on the table.
    EXPECT_NE(Table(), before);
    w.Hooks().Restore();
    EXPECT_TRUE(w.close());
}

TEST_F(WinningAnimationWindow, AButtonPressOnTheTableStopsItWithoutReachingPlay) {
    TfrmMain& w = Start();
    int tablePresses = 0;
    QObject::connect(w.imgSfondo, &TableArea::MouseDown, [&] { ++tablePresses; });
    QTimer::singleShot(400, &w, [&] {
        const QPointF at(100, 200);
        QCoreApplication::postEvent(
            w.imgSfondo, new QMouseEvent(QEvent::MouseButtonPress, at, w.imgSfondo->mapToGlobal(at),
                                         Qt::RightButton, Qt::RightButton, Qt::NoModifier));
    });
    EXPECT_LT(Animate(w, "Circles", 20), 5000);
    EXPECT_EQ(ran, WinningPattern::Circles);
    EXPECT_EQ(tablePresses, 0);
    w.Hooks().Restore();
}

TEST_F(WinningAnimationWindow, ACloseDuringTheAnimationIsCarriedOutOnceItEnds) {
    TfrmMain& w = Start();
    int closedSignals = 0;
    QObject::connect(&w, &TfrmMain::Closed, [&] { ++closedSignals; });
    bool closedAtOnce = true;
    QTimer::singleShot(400, &w, [&] { closedAtOnce = w.close(); });
    const qint64 ms = Animate(w, "Festoons", 20);
    // Refused while the cards were falling; the animation stopped and the window is still up.
    EXPECT_FALSE(closedAtOnce);
    EXPECT_LT(ms, 5000);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(closedSignals, 0);
    EXPECT_TRUE(w.ExitRequested());
    EXPECT_EQ(w.Hooks().Installed(), MessageHooks::Hook::None);
    // The game end then closes it.
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(closedSignals, 1);
}

TEST_F(WinningAnimationWindow, TheAnimationWorksInTheTableBelowTheToolbar) {
    TfrmMain& w = Start();
    const WinningAnimationArea area = MeasureWinningArea(w);
    EXPECT_EQ(area.clientWidth, w.imgSfondo->width());
    EXPECT_EQ(area.clientHeight, w.imgSfondo->height());
    EXPECT_GE(area.windowHeight, area.clientHeight);
    EXPECT_EQ(area.top, w.ToolBarBottom() > 0 ? w.ToolBarBottom() : 5);
    EXPECT_EQ(area.cardWidth, app->pictures.CardWidth());
    // Left to right starts its first row at the top of the free table, 20 pixels in from the
    // left; the stamp's card shows there.
    const QImage before = Table();
    QTimer::singleShot(200, &w, [&] { app->game.flags.animationRunning = false; });
    Animate(w, "Left to right", 20);
    const QImage after = Table();
    const int x = -20 + area.cardWidth / 2, y = area.top + area.cardHeight / 2;
    EXPECT_NE(after.pixel(x, y), before.pixel(x, y));
    EXPECT_EQ(after.pixel(area.clientWidth / 2, area.clientHeight - 3),
              before.pixel(area.clientWidth / 2, area.clientHeight - 3));
    w.Hooks().Restore();
}

}  // namespace
}  // namespace tindle::test
