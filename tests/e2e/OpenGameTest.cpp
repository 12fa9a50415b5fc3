// The game chooser in the running program: shown at the first start, opening the chosen game,
// and what it leaves when closed without a choice.

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "shell/Commands.h"
#include "shell/HelpSystem.h"
#include "shell/HelpViewer.h"
#include "shell/MainWindowPlay.h"
#include "shell/OpenGameChooser.h"
#include "shell/OpenGamePreview.h"
#include "shell/TfrmOpenGame.h"
#include "table/ResourceNames.h"

namespace tindle::test {
namespace {

class OpenGameProgram : public MainWindowFixture {
  protected:
    void TearDown() override {
        chooser.reset();
        window.reset();
    }

    // Starts the program as its entry does, with the chooser; `whileShown` runs once the
    // chooser is on the screen (it must close it, or the start never ends).
    void StartWith(std::function<void(TfrmOpenGame&)> whileShown) {
        TfrmMain& w = Create();
        ASSERT_TRUE(w.Created());
        chooser = std::make_unique<OpenGameChooser>(*app, w);
        w.onOpenGameAtStart = [this, inner = w.onOpenGameAtStart] {
            ++chooserOpened;
            inner();
        };
        QTimer poll;
        poll.setInterval(5);
        bool ran = false;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            TfrmOpenGame* dialog = chooser->Dialog();
            if (ran || !dialog || !dialog->isVisible()) return;
            ran = true;
            whileShown(*dialog);
        });
        poll.start();
        w.PlaceMainWindow();
        w.show();
        Settle();
        poll.stop();
    }

    static QTreeWidget* Tree(TfrmOpenGame& d) { return d.findChild<QTreeWidget*>("trvGames"); }
    static void Select(TfrmOpenGame& d, const QString& name) {
        QTreeWidgetItem* root = Tree(d)->topLevelItem(0);
        for (int i = 0; i < root->childCount(); ++i)
            if (root->child(i)->text(0) == name) Tree(d)->setCurrentItem(root->child(i));
    }
    static void Click(TfrmOpenGame& d, const char* button) {
        d.findChild<QPushButton*>(button)->click();
    }
    static void Key(QWidget* target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
    }
    static QImage Preview(TfrmOpenGame& d) {
        return d.findChild<QLabel*>("imgGame")->pixmap().toImage().convertToFormat(
            QImage::Format_RGB32);
    }
    QImage ExpectedPreview(int gameId) const {
        const QImage background =
            PreviewFadingBackground(QSize(kGamePreviewWidth, kGamePreviewHeight));
        return ComposePreview(background, app->library.Bitmap(GamePreviewName(gameId)));
    }
    int Informations(const std::string& text) const {
        int n = 0;
        for (const auto& m : messages->messages)
            n += m.kind == "Information" && m.text == text;
        return n;
    }

    std::unique_ptr<OpenGameChooser> chooser;
};

TEST_F(OpenGameProgram, FirstStartShowsTheChooserAndOpensTheChosenGame) {
    WritePrefs("[Preference]\nCards_Animate=N\nDeal_Animation=N\nSounds_Enabled=N\n");
    QString selectedAtStart;
    bool expanded = false;
    QImage previewAtStart, previewOfTheNext;
    StartWith([&](TfrmOpenGame& d) {
        expanded = Tree(d)->topLevelItem(0)->isExpanded();
        selectedAtStart = Tree(d)->currentItem() ? Tree(d)->currentItem()->text(0) : "";
        previewAtStart = Preview(d);
        Select(d, "Klondike");
        previewOfTheNext = Preview(d);
        Click(d, "btnOK");
    });
    EXPECT_EQ(chooserOpened, 1);
    EXPECT_TRUE(expanded);
    EXPECT_EQ(selectedAtStart, "Freecell");  // GameId 1, the default of a first start
    // The preview composed ahead for the game current at the start, and the next one's.
    EXPECT_EQ(previewAtStart, ExpectedPreview(1));
    EXPECT_EQ(previewOfTheNext, ExpectedPreview(2));
    EXPECT_NE(previewOfTheNext, previewAtStart);
    // Klondike is dealt with a new number and remembered.
    EXPECT_TRUE(app->game.flags.gameInProgress);
    EXPECT_EQ(app->settings.Get(field::GameId), "0002");
    EXPECT_EQ(app->settings.Get(field::GameName), "Klondike");
    EXPECT_EQ(app->game.def[gd::TableauCount], 7);
    EXPECT_EQ(app->settings.Get(field::GameNumber).size(), 13u);
    EXPECT_TRUE(window->windowTitle().contains("[Klondike]"))
        << window->windowTitle().toStdString();
    EXPECT_EQ(Pref("Game"), "2");
    EXPECT_EQ(Pref("Game_Name"), "Klondike");
    EXPECT_EQ(Pref("Game_TreeNum"), "-30");
    EXPECT_EQ(Pref("Open_Preview_Game"), "Y");
    EXPECT_FALSE(chooser->Dialog()->Confirmed());
    EXPECT_TRUE(window->Play()->AutoplayEnabled());
}

