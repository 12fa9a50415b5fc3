#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "e2e/MainWindowFixture.h"
#include "model/LegalMoves.h"
#include "model/Pile.h"
#include "play/GameStatistics.h"
#include "play/KeyboardPlay.h"
#include "play/NewGame.h"
#include "play/PlayMove.h"
#include "shell/AboutBox.h"
#include "shell/Commands.h"
#include "shell/EarlierVersions.h"
#include "shell/MainWindowPlay.h"
#include "shell/MessageBoxes.h"
#include "shell/PicturePreload.h"
#include "shell/TableArea.h"
#include "shell/TfrmCustomize_Freeware.h"
#include "shell/TfrmMsgAdvice.h"
#include "shell/TfrmOpenGame.h"
#include "shell/TfrmSelectGameNumber.h"
#include "shell/WindowPlacement.h"
#include "table/layout/PileHitTest.h"
#include "table/layout/TMainGame.h"

namespace tindle::test {
namespace {

using StartAndClose = MainWindowFixture;

TEST_F(StartAndClose, EveryDialogHasOnlyACloseButtonAndIsModalForTheMainWindowAlone) {
    TfrmMain& w = Start();
    // A title with a close button (the advice box: none), never minimise or maximise, and
    // modal for the main window only.
    auto dialogLike = [&](const QWidget& dialog, bool closeButton) {
        const Qt::WindowFlags flags = dialog.windowFlags();
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint))
            << dialog.objectName().toStdString();
        EXPECT_TRUE(flags & Qt::CustomizeWindowHint) << dialog.objectName().toStdString();
        EXPECT_EQ(bool(flags & Qt::WindowCloseButtonHint), closeButton)
            << dialog.objectName().toStdString();
        EXPECT_EQ(dialog.windowModality(), Qt::WindowModal) << dialog.objectName().toStdString();
    };
    dialogLike(TfrmAbout(app->library, app->settings, app->Sounds(), 2, &w), true);
    dialogLike(TfrmCustomize_Freeware(*app, w), true);
    dialogLike(TfrmSelectGameNumber("1", &w), true);
    dialogLike(TfrmOpenGame(app->catalogue, app->settings, app->library, app->Messages(), {}, &w),
               true);
    dialogLike(TfrmMsgAdvice("advice", QImage(), &w), false);
    MessageBoxes boxes;
    boxes.SetParent(&w);
    bool boxSeen = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        boxSeen = true;
        dialogLike(*box, true);
        box->close();
    });
    boxes.Information("A message");
    EXPECT_TRUE(boxSeen);
}

TEST_F(StartAndClose, FirstStartCreatesThePlayersAndOpensMaximised) {
    ASSERT_FALSE(std::filesystem::exists(Data()));
    TfrmMain& w = Create();
    ASSERT_TRUE(w.Created());
    EXPECT_EQ(app->settings.Get(field::UserDefault), "Player 1");
    EXPECT_EQ(w.lblTempo->text(), "0:00:00");
    EXPECT_EQ(w.lblTempo2->text(), "Time:");
    EXPECT_EQ(w.lblScore2->text(), "Score:");

    w.PlaceMainWindow();
    w.show();
    Settle();
    EXPECT_TRUE(w.isMaximized());
    EXPECT_EQ(w.windowTitle(), "Tindle [Freecell]");
    // A new player (no statistics file) is offered the game chooser.
    EXPECT_EQ(chooserOpened, 1);
    // The stored game's table is laid out below the toolbar, its piles still empty.
    EXPECT_EQ(w.LayoutGameId(), 1);
    EXPECT_FALSE(IsOffTable(app->mainGame.FilaX(7)));
    EXPECT_GE(app->mainGame.DestY(0), w.ToolBarBottom());
    EXPECT_EQ(app->game.piles, Piles{});
    EXPECT_TRUE(messages->messages.empty());

    EXPECT_TRUE(w.close());
    // The players are written after the first activation, or at the close at the latest.
    EXPECT_EQ(Pref("UserDefault"), "Player 1");
    EXPECT_EQ(Pref("User001", "Users"), "Player 1");
    EXPECT_EQ(Pref("User002", "Users"), "Player 2");
    EXPECT_EQ(Pref("User003", "Users"), "Player 3");
    EXPECT_EQ(Pref("MainWindowState_Maximized"), "Y");
    EXPECT_EQ(Pref("MainWindowState_Left"), "<none>");
    EXPECT_EQ(Pref("MainWindowState_Width"), "<none>");
    EXPECT_EQ(Pref("MainWindowState_PictureScale"), "100");
    EXPECT_EQ(Pref("MainWindowState_PictureScreen"), ScreenTag(*w.screen()));
    EXPECT_EQ(Pref("AutoPlay"), "Y");
    EXPECT_EQ(Pref("Random_Game_Type", "Settings"), "2");
}

