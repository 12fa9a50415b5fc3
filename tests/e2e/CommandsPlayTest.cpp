#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <set>
#include <utility>

#include "e2e/MainWindowFixture.h"
#include "model/Deal.h"
#include "model/GameNumber.h"
#include "model/Pile.h"
#include "play/Autoplay.h"
#include "play/NewGame.h"
#include "play/PlayContext.h"
#include "shell/Commands.h"
#include "shell/HeaderPanels.h"
#include "shell/MainWindowPlay.h"
#include "shell/TableArea.h"
#include "shell/TfrmSelectGameNumber.h"
#include "table/layout/Zoom.h"

// The commands that hand over to play, driven by the keys and buttons of the main window.

namespace tindle::test {
namespace {

constexpr const char* kWindow =
    "[Preference]\nMainWindowState_Left=10\nMainWindowState_Top=10\n"
    "MainWindowState_Width=900\nMainWindowState_Height=600\nMainWindowState_Maximized=N\n"
    "Deal_Animation=N\nCards_Animate=N\n";

// FreeCell 3: column 8 ends with the Ace of clubs.
constexpr int kAceOfClubs = 27;

class CommandsPlay : public MainWindowFixture {
  protected:
    TfrmMain& StartWith(const std::string& morePreferences = "") {
        WritePrefs(kWindow + morePreferences);
        TfrmMain& w = Start();
        w.activateWindow();
        QApplication::setActiveWindow(&w);
        Settle();
        return w;
    }
    // FreeCell dealt from the number 3, without autoplay.
    void DealFreeCell3() {
        window->SetAutoPlayChecked(false);
        app->settings.Put(field::GameNumber, "3");
        ASSERT_TRUE(StartGame(Ctx(), true, false, 0, false));
        Settle();
    }
    PlayContext& Ctx() { return window->Play()->Context(); }
    Game& G() { return app->game; }
    HeaderPanels& Header() { return window->Header(); }
    MainCommands& Commands() { return window->Commands(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), key, modifiers);
    }
    template <class Condition>
    bool WaitFor(Condition condition, int ms = 2500) {
        QElapsedTimer clock;
        clock.start();
        while (!condition() && clock.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return condition();
    }
    size_t Confirmations() const {
        size_t n = 0;
        for (const RecordedMessage& m : messages->messages)
            if (m.kind == "Confirm") ++n;
        return n;
    }
};

TEST_F(CommandsPlay, NewGameDealsAndAsksBeforeAbandoningAGameInProgress) {
    TfrmMain& w = StartWith("ConfirmQuitGame=Y\n");
    QTime now(10, 0, 0);
    Header().Clock().SetTimeSource([&now] { return now; });

    // No game yet: F2 deals without asking, after the "New" sound played to its end.
    Key(Qt::Key_F2);
    ASSERT_TRUE(G().flags.gameInProgress);
    EXPECT_EQ(Confirmations(), 0u);
    const std::pair<std::string, SoundMode> newSound{"New", SoundMode::Sync};
    EXPECT_NE(std::find(sounds->played.begin(), sounds->played.end(), newSound),
              sounds->played.end());
    const std::string number = app->settings.Get(field::GameNumber);
    EXPECT_EQ(number.size(), 13u);
    EXPECT_TRUE(G().flags.clockRunning);
    now = QTime(10, 0, 5);
    EXPECT_TRUE(WaitFor([&] { return w.lblTempo->text() == "0:00:05"; }));

    // During the game: "Quit this game?"; Cancel keeps the deal and its clock.
    const Piles dealt = G().piles;
    messages->confirmAnswer = false;
    Key(Qt::Key_F2);
    ASSERT_EQ(Confirmations(), 1u);
    EXPECT_EQ(messages->messages.back().text, "Quit this game?");
    EXPECT_TRUE(G().piles == dealt);
    EXPECT_EQ(app->settings.Get(field::GameNumber), number);
    EXPECT_TRUE(G().flags.gameInProgress);
    EXPECT_TRUE(G().flags.clockRunning);
    EXPECT_EQ(Header().Clock().StartTime(), QTime(10, 0, 0));
    now = QTime(10, 0, 7);
    EXPECT_TRUE(WaitFor([&] { return w.lblTempo->text() == "0:00:07"; }));

    // OK: the game is given up and a new one dealt, its clock from zero; the toolbar button
    // does the same.
    messages->confirmAnswer = true;
    Header().Bars().small.Button(ToolbarCommand::New)->click();
    EXPECT_EQ(Confirmations(), 2u);
    EXPECT_TRUE(G().flags.gameInProgress);
    EXPECT_EQ(Header().Clock().StartTime(), QTime(10, 0, 7));
    EXPECT_EQ(w.lblTempo->text(), "0:00:00");
}

TEST_F(CommandsPlay, WithoutConfirmationNewGameDealsAtOnce) {
    StartWith("Sounds_NewGame=N\n");
    Key(Qt::Key_F2);
    const std::string first = app->settings.Get(field::GameNumber);
    Key(Qt::Key_F2);
    EXPECT_EQ(Confirmations(), 0u);
    EXPECT_TRUE(G().flags.gameInProgress);
    // Its sound switched off: silent.
    for (const auto& played : sounds->played)
        EXPECT_NE(played.first, "New");
    // A new number each time (two equal draws are as good as impossible).
    EXPECT_NE(app->settings.Get(field::GameNumber), first);
}

TEST_F(CommandsPlay, UndoAndRedoStepTheHistoriesAndTheScoreAndAreOfferedOnlyWithAStep) {
    TfrmMain& w = StartWith();
    const MainMenu& menu = Commands().Menu();
    QToolButton* undoButton = Header().Bars().small.Button(ToolbarCommand::Undo);
    QToolButton* redoButton = Header().Bars().large.Button(ToolbarCommand::Redo);
    auto offered = [&] {
        EXPECT_EQ(menu.mnuUndo->isEnabled(), undoButton->isEnabled());
        EXPECT_EQ(menu.mnuRedo->isEnabled(), redoButton->isEnabled());
        return std::pair{menu.mnuUndo->isEnabled(), menu.mnuRedo->isEnabled()};
    };
    using Offer = std::pair<bool, bool>;
    DealFreeCell3();
    EXPECT_EQ(offered(), Offer(false, false)) << "a new deal";
    const Piles dealt = G().piles;
    ASSERT_EQ(PileTop(G().piles.fila[7]), kAceOfClubs);
    ASSERT_TRUE(OfferToFoundations(Ctx(), kAceOfClubs));
    EXPECT_EQ(offered(), Offer(true, false)) << "after a move";
    ASSERT_EQ(PileTop(G().piles.dest[0]), kAceOfClubs);
    const Piles moved = G().piles;
    const QString movedScore = w.lblScore->text();

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(G().piles == dealt);
    EXPECT_EQ(G().undo.Count(), 0);
    EXPECT_EQ(G().redo.Count(), 1);
    EXPECT_EQ(offered(), Offer(false, true)) << "back at the deal";
    EXPECT_EQ(w.lblScore->text(), "-52");
    EXPECT_EQ(w.lblScore->text().toStdString(), app->settings.Get(field::Score));

    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(G().piles == moved);
    EXPECT_EQ(w.lblScore->text(), movedScore);
    EXPECT_EQ(G().redo.Count(), 0);
    EXPECT_EQ(offered(), Offer(true, false)) << "nothing left to redo";

    // The buttons of both rows do the same.
    Header().Bars().small.Button(ToolbarCommand::Undo)->click();
    EXPECT_TRUE(G().piles == dealt);
    Header().Bars().large.Button(ToolbarCommand::Redo)->click();
    EXPECT_TRUE(G().piles == moved);
    // Nothing left to redo: nothing changes.
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(G().piles == moved);
}

TEST_F(CommandsPlay, RestartDealsTheSameNumberAgainAndSelectGameNumberDealsTheNumberTyped) {
    TfrmMain& w = StartWith("ConfirmQuitGame=Y\n");
    DealFreeCell3();
    const Piles dealt = G().piles;
    ASSERT_TRUE(OfferToFoundations(Ctx(), kAceOfClubs));

    // F5 gives up the game only when the player agrees, then deals the same number again.
    messages->confirmAnswer = false;
    Key(Qt::Key_F5);
    EXPECT_EQ(Confirmations(), 1u);
    EXPECT_FALSE(G().piles == dealt);
    messages->confirmAnswer = true;
    Key(Qt::Key_F5);
    EXPECT_EQ(Confirmations(), 2u);
    EXPECT_TRUE(G().piles == dealt);
    EXPECT_EQ(app->settings.Get(field::GameNumber), "3");
    EXPECT_TRUE(G().undo.Empty());
    EXPECT_EQ(w.lblScore->text(), "-52");

    // F3: only digits go in, at most 13, and OK waits for a number.
    bool okWhenEmpty = true, okWithDigits = false;
    QString afterLetters, afterTooMany;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<TfrmSelectGameNumber*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->edtNumber->text(), "3");
        EXPECT_EQ(d->windowModality(), Qt::WindowModal);
        d->edtNumber->clear();
        okWhenEmpty = d->btnOK->isEnabled();
        QTest::keyClicks(d->edtNumber, "4x2");
        afterLetters = d->edtNumber->text();
        okWithDigits = d->btnOK->isEnabled();
        QTest::keyClicks(d->edtNumber, "123456789012");
        afterTooMany = d->edtNumber->text();
        d->edtNumber->setText("42");
        d->btnOK->click();
    });
    Key(Qt::Key_F3);
    EXPECT_FALSE(okWhenEmpty);
    EXPECT_EQ(afterLetters, "42");
    EXPECT_TRUE(okWithDigits);
    EXPECT_EQ(afterTooMany, "4212345678901");
    EXPECT_EQ(Confirmations(), 3u);
    EXPECT_EQ(app->settings.Get(field::GameNumber), "0000000000042");
    EXPECT_TRUE(w.windowTitle().contains("0000000000042"));
    Game expected = G();
    DealGame(expected, *ParseGameNumber("42"), DealContext{});
    EXPECT_TRUE(G().piles == expected.piles);

    // Cancel deals nothing.
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<TfrmSelectGameNumber*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->edtNumber->setText("7");
        d->btnCancel->click();
    });
    Commands().Menu().mnuSelectGame->trigger();
    EXPECT_EQ(app->settings.Get(field::GameNumber), "0000000000042");
    EXPECT_TRUE(G().piles == expected.piles);
}