TEST_F(OpenGameProgram, ThePreviewComposedAheadIsShownOnlyForItsGame) {
    ASSERT_TRUE(Create().Created());
    app->settings.Put(field::GameId, "0001");
    TfrmOpenGame dialog(app->catalogue, app->settings, app->library, app->Messages());
    // Another game made current between the dialog's making and its first description.
    app->settings.Put(field::GameId, "0002");
    dialog.PrepareShowing();
    EXPECT_EQ(Preview(dialog), ExpectedPreview(2));
}

TEST_F(OpenGameProgram, EnterOnTheFolderIsRefusedAndTheChooserStaysOpen) {
    WritePrefs("[Preference]\nSounds_Enabled=N\n");
    bool stillShown = false;
    bool okEnabled = true;
    StartWith([&](TfrmOpenGame& d) {
        Tree(d)->setCurrentItem(Tree(d)->topLevelItem(0));
        okEnabled = d.findChild<QPushButton*>("btnOK")->isEnabled();
        Key(Tree(d), Qt::Key_Return);
        stillShown = d.isVisible();
        Key(&d, Qt::Key_Escape);
    });
    EXPECT_FALSE(okEnabled);
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(Informations("Open a game"), 1);
    // Cancelled: nothing dealt, the stored game kept.
    EXPECT_FALSE(app->game.flags.gameInProgress);
    EXPECT_EQ(app->settings.Get(field::GameId), "0001");
}

TEST_F(OpenGameProgram, StoredGameNotInTheCatalogueLeavesTheGameCommandsOffAfterCancel) {
    WritePrefs("[Preference]\nGame=77\nSounds_Enabled=N\n");
    QTreeWidgetItem* selected = reinterpret_cast<QTreeWidgetItem*>(1);
    StartWith([&](TfrmOpenGame& d) {
        selected = Tree(d)->currentItem();
        Click(d, "btnCancel");
    });
    EXPECT_EQ(app->settings.Get(field::GameId), "-001");
    // Nothing of the catalogue was selected: the folder is.
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->data(0, TfrmOpenGame::kCodeRole).toInt(), TfrmOpenGame::kAllGamesFolder);
    EXPECT_FALSE(app->game.flags.gameInProgress);
    // New game, Rules, Autoplay, Undo and Redo are off until a game is chosen.
    const MainMenu& menu = window->Commands().Menu();
    for (QAction* command :
         {menu.mnuNew, menu.mnuRules, menu.mnuAutoPlay, menu.mnuUndo, menu.mnuRedo})
        EXPECT_FALSE(command->isEnabled()) << command->text().toStdString();
    EXPECT_TRUE(menu.mnuOpen->isEnabled());

    // Choosing a game through the Open command turns them on again.
    QTimer::singleShot(0, chooser->Dialog(), [&] {
        Select(*chooser->Dialog(), "Freecell");
        Click(*chooser->Dialog(), "btnOK");
    });
    menu.mnuOpen->trigger();
    EXPECT_TRUE(app->game.flags.gameInProgress);
    for (QAction* command : {menu.mnuNew, menu.mnuRules, menu.mnuAutoPlay})
        EXPECT_TRUE(command->isEnabled()) << command->text().toStdString();
}