TEST_F(StartAndClose, AMaximisedCloseKeepsTheRestoredPlace) {
    WritePrefs(
        "[Preference]\nMainWindowState_Left=11\nMainWindowState_Top=12\n"
        "MainWindowState_Width=600\nMainWindowState_Height=400\nMainWindowState_Maximized=Y\n");
    TfrmMain& w = Start();
    EXPECT_TRUE(w.isMaximized());
    EXPECT_TRUE(w.close());
    EXPECT_EQ(Pref("MainWindowState_Maximized"), "Y");
    EXPECT_EQ(Pref("MainWindowState_Left"), "11");
    EXPECT_EQ(Pref("MainWindowState_Top"), "12");
    EXPECT_EQ(Pref("MainWindowState_Width"), "600");
    EXPECT_EQ(Pref("MainWindowState_Height"), "400");
}

TEST_F(StartAndClose, ANormalWindowOpensAndClosesWhereItWas) {
    WritePrefs(
        "[Preference]\nMainWindowState_Left=30\nMainWindowState_Top=40\n"
        "MainWindowState_Width=700\nMainWindowState_Height=500\nMainWindowState_Maximized=N\n");
    TfrmMain& w = Start();
    EXPECT_FALSE(w.isMaximized());
    EXPECT_EQ(w.pos(), QPoint(30, 40));
    EXPECT_EQ(w.size(), QSize(700, 500));

    w.move(60, 70);
    w.resize(640, 480);
    Settle();
    EXPECT_TRUE(w.close());
    EXPECT_EQ(Pref("MainWindowState_Maximized"), "N");
    EXPECT_EQ(Pref("MainWindowState_Left"), "60");
    EXPECT_EQ(Pref("MainWindowState_Top"), "70");
    EXPECT_EQ(Pref("MainWindowState_Width"), "640");
    EXPECT_EQ(Pref("MainWindowState_Height"), "480");
}

TEST_F(StartAndClose, ADamagedPlaceOpensAReachableWindow) {
    WritePrefs(
        "[Preference]\nMainWindowState_Left=-90000\nMainWindowState_Top=abc\n"
        "MainWindowState_Width=5\nMainWindowState_Height=99999999\nMainWindowState_Maximized=N\n");
    TfrmMain& w = Start();
    EXPECT_EQ(w.pos(), QPoint(50, 50));
    EXPECT_GE(w.width(), 320);
    EXPECT_LE(w.height(), w.screen()->geometry().height());
}

TEST_F(StartAndClose, TheTitleFollowsTheGameAndItsNumber) {
    WritePrefs("[Preference]\nGame=2\n");
    TfrmMain& w = Start();
    // The name comes from the catalogue, whatever name the file stored.
    EXPECT_EQ(w.windowTitle(), "Tindle [Klondike]");
    app->settings.Put(field::GameNumber, "0000000004711");
    w.UpdateWindowTitle();
    EXPECT_EQ(w.windowTitle(), "Tindle [Klondike]  [0000000004711]");
    app->settings.Put(field::GameNumber, "");
    w.UpdateWindowTitle();
    EXPECT_EQ(w.windowTitle(), "Tindle [Klondike]");
}

