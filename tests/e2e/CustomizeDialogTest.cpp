#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <set>
#include <string>

#include "e2e/MainWindowFixture.h"
#include "model/Deal.h"
#include "model/GameNumber.h"
#include "play/Sounds.h"
#include "shell/Commands.h"
#include "shell/HelpViewer.h"
#include "shell/TfrmCustomize_Freeware.h"
#include "shell/settings/PreferencesLoader.h"
#include "table/ResourceNames.h"

namespace tindle::test {
namespace {

class CustomizeDialog : public MainWindowFixture {
  protected:
    // The main window with Klondike dealt (face-down cards show the back) and drawn.
    TfrmMain& StartWithGame(const std::string& prefs = "") {
        WritePrefs(
            "[Preference]\nGame=2\nMainWindowState_Maximized=N\nMainWindowState_Width=800\n"
            "MainWindowState_Height=560\n" +
            prefs);
        TfrmMain& w = Start();
        const auto number = ParseGameNumber("4711");
        EXPECT_TRUE(number.has_value());
        DealGame(app->game, *number, DealContext{});
        app->game.flags.gameInProgress = true;
        w.FormResize();
        Settle();
        return w;
    }
    // A new dialog, shown (not modally) so that the test can work it.
    TfrmCustomize_Freeware& Open() {
        dialog = std::make_unique<TfrmCustomize_Freeware>(*app, *window);
        dialog->show();
        QCoreApplication::processEvents();
        return *dialog;
    }
    static QTreeWidgetItem* Node(QTreeWidget* tree, const QString& text) {
        const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    // Chooses a node as a click does.
    static void Choose(QTreeWidget* tree, const QString& text) {
        QTreeWidgetItem* node = Node(tree, text);
        ASSERT_NE(node, nullptr) << text.toStdString();
        tree->setCurrentItem(node);
        QCoreApplication::processEvents();
    }
    static QString Selected(QTreeWidget* tree) {
        const auto selected = tree->selectedItems();
        return selected.isEmpty() ? QString() : selected.front()->text(0);
    }
    // The background pixel of the table at a place no pile covers.
    QRgb TableBackgroundPixel() const {
        const QImage& image = app->renderer.BackgroundImage();
        return image.pixel(image.width() / 2, image.height() - 40);
    }

    std::unique_ptr<TfrmCustomize_Freeware> dialog;
};

TEST_F(CustomizeDialog, ItsFormAndItsHiddenControls) {
    Start();
    TfrmCustomize_Freeware& d = Open();
    EXPECT_EQ(d.windowTitle(), "Customize");
    EXPECT_EQ(d.size(), QSize(400, 301));
    ASSERT_EQ(d.pgcCustomize->count(), 4);
    EXPECT_EQ(d.pgcCustomize->tabText(0), "&General");
    EXPECT_EQ(d.pgcCustomize->tabText(1), "&Decks  ");
    EXPECT_EQ(d.pgcCustomize->tabText(2), "&Backgrounds");
    EXPECT_EQ(d.pgcCustomize->tabText(3), "&Sounds");
    EXPECT_EQ(d.btnOK->text(), "OK");
    EXPECT_TRUE(d.btnOK->isDefault());
    EXPECT_EQ(d.btnAnnulla->text(), "Cancel");
    EXPECT_EQ(d.btnAiuto->text(), "&?");
    EXPECT_EQ(d.grpTimeScore->title(), "Time / Scores options");
    EXPECT_EQ(d.chkShowTime->text(), "Show &time");
    EXPECT_EQ(d.chkShowScore->text(), "Show sco&re");
    EXPECT_EQ(d.chkConfirmQuitGame->text(), "C&onfirm quit game");
    EXPECT_EQ(d.chkFadeBackground->text(), "&Fade background");
    EXPECT_EQ(d.chkSoundsEnabled->text(), "Disable all &sounds");
    // Not shown, yet carrying their values.
    EXPECT_TRUE(d.grpButtons->isHidden());
    EXPECT_EQ(d.grpButtons->title(), "Buttons ");
    EXPECT_EQ(d.chkTBLargeIcons->text(), "&Large buttons");
    EXPECT_FALSE(d.chkTBLargeIcons->isChecked());
    EXPECT_TRUE(d.chkTBFlatBtn->isChecked());
    EXPECT_TRUE(d.chkWinningAnimation->isHidden());
    EXPECT_TRUE(d.chkWinningAnimation->isChecked());
    EXPECT_TRUE(d.chkConfirmOnExit->isHidden());
    EXPECT_FALSE(d.chkConfirmOnExit->isChecked());
    // Every control lies inside the client area.
    for (QWidget* child : {static_cast<QWidget*>(d.pgcCustomize), static_cast<QWidget*>(d.btnOK),
                           static_cast<QWidget*>(d.btnAnnulla), static_cast<QWidget*>(d.btnAiuto)})
        EXPECT_TRUE(d.rect().contains(child->geometry())) << child->objectName().toStdString();
    // The trees, their folders first level sorted, with their icons.
    ASSERT_EQ(d.trvBackGround->topLevelItemCount(), 3);
    EXPECT_EQ(d.trvBackGround->topLevelItem(0)->text(0), "Colors");
    EXPECT_EQ(d.trvBackGround->topLevelItem(2)->text(0), "Under 256 colors");
    EXPECT_EQ(d.trvCardBack->topLevelItemCount(), 7);
    EXPECT_FALSE(d.trvCardBack->topLevelItem(0)->icon(0).isNull());
    EXPECT_FALSE(Node(d.trvBackGround, "Parquet")->icon(0).isNull());
}

TEST_F(CustomizeDialog, DefaultPreferencesOpenWithGreenAndPlaiting1) {
    Start();
    TfrmCustomize_Freeware& d = Open();
    EXPECT_EQ(Selected(d.trvBackGround), "Green");
    EXPECT_EQ(d.Choices().backgroundCode, 32768);
    EXPECT_EQ(d.lblBackGround->text(), "Green");
    EXPECT_TRUE(d.chkFadeBackground->isChecked());
    // A green fade: nearly (0, 128, 0) at the top, black at the bottom.
    const QImage& sample = d.BackgroundSampleImage();
    ASSERT_FALSE(sample.isNull());
    EXPECT_EQ(sample.size(), d.imgSfondoEsempio->size());
    EXPECT_EQ(qRed(sample.pixel(5, 0)), 0);
    EXPECT_GE(qGreen(sample.pixel(5, 0)), 125);
    // With fewer rows than bands the bottom row takes the darkest band that reaches it.
    EXPECT_LE(qGreen(sample.pixel(5, sample.height() - 1)), 2);

    EXPECT_EQ(Selected(d.trvCardBack), "Plaiting 1");
    EXPECT_EQ(d.lblDecks->text(), "Plaiting 1");
    // The back DB011 lies on the Decks sample, its background around it.
    const QImage back = app->library.Bitmap("DB011").convertToFormat(QImage::Format_RGB32);
    const QImage& decks = d.DecksSampleImage();
    const QPoint at = d.BackPlace();
    EXPECT_EQ(decks.pixel(at + QPoint(35, 48)), back.pixel(35, 48));
    EXPECT_EQ(decks.pixel(at + QPoint(10, 20)), back.pixel(10, 20));
    EXPECT_EQ(decks.pixel(at + QPoint(72, 0)), decks.pixel(at + QPoint(74, 0)));

    EXPECT_FALSE(d.chkSoundsEnabled->isChecked());
    EXPECT_TRUE(d.chkShowTime->isChecked());
    EXPECT_TRUE(d.chkShowScore->isChecked());
    EXPECT_FALSE(d.chkConfirmQuitGame->isChecked());
    EXPECT_TRUE(d.RestoreMark());
}

TEST_F(CustomizeDialog, ParquetAndOkStoresThePictureAndDrawsIt) {
    StartWithGame();
    TfrmCustomize_Freeware& d = Open();
    Choose(d.trvBackGround, "Parquet");
    EXPECT_EQ(d.lblBackGround->text(), "Parquet");
    // The sample is the picture tiled at its own size.
    const QImage tile = app->library.Bitmap("B311").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(tile.isNull());
    const QImage& sample = d.BackgroundSampleImage();
    EXPECT_EQ(sample.pixel(3, 4), tile.pixel(3, 4));
    EXPECT_EQ(sample.pixel(tile.width() + 3, 4), tile.pixel(3, 4));
    // Browsing leaves the table alone.
    EXPECT_EQ(app->settings.Get(field::BackgroundBmp), "0");

    d.btnOK->click();
    QCoreApplication::processEvents();
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.RestoreMark());
    EXPECT_EQ(Pref("Background_bmp"), "311");
    EXPECT_EQ(Pref("Background_Fixed_Col"), "0");
    EXPECT_EQ(Pref("Background_Def"), "N");
    EXPECT_EQ(app->settings.Get(field::BackgroundBmp), "311");
    // The table is drawn on the picture.
    const QImage& background = app->renderer.BackgroundImage();
    EXPECT_EQ(background.pixel(3, 4), tile.pixel(3, 4));
    EXPECT_EQ(background.pixel(2 * tile.width() + 5, tile.height() + 6), tile.pixel(5, 6));
}

TEST_F(CustomizeDialog, WhiteAndOkStoresTheFixedColour) {
    StartWithGame();
    TfrmCustomize_Freeware& d = Open();
    Choose(d.trvBackGround, "White");
    d.chkFadeBackground->setChecked(false);
    // The options of play and drawing are read from the file at start and again after OK.
    PreferencesFile(Prefs()).WriteString(section::Preference, "HighLights_Foundations_Mark", "2");
    EXPECT_EQ(app->settings.options.highlightMark, 0);
    d.btnOK->click();
    EXPECT_EQ(Pref("Background_bmp"), "0");
    EXPECT_EQ(Pref("Background_Fixed_Col"), "16777215");
    EXPECT_EQ(Pref("Background_Def"), "N");
    EXPECT_EQ(Pref("Fade_Background"), "N");
    EXPECT_EQ(TableBackgroundPixel(), qRgb(255, 255, 255));
    EXPECT_EQ(app->settings.options.highlightMark, 2);
}

TEST_F(CustomizeDialog, AFolderOfBackgroundsMeansTheDefault) {
    StartWithGame();
    TfrmCustomize_Freeware& d = Open();
    Choose(d.trvBackGround, "Over 256 colors");
    EXPECT_EQ(d.Choices().backgroundCode, 0);
    EXPECT_EQ(d.BackgroundSampleImage().pixel(10, 10), qRgb(0, 96, 0));
    d.btnOK->click();
    EXPECT_EQ(Pref("Background_Def"), "Y");
    EXPECT_EQ(Pref("Background_bmp"), "0");
    EXPECT_EQ(Pref("Background_Fixed_Col"), "0");
    EXPECT_EQ(TableBackgroundPixel(), qRgb(0, 96, 0));
}

TEST_F(CustomizeDialog, AFolderOfBacksChangesNoBack) {
    StartWithGame();
    {
        TfrmCustomize_Freeware& d = Open();
        Choose(d.trvCardBack, "Flowers");
        EXPECT_EQ(d.lblDecks->text(), "Plaiting 1");
        d.btnOK->click();
        EXPECT_EQ(Pref("Back_Card"), "11");
        EXPECT_EQ(app->settings.Get(field::BackCard), "011");
    }
    {
        // The back chosen before a folder stays chosen: it is the one the sample shows.
        TfrmCustomize_Freeware& d = Open();
        Choose(d.trvCardBack, "Roses");
        EXPECT_EQ(d.lblDecks->text(), "Roses");
        Choose(d.trvCardBack, "Animals");
        EXPECT_EQ(d.lblDecks->text(), "Roses");
        d.btnOK->click();
        EXPECT_EQ(Pref("Back_Card"), "14");
        EXPECT_EQ(app->settings.Get(field::BackCard), "014");
        // The table's back is the new one.
        const QImage roses = app->library.Bitmap("DB014").convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(app->pictures.Back().convertToFormat(QImage::Format_RGB32), roses);
    }
}

TEST_F(CustomizeDialog, DisablingSoundsSilencesEverySoundAtOnce) {
    Start();
    TfrmCustomize_Freeware& d = Open();
    d.pgcCustomize->setCurrentWidget(d.tabSounds);
    d.chkSoundsEnabled->setChecked(true);
    const int stopsBefore = sounds->stops;
    d.btnOK->click();
    EXPECT_EQ(Pref("Sounds_Enabled"), "N");
    EXPECT_EQ(app->settings.Get(field::SoundsEnabled), "N");
    EXPECT_EQ(sounds->stops, stopsBefore + 1);
    sounds->played.clear();
    for (SettingField eventSwitch :
         {field::SoundsNewGame, field::SoundsGameWon, field::SoundsShuffle, field::SoundsRedeal,
          field::SoundsTableau, field::SoundsFoundation, field::SoundsUndo, field::SoundsAbout})
        PlayGatedSound(app->settings, *sounds, "Won", eventSwitch);
    EXPECT_TRUE(sounds->played.empty());
}

TEST_F(CustomizeDialog, CancelAfterBrowsingLeavesTheTableExactlyAsItWas) {
    StartWithGame();
    const QImage before = app->renderer.TableImage().copy();
    const SettingsRecord settingsBefore = app->settings;
    const QImage backBefore = app->pictures.Back().copy();

    TfrmCustomize_Freeware& d = Open();
    for (const char* background : {"Parquet", "White", "Meadow", "Colors", "Navy"})
        Choose(d.trvBackGround, background);
    for (const char* back : {"Roses", "Lake", "Snowman"})
        Choose(d.trvCardBack, back);
    d.chkFadeBackground->setChecked(false);
    d.chkShowTime->setChecked(false);
    d.pgcCustomize->setCurrentWidget(d.tabDecks);
    // Whatever changed the card size and set meanwhile is put back too.
    app->settings.Put(field::CardSize, "L");
    app->settings.Put(field::CardSet, "003");
    d.btnAnnulla->click();
    QCoreApplication::processEvents();

    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(d.RestoreMark());
    for (SettingField f : {field::CardSize, field::CardSet, field::FadeBackground, field::BackCard,
                           field::BackgroundBmp, field::BackgroundCol, field::BackgroundFixedCol,
                           field::BackgroundDef, field::PilesTT, field::ShowTime})
        EXPECT_EQ(app->settings.Get(f), settingsBefore.Get(f)) << f.position;
    EXPECT_EQ(app->pictures.CardWidth(), 71);
    EXPECT_EQ(app->pictures.Back(), backBefore);
    EXPECT_EQ(Pref("Background_bmp"), "<none>");
    EXPECT_EQ(Pref("Back_Card"), "<none>");
    const QImage& after = app->renderer.TableImage();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(after == before) << "the table changed";

    // The same browsing confirmed with OK does change the table.
    TfrmCustomize_Freeware& again = Open();
    Choose(again.trvBackGround, "Navy");
    Choose(again.trvCardBack, "Snowman");
    again.btnOK->click();
    EXPECT_FALSE(app->renderer.TableImage() == before);
    EXPECT_EQ(app->settings.Get(field::BackCard), "003");
}

TEST_F(CustomizeDialog, TheCloseBoxIsACancel) {
    StartWithGame();
    const QImage before = app->renderer.TableImage().copy();
    TfrmCustomize_Freeware& d = Open();
    Choose(d.trvBackGround, "Brick wall 1");
    d.close();
    QCoreApplication::processEvents();
    EXPECT_EQ(app->settings.Get(field::BackgroundFixedCol), "32768");
    EXPECT_EQ(Pref("Background_bmp"), "<none>");
    EXPECT_TRUE(app->renderer.TableImage() == before);
}

TEST_F(CustomizeDialog, TheDefaultBackgroundStaysTheDefaultUntilAnotherIsChosen) {
    StartWithGame("Background_def=Y\n");
    TfrmCustomize_Freeware& d = Open();
    // The tree points at its second node without choosing it.
    ASSERT_NE(d.trvBackGround->currentItem(), nullptr);
    EXPECT_EQ(d.trvBackGround->currentItem()->text(0), "Blue");
    EXPECT_TRUE(d.trvBackGround->selectedItems().isEmpty());
    EXPECT_EQ(d.Choices().backgroundCode, 0);
    EXPECT_EQ(d.BackgroundSampleImage().pixel(20, 20), qRgb(0, 96, 0));
    d.btnOK->click();
    EXPECT_EQ(Pref("Background_Def"), "Y");
    EXPECT_EQ(Pref("Background_Fixed_Col"), "0");
    EXPECT_EQ(TableBackgroundPixel(), qRgb(0, 96, 0));

    // A click on that node chooses it.
    TfrmCustomize_Freeware& again = Open();
    QTreeWidgetItem* blue = again.trvBackGround->currentItem();
    ASSERT_NE(blue, nullptr);
    blue->setSelected(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(again.Choices().backgroundCode, 16711680);
    again.btnOK->click();
    EXPECT_EQ(Pref("Background_Fixed_Col"), "16711680");
    EXPECT_EQ(Pref("Background_Def"), "N");
}

TEST_F(CustomizeDialog, OpensOnTheStoredPictureAndPlainColour) {
    Start();
    app->settings.Put(field::BackgroundFixedCol, "0");
    app->settings.Put(field::BackgroundBmp, "304");
    {
        TfrmCustomize_Freeware& d = Open();
        EXPECT_EQ(Selected(d.trvBackGround), "Brick wall 1");
        EXPECT_TRUE(d.trvBackGround->currentItem()->parent()->isExpanded());
        d.btnAnnulla->click();
    }
    // No fixed colour and no picture: the plain colour, which no node offers.
    app->settings.Put(field::BackgroundBmp, "0");
    app->settings.Put(field::BackgroundCol, "255");
    app->settings.Put(field::FadeBackground, "N");
    TfrmCustomize_Freeware& d = Open();
    EXPECT_TRUE(d.trvBackGround->selectedItems().isEmpty());
    EXPECT_EQ(d.Choices().backgroundCode, 1);
    EXPECT_EQ(d.BackgroundSampleImage().pixel(0, 0), qRgb(255, 0, 0));
    d.btnOK->click();
    EXPECT_EQ(Pref("Background_Col"), "255");
    EXPECT_EQ(Pref("Background_Fixed_Col"), "0");
    EXPECT_EQ(Pref("Background_bmp"), "0");
}

TEST_F(CustomizeDialog, FadeFollowsTheBoxAndTheDisplay) {
    Start();
    TfrmCustomize_Freeware& d = Open();
    const int bottom = d.BackgroundSampleImage().height() - 1;
    EXPECT_LE(qGreen(d.BackgroundSampleImage().pixel(5, bottom)), 2);
    d.chkFadeBackground->setChecked(false);
    EXPECT_EQ(d.BackgroundSampleImage().pixel(5, bottom), qRgb(0, 128, 0));
    EXPECT_EQ(d.DecksSampleImage().pixel(2, 2), qRgb(0, 128, 0));
    d.btnAnnulla->click();

    // On a display of 256 colours or fewer a colour is never faded.
    app->renderer.SetDisplayColours(256);
    TfrmCustomize_Freeware& low = Open();
    EXPECT_TRUE(low.chkFadeBackground->isChecked());
    EXPECT_EQ(low.BackgroundSampleImage().pixel(5, bottom), qRgb(0, 128, 0));
    EXPECT_EQ(low.BackgroundSampleImage().pixel(5, 0), qRgb(0, 128, 0));
}

TEST_F(CustomizeDialog, ABackTheLibraryLacksLeavesTheSampleWithoutACard) {
    Start();
    app->settings.Put(field::BackCard, "002");
    app->settings.Put(field::FadeBackground, "N");
    TfrmCustomize_Freeware& d = Open();
    EXPECT_TRUE(d.trvCardBack->selectedItems().isEmpty());
    EXPECT_EQ(d.DecksSampleImage().pixel(d.BackPlace() + QPoint(35, 48)), qRgb(0, 128, 0));
    d.btnOK->click();
    EXPECT_EQ(Pref("Back_Card"), "2");
}

TEST_F(CustomizeDialog, OkSwitchesThePanelsAndToolbar) {
    TfrmMain& w = StartWithGame();
    ASSERT_TRUE(w.pnlTempo->isVisible());
    TfrmCustomize_Freeware& d = Open();
    d.chkShowTime->setChecked(false);
    d.chkConfirmQuitGame->setChecked(true);
    d.chkTBLargeIcons->setChecked(true);
    d.btnOK->click();
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.pnlTempo->isVisible());
    EXPECT_TRUE(w.pnlScore->isVisible());
    EXPECT_EQ(app->settings.Get(field::ShowTime), "N");
    EXPECT_EQ(app->settings.Get(field::ConfirmQuitGame), "Y");
    EXPECT_EQ(Pref("Show_Time"), "N");
    EXPECT_EQ(Pref("ConfirmQuitGame"), "Y");
    EXPECT_EQ(Pref("ToolBar_Large"), "Y");
    EXPECT_TRUE(w.pnlTB->isVisible());
    EXPECT_FALSE(w.pnlTB1->isVisible());
    // The table now starts below the large row.
    EXPECT_GE(app->mainGame.DestY(0), w.ToolBarBottom());
}

TEST_F(CustomizeDialog, ChoicesThePreferencesFileCannotTakeHoldForTheRunAndThePlayerIsTold) {
    StartWithGame();
    // A preferences file that cannot be read or replaced (a folder in its place).
    std::filesystem::remove(Prefs());
    std::filesystem::create_directory(Prefs());
    TfrmCustomize_Freeware& d = Open();
    d.cmbCardSize->setCurrentIndex(d.cmbCardSize->findData(150));
    d.chkShowTime->setChecked(false);
    d.btnOK->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(app->settings.options.cardZoom, 150);
    EXPECT_EQ(app->settings.Get(field::ShowTime), "N");
    ASSERT_EQ(messages->messages.size(), 1u);
    EXPECT_EQ(messages->messages[0].text, "The preferences cannot be written to " +
                                              Prefs().string() +
                                              ": the choices hold until the program closes.");
}

TEST_F(CustomizeDialog, TheQuestionMarkOpensItsHelpInFrontAndUsableWhileTheDialogWaits) {
    TfrmMain& w = Start();
    OfferCustomizeCommand(*app, w);
    HelpViewer* viewer = nullptr;
    bool active = false;
    std::string pageAfterContents;
    bool dialogWaits = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<TfrmCustomize_Freeware*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->btnAiuto->click();
        viewer = app->help.Viewer("proc");
        ASSERT_NE(viewer, nullptr);
        EXPECT_TRUE(viewer->CurrentPage().path().endsWith("/topics/1019.html"));
        active = QTest::qWaitForWindowActive(viewer, 1000);
        // The dialog is modal for the main window only: a click on the help still works.
        ClickAsTheWindowSystem(viewer->findChild<QPushButton*>("btnContents"));
        pageAfterContents = viewer->CurrentPage().fileName().toStdString();
        dialogWaits = d->isVisible();
        d->btnAnnulla->click();
    });
    w.Commands().Menu().mnuCustomize->trigger();
    EXPECT_TRUE(active);
    EXPECT_EQ(pageAfterContents, "contents.html");
    EXPECT_TRUE(dialogWaits);
    EXPECT_TRUE(messages->messages.empty());
}

