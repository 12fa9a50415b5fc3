#include "e2e/MainWindowFixture.h"
#include "shell/TableArea.h"

namespace tindle::test {
namespace {

using FirstActivation = MainWindowFixture;

TEST_F(FirstActivation, MigratesTheScoreFileAndRepairsOldValues) {
    WritePrefs("[Preference]\nCards_Animate=S\nConfirmQuit=S\n");
    WriteFile(Data("STAT_SCR.DAT"), "[Version]\r\nVersion=0200\r\n0123\r\n");
    Start();
    EXPECT_EQ(ReadFile(Data("STAT_SCR.DAT")),
              "[Version]\r\nVersion=0300\r\n\r\n0123" + std::string(85, ' ') + " x\r\n");
    EXPECT_EQ(Pref("Cards_Animate"), "Y");
    EXPECT_EQ(Pref("ConfirmQuit"), "Y");
    EXPECT_EQ(app->settings.Get(field::CardsAnimate), "Y");
    EXPECT_TRUE(messages->messages.empty());
}

TEST_F(FirstActivation, WithoutScoreFileNothingIsRepaired) {
    WritePrefs("[Preference]\nCards_Animate=S\n");
    Start();
    EXPECT_EQ(Pref("Cards_Animate"), "S");
    EXPECT_FALSE(std::filesystem::exists(Data("STAT_SCR.DAT")));
}

TEST_F(FirstActivation, AReturningPlayerIsNotShownTheChooser) {
    WritePrefs("[Preference]\n");
    WriteFile(Data("Stat_e07.dat"), "stats");
    Start();
    EXPECT_EQ(chooserOpened, 0);
}

// The window system may report the activation before the table is painted: the chooser (and
// whatever the first activation does) waits for the table's first picture.
TEST_F(FirstActivation, WaitsForTheTablesFirstPicture) {
    TfrmMain& w = Create();
    w.PlaceMainWindow();
    w.show();
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_FALSE(w.imgSfondo->Painted());
    EXPECT_TRUE(app->game.flags.startupPending);
    EXPECT_EQ(chooserOpened, 0);
    Settle();
    EXPECT_TRUE(w.imgSfondo->Painted());
    EXPECT_FALSE(app->game.flags.startupPending);
    EXPECT_EQ(chooserOpened, 1);
}

// The window manager gives a window being shown its size on the screen (a maximised one its
// final size) before its first picture: that picture shows the table laid out for that size,
// not the one laid out at the show and then laid out again at the first activation.
TEST_F(FirstActivation, TheFirstPictureShowsTheLayoutForTheSizeGivenBeforeIt) {
    WritePrefs(
        "[Preference]\nGame=2\nMainWindowState_Maximized=N\nMainWindowState_Width=680\n"
        "MainWindowState_Height=440\n");
    TfrmMain& w = Create();
    w.PlaceMainWindow();
    int firstPictureColumn = 0;
    QObject::connect(w.imgSfondo, &TableArea::FirstPainted,
                     [&] { firstPictureColumn = app->mainGame.FilaX(6); });
    w.show();
    const int shownColumn = app->mainGame.FilaX(6);
    w.resize(790, 560);
    Settle();
    ASSERT_TRUE(w.imgSfondo->Painted());
    EXPECT_GT(firstPictureColumn, shownColumn);
    EXPECT_EQ(firstPictureColumn, app->mainGame.FilaX(6));
    EXPECT_EQ(w.imgSfondo->size(), w.pnlClient->size());
}

TEST_F(FirstActivation, HappensOnceOnly) {
    TfrmMain& w = Start();
    EXPECT_EQ(chooserOpened, 1);
    w.hide();
    w.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(chooserOpened, 1);
}

}  // namespace
}  // namespace tindle::test