TEST_F(StartAndClose, AStoredGameNotInTheCatalogueBecomesNone) {
    WritePrefs("[Preference]\nGame=77\nGame_name=Spider\n");
    TfrmMain& w = Start();
    EXPECT_EQ(app->settings.Get(field::GameId), "-001");
    EXPECT_EQ(app->settings.Get(field::GameName), "");
    EXPECT_EQ(w.windowTitle(), "Tindle []");
    EXPECT_EQ(w.LayoutGameId(), -1);
    EXPECT_TRUE(IsOffTable(app->mainGame.FilaX(0)));
}

TEST_F(StartAndClose, TheLayoutFollowsTheWindowSize) {
    WritePrefs(
        "[Preference]\nGame=2\nMainWindowState_Maximized=N\nMainWindowState_Width=900\n"
        "MainWindowState_Height=600\n");
    TfrmMain& w = Start();
    const int narrow = app->mainGame.FilaX(6);
    EXPECT_FALSE(IsOffTable(narrow));
    w.resize(1200, 700);
    Settle();
    EXPECT_GT(app->mainGame.FilaX(6), narrow);
    // The table takes the whole client area below the menu bar.
    EXPECT_EQ(w.imgSfondo->size(), w.pnlClient->size());
}

TEST_F(StartAndClose, TheWindowKeepsItsSmallestSizeAndScrollsATableLargerThanItself) {
    WritePrefs(
        "[Preference]\nGame=2\nMainWindowState_Maximized=N\nMainWindowState_Width=900\n"
        "MainWindowState_Height=600\nDeal_Animation=N\nCards_Animate=N\n");
    TfrmMain& w = Start();
    w.resize(150, 100);
    Settle();
    EXPECT_EQ(w.size(), QSize(kMinWindowWidth, kMinWindowHeight));
    ASSERT_TRUE(StartGame(w.Play()->Context(), true, false, kDealStoredNumber, false));
    w.FitTableToPiles();
    // Where the table is seen: the client area less the bars that show.
    auto seen = [&] {
        QRect r = w.pnlClient->rect();
        if (w.scrBarMain->isVisible()) r.setRight(w.scrBarMain->x() - 1);
        if (w.scrBarHorz->isVisible()) r.setBottom(w.scrBarHorz->y() - 1);
        return r;
    };
    // The lower right corner of a pile's last card is in view.
    auto shown = [&](PileRef ref) {
        const auto extent = PileExtent(app->mainGame, app->game, ref);
        return extent &&
               seen().contains(QPoint(extent->right - 1, extent->bottom - 1) + w.imgSfondo->pos());
    };
    // The keyboard's frame is in view, below the toolbar row that lies over the table's top.
    const auto focusShown = [&] {
        const QRect frame = TableArea::FocusFrame(w.imgSfondo->ToWidget(w.imgSfondo->FocusMark()));
        return !frame.isEmpty() && seen()
                                       .adjusted(0, w.ToolBarBottom(), 0, 0)
                                       .contains(frame.translated(w.imgSfondo->pos()));
    };
    // A turn of the wheel over the table (up for a positive angle).
    const auto wheel = [&](int angle, Qt::MouseButtons buttons) {
        QWheelEvent turn(QPointF(50, 50), w.imgSfondo->mapToGlobal(QPointF(50, 50)), QPoint(),
                         QPoint(0, angle), buttons, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.imgSfondo, &turn);
    };
    // Every column fits across.
    EXPECT_FALSE(w.scrBarHorz->isVisible());
    EXPECT_LE(PileExtent(app->mainGame, app->game, {PileKind::Fila, 6})->right, seen().right());

    // A column longer than the window is high: the vertical bar shows and reaches its end.
    Pile& column = app->game.piles.fila[6];
    column = Pile{};
    for (int card = 1; card <= 19; ++card)
        PileAppend(column, card);
    app->game.cards.SetAllFaceUp();
    w.FitTableToPiles();
    ASSERT_TRUE(w.scrBarMain->isVisible());
    EXPECT_GT(w.scrBarMain->y(), 0) << "it starts below the toolbar row";
    EXPECT_FALSE(shown({PileKind::Fila, 6}));
    w.scrBarMain->setValue(w.scrBarMain->maximum());
    EXPECT_TRUE(shown({PileKind::Fila, 6}));
    // The first table key shows the keyboard's focus, on the waste in the top row: the table
    // scrolls back to show it below the toolbar; the wheel scrolls it down again.
    ASSERT_TRUE(w.Play()->TableKey(Qt::Key_Tab, Qt::NoModifier));
    EXPECT_EQ(FocusedPile(w.Play()->Context()), (PileRef{PileKind::MazzoVis, 0}));
    EXPECT_TRUE(focusShown());
    const int top = w.scrBarMain->value();
    wheel(-120, Qt::NoButton);
    EXPECT_GT(w.scrBarMain->value(), top);
    // The deal restarted, its columns short again: the bar goes.
    w.Commands().play.restart();
    EXPECT_FALSE(w.scrBarMain->isVisible());
    EXPECT_EQ(w.imgSfondo->pos(), QPoint(0, 0));

    // A window narrower than the program allows (the layout must still cope): the columns that
    // do not fit are reached with the horizontal bar.
    w.setMinimumSize(0, 0);
    w.resize(450, 400);
    Settle();
    ASSERT_TRUE(w.scrBarHorz->isVisible());
    EXPECT_FALSE(shown({PileKind::Fila, 6}));
    w.scrBarHorz->setValue(w.scrBarHorz->maximum());
    EXPECT_TRUE(shown({PileKind::Fila, 6}));
    // With both bars, the square between their ends shows no piece of the table.
    ASSERT_FALSE(w.scrBarMain->isVisible());
    w.scrBarHorz->setValue(0);
    for (int card = 40; card <= 51; ++card)
        PileAppend(app->game.piles.fila[6], card);
    app->game.cards.SetAllFaceUp();
    w.FitTableToPiles();
    ASSERT_TRUE(w.scrBarMain->isVisible() && w.scrBarHorz->isVisible());
    const QPoint corner(w.scrBarMain->x() + 2, w.scrBarHorz->y() + 2);
    const QWidget* atCorner = w.pnlClient->childAt(corner);
    EXPECT_TRUE(atCorner && atCorner != w.imgSfondo && !w.imgSfondo->isAncestorOf(atCorner));
    w.Commands().play.restart();
    EXPECT_FALSE(w.scrBarMain->isVisible());
    EXPECT_EQ(w.pnlClient->childAt(corner), w.scrBarHorz);

    // The keys' focus is scrolled into view: on the stock with the table scrolled to its right
    // end, and round to the last column with the table scrolled back.
    ASSERT_TRUE(w.Play()->TableKey(Qt::Key_Backtab, Qt::ShiftModifier));
    EXPECT_EQ(FocusedPile(w.Play()->Context()), (PileRef{PileKind::Mazzo, 0}));
    EXPECT_TRUE(focusShown());
    w.scrBarHorz->setValue(0);
    ASSERT_FALSE(shown({PileKind::Fila, 6}));
    ASSERT_TRUE(w.Play()->TableKey(Qt::Key_Backtab, Qt::ShiftModifier));
    EXPECT_EQ(FocusedPile(w.Play()->Context()), (PileRef{PileKind::Fila, 6}));
    EXPECT_TRUE(focusShown());
    EXPECT_TRUE(shown({PileKind::Fila, 6}));

    // The wheel scrolls it too (across, the table being only too wide), but not under cards
    // being dragged.
    ASSERT_FALSE(w.scrBarMain->isVisible());
    const int scrolled = w.scrBarHorz->value();
    ASSERT_GT(scrolled, 0);
    wheel(120, Qt::LeftButton);
    EXPECT_EQ(w.scrBarHorz->value(), scrolled);
    wheel(120, Qt::NoButton);
    EXPECT_LT(w.scrBarHorz->value(), scrolled);
}

