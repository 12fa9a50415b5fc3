#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <tuple>

#include <QFontMetrics>
#include <QGuiApplication>

#include "shell/AdvancedForm.h"
#include "shell/PicturePreload.h"
#include "shell/settings/SettingsInit.h"
#include "support/QtTestApp.h"
#include "support/TestPaths.h"
#include "table/CardPictures.h"
#include "table/ResourceLibrary.h"

namespace tindle {
namespace {

class PicturePreloadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::QtTestApp();
        ASSERT_TRUE(
            library.Load(QString::fromStdString((test::ProgramDir() / "ZUV.RGF").string())));
        screen = ScreenTag(*QGuiApplication::primaryScreen());
    }
    // What the start-up load puts into the record for these preferences.
    SettingsRecord Choice(const std::string& size, const std::string& set,
                          const std::string& back) {
        SettingsRecord record;
        record.Put(field::CardSize, size);
        record.Put(field::CardSet, set);
        record.Put(field::BackCard, back);
        return record;
    }
    void ExpectSamePictures(const CardPictures& a, const CardPictures& b) {
        EXPECT_EQ(a.CardWidth(), b.CardWidth());
        EXPECT_EQ(a.SizeLetter(), b.SizeLetter());
        EXPECT_EQ(a.Back(), b.Back());
        for (int face : {0, 12, 25, 51, 52})
            EXPECT_EQ(a.Face(face), b.Face(face)) << face;
        EXPECT_EQ(a.Mark(MarkSlot::Waste), b.Mark(MarkSlot::Waste));
    }
    test::TempDir dir;
    ResourceLibrary library;
    std::string screen;  // the screen the window opens on
};

TEST_F(PicturePreloadTest, GivesThePicturesOfTheStoredChoiceAfterItsFirstTask) {
    test::WriteFile(dir.Path() / "CFG.DAT", "[Preference]\nCard_Size=M\nBack_Card=3\n");
    CardPictures preloaded(library);
    bool firstTaskRan = false;
    // The program's first task, the form font measured, while the window thread writes with it.
    PicturePreload preload(preloaded, dir.Path() / "CFG.DAT", screen, [&] {
        PrepareFormFont();
        firstTaskRan = true;
    });
    QFont bold = FormFont();
    bold.setBold(true);
    EXPECT_GT(QFontMetrics(bold).horizontalAdvance(QStringLiteral("Score:")), 0);

    const SettingsRecord record = Choice("M", "001", "003");
    EXPECT_TRUE(preload.FinishCardPictures(record));
    EXPECT_TRUE(firstTaskRan);
    CardPictures direct(library);
    direct.ApplyCardSize(record);
    ExpectSamePictures(preloaded, direct);
    EXPECT_EQ(preloaded.CardWidth(), 59);
}

TEST_F(PicturePreloadTest, AnotherChoiceInTheRecordIsLoadedAgain) {
    // No preferences file: the worker loads the defaults, but the record asks for card set 3
    // (a display of few colours).
    CardPictures preloaded(library);
    PicturePreload preload(preloaded, dir.Path() / "CFG.DAT", screen);
    const SettingsRecord record = Choice("B", "003", "011");
    EXPECT_FALSE(preload.FinishCardPictures(record));
    CardPictures direct(library);
    direct.ApplyCardSize(record);
    ExpectSamePictures(preloaded, direct);
    CardPictures defaults(library);
    defaults.ApplyCardSize(Choice("B", "001", "011"));
    EXPECT_NE(preloaded.Face(0), defaults.Face(0));
}

// The pictures are decoded at the scale the last session drew them at on this screen, so that
// a table shown at that zoom again needs no second decoding; a scale not worth believing, or
// drawn for another screen (a larger one's window has another zoom), is scale 1.
TEST_F(PicturePreloadTest, DecodesAtTheLastSessionsScale) {
    const SettingsRecord record = Choice("B", "001", "011");
    const std::string other = "9999x9999@100";
    for (const auto& [stored, on, scale] : {std::tuple{"200", screen, 2.0},
                                            {"150", screen, 1.5},
                                            {"100", screen, 1.0},
                                            {"99", screen, 1.0},
                                            {"601", screen, 1.0},
                                            {"-200", screen, 1.0},
                                            {"2x", screen, 1.0},
                                            {"200", other, 1.0},
                                            {"200", std::string(), 1.0}}) {
        test::WriteFile(dir.Path() / "CFG.DAT",
                        std::string("[Preference]\nMainWindowState_PictureScale=") + stored +
                            "\nMainWindowState_PictureScreen=" + on + "\n");
        CardPictures preloaded(library);
        PicturePreload preload(preloaded, dir.Path() / "CFG.DAT", screen);
        EXPECT_TRUE(preload.FinishCardPictures(record)) << stored << on;
        EXPECT_EQ(preloaded.Scale(), scale) << stored << on;
        EXPECT_EQ(preloaded.Back().width(), qRound(71 * scale)) << stored << on;
        if (scale == 2.0) {
            CardPictures direct(library);
            direct.SetScale(2.0);
            direct.ApplyCardSize(record);
            ExpectSamePictures(preloaded, direct);
        }
    }
}

// The marks the last session's tables showed are decoded ahead with the pictures at its
// scale; nonsense stored decodes none.
TEST_F(PicturePreloadTest, DecodesAheadTheMarksTheLastSessionShowed) {
    const SettingsRecord record = Choice("B", "001", "011");
    CardPictures shown(library);
    shown.ApplyCardSize(record);
    shown.Mark(MarkSlot::Waste);
    shown.RankMark(1);
    const uint32_t marks = shown.MadeMarks();
    EXPECT_EQ(std::popcount(marks), 2);
    for (const auto& [stored, expected] :
         {std::pair{std::to_string(marks), marks}, {"-5", 0u}, {"4194304", 0u}, {"x", 0u}}) {
        test::WriteFile(dir.Path() / "CFG.DAT",
                        "[Preference]\nMainWindowState_PictureScale=100\n"
                        "MainWindowState_PictureScreen=" +
                            screen + "\nMainWindowState_ShownMarks=" + stored + "\n");
        CardPictures preloaded(library);
        PicturePreload preload(preloaded, dir.Path() / "CFG.DAT", screen);
        EXPECT_TRUE(preload.FinishCardPictures(record));
        EXPECT_EQ(preloaded.MadeMarks(), expected) << stored;
    }
}

TEST_F(PicturePreloadTest, DroppedUnusedItWaitsForItsWorker) {
    CardPictures pictures(library);
    { PicturePreload preload(pictures, dir.Path() / "CFG.DAT", screen); }
    EXPECT_EQ(pictures.CardWidth(), 71);
    EXPECT_FALSE(pictures.Face(0).isNull());
}

}  // namespace
}  // namespace tindle