TEST_F(CommandsPlay, AutoplaySwitchedOnPlaysEveryCardThatCanGoHomeBeforeReturning) {
    StartWith();
    DealFreeCell3();
    ASSERT_FALSE(Commands().AutoplayTicked());
    ASSERT_TRUE(PileEmpty(G().piles.dest[0]));

    Key(Qt::Key_F7);
    EXPECT_TRUE(Commands().AutoplayTicked());
    EXPECT_TRUE(Header().Bars().small.Button(ToolbarCommand::Autoplay)->isChecked());
    EXPECT_TRUE(Header().Bars().large.Button(ToolbarCommand::Autoplay)->isChecked());
    EXPECT_EQ(PileCardAt(G().piles.dest[0], 0), kAceOfClubs);
    // Nothing more could go home: another pass moves nothing.
    const Piles after = G().piles;
    EXPECT_FALSE(RunAutoplay(Ctx()));
    EXPECT_TRUE(G().piles == after);

    // Off again: play goes on by hand.
    Key(Qt::Key_F7);
    EXPECT_FALSE(Commands().AutoplayTicked());
    EXPECT_FALSE(Header().Bars().small.Button(ToolbarCommand::Autoplay)->isChecked());
}

TEST_F(CommandsPlay, TheChooserOfferedAfterAGameIsTheOpenCommand) {
    StartWith();
    int opened = 0;
    Commands().SetOpenCommand([&opened] { ++opened; });
    window->Play()->OpenGameDialog();
    EXPECT_EQ(opened, 1);
}