TEST_F(OpenGameProgram, PreviewSwitchedOffIsRememberedForTheNextStart) {
    WritePrefs("[Preference]\nCards_Animate=N\nDeal_Animation=N\nSounds_Enabled=N\n");
    StartWith([&](TfrmOpenGame& d) {
        d.findChild<QCheckBox*>("chkPreview")->setChecked(false);
        Click(d, "btnOK");
    });
    EXPECT_EQ(Pref("Open_Preview_Game"), "N");
    EXPECT_TRUE(app->game.flags.gameInProgress);

    // The next start: the chooser comes without a preview, the game confirmed last selected.
    chooser.reset();
    window.reset();
    app.reset();
    bool previewTicked = true;
    QString selected;
    StartWith([&](TfrmOpenGame& d) {
        previewTicked = d.findChild<QCheckBox*>("chkPreview")->isChecked();
        selected = Tree(d)->currentItem()->text(0);
        Click(d, "btnCancel");
    });
    EXPECT_FALSE(previewTicked);
    EXPECT_EQ(selected, "Freecell");
}

TEST_F(OpenGameProgram, AReturningPlayerGetsNoChooserAndNoDeal) {
    WritePrefs("[Preference]\nSounds_Enabled=N\n");
    WriteFile(Data("Stat_e01.dat"), "stats");
    StartWith([](TfrmOpenGame& d) { d.reject(); });
    EXPECT_EQ(chooserOpened, 0);
    EXPECT_FALSE(app->game.flags.gameInProgress);
    EXPECT_EQ(chooser->Dialog(), nullptr) << "the chooser is made only when first shown";

    // The Open command makes it then, and every later Open shows that same dialog again.
    auto shownByOpen = [this] {
        TfrmOpenGame* shown = nullptr;
        QTimer::singleShot(0, window.get(), [&] {
            shown = chooser->Dialog();
            if (shown) shown->reject();
        });
        window->Commands().Menu().mnuOpen->trigger();
        return shown;
    };
    TfrmOpenGame* const first = shownByOpen();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(shownByOpen(), first);
    EXPECT_EQ(window->findChildren<TfrmOpenGame*>().size(), 1);
}

TEST_F(OpenGameProgram, OpenCommandOffersTheChooserAgainWithTheGameInPlaySelected) {
    WritePrefs(
        "[Preference]\nConfirmQuitGame=Y\nCards_Animate=N\nDeal_Animation=N\nSounds_Enabled=N\n");
    StartWith([&](TfrmOpenGame& d) {
        Select(d, "Klondike");
        Click(d, "btnOK");
    });
    ASSERT_TRUE(app->game.flags.gameInProgress);
    const std::string firstNumber = app->settings.Get(field::GameNumber);
    TfrmOpenGame* const shownAtStart = chooser->Dialog();

    QString selected;
    QTimer::singleShot(0, chooser->Dialog(), [&] {
        selected = Tree(*chooser->Dialog())->currentItem()->text(0);
        Select(*chooser->Dialog(), "Freecell");
        Click(*chooser->Dialog(), "btnOK");
    });
    // Ctrl+F12; a game in progress is given up only after the player agrees.
    messages->confirmAnswer = true;
    const MainMenu& menu = window->Commands().Menu();
    EXPECT_EQ(menu.mnuOpen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F12));
    menu.mnuOpen->trigger();
    EXPECT_EQ(chooser->Dialog(), shownAtStart) << "the dialog of the start is shown again";
    EXPECT_EQ(selected, "Klondike");
    int confirmations = 0;
    for (const auto& m : messages->messages)
        confirmations += m.kind == "Confirm" && m.text == "Quit this game?";
    EXPECT_EQ(confirmations, 1);
    EXPECT_EQ(app->settings.Get(field::GameId), "0001");
    EXPECT_EQ(app->game.def[gd::TableauCount], 8);
    EXPECT_TRUE(app->game.flags.gameInProgress);
}

