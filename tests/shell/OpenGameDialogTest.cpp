#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "OpenGameTestSupport.h"
#include "shell/TfrmOpenGame.h"
#include "shell/settings/PreferencesFile.h"
#include "shell/settings/SettingsInit.h"
#include "shell/settings/SettingsRecord.h"
#include "table/ResourceLibrary.h"
#include "table/ResourceNames.h"

namespace tindle {
namespace {

using test::DialogTestGames;
using test::RecordingMessages;
using test::TempDir;
using test::WriteTestGamesDat;

class OpenGameDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::QtTestApp();
        ASSERT_TRUE(catalogue_.Read(WriteTestGamesDat(dir_.Path(), DialogTestGames())).Ok());
        InitialiseSettingsRecord(settings_, dir_.Path());
        EnsureDataDirectory(settings_);
        settings_.Put(field::GameId, ZeroPad(1, 4));
        library_.Load(QString::fromStdString((test::ProgramDir() / "ZUV.RGF").string()));
        services_.showRules = [this](int id) { rules_.push_back(id); };
        services_.showHelpTopic = [this](int topic) { help_.push_back(topic); };
        services_.disableGameCommands = [this] { ++disabled_; };
        services_.afterClose = [this] { ++closed_; };
    }

    PreferencesFile Prefs() { return PreferencesFile(PreferencesPath(settings_)); }
    void WritePreference(std::string_view key, std::string_view value) {
        Prefs().WriteString(section::Preference, key, value);
    }
    std::string Preference(std::string_view key) {
        return Prefs().ReadString(section::Preference, key, "<none>");
    }

    std::unique_ptr<TfrmOpenGame> MakeDialog() {
        auto dialog =
            std::make_unique<TfrmOpenGame>(catalogue_, settings_, library_, messages_, services_);
        dialog->SetLowColourDisplay(false);
        return dialog;
    }
    void Show(TfrmOpenGame& dialog) {
        dialog.show();
        QCoreApplication::processEvents();
    }