TEST_F(CommandsPlay, AGameStartedBeforeMidnightCountsOnAfterIt) {
    TfrmMain& w = StartWith();
    QTime now(23, 59, 30);
    Header().Clock().SetTimeSource([&now] { return now; });
    Key(Qt::Key_F2);
    ASSERT_TRUE(G().flags.clockRunning);
    now = QTime(0, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return w.lblTempo->text() == "0:00:29"; }));
    now = QTime(0, 0, 30);
    EXPECT_TRUE(WaitFor([&] { return w.lblTempo->text() == "0:00:59"; }));
}

TEST_F(CommandsPlay, AGameKeepsItsOwnAutoplayWhenAutoplayIsKeptPerGame) {
    // FreeCell (1) on, Klondike (2) off.
    StartWith("AutoPlay_All_Games=2\n[Autoplay]\nGames=YYN\n");
    ASSERT_TRUE(Commands().AutoplayTicked());
    app->settings.Put(field::GameNumber, "3");
    ASSERT_TRUE(OpenGame(Ctx(), 2, "Klondike", 0, "", 0, false));
    EXPECT_FALSE(Commands().AutoplayTicked());
    EXPECT_FALSE(Commands().Menu().mnuAutoPlay->isChecked());
    // Dealt without autoplay: Klondike 3's Ace of clubs stays on column 7.
    EXPECT_EQ(PileTop(G().piles.fila[6]), kAceOfClubs);

    ASSERT_TRUE(OpenGame(Ctx(), 1, "Freecell", 0, "", 0, false));
    EXPECT_TRUE(Commands().AutoplayTicked());
    EXPECT_EQ(PileCardAt(G().piles.dest[0], 0), kAceOfClubs);
}

// Automatic card size: a game that fits a larger zoom than the last one is drawn into a table
// of its own zoom's size, not into the last game's (which left it in a corner, cut off).
TEST_F(CommandsPlay, AGameOpenedAtAnotherZoomIsDrawnOverTheWholeWindow) {
    TfrmMain& w = StartWith();
    app->settings.options.cardZoom = kAutomaticZoom;
    std::set<int> zooms;
    for (const auto& [id, name] : {std::pair{1, "Freecell"}, {11, "Aces Up"}, {1, "Freecell"}}) {
        ASSERT_TRUE(OpenGame(Ctx(), id, name, 0, "", 0, false));
        Settle();
        zooms.insert(w.ZoomPercent());
        const QSize table = w.imgSfondo->ToTable(w.imgSfondo->rect()).size();
        EXPECT_EQ(app->renderer.Surface().Image().deviceIndependentSize().toSize(), table)
            << name << " at " << w.ZoomPercent() << "%";
    }
    EXPECT_EQ(zooms.size(), 2u) << "the two games fit different zooms";
}

}  // namespace
}  // namespace tindle::test
