#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "shell/AboutBox.h"
#include "support/QtTestApp.h"
#include "support/RecordingPorts.h"
#include "support/TestPaths.h"
#include "table/ResourceLibrary.h"

namespace tindle {
namespace {

class AboutBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::QtTestApp();
        library.Load(QString::fromStdString((test::ProgramDir() / "ZUV.RGF").string()));
        settings.Put(field::SoundsEnabled, "Y");
        settings.Put(field::SoundsAbout, "Y");
    }
    ResourceLibrary library;
    SettingsRecord settings;
    test::RecordingSounds sounds;
};

TEST_F(AboutBoxTest, NamesTheProductItsVersionAndItsMakers) {
    TfrmAbout about(library, settings, sounds, 2);
    EXPECT_EQ(about.windowTitle(), "About Tindle");
    EXPECT_EQ(about.lblProduct->text(), "Tindle");
    EXPECT_EQ(about.lblVersion->text(), "Version 05.20");
    EXPECT_TRUE(about.lblCredit->text().startsWith("A collection of 2 solitaire card games."));
    EXPECT_FALSE(about.lblCredit->text().contains("["));  // every placeholder filled
    EXPECT_TRUE(about.btnOK->isDefault());
}

TEST_F(AboutBoxTest, CountsTheGamesItIsGiven) {
    TfrmAbout one(library, settings, sounds, 1);
    EXPECT_TRUE(one.lblCredit->text().startsWith("A collection of 1 solitaire card game.\n"));
    TfrmAbout many(library, settings, sounds, 37);
    EXPECT_TRUE(many.lblCredit->text().startsWith("A collection of 37 solitaire card games.\n"));
}

TEST_F(AboutBoxTest, TheAboutSoundPlaysWhenTheBoxComesUp) {
    {
        TfrmAbout about(library, settings, sounds, 2);
        EXPECT_TRUE(sounds.played.empty());
        about.show();
        QCoreApplication::processEvents();
        ASSERT_EQ(sounds.played.size(), 1u);
        EXPECT_EQ(sounds.played[0].first, "About");
        EXPECT_EQ(sounds.played[0].second, SoundMode::Async);
        about.btnOK->click();
        EXPECT_EQ(about.result(), QDialog::Accepted);
        EXPECT_FALSE(about.isVisible());
    }
    // Its own switch off: silent.
    settings.Put(field::SoundsAbout, "N");
    TfrmAbout quiet(library, settings, sounds, 2);
    quiet.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(sounds.played.size(), 1u);
}

}  // namespace
}  // namespace tindle