    template <typename T>
    static T* Child(TfrmOpenGame& dialog, const char* name) {
        T* child = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static QTreeWidget* Tree(TfrmOpenGame& d) { return Child<QTreeWidget>(d, "trvGames"); }
    static QTreeWidgetItem* Root(TfrmOpenGame& d) { return Tree(d)->topLevelItem(0); }
    static QString Text(TfrmOpenGame& d, const char* label) {
        return Child<QLabel>(d, label)->text();
    }
    static void Key(QWidget* target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
    }
    static QTreeWidgetItem* GameNode(TfrmOpenGame& d, const QString& name) {
        QTreeWidgetItem* root = Root(d);
        for (int i = 0; i < root->childCount(); ++i)
            if (root->child(i)->text(0) == name) return root->child(i);
        ADD_FAILURE() << "no node " << name.toStdString();
        return nullptr;
    }

    TempDir dir_;
    Catalogue catalogue_;
    SettingsRecord settings_;
    ResourceLibrary library_;
    RecordingMessages messages_;
    OpenGameServices services_;
    std::vector<int> rules_;
    std::vector<int> help_;
    int disabled_ = 0;
    int closed_ = 0;
};

TEST_F(OpenGameDialogTest, FormHasItsCaptionSizeAndOnlyTheControlsOfThisCollection) {
    auto dialog = MakeDialog();
    Show(*dialog);
    EXPECT_EQ(dialog->windowTitle(), "Open a game");
    EXPECT_EQ(dialog->size(), QSize(535, 377));
    EXPECT_EQ(Tree(*dialog)->indentation(), 19);
    for (const char* hidden : {"btnStatistics", "btnOpen", "btnDemo", "lblPlayers", "cboPlayers"})
        EXPECT_FALSE(Child<QWidget>(*dialog, hidden)->isVisible()) << hidden;
    auto* ok = Child<QPushButton>(*dialog, "btnOK");
    auto* cancel = Child<QPushButton>(*dialog, "btnCancel");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(Child<QPushButton>(*dialog, "btnRules")->text(), "Rules");
    EXPECT_EQ(cancel->geometry().left() - ok->geometry().right() - 1, 5);
    EXPECT_EQ(Child<QLabel>(*dialog, "imgGame")->size(), QSize(300, 185));
    EXPECT_EQ(Child<QCheckBox>(*dialog, "chkPreview")->text(), "&Preview");
    EXPECT_EQ(Child<QTimer>(*dialog, "timShowGame")->interval(), 2000);
}

TEST_F(OpenGameDialogTest, FirstShowingOpensTheAllGamesFolderWithTheCurrentGameSelected) {
    auto dialog = MakeDialog();
    QTreeWidget* tree = Tree(*dialog);
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = Root(*dialog);
    EXPECT_EQ(root->text(0), "All games (alphabetically)");
    EXPECT_EQ(root->data(0, TfrmOpenGame::kCodeRole).toInt(), -30);
    // Until shown, the folder holds only its placeholder and the tree is disabled.
    ASSERT_EQ(root->childCount(), 1);
    EXPECT_EQ(root->child(0)->data(0, TfrmOpenGame::kCodeRole).toInt(), -1);
    EXPECT_FALSE(tree->isEnabled());

    Show(*dialog);
    EXPECT_TRUE(tree->isEnabled());
    EXPECT_TRUE(root->isExpanded());
    ASSERT_EQ(root->childCount(), 3);
    EXPECT_EQ(root->child(0)->text(0), "alpha");
    EXPECT_EQ(root->child(1)->text(0), "Beta");
    EXPECT_EQ(root->child(2)->text(0), "Zeta");
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_EQ(tree->currentItem()->text(0), "alpha");
    EXPECT_TRUE(tree->currentItem()->isSelected());
    EXPECT_TRUE(Child<QWidget>(*dialog, "pnlDescGame")->isVisible());
    EXPECT_EQ(Text(*dialog, "lblGameName"), "alpha");
    EXPECT_TRUE(Child<QTimer>(*dialog, "timShowGame")->isActive());
    EXPECT_TRUE(tree->hasFocus() || !dialog->isActiveWindow());
}

// The first start prepares the showing while the dialog is hidden: the showing then shows what
// an unprepared one does, also when another game was made current in between, and a later
// showing draws the pictures that closing dropped again.
TEST_F(OpenGameDialogTest, APreparedShowingShowsTheGameCurrentAtTheShowing) {
    auto dialog = MakeDialog();
    dialog->PrepareShowing();
    EXPECT_FALSE(Tree(*dialog)->isEnabled());
    Show(*dialog);
    ASSERT_EQ(Root(*dialog)->childCount(), 3);
    EXPECT_EQ(Tree(*dialog)->currentItem()->text(0), "alpha");
    EXPECT_TRUE(Child<QWidget>(*dialog, "pnlDescGame")->isVisible());
    EXPECT_EQ(Text(*dialog, "lblGameName"), "alpha");
    EXPECT_FALSE(Child<QLabel>(*dialog, "imgGame")->pixmap().isNull());
    dialog->reject();
    EXPECT_TRUE(Child<QLabel>(*dialog, "imgGame")->pixmap().isNull());
    Show(*dialog);
    EXPECT_FALSE(Child<QLabel>(*dialog, "imgGame")->pixmap().isNull());

    auto changed = MakeDialog();
    changed->PrepareShowing();
    settings_.Put(field::GameId, ZeroPad(2, 4));
    Show(*changed);
    ASSERT_EQ(Root(*changed)->childCount(), 3);
    ASSERT_NE(Tree(*changed)->currentItem(), nullptr);
    EXPECT_EQ(Tree(*changed)->currentItem()->text(0), "Beta");
    EXPECT_TRUE(Root(*changed)->isExpanded());
    EXPECT_EQ(Text(*changed, "lblGameName"), "Beta");
}

TEST_F(OpenGameDialogTest, GameNodesCarryTheirIdAndTheIconOfTheirType) {
    auto dialog = MakeDialog();
    Show(*dialog);
    auto icon = [&](const char* name) {
        return GameNode(*dialog, name)->data(0, TfrmOpenGame::kImageIndexRole).toInt();
    };
    const auto& names = TreeImageListNames();
    EXPECT_EQ(names[static_cast<size_t>(icon("Zeta"))], "TREE5_KLONDIKE_TYPE");
    EXPECT_EQ(names[static_cast<size_t>(icon("alpha"))], "TREE5_FREECELL_TYPE");
    EXPECT_EQ(icon("Beta"), 0);  // type 99 has no icon: the first picture of the list
    EXPECT_EQ(GameNode(*dialog, "Zeta")->data(0, TfrmOpenGame::kCodeRole).toInt(), 0);
    EXPECT_EQ(GameNode(*dialog, "Beta")->data(0, TfrmOpenGame::kCodeRole).toInt(), 2);
    // The icons are made when the nodes are, each of its own picture.
    for (const char* name : {"Zeta", "alpha", "Beta"})
        EXPECT_FALSE(GameNode(*dialog, name)->icon(0).isNull()) << name;
    EXPECT_NE(GameNode(*dialog, "Zeta")->icon(0).cacheKey(),
              GameNode(*dialog, "alpha")->icon(0).cacheKey());
    EXPECT_FALSE(Root(*dialog)->icon(0).isNull());
}

TEST_F(OpenGameDialogTest, DescriptionShowsRatingsRedealsAndDecks) {
    auto dialog = MakeDialog();
    Show(*dialog);
    Tree(*dialog)->setCurrentItem(GameNode(*dialog, "Zeta"));
    EXPECT_EQ(Text(*dialog, "lblGameName"), "Zeta");
    EXPECT_EQ(Text(*dialog, "lblDecks"), "2");
    EXPECT_EQ(Text(*dialog, "lblRedeal"), "2");
    EXPECT_EQ(Text(*dialog, "lblGameTime"), "Medium");
    EXPECT_EQ(Text(*dialog, "lblDiffRules"), "Hard");
    EXPECT_EQ(Text(*dialog, "lblSkill"), "Mostly skill");
    EXPECT_EQ(Text(*dialog, "lblDiffWin"), "Medium (about 1 in 3)");
    const QPixmap meter = Child<QLabel>(*dialog, "imgWinning")->pixmap();
    ASSERT_FALSE(meter.isNull());
    EXPECT_EQ(meter.toImage().convertToFormat(QImage::Format_ARGB32),
              library_.Bitmap("PROG_CHAN_MEDIUM").convertToFormat(QImage::Format_ARGB32));

    Tree(*dialog)->setCurrentItem(GameNode(*dialog, "alpha"));
    EXPECT_EQ(Text(*dialog, "lblDecks"), "1");
    EXPECT_EQ(Text(*dialog, "lblRedeal"), "Unlimited");
    EXPECT_EQ(Text(*dialog, "lblDiffWin"), "Very high");

    // The solver's measured share, from the file beside GAMES.DAT, replaces the guess of the
    // game it names.
    test::WriteFile(dir_.Path() / std::string(kWinnableSharesFileName), "0 10 200 Zeta\n");
    auto measured = MakeDialog();
    Show(*measured);
    Tree(*measured)->setCurrentItem(GameNode(*measured, "Zeta"));
    EXPECT_EQ(Text(*measured, "lblDiffWin"), "at least 5.0 % (solver)");
    EXPECT_EQ(Child<QLabel>(*measured, "lblDiffWin")->toolTip(),
              "The solver won 10 of 200 deals. A deal it could not decide in time may be "
              "winnable too.");
    EXPECT_EQ(Child<QLabel>(*measured, "imgWinning")
                  ->pixmap()
                  .toImage()
                  .convertToFormat(QImage::Format_ARGB32),
              library_.Bitmap("PROG_CHAN_VERYLOW").convertToFormat(QImage::Format_ARGB32));
    Tree(*measured)->setCurrentItem(GameNode(*measured, "alpha"));
    EXPECT_EQ(Text(*measured, "lblDiffWin"), "Very high");
    EXPECT_EQ(Child<QLabel>(*measured, "lblDiffWin")->toolTip(), "");
}

TEST_F(OpenGameDialogTest, SelectingTheFolderShowsThePlainPanelsAndDisablesTheGameButtons) {
    auto dialog = MakeDialog();
    Show(*dialog);
    Tree(*dialog)->setCurrentItem(Root(*dialog));
    EXPECT_FALSE(Child<QWidget>(*dialog, "pnlDescGame")->isVisible());
    EXPECT_TRUE(Child<QWidget>(*dialog, "pnlPlain1")->isVisible());
    EXPECT_TRUE(Child<QWidget>(*dialog, "pnlPlain2")->isVisible());
    EXPECT_FALSE(Child<QLabel>(*dialog, "imgFreeware")->pixmap().isNull());
    EXPECT_FALSE(Child<QPushButton>(*dialog, "btnOK")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(*dialog, "btnRules")->isEnabled());
    EXPECT_FALSE(Child<QCheckBox>(*dialog, "chkPreview")->isEnabled());

    // Enter in the tree on the folder is refused with a message; the dialog stays open.
    Key(Tree(*dialog), Qt::Key_Return);
    ASSERT_EQ(test::InformationTexts(messages_).size(), 1u);
    EXPECT_EQ(test::InformationTexts(messages_)[0], "Open a game");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->Confirmed());
    EXPECT_EQ(Preference("Game"), "<none>");