// Ten columns fill the width up to a few pixels from the window's edge: a table whose piles fit
// shows no horizontal bar, at any width and zoom.
TEST_F(StartAndClose, PilesThatFitTheWidthShowNoHorizontalBar) {
    WritePrefs(
        "[Preference]\nGame=5\nMainWindowState_Maximized=N\nMainWindowState_Width=900\n"
        "MainWindowState_Height=600\nDeal_Animation=N\nCards_Animate=N\n");
    TfrmMain& w = Start();
    ASSERT_TRUE(StartGame(w.Play()->Context(), true, false, kDealStoredNumber, false));
    int closeFits = 0;
    for (int width = 800; width <= 1100; width += 3) {
        w.resize(width, 700);
        Settle();
        w.FitTableToPiles();
        const auto extent = TableExtent(app->mainGame, app->game);
        ASSERT_TRUE(extent);
        const int right = w.imgSfondo->ToWidget(QRect(0, 0, extent->right, 1)).width();
        const int room =
            w.pnlClient->width() - (w.scrBarMain->isVisible() ? w.scrBarMain->width() : 0);
        if (right > room) continue;
        if (room - right < 10) ++closeFits;
        EXPECT_FALSE(w.scrBarHorz->isVisible())
            << "window " << width << ": piles end at " << right << " of " << room;
    }
    EXPECT_GT(closeFits, 0) << "no width brought the piles within ten pixels of the edge";
}

