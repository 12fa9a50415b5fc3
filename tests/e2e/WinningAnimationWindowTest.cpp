// The winning animation on the main window. A FreeCell deal is brought to its last move (all
// but the King of spades on the foundations) and won by dragging that King with the mouse:
// the game end plays the animation of the preferences on the table, a key or button press
// stops it, and a close asked for meanwhile is refused and carried out once it is over.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "e2e/MainWindowFixture.h"
#include "model/Pile.h"
#include "play/Gestures.h"
#include "play/NewGame.h"
#include "play/TablePlaces.h"
#include "shell/Commands.h"
#include "shell/MainWindowPlay.h"
#include "shell/TableArea.h"
#include "shell/WinningAnimationHost.h"

namespace tindle::test {
namespace {

constexpr int kKingOfSpades = 52;

class WinningAnimationWindow : public MainWindowFixture {
  protected:
    // FreeCell on the screen, one move from its end; the animation of the preferences.
    void LastMove(const std::string& pattern, int seconds = 20) {
        WritePrefs(
            "[Preference]\nGame=1\nCards_Animate=N\nSounds_Enabled=N\n"
            "Winning_Animations=" +
            pattern + "\nWinning_Animations_Time=" + std::to_string(seconds) + "\n");
        Start();
        window->SetAutoPlayChecked(false);
        window->Play()->openGameDialog = [this] { ++chooserOpened; };
        app->settings.Put(field::GameNumber, "1234567890123");
        ASSERT_TRUE(StartGame(Ctx(), true, false, 0, false));
        Piles& piles = app->game.piles;
        piles = Piles{};
        for (int card = 1; card < kKingOfSpades; ++card)
            PileAppend(piles.dest[static_cast<size_t>((card - 1) / 13)], card);
        PileAppend(piles.fila[0], kKingOfSpades);
        app->game.cards.SetAllFaceUp();
        app->renderer.PaintBackground();
        app->renderer.RepaintTable(false);
        app->renderer.PresentTable();
        Settle();
        chooserOpened = 0;
    }
    PlayContext& Ctx() { return window->Play()->Context(); }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        TableArea* table = window->imgSfondo;
        QMouseEvent event(type, QPointF(at), QPointF(table->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(table, &event);
    }
    // The winning move, by the mouse; returns the milliseconds until the release was handled
    // (the game end and its animation run inside it).
    qint64 WinByDrag() {
        int x = 0, y = 0;
        EXPECT_TRUE(PointOnCard(Ctx(), kKingOfSpades, x, y));
        const QPoint from(x, y);
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        const PointerState& p = app->game.pointer;
        const TableRect over = TopCardRect(Ctx(), {PileKind::Dest, 3});
        const QPoint to(over.left + p.grabX, over.top + p.grabY);
        Send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        Send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        QElapsedTimer clock;
        clock.start();
        Send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        return clock.elapsed();
    }
    QImage Table() { return app->renderer.Surface().Image().copy(); }
};

TEST_F(WinningAnimationWindow, AKeyPressStopsTheAnimationOfAWonGameAndTheChooserOpens) {
    LastMove("Open order");
    QImage underTheChooser;
    window->Play()->openGameDialog = [&] {
        ++chooserOpened;
        underTheChooser = Table();
    };
    QImage during;
    QTimer::singleShot(600, window.get(), [&] {
        during = Table();
        QCoreApplication::postEvent(window->imgSfondo,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
    });
    const qint64 ms = WinByDrag();
    EXPECT_EQ(PileCount(app->game.piles.dest[3]), 13);
    EXPECT_GE(ms, 550);
    EXPECT_LT(ms, 5000);
    EXPECT_FALSE(app->game.flags.animationRunning);
    EXPECT_FALSE(app->game.flags.gameInProgress);
    // Cards were stamped all over the table; the chooser opens over the won table drawn
    // afresh, and that stays (a resize draws the same).
    ASSERT_FALSE(during.isNull());
    EXPECT_NE(during, Table());
    app->renderer.PaintBackground();
    app->renderer.RedrawRegion(window->imgSfondo->rect());
    app->renderer.PresentTable();
    const QImage won = Table();
    EXPECT_TRUE(underTheChooser == won);
    window->FormResize();
    EXPECT_TRUE(Table() == won);
    EXPECT_EQ(window->Hooks().Installed(), MessageHooks::Hook::None);
    EXPECT_EQ(chooserOpened, 1);
    EXPECT_TRUE(window->isVisible());
    // A won game has no step to undo or redo any more.
    EXPECT_FALSE(window->Commands().Menu().mnuUndo->isEnabled());
    EXPECT_FALSE(window->Commands().Menu().mnuRedo->isEnabled());
}

TEST_F(WinningAnimationWindow, ACloseDuringTheAnimationClosesTheWindowOnceItEnds) {
    LastMove("Festoons");
    int closedSignals = 0;
    QObject::connect(window.get(), &TfrmMain::Closed, [&] { ++closedSignals; });
    bool closedAtOnce = true;
    bool visibleAfterRefusal = false;
    QTimer::singleShot(600, window.get(), [&] {
        closedAtOnce = window->close();
        visibleAfterRefusal = window->isVisible();
    });
    const qint64 ms = WinByDrag();
    EXPECT_FALSE(closedAtOnce);
    EXPECT_TRUE(visibleAfterRefusal);
    EXPECT_LT(ms, 5000);
    // The game end closed it after the animation; the chooser is not offered.
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closedSignals, 1);
    EXPECT_EQ(chooserOpened, 0);
}

TEST_F(WinningAnimationWindow, CardsAreStampedInTheTableBelowTheToolbar) {
    Start();
    const WinningAnimationArea area = MeasureWinningArea(*window);
    EXPECT_EQ(area.clientWidth, window->imgSfondo->width());
    EXPECT_EQ(area.clientHeight, window->imgSfondo->height());
    EXPECT_GE(area.windowHeight, area.clientHeight);
    EXPECT_EQ(area.top, window->ToolBarBottom() > 0 ? window->ToolBarBottom() : 5);
    EXPECT_EQ(area.cardWidth, app->pictures.CardWidth());
    // "Left to right" starts its first row 20 pixels left of the table at the free top.
    app->settings.options.winningAnimation = "Left to right";
    const QImage before = Table();
    QTimer::singleShot(200, window.get(), [&] { app->game.flags.animationRunning = false; });
    PlayWinningAnimationOn(*window);
    const QImage after = Table();
    const int x = -20 + area.cardWidth / 2, y = area.top + area.cardHeight / 2;
    EXPECT_NE(after.pixel(x, y), before.pixel(x, y));
    EXPECT_EQ(after.pixel(area.clientWidth / 2, area.clientHeight - 3),
              before.pixel(area.clientWidth / 2, area.clientHeight - 3));
}

}  // namespace
}  // namespace tindle::test