TEST_F(CustomizeDialog, ItsHelpPageDescribesTheTabsTheDialogHas) {
    Start();
    TfrmCustomize_Freeware& d = Open();
    std::set<std::string> tabs;
    for (int i = 0; i < d.pgcCustomize->count(); ++i)
        tabs.insert(d.pgcCustomize->tabText(i).remove('&').trimmed().toStdString());
    d.btnAiuto->click();
    HelpViewer* viewer = app->help.Viewer("proc");
    ASSERT_NE(viewer, nullptr);
    QFile page(":" + viewer->CurrentPage().path());
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    // The page describes the dialog item by item: "<li><b>Decks</b>: ...".
    std::set<std::string> described;
    const QRegularExpression item(QStringLiteral("<li><b>([^<]+)</b>"));
    for (const auto& found : item.globalMatch(QString::fromUtf8(page.readAll())))
        described.insert(found.captured(1).toStdString());
    EXPECT_EQ(described, tabs);
}

TEST_F(CustomizeDialog, CtrlUOpensANewModalDialogEachTime) {
    TfrmMain& w = Start();
    QAction* command = w.Commands().Menu().mnuCustomize;
    EXPECT_FALSE(command->isEnabled());
    OfferCustomizeCommand(*app, w);
    EXPECT_TRUE(command->isEnabled());
    EXPECT_EQ(command->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_U));

    int seen = 0;
    auto answer = [&] {
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<TfrmCustomize_Freeware*>(QApplication::activeModalWidget());
            if (!d) return;
            ++seen;
            // Each opening starts from the settings, not from the last dialog.
            EXPECT_EQ(Selected(d->trvBackGround), "Green");
            Choose(d->trvBackGround, "Teal");
            d->btnAnnulla->click();
        });
    };
    answer();
    QTest::keyClick(&w, Qt::Key_U, Qt::ControlModifier);
    answer();
    command->trigger();
    EXPECT_EQ(seen, 2);
    EXPECT_TRUE(w.findChildren<TfrmCustomize_Freeware*>().isEmpty());
    EXPECT_EQ(app->settings.Get(field::BackgroundFixedCol), "32768");
}

}  // namespace
}  // namespace tindle::test