TEST_F(StartAndClose, TheStoredGamesEmptyTableIsDrawn) {
    TfrmMain& w = Start();
    // At rest the window shows the table picture itself: no window-sized picture of its own
    // was made for it.
    EXPECT_FALSE(app->renderer.WindowHasOwnPicture());
    const QImage atRest = w.imgSfondo->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(atRest, app->renderer.TableImage().copy(
                          QRect(QPoint(0, app->mainGame.scrollOffset), w.imgSfondo->size())));
    const QImage& surface = app->renderer.Surface().Image();
    EXPECT_EQ(surface, atRest);
    EXPECT_EQ(surface.size(), w.imgSfondo->size());
    // The marks of the empty piles stand out from the background under them.
    const TMainGame& layout = app->mainGame;
    const int width = app->pictures.CardWidth();
    const int height = app->pictures.CardHeight();
    const QImage background = app->renderer.BackgroundImage();
    int marked = 0;
    for (const QPoint corner :
         {QPoint(layout.DestX(0), layout.DestY(0)), QPoint(layout.AppoggX(0), layout.AppoggY(0)),
          QPoint(layout.FilaX(0), layout.FilaY(0))}) {
        const QRect card(corner, QSize(width, height));
        ASSERT_TRUE(surface.rect().contains(card));
        bool differs = false;
        for (int y = card.top(); y <= card.bottom() && !differs; y += 2)
            for (int x = card.left(); x <= card.right() && !differs; x += 2)
                differs = surface.pixel(x, y) != background.pixel(x, y);
        marked += differs;
    }
    EXPECT_EQ(marked, 3);
    // What the window shows is the surface.
    const QImage shown = w.imgSfondo->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(layout.DestX(0) + width / 2, layout.DestY(0) + height / 2),
              surface.pixel(layout.DestX(0) + width / 2, layout.DestY(0) + height / 2));
}

TEST_F(StartAndClose, ACloseDuringAnAnimationWaitsForItsEnd) {
    TfrmMain& w = Start();
    app->game.flags.animationRunning = true;
    w.Hooks().Install(MessageHooks::Hook::Animation);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.ExitRequested());
    EXPECT_FALSE(app->game.flags.animationRunning);
    EXPECT_EQ(w.Hooks().Installed(), MessageHooks::Hook::None);
    // The window state was saved all the same.
    EXPECT_EQ(Pref("MainWindowState_Maximized"), "Y");
    // The game-end handling then closes the window.
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
}

