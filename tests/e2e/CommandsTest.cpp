#include <QAction>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "e2e/MainWindowFixture.h"
#include "shell/Commands.h"
#include "shell/HeaderArrangement.h"
#include "shell/HeaderPanels.h"
#include "shell/HelpViewer.h"
#include "shell/HomePage.h"
#include "table/layout/TMainGame.h"

// The main window's commands, toolbars and header as the player meets them.

namespace tindle::test {
namespace {

constexpr const char* kNormalWindow =
    "[Preference]\nMainWindowState_Left=10\nMainWindowState_Top=10\n"
    "MainWindowState_Width=760\nMainWindowState_Height=480\nMainWindowState_Maximized=N\n";

class CommandsTest : public MainWindowFixture {
  protected:
    TfrmMain& StartNormal(const std::string& morePreferences = "") {
        WritePrefs(kNormalWindow + morePreferences);
        TfrmMain& w = Start();
        w.activateWindow();
        QApplication::setActiveWindow(&w);
        Settle();
        return w;
    }
    HeaderPanels& Header() { return window->Header(); }
    MainCommands& Commands() { return window->Commands(); }
    QToolButton* Small(ToolbarCommand c) { return Header().Bars().small.Button(c); }
    QToolButton* Large(ToolbarCommand c) { return Header().Bars().large.Button(c); }
    // The header's reference width: the window's width with the frame it was designed for.
    int ReferenceWidth() { return window->pnlClient->width() + HeaderPanels::kDesignedFrameWidth; }
    // Lets the window's events run until the condition holds (at most the time given).
    template <class Condition>
    bool WaitFor(Condition condition, int ms = 2500) {
        QElapsedTimer clock;
        clock.start();
        while (!condition() && clock.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return condition();
    }
};

TEST_F(CommandsTest, TheMenuBarAsThePlayerSeesIt) {
    TfrmMain& w = StartNormal();
    MainMenu& m = Commands().Menu();
    // Placeholders filled with the product's name.
    EXPECT_EQ(m.mnuBravellontheWeb->title(), "Tindle on the &Web...");
    EXPECT_EQ(m.mnuBravellHomePage->text(), "Tindle &Home Page");
    EXPECT_EQ(m.mnuAbout->text(), "A&bout Tindle...");
    // The larger edition's commands: hidden, disabled and with nothing behind them.
    for (QAction* action : m.largerEdition) {
        EXPECT_FALSE(action->isVisible());
        EXPECT_FALSE(action->isEnabled());
    }
    for (QToolButton* button : Header().Bars().largerEdition) {
        EXPECT_TRUE(button->isHidden());
        EXPECT_FALSE(button->isEnabled());
    }
    // Even when switched on with the game commands, they stay hidden and do nothing.
    Commands().SetGameCommandsAvailable(true);
    for (QAction* action : m.largerEdition) {
        EXPECT_FALSE(action->isVisible());
        action->trigger();
    }
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(messages->messages.empty());
    EXPECT_TRUE(sounds->played.empty());
    EXPECT_EQ(app->help.Viewer("proc"), nullptr);
    EXPECT_EQ(app->help.Viewer("rules"), nullptr);
    // Open and Customize wait for their dialogs; the rest is ready.
    EXPECT_FALSE(m.mnuOpen->isEnabled());
    EXPECT_FALSE(Small(ToolbarCommand::Open)->isEnabled());
    EXPECT_FALSE(m.mnuCustomize->isEnabled());
    for (QAction* action : {m.mnuNew, m.mnuEsci, m.mnuAutoPlay, m.mnuRules, m.Sommario1,
                            m.mnuBravellHomePage, m.mnuAbout})
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    // No game, nothing to step through.
    EXPECT_FALSE(m.mnuUndo->isEnabled());
    EXPECT_FALSE(m.mnuRedo->isEnabled());
    // Autoplay starts on (AutoPlay defaults to "Y"): the check and both buttons down.
    EXPECT_TRUE(m.mnuAutoPlay->isChecked());
    EXPECT_TRUE(Small(ToolbarCommand::Autoplay)->isChecked());
    EXPECT_TRUE(Large(ToolbarCommand::Autoplay)->isChecked());
    // The hints show (Show_ToolTips defaults to "Y"); the small row keeps the default pointer.
    EXPECT_EQ(Small(ToolbarCommand::New)->toolTip(), "New");
    EXPECT_EQ(Large(ToolbarCommand::Exit)->toolTip(), "Exit");
    EXPECT_TRUE(w.pnlTB1->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(w.pnlTB1->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(CommandsTest, SmallAndLargeToolbarsFlatOrRaisedAndTheStoredChoice) {
    TfrmMain& w = StartNormal();
    HeaderPanels& h = Header();
    // The default: small, flat. The small flat row is 24 high with 22-pixel buttons at the top 1.
    EXPECT_TRUE(w.pnlTB->isHidden());
    EXPECT_FALSE(w.pnlTB1->isHidden());
    EXPECT_EQ(w.pnlTB1->height(), 24);
    for (QToolButton* button : h.Bars().small.buttons) {
        EXPECT_EQ(button->height(), 22);
        EXPECT_EQ(button->y(), 1);
        EXPECT_TRUE(button->autoRaise());
    }
    EXPECT_TRUE(h.Smallicons1->isChecked());
    EXPECT_FALSE(h.Largeicons1->isChecked());
    EXPECT_TRUE(h.Buttonflat1->isChecked());
    EXPECT_EQ(w.ToolBarBottom(), 24);
    EXPECT_EQ(w.pnlTempo->height(), 20);

    // Raised: the small row is 25 high with 23-pixel buttons.
    h.Buttonnoflat1->trigger();
    EXPECT_EQ(Pref("ToolBar_Flat"), "N");
    EXPECT_TRUE(h.Buttonnoflat1->isChecked());
    EXPECT_FALSE(h.Buttonflat1->isChecked());
    EXPECT_EQ(w.pnlTB1->height(), 25);
    for (QToolButton* button : h.Bars().small.buttons) {
        EXPECT_EQ(button->height(), 23);
        EXPECT_FALSE(button->autoRaise());
    }

    // Large icons: the large row (45 high when raised) with its buttons at the top 2; the
    // panels grow; the table is laid out below the new row.
    h.Largeicons1->trigger();
    EXPECT_EQ(Pref("ToolBar_Large"), "Y");
    EXPECT_FALSE(w.pnlTB->isHidden());
    EXPECT_TRUE(w.pnlTB1->isHidden());
    EXPECT_TRUE(h.Largeicons1->isChecked());
    EXPECT_FALSE(h.Smallicons1->isChecked());
    EXPECT_EQ(w.pnlTB->height(), 45);
    for (QToolButton* button : h.Bars().large.buttons) {
        EXPECT_EQ(button->geometry(), QRect(button->x(), 2, 44, 42));
        EXPECT_FALSE(button->icon().isNull());  // decoded when the row is first shown
    }
    EXPECT_EQ(w.ToolBarBottom(), 45);
    EXPECT_EQ(w.pnlTempo->height(), 24);
    EXPECT_EQ(w.pnlScore->height(), 24);
    EXPECT_EQ(w.lblTempo2->y(), 4);
    EXPECT_GE(app->mainGame.DestY(0), 45);
    EXPECT_EQ(w.pnlLineaGrigia->y(), 45);
    EXPECT_EQ(w.pnlLineaNera->y(), 46);

    h.Buttonflat1->trigger();
    EXPECT_EQ(Pref("ToolBar_Flat"), "Y");
    EXPECT_EQ(w.pnlTB->height(), 46);

    // And back: the choice is stored again.
    h.Smallicons1->trigger();
    EXPECT_EQ(Pref("ToolBar_Large"), "N");
    EXPECT_TRUE(w.pnlTB->isHidden());
    EXPECT_EQ(w.ToolBarBottom(), 24);
    EXPECT_EQ(w.pnlTempo->height(), 20);
    EXPECT_EQ(w.lblTempo2->y(), 3);
    EXPECT_EQ(Small(ToolbarCommand::New)->y(), 1);
}

TEST_F(CommandsTest, TheStoredToolbarIsTheOneThatStarts) {
    TfrmMain& w = StartNormal("ToolBar_Large=Y\nToolBar_Flat=N\nShow_ToolTips=N\n");
    EXPECT_FALSE(w.pnlTB->isHidden());
    EXPECT_TRUE(w.pnlTB1->isHidden());
    EXPECT_EQ(w.pnlTB->height(), 45);
    EXPECT_TRUE(Header().Buttonnoflat1->isChecked());
    for (QToolButton* button : Header().Bars().AllButtons())
        EXPECT_TRUE(button->toolTip().isEmpty());
}

TEST_F(CommandsTest, HidingTheClockMovesTheScoreToTheRightEdge) {
    TfrmMain& w = StartNormal();
    HeaderPanels& h = Header();
    const int reference = ReferenceWidth();
    ASSERT_TRUE(w.pnlTempo->isVisible());
    ASSERT_TRUE(w.pnlScore->isVisible());
    EXPECT_EQ(w.pnlTempo->x(), reference - w.pnlTempo->width() - 15);
    EXPECT_EQ(w.pnlScore->x(), w.pnlTempo->x() - w.pnlScore->width() - 5);
    // Side by side on one line, their words on one line too.
    EXPECT_EQ(w.pnlScore->y(), w.pnlTempo->y());
    EXPECT_EQ(w.lblScore2->y(), w.lblTempo2->y());
    EXPECT_EQ(w.lblScore->y(), w.lblTempo->y());
    for (QLabel* label : {w.lblTempo2, w.lblTempo, w.lblScore2, w.lblScore})
        EXPECT_TRUE(label->alignment() & Qt::AlignTop);
    EXPECT_GE(w.pnlTempo->width(), HeaderPanels::kClockWidth);
    EXPECT_GE(w.pnlScore->width(), HeaderPanels::kScoreWidth);
    EXPECT_TRUE(w.lblTempo2->font().bold());
    EXPECT_EQ(w.pnlTempo->frameShadow(), QFrame::Sunken);
    // The header lines span the window under the row.
    EXPECT_EQ(w.pnlLineaGrigia->geometry(), QRect(0, 24, reference, 1));
    EXPECT_EQ(w.pnlLineaNera->geometry(), QRect(0, 25, reference, 1));
    EXPECT_FALSE(h.mnuShowTime->isEnabled());

    h.mnuHideTime->trigger();
    EXPECT_FALSE(w.pnlTempo->isVisible());
    EXPECT_EQ(Pref("Show_Time"), "N");
    EXPECT_EQ(app->settings.Get(field::ShowTime), "N");
    EXPECT_TRUE(h.mnuShowTime->isEnabled());
    EXPECT_TRUE(w.pnlScore->isVisible());
    EXPECT_EQ(w.pnlScore->x(), reference - w.pnlScore->width() - 15);

    h.mnuHideScore->trigger();
    EXPECT_FALSE(w.pnlScore->isVisible());
    EXPECT_EQ(Pref("Show_Score"), "N");
    EXPECT_TRUE(h.mnuShowScore->isEnabled());

    h.mnuShowTime->trigger();
    h.mnuShowScore->trigger();
    EXPECT_EQ(Pref("Show_Time"), "Y");
    EXPECT_EQ(Pref("Show_Score"), "Y");
    EXPECT_TRUE(w.pnlTempo->isVisible());
    EXPECT_TRUE(w.pnlScore->isVisible());
    EXPECT_EQ(w.pnlScore->x(), w.pnlTempo->x() - w.pnlScore->width() - 5);
    EXPECT_FALSE(h.mnuShowTime->isEnabled());
    EXPECT_FALSE(h.mnuShowScore->isEnabled());
}

TEST_F(CommandsTest, ANarrowWindowHidesThePanelsAndWideningShowsThem) {
    TfrmMain& w = StartNormal();
    HeaderPanels& h = Header();
    h.mnuHideTime->trigger();
    // Narrower than the program allows, as a large font could make the toolbar.
    w.setMinimumSize(0, 0);
    w.resize(240, 400);
    Settle();
    ASSERT_LT(w.width(), 300);
    EXPECT_FALSE(w.pnlScore->isVisible());
    // Shown from the menu while there is no room: stored, still hidden.
    h.mnuShowTime->trigger();
    EXPECT_EQ(Pref("Show_Time"), "Y");
    EXPECT_FALSE(w.pnlTempo->isVisible());
    EXPECT_LE(w.pnlTempo->x(), h.ToolBarRight() + kHeaderClearance);

    w.resize(760, 480);
    Settle();
    EXPECT_TRUE(w.pnlTempo->isVisible());
    EXPECT_TRUE(w.pnlScore->isVisible());
    EXPECT_GT(w.pnlScore->x(), h.ToolBarRight() + kHeaderClearance);
}

TEST_F(CommandsTest, TheToolbarsRightClickMenu) {
    TfrmMain& w = StartNormal();
    HeaderPanels& h = Header();
    // On the row and on one of its buttons (the button passes the click to its row).
    for (QWidget* target :
         {static_cast<QWidget*>(w.pnlTB1), static_cast<QWidget*>(Small(ToolbarCommand::New))}) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                target->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(target, &click);
        EXPECT_TRUE(h.popTB->isVisible());
        h.popTB->close();
    }
    QContextMenuEvent onClock(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QCoreApplication::sendEvent(w.pnlTempo, &onClock);
    EXPECT_TRUE(h.popTime->isVisible());
    h.popTime->close();
    QContextMenuEvent onScore(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QCoreApplication::sendEvent(w.lblScore, &onScore);
    EXPECT_TRUE(h.popScore->isVisible());
    h.popScore->close();
    EXPECT_EQ(h.mnuHideTime->text(), "&Hide");
    EXPECT_EQ(h.mnuHideScore->text(), "Hide");
    std::vector<QString> captions;
    for (QAction* action : h.popTB->actions())
        captions.push_back(action->text());
    EXPECT_EQ(captions, (std::vector<QString>{"Large icons", "Small icons", "Flat button",
                                              "No flat button", "Show time", "Show score"}));
}

TEST_F(CommandsTest, AvailabilitySwitchesMenusButtonsAndTheSmallRowsGlyphs) {
    StartNormal();
    MainCommands& c = Commands();
    MainMenu& m = c.Menu();
    c.SetHistoryStepsAvailable(true, true);  // steps to take: the game's switch decides

    c.SetUndoAvailable(false);
    EXPECT_FALSE(c.UndoAvailable());
    EXPECT_FALSE(window->UndoAvailable());
    for (QObject* item : std::initializer_list<QObject*>{
             m.mnuUndo, m.mnuRedo, Small(ToolbarCommand::Undo), Large(ToolbarCommand::Undo),
             Small(ToolbarCommand::Redo), Large(ToolbarCommand::Redo)})
        EXPECT_FALSE(item->property("enabled").toBool()) << item->objectName().toStdString();
    EXPECT_EQ(Small(ToolbarCommand::Undo)->property("glyph").toString(), "TB_UNDO_DIS");
    EXPECT_EQ(Small(ToolbarCommand::Redo)->property("glyph").toString(), "TB_REDO_DIS");
    c.SetUndoAvailable(true);
    EXPECT_TRUE(m.mnuRedo->isEnabled());
    EXPECT_TRUE(Large(ToolbarCommand::Redo)->isEnabled());
    EXPECT_EQ(Small(ToolbarCommand::Undo)->property("glyph").toString(), "TB_UNDO");
    EXPECT_EQ(Small(ToolbarCommand::Redo)->property("glyph").toString(), "TB_REDO");

    c.SetAutoplayAvailable(false);
    EXPECT_FALSE(m.mnuAutoPlay->isEnabled());
    EXPECT_FALSE(Small(ToolbarCommand::Autoplay)->isEnabled());
    EXPECT_FALSE(Large(ToolbarCommand::Autoplay)->isEnabled());
    EXPECT_EQ(Small(ToolbarCommand::Autoplay)->property("glyph").toString(), "TB_AUTOPLAY_DIS1");
    // F7 does nothing while the command is unavailable.
    const bool before = c.AutoplayTicked();
    QTest::keyClick(window.get(), Qt::Key_F7);
    EXPECT_EQ(c.AutoplayTicked(), before);
    c.SetAutoplayAvailable(true);
    EXPECT_EQ(Small(ToolbarCommand::Autoplay)->property("glyph").toString(), "TB_AUTOPLAY1");

    // The game commands together; Open, Exit and help stay as they are.
    c.SetGameCommandsAvailable(false);
    for (QObject* item : std::initializer_list<QObject*>{
             m.mnuNew, Small(ToolbarCommand::New), Large(ToolbarCommand::New), m.mnuRules,
             Small(ToolbarCommand::Rules), Large(ToolbarCommand::Rules), m.mnuUndo,
             Small(ToolbarCommand::Redo), m.mnuAutoPlay, Large(ToolbarCommand::Autoplay)})
        EXPECT_FALSE(item->property("enabled").toBool()) << item->objectName().toStdString();
    EXPECT_TRUE(m.mnuEsci->isEnabled());
    EXPECT_TRUE(Small(ToolbarCommand::Exit)->isEnabled());
    EXPECT_TRUE(m.Sommario1->isEnabled());
    c.SetGameCommandsAvailable(true);
    EXPECT_TRUE(m.mnuNew->isEnabled());
    EXPECT_TRUE(Large(ToolbarCommand::Rules)->isEnabled());
    EXPECT_TRUE(m.mnuUndo->isEnabled());
    EXPECT_TRUE(m.mnuAutoPlay->isEnabled());
    // Hidden things stay hidden.
    for (QAction* action : m.largerEdition)
        EXPECT_FALSE(action->isVisible());
    for (QToolButton* button : Header().Bars().largerEdition)
        EXPECT_TRUE(button->isHidden());
}

TEST_F(CommandsTest, UndoModeTwoStartsWithUndoUnavailable) {
    StartNormal("Undo_Enabled=2\n");
    EXPECT_FALSE(Commands().Menu().mnuUndo->isEnabled());
    EXPECT_FALSE(Small(ToolbarCommand::Redo)->isEnabled());
    EXPECT_EQ(Small(ToolbarCommand::Undo)->property("glyph").toString(), "TB_UNDO_DIS");
}

TEST_F(CommandsTest, OpenAndCustomizeComeWithTheirDialogs) {
    TfrmMain& w = StartNormal();
    MainCommands& c = Commands();
    int opened = 0;
    int customized = 0;
    c.SetOpenCommand([&opened] { ++opened; });
    EXPECT_TRUE(c.Menu().mnuOpen->isEnabled());
    EXPECT_TRUE(Small(ToolbarCommand::Open)->isEnabled());
    EXPECT_TRUE(Large(ToolbarCommand::Open)->isEnabled());
    QTest::keyClick(&w, Qt::Key_F12, Qt::ControlModifier);
    Small(ToolbarCommand::Open)->click();
    EXPECT_EQ(opened, 2);

    c.SetCustomizeCommand([&customized] { ++customized; });
    EXPECT_TRUE(c.Menu().mnuCustomize->isEnabled());
    QTest::keyClick(&w, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(customized, 1);
    // A game that the screen cannot show in its own cards makes Customize unavailable.
    c.SetCustomizeAvailable(false);
    EXPECT_FALSE(c.Menu().mnuCustomize->isEnabled());
    QTest::keyClick(&w, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(customized, 1);
    c.SetCustomizeAvailable(true);
    EXPECT_TRUE(c.Menu().mnuCustomize->isEnabled());
}

TEST_F(CommandsTest, TheAutoplayCommandKeepsItsStatePerGame) {
    // Autoplay kept per game: GameId 1 (the stored game) is off.
    TfrmMain& w = StartNormal("AutoPlay_All_Games=2\n[Autoplay]\nGames=YN\n");
    MainCommands& c = Commands();
    EXPECT_FALSE(c.AutoplayTicked());
    EXPECT_FALSE(Small(ToolbarCommand::Autoplay)->isChecked());

    QTest::keyClick(&w, Qt::Key_F7);
    EXPECT_TRUE(c.AutoplayTicked());
    EXPECT_TRUE(c.Menu().mnuAutoPlay->isChecked());
    EXPECT_TRUE(Small(ToolbarCommand::Autoplay)->isChecked());
    EXPECT_TRUE(Large(ToolbarCommand::Autoplay)->isChecked());
    EXPECT_EQ(Pref("Games", "Autoplay").substr(0, 3), "YYY");

    // The button: up again, both buttons and the check follow, and the store.
    Small(ToolbarCommand::Autoplay)->click();
    EXPECT_FALSE(c.AutoplayTicked());
    EXPECT_FALSE(c.Menu().mnuAutoPlay->isChecked());
    EXPECT_FALSE(Small(ToolbarCommand::Autoplay)->isChecked());
    EXPECT_FALSE(Large(ToolbarCommand::Autoplay)->isChecked());
    EXPECT_EQ(Pref("Games", "Autoplay")[1], 'N');

    // Another game's stored state is applied when that game is loaded.
    app->settings.Put(field::GameId, "0002");
    c.ApplyStoredGameAutoplay();
    EXPECT_TRUE(c.AutoplayTicked());
    app->settings.Put(field::GameId, "0001");
    c.ApplyStoredGameAutoplay();
    EXPECT_FALSE(c.AutoplayTicked());

    // Per game, nothing is written as AutoPlay at close.
    EXPECT_TRUE(w.close());
    EXPECT_EQ(Pref("AutoPlay"), "<none>");
}

TEST_F(CommandsTest, OneAutoplayForAllGamesIsWrittenAtClose) {
    TfrmMain& w = StartNormal();
    ASSERT_TRUE(Commands().AutoplayTicked());
    Commands().Menu().mnuAutoPlay->trigger();
    EXPECT_FALSE(Commands().AutoplayTicked());
    EXPECT_FALSE(Commands().Menu().mnuAutoPlay->isChecked());
    // Not kept per game.
    EXPECT_EQ(Pref("Games", "Autoplay"), "<none>");
    EXPECT_TRUE(w.close());
    EXPECT_EQ(Pref("AutoPlay"), "N");
}

TEST_F(CommandsTest, HelpHomePageAboutAndExit) {
    TfrmMain& w = StartNormal();
    MainCommands& c = Commands();
    MainMenu& m = c.Menu();

    Small(ToolbarCommand::Rules)->click();
    ASSERT_NE(app->help.Viewer("rules"), nullptr);
    EXPECT_TRUE(app->help.Viewer("rules")->CurrentPage().path().endsWith("/topics/3001.html"));
    m.Sommario1->trigger();
    ASSERT_NE(app->help.Viewer("proc"), nullptr);
    EXPECT_TRUE(app->help.Viewer("proc")->CurrentPage().path().endsWith("/topics/contents.html"));

    // F1 on a highlighted item of an open menu opens that item's topic.
    m.mnuGameMenu->popup(w.mapToGlobal(QPoint(20, 20)));
    m.mnuGameMenu->setActiveAction(m.mnuAutoPlay);
    QTest::keyClick(m.mnuGameMenu, Qt::Key_F1);
    EXPECT_FALSE(m.mnuGameMenu->isVisible());
    EXPECT_TRUE(app->help.Viewer("proc")->CurrentPage().path().endsWith("/topics/4007.html"));

    std::vector<QUrl> opened;
    c.openUrl = [&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    m.mnuBravellHomePage->trigger();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QString::fromLatin1(kHomePageAddress.data())));
    EXPECT_TRUE(messages->messages.empty());
    // No browser took it: the player is told where the page is.
    c.openUrl = [](const QUrl&) { return false; };
    m.mnuBravellHomePage->trigger();
    ASSERT_EQ(messages->messages.size(), 1u);
    EXPECT_EQ(messages->messages[0].kind, "Information");
    EXPECT_NE(messages->messages[0].text.find(std::string(kHomePageAddress)), std::string::npos);

    // The about box, closed as soon as it is up; its sound played.
    bool aboutShown = false;
    QTimer::singleShot(0, [&aboutShown] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            aboutShown = box->objectName() == "frmAbout";
            box->close();
        }
    });
    m.mnuAbout->trigger();
    EXPECT_TRUE(aboutShown);
    ASSERT_FALSE(sounds->played.empty());
    EXPECT_EQ(sounds->played.back().first, "About");

    // Exit from the toolbar closes the window.
    bool closed = false;
    QObject::connect(&w, &TfrmMain::Closed, [&closed] { closed = true; });
    Small(ToolbarCommand::Exit)->click();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(CommandsTest, TheClockTicksOnceASecondAndCrossesMidnight) {
    TfrmMain& w = StartNormal();
    HeaderPanels& h = Header();
    QTime now(23, 59, 30);
    h.Clock().SetTimeSource([&now] { return now; });
    EXPECT_EQ(w.lblTempo->text(), "0:00:00");

    h.StartClock();
    app->game.flags.clockRunning = true;
    now = QTime(0, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return w.lblTempo->text() == "0:00:29"; }));
    now = QTime(0, 0, 30);
    EXPECT_TRUE(WaitFor([&] { return w.lblTempo->text() == "0:00:59"; }));

    // A stopped clock keeps what it showed.
    app->game.flags.clockRunning = false;
    now = QTime(0, 5, 0);
    QTest::qWait(1200);
    EXPECT_EQ(w.lblTempo->text(), "0:00:59");
    h.ResetClock();
    EXPECT_EQ(w.lblTempo->text(), "0:00:00");
}

}  // namespace
}  // namespace tindle::test