// Winnable deals only: a game opened from the chooser is dealt, as New game is, the number the
// winnable search answers, searched once the chosen game is loaded; Restart and Select game
// number deal the number the player asked for; a game whose deals the solver seldom wins is
// dealt as usual, and so is every game with the option off.
TEST_F(OpenGameProgram, WinnableDealsOnlyChoosesTheNumberOfAnOpenedGameNotOfARestart) {
    WritePrefs(
        "[Preference]\nConfirmQuitGame=N\nCards_Animate=N\nDeal_Animation=N\n"
        "Sounds_Enabled=N\nWinnable_Deals_Only=Y\n");
    WriteFile(dir.Path() / "WINNABLE.DAT", "2 826 1000 Klondike\n5 39 200 Forty Thieves\n");
    std::vector<std::string> searchedGames;
    const auto fakeSearch = [&]() -> std::optional<std::string> {
        searchedGames.push_back(app->settings.Get(field::GameId) + " of " +
                                std::to_string(app->game.def[gd::TableauCount]) + " columns");
        return "0000000000042";
    };
    StartWith([&](TfrmOpenGame& d) {
        window->Play()->findWinnableNumber = fakeSearch;
        Select(d, "Klondike");
        Click(d, "btnOK");
    });
    EXPECT_EQ(searchedGames, std::vector<std::string>{"0002 of 7 columns"});
    EXPECT_EQ(app->settings.Get(field::GameNumber), "0000000000042");
    EXPECT_EQ(app->game.def[gd::TableauCount], 7);
    EXPECT_TRUE(app->game.flags.gameInProgress);

    PlayCommandHooks& play = window->Commands().play;
    play.dealNumber("7");
    play.restart();
    EXPECT_EQ(app->settings.Get(field::GameNumber), "0000000000007");
    EXPECT_EQ(searchedGames.size(), 1u);
    play.newGame();
    EXPECT_EQ(searchedGames.size(), 2u);
    EXPECT_EQ(app->settings.Get(field::GameNumber), "0000000000042");

    // A game opened from the chooser that gets a number drawn as usual, searched for nothing.
    const auto openedUnsearched = [&](const char* name, const char* gameId) {
        QTimer::singleShot(0, chooser->Dialog(), [&] {
            Select(*chooser->Dialog(), name);
            Click(*chooser->Dialog(), "btnOK");
        });
        window->Commands().Menu().mnuOpen->trigger();
        EXPECT_EQ(app->settings.Get(field::GameId), gameId);
        EXPECT_EQ(searchedGames.size(), 2u);
        EXPECT_NE(app->settings.Get(field::GameNumber), "0000000000042");
    };
    openedUnsearched("Forty Thieves", "0005");
    // Switched off: every game.
    app->settings.Put(field::WinnableDealsOnly, "N");
    openedUnsearched("Freecell", "0001");
}

TEST_F(OpenGameProgram, RulesFromTheChooserComeToTheFrontAndWorkWhileItIsOpen) {
    WritePrefs("[Preference]\nCards_Animate=N\nDeal_Animation=N\nSounds_Enabled=N\n");
    bool activeAfterRules = false;
    std::string pageAfterContents;
    bool chooserStillOpen = false;
    StartWith([&](TfrmOpenGame& d) {
        Select(d, "Klondike");
        Click(d, "btnRules");
        HelpViewer* viewer = app->help.Viewer(kRulesWindow);
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->PageTitle(), "Klondike");
        // The chooser is modal for the main window only: the help takes the focus, and its
        // buttons answer a click while the chooser waits.
        activeAfterRules = QTest::qWaitForWindowActive(viewer, 1000);
        ClickAsTheWindowSystem(viewer->findChild<QPushButton*>("btnContents"));
        pageAfterContents = viewer->CurrentPage().fileName().toStdString();
        chooserStillOpen = d.isVisible() && d.windowModality() == Qt::WindowModal;
        Click(d, "btnCancel");
    });
    EXPECT_TRUE(activeAfterRules);
    EXPECT_EQ(pageAfterContents, "contents.html");
    EXPECT_TRUE(chooserStillOpen);
}

}  // namespace
}  // namespace tindle::test