TEST_F(StartAndClose, ClosingHoldsTheGameAndTheNextStartResumesItInPlaceOfTheChooser) {
    const auto gameStatistics = [this] {
        const auto gameId = static_cast<int>(app->settings.GetInt(field::GameId, -1));
        return PlayerStatistics(window->Play()->Context()).Of(gameId);
    };
    WritePrefs("[Preference]\nCards_Animate=N\nSounds_Enabled=N\n");
    Start();
    window->SetAutoPlayChecked(false);
    app->settings.Put(field::GameNumber, "0000000004711");
    ASSERT_TRUE(StartGame(window->Play()->Context(), true, false, 0, false));
    std::vector<Move> moves;
    LegalMoves(app->game, moves);
    ASSERT_FALSE(moves.empty());
    ASSERT_TRUE(PlayMove(window->Play()->Context(), moves.front()));
    // The first move counts the game as played, in the player's statistics file.
    EXPECT_TRUE(std::filesystem::exists(Data("Stat_e00.dat")));
    const Piles piles = app->game.piles;
    const QString title = window->windowTitle();
    window->Commands().Menu().mnuHoldExit->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(std::filesystem::exists(Data("HOLD.DAT")));

    window.reset();
    chooserOpened = 0;
    Start();
    EXPECT_EQ(chooserOpened, 0);
    EXPECT_EQ(app->game.piles, piles);
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_TRUE(app->game.flags.gameInProgress);
    EXPECT_FALSE(app->game.flags.clockRunning);
    EXPECT_TRUE(window->Commands().Menu().mnuUndo->isEnabled());
    // The resumed game is the same played game: a move counts nothing more.
    LegalMoves(app->game, moves);
    ASSERT_TRUE(PlayMove(window->Play()->Context(), moves.front()));
    EXPECT_EQ(gameStatistics().played, 1);
    // A new game gives the held one up, lost.
    window->Commands().mnuNewClick();
    EXPECT_FALSE(std::filesystem::exists(Data("HOLD.DAT")));
    EXPECT_EQ(gameStatistics(), (GameRecord{1, 0, 0, 0, std::nullopt, std::nullopt}));

    // The new game is held at close; a file damaged since is told and deleted. The player has
    // statistics now: the chooser is not offered, the stored game's table waits for New game.
    EXPECT_TRUE(window->close());
    const std::string held = ReadFile(Data("HOLD.DAT"));
    WriteFile(Data("HOLD.DAT"), held.substr(0, held.size() / 2));
    window.reset();
    chooserOpened = 0;
    Start();
    EXPECT_EQ(chooserOpened, 0);
    ASSERT_FALSE(messages->messages.empty());
    EXPECT_NE(messages->messages.back().text.find("cannot be resumed"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Data("HOLD.DAT")));
    EXPECT_FALSE(app->game.flags.gameInProgress);
}

TEST_F(StartAndClose, ClosingGivesUpTheGameStopsTheSoundsAndStoresAutoplay) {
    WritePrefs("[Settings]\nRandom_Game_Type=3\n[Preference]\nAutoPlay=N\n");
    TfrmMain& w = Start();
    EXPECT_FALSE(w.AutoPlayChecked());
    int ended = 0;
    w.onEndGame = [&] { ++ended; };
    app->game.flags.gameInProgress = true;
    int closedSignals = 0;
    QObject::connect(&w, &TfrmMain::Closed, [&] { ++closedSignals; });
    EXPECT_TRUE(w.close());
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(closedSignals, 1);
    EXPECT_EQ(sounds->stops, 1);
    EXPECT_EQ(Pref("AutoPlay"), "N");
    EXPECT_EQ(Pref("Random_Game_Type", "Settings"), "3");
}