    // Back on a game, everything is enabled again.
    Tree(*dialog)->setCurrentItem(GameNode(*dialog, "Beta"));
    EXPECT_TRUE(Child<QPushButton>(*dialog, "btnOK")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(*dialog, "btnRules")->isEnabled());
    EXPECT_TRUE(Child<QWidget>(*dialog, "pnlDescGame")->isVisible());
    EXPECT_FALSE(Child<QWidget>(*dialog, "pnlPlain1")->isVisible());
}

TEST_F(OpenGameDialogTest, OkStoresTheGameAndSetsTheMark) {
    auto dialog = MakeDialog();
    Show(*dialog);
    Tree(*dialog)->setCurrentItem(GameNode(*dialog, "Zeta"));
    Child<QCheckBox>(*dialog, "chkPreview")->setChecked(false);
    Key(Tree(*dialog), Qt::Key_Enter);
    EXPECT_TRUE(test::InformationTexts(messages_).empty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(dialog->Confirmed());
    EXPECT_EQ(dialog->ChosenGameId(), 0);
    EXPECT_EQ(dialog->ChosenGameName(), "Zeta");
    EXPECT_EQ(dialog->ChosenTreeNumber(), -30);
    EXPECT_EQ(Preference("Game"), "0");
    EXPECT_EQ(Preference("Game_Name"), "Zeta");
    EXPECT_EQ(Preference("Game_TreeNum"), "-30");
    EXPECT_EQ(Preference("Open_Preview_Game"), "N");
    EXPECT_EQ(closed_, 1);
    EXPECT_FALSE(Child<QTimer>(*dialog, "timShowGame")->isActive());
    dialog->ClearConfirmation();
    EXPECT_FALSE(dialog->Confirmed());

    // The next dialog of the program starts without previews.
    auto next = MakeDialog();
    EXPECT_FALSE(Child<QCheckBox>(*next, "chkPreview")->isChecked());
}

TEST_F(OpenGameDialogTest, ExecuteReturnsWhetherAGameWasConfirmed) {
    auto dialog = MakeDialog();
    QTimer::singleShot(0, dialog.get(), [&] {
        Tree(*dialog)->setCurrentItem(GameNode(*dialog, "Beta"));
        Child<QPushButton>(*dialog, "btnOK")->click();
    });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_EQ(dialog->ChosenGameId(), 2);
    dialog->ClearConfirmation();
    // Closed, it keeps no pictures; the next showing draws them again.
    for (const char* picture : {"imgGame", "imgWinning", "imgFreeware"})
        EXPECT_TRUE(Child<QLabel>(*dialog, picture)->pixmap().isNull()) << picture;

    // Shown again: the tree keeps what the player chose; Escape closes without the mark.
    QTimer::singleShot(0, dialog.get(), [&] {
        EXPECT_EQ(Tree(*dialog)->currentItem()->text(0), "Beta");
        EXPECT_FALSE(Child<QLabel>(*dialog, "imgGame")->pixmap().isNull());
        EXPECT_FALSE(Child<QLabel>(*dialog, "imgWinning")->pixmap().isNull());
        Key(dialog.get(), Qt::Key_Escape);
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_FALSE(dialog->Confirmed());
    EXPECT_EQ(closed_, 2);
}

TEST_F(OpenGameDialogTest, DoubleClickOnAGameIsOkButOnTheFolderItIsNot) {
    auto dialog = MakeDialog();
    Show(*dialog);
    emit Tree(*dialog)->itemDoubleClicked(Root(*dialog), 0);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(test::InformationTexts(messages_).empty());
    emit Tree(*dialog)->itemDoubleClicked(GameNode(*dialog, "Zeta"), 0);
    EXPECT_TRUE(dialog->Confirmed());
    EXPECT_EQ(dialog->ChosenGameId(), 0);
}

TEST_F(OpenGameDialogTest, RulesOfTheSelectedGameAndHelpOnF1) {
    auto dialog = MakeDialog();
    Show(*dialog);
    Tree(*dialog)->setCurrentItem(GameNode(*dialog, "Beta"));
    Child<QPushButton>(*dialog, "btnRules")->click();
    EXPECT_EQ(rules_, std::vector<int>{2});
    Key(dialog.get(), Qt::Key_F1);
    EXPECT_EQ(help_, std::vector<int>{4015});
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(OpenGameDialogTest, StoredGameNotInTheCatalogueDisablesTheGameCommandsOnCancel) {
    settings_.Put(field::GameId, ZeroPad(-1, 4));
    auto dialog = MakeDialog();
    Show(*dialog);
    // Nothing to select: the folder is open and shown as a folder.
    EXPECT_TRUE(Root(*dialog)->isExpanded());
    EXPECT_EQ(Root(*dialog)->childCount(), 3);
    EXPECT_FALSE(Child<QPushButton>(*dialog, "btnOK")->isEnabled());
    Child<QPushButton>(*dialog, "btnCancel")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(dialog->Confirmed());
    EXPECT_EQ(disabled_, 1);
    EXPECT_FALSE(Child<QTimer>(*dialog, "timShowGame")->isActive());
}

TEST_F(OpenGameDialogTest, ClosingWithAGameChosenLeavesTheCommandsAlone) {
    auto dialog = MakeDialog();
    Show(*dialog);
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(disabled_, 0);
    EXPECT_EQ(closed_, 1);
}

TEST_F(OpenGameDialogTest, PreviewShowsTheGamePictureOrTheEmptyBackground) {
    auto dialog = MakeDialog();
    Show(*dialog);
    auto* preview = Child<QLabel>(*dialog, "imgGame");
    auto* check = Child<QCheckBox>(*dialog, "chkPreview");
    ASSERT_TRUE(check->isChecked());
    const QImage empty = preview->pixmap().toImage();
    ASSERT_EQ(empty.size(), QSize(300, 185));
    EXPECT_EQ(empty.pixelColor(0, 0), QColor(0, 128, 0));
    EXPECT_EQ(empty.pixelColor(0, 184), QColor(0, 0, 0));

    check->setChecked(false);
    EXPECT_EQ(preview->pixmap().toImage().pixelColor(150, 0), QColor(0, 128, 0));
    dialog->SetLowColourDisplay(true);
    check->setChecked(true);
    // No preview picture for the test games: the background alone, plain green now.
    EXPECT_EQ(preview->pixmap().toImage().pixelColor(150, 184), QColor(0, 128, 0));
}

TEST_F(OpenGameDialogTest, RememberedFolderAndPreviewSettingComeFromThePreferences) {
    WritePreference("Game_TreeNum", "-12");     // a folder this collection does not have
    WritePreference("Open_Preview_Game", "y");  // only "Y" ticks the box
    settings_.Put(field::GameId, ZeroPad(2, 4));
    auto dialog = MakeDialog();
    EXPECT_FALSE(Child<QCheckBox>(*dialog, "chkPreview")->isChecked());
    Show(*dialog);
    EXPECT_TRUE(Root(*dialog)->isExpanded());
    ASSERT_NE(Tree(*dialog)->currentItem(), nullptr);
    EXPECT_EQ(Tree(*dialog)->currentItem()->text(0), "Beta");
}

TEST_F(OpenGameDialogTest, EmptyCatalogueRefusesOk) {
    catalogue_ = Catalogue{};
    auto dialog = MakeDialog();
    Show(*dialog);
    EXPECT_EQ(Root(*dialog)->childCount(), 0);
    Key(Tree(*dialog), Qt::Key_Return);
    EXPECT_EQ(test::InformationTexts(messages_), std::vector<std::string>{"Open a game"});
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(OpenGameDialogTest, MissingLibraryAndPreferencesGiveAWorkingDialog) {
    library_.Unload();
    std::filesystem::remove_all(dir_.Path() / "DATA");
    auto dialog = MakeDialog();
    EXPECT_TRUE(Child<QCheckBox>(*dialog, "chkPreview")->isChecked());
    Show(*dialog);
    EXPECT_EQ(Tree(*dialog)->currentItem()->text(0), "alpha");
    EXPECT_EQ(Text(*dialog, "lblRedeal"), "Unlimited");
    EXPECT_TRUE(Child<QLabel>(*dialog, "imgWinning")->pixmap().isNull());
    Child<QPushButton>(*dialog, "btnOK")->click();
    EXPECT_TRUE(dialog->Confirmed());  // the preferences could not be written; no harm done
}

}  // namespace
}  // namespace tindle