TEST_F(StartAndClose, PerGameAutoplayIsNotWrittenAsOneSetting) {
    WritePrefs("[Preference]\nAutoPlay_All_Games=2\nSounds_Enabled=N\n");
    TfrmMain& w = Start();
    EXPECT_TRUE(w.close());
    EXPECT_EQ(Pref("AutoPlay"), "<none>");
    // With all sounds off even the stop request is skipped.
    EXPECT_EQ(sounds->stops, 0);
}

TEST_F(StartAndClose, TheVersionStampIsWrittenOnceAndOldFilesGo) {
    WriteFile(dir.Path() / "BRAVELL.DLL", "old library");
    // Closed at once, before the first activation: the start's files are written all the same,
    // so that the next start finds the players and the stamp.
    EXPECT_TRUE(Create().close());
    EXPECT_EQ(Pref("User003", "Users"), "Player 3");
    EXPECT_EQ(ReadFile(dir.Path() / "SOLV0520.DAT"), "Bravell version: 05.20\n");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "BRAVELL.DLL"));
    window.reset();
    app.reset();

    WriteFile(dir.Path() / "SOLV0520.DAT", "Bravell version: 05.20 (edited)\n");
    Create();
    window.reset();
    EXPECT_EQ(ReadFile(dir.Path() / "SOLV0520.DAT"), "Bravell version: 05.20 (edited)\n");
}

TEST_F(StartAndClose, ThePanelsFollowThePreferences) {
    WritePrefs(
        "[Preference]\nShow_Time=N\nMainWindowState_Maximized=N\nMainWindowState_Width=800\n"
        "MainWindowState_Height=500\n");
    TfrmMain& w = Start();
    EXPECT_FALSE(w.pnlTempo->isVisible());
    ASSERT_TRUE(w.pnlScore->isVisible());
    // Without the clock the score panel moves to the right edge: the window's width with the
    // frame the header was designed for (four pixels each side), less the panel, less 15.
    EXPECT_EQ(w.pnlScore->x(), w.pnlClient->width() + 8 - w.pnlScore->width() - 15);
    EXPECT_FALSE(w.pnlStatusBar->isVisible());
    EXPECT_FALSE(w.scrBarMain->isVisible());
    EXPECT_TRUE(w.Timer1->isActive());
    EXPECT_EQ(w.Timer1->interval(), 1000);
}

TEST_F(StartAndClose, TheChosenPointerIsTheTablesPointer) {
    WritePrefs("[Preference]\nCursor=12\n");
    TfrmMain& w = Start();
    EXPECT_EQ(w.imgSfondo->cursor().pixmap().toImage(), app->cursors.Cursor(12).pixmap().toImage());
    w.ApplyPointer(true);
    EXPECT_EQ(w.imgSfondo->cursor().pixmap().toImage(), app->cursors.Cursor(22).pixmap().toImage());
}

TEST_F(StartAndClose, TheSystemArrowByDefault) {
    TfrmMain& w = Start();
    EXPECT_EQ(w.imgSfondo->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(StartAndClose, AKeyHidesThePileSizeHint) {
    TfrmMain& w = Start();
    w.pnlPilesSize->show();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(&w, &key);
    EXPECT_FALSE(w.pnlPilesSize->isVisible());
}

TEST_F(StartAndClose, TheTableReceivesTheMouse) {
    TfrmMain& w = Start();
    int downs = 0, ups = 0;
    QPoint at;
    QObject::connect(w.imgSfondo, &TableArea::MouseDown,
                     [&](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
                         ++downs;
                         at = QPoint(x, y);
                         EXPECT_EQ(button, Qt::LeftButton);
                     });
    QObject::connect(w.imgSfondo, &TableArea::MouseUp,
                     [&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++ups; });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(120, 200), QPointF(120, 200),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(120, 200), QPointF(120, 200),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.imgSfondo, &press);
    QCoreApplication::sendEvent(w.imgSfondo, &release);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(at, QPoint(120, 200));
}

}  // namespace
}  // namespace tindle::test
