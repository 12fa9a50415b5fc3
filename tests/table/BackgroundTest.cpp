// The table's background: the kind chosen from the preferences, colours as stored, the
// fade, pictures tiled or not, and the player's own picture file.
#include <gtest/gtest.h>

#include "RendererFixture.h"
#include "shell/settings/PreferencesFile.h"
#include "shell/settings/SettingsInit.h"
#include "table/BackgroundPainter.h"
#include "table/DefaultSettings.h"
#include "table/PaintedBackground.h"
#include "table/TableColours.h"

namespace tindle::test {
namespace {

constexpr long long Stored(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

class BackgroundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        LoadDefaultSettings(settings_, dir_.Path());
        std::filesystem::create_directories(dir_.Path() / "DATA");
        settings_.Put(field::FadeBackground, "N");
        painter_.SetGeometry({100, 80, false, kManyColours});
        canvas_.fill(Qt::white);
    }
    QImage Picture(QRgb colour) {
        QImage tile(10, 10, QImage::Format_RGB32);
        tile.fill(colour);
        return tile;
    }

    // A picture whose every pixel differs from its neighbours.
    static QImage Pattern(int width, int height) {
        QImage picture(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                picture.setPixel(x, y, qRgb(x * 30, y * 40, 100 + x + y));
        return picture;
    }
    // What was painted, drawn again whole, in parts and pixel by pixel, matches the canvas;
    // beyond the painted extent it is black.
    void ExpectPaintedMatchesCanvas(const char* what) {
        const PaintedBackground& painted = painter_.Painted();
        EXPECT_EQ(painted.ToImage(canvas_.size()), canvas_) << what;
        QImage part(40, 30, QImage::Format_RGB32);
        part.fill(Qt::white);
        painted.Draw(QRect(57, 61, 50, 40), part, QPoint(3, 2));
        EXPECT_EQ(part.copy(3, 2, 37, 28), canvas_.copy(57, 61, 37, 28)) << what;
        EXPECT_EQ(part.pixel(2, 2), qRgb(255, 255, 255)) << what << ": nothing left of at";
        for (const QPoint p : {QPoint(0, 0), QPoint(99, 79), QPoint(100, 81), QPoint(129, 109)})
            EXPECT_EQ(painted.Pixel(p.x(), p.y()), canvas_.pixel(p)) << what;
        EXPECT_EQ(painted.Pixel(130, 5), qRgb(0, 0, 0)) << what;
        EXPECT_EQ(painted.Pixel(5, 110), qRgb(0, 0, 0)) << what;
        EXPECT_EQ(painted.Pixel(-1, 5), qRgb(0, 0, 0)) << what;
        QImage clipped(20, 20, QImage::Format_RGB32);
        clipped.fill(Qt::white);
        painted.Draw(QRect(120, 100, 20, 20), clipped, QPoint(0, 0), QRect(0, 0, 5, 20));
        EXPECT_EQ(clipped.pixel(4, 4), canvas_.pixel(124, 104)) << what;
        EXPECT_EQ(clipped.pixel(4, 15), qRgb(0, 0, 0)) << what << ": below the extent";
        EXPECT_EQ(clipped.pixel(5, 4), qRgb(255, 255, 255)) << what << ": outside the clip";
    }

    TempDir dir_;
    SettingsRecord settings_;
    RecordingMessages messages_;
    std::vector<std::string> looked;
    BackgroundPainter painter_{settings_, messages_, [this](std::string_view name) {
                                   looked.emplace_back(name);
                                   if (name == "B499" || name == "B500") return Picture(0xff0000);
                                   if (name == "B498" || name == "B501") return Pattern(7, 5);
                                   return QImage();
                               }};
    QImage canvas_{130, 110, QImage::Format_RGB32};
};

TEST(TableColours, StoredColoursHaveRedInTheLowByteAndSystemColoursByIndex) {
    EXPECT_EQ(ColourFromStored(Stored(10, 20, 30)), QColor(10, 20, 30));
    EXPECT_EQ(ColourFromStored(32768), QColor(0, 128, 0));
    EXPECT_EQ(ColourFromStored(255), QColor(255, 0, 0));
    EXPECT_EQ(ColourFromStored(-2147483633), QColor(240, 240, 240));  // button face
    EXPECT_EQ(ColourFromStoredText("16711680"), QColor(0, 0, 255));
    EXPECT_EQ(ColourFromStoredText("rubbish"), QColor(0, 0, 0));
    EXPECT_EQ(DefaultTableGreen(kManyColours), QColor(0, 96, 0));
    EXPECT_EQ(DefaultTableGreen(256), QColor(0, 128, 0));
    EXPECT_EQ(HighlightColour(4), QColor(255, 185, 220));
    EXPECT_EQ(HighlightColour(14), QColor(192, 192, 192));
    EXPECT_EQ(HighlightColour(15), QColor(0, 0, 0));
    EXPECT_EQ(HighlightColour(-3), QColor(0, 0, 0));
}

TEST_F(BackgroundTest, KindFollowsThePreferencesInOrder) {
    settings_.Put(field::BackgroundDef, "Y");
    settings_.Put(field::CustomizedBackground, "Y");
    settings_.Put(field::BackgroundBmp, "302");
    EXPECT_EQ(painter_.ChooseKind().kind, background::kDefault);
    settings_.Put(field::BackgroundDef, "N");
    EXPECT_EQ(painter_.ChooseKind().kind, background::kPictureFile);
    settings_.Put(field::CustomizedBackground, "N");
    EXPECT_EQ(painter_.ChooseKind().kind, 302);
    settings_.Put(field::BackgroundBmp, "0");
    EXPECT_EQ(painter_.ChooseKind().kind, background::kPlainColour);
    settings_.Put(field::BackgroundBmp, "2");  // not a picture number
    EXPECT_EQ(painter_.ChooseKind().kind, background::kPlainColour);
}

TEST_F(BackgroundTest, FixedColourOfZeroKeepsTheColourAndAboveZeroReplacesIt) {
    settings_.Put(field::BackgroundDef, "N");
    settings_.Put(field::BackgroundBmp, "0");
    settings_.Put(field::BackgroundCol, std::to_string(Stored(10, 20, 30)));
    settings_.Put(field::BackgroundFixedCol, "0");
    painter_.PaintBackground(canvas_);
    EXPECT_EQ(canvas_.pixelColor(50, 50), QColor(10, 20, 30));
    EXPECT_EQ(QColor(painter_.Painted().Pixel(120, 100)), QColor(10, 20, 30));
    settings_.Put(field::BackgroundFixedCol, std::to_string(Stored(200, 0, 0)));
    painter_.PaintBackground(canvas_);
    EXPECT_EQ(canvas_.pixelColor(50, 50), QColor(200, 0, 0));
}

TEST_F(BackgroundTest, FadeGoesFromTheColourAtTheTopToBlackAtTheBottom) {
    settings_.Put(field::BackgroundDef, "N");
    settings_.Put(field::BackgroundBmp, "0");
    settings_.Put(field::BackgroundFixedCol, std::to_string(Stored(0, 200, 100)));
    settings_.Put(field::FadeBackground, "Y");
    painter_.PaintBackground(canvas_);
    // The fade covers the table (100 x 80) plus one pixel; band k has k/256 of the colour.
    EXPECT_LE(canvas_.pixelColor(10, 80).green(), 3) << "nearly black at the bottom";
    EXPECT_EQ(canvas_.pixelColor(10, 0), QColor(0, 200 * 255 / 256, 100 * 255 / 256));
    EXPECT_GT(canvas_.pixelColor(10, 20).green(), canvas_.pixelColor(10, 60).green());
    EXPECT_EQ(canvas_.pixelColor(10, 100), QColor(0, 200, 100)) << "below the fade: the colour";

    painter_.SetGeometry({100, 80, false, 256});
    painter_.PaintBackground(canvas_);
    EXPECT_EQ(canvas_.pixelColor(10, 80), QColor(0, 200, 100)) << "no fade on 256 colours";
    settings_.Put(field::BackgroundDef, "Y");
    painter_.PaintBackground(canvas_);
    EXPECT_EQ(canvas_.pixelColor(10, 10), QColor(0, 128, 0));
}

TEST_F(BackgroundTest, FadeFillMakesTwoHundredFiftySixBands) {
    QImage image(4, 512, QImage::Format_RGB32);
    BackgroundPainter::FadeFill(image, image.rect(), QColor(0, 0, 255), QColor(0, 0, 0));
    for (int k = 0; k < 256; ++k) {
        // Band k from the bottom spans two rows here.
        EXPECT_EQ(image.pixelColor(0, 511 - 2 * k).blue(), 255 * k / 256) << k;
        EXPECT_EQ(image.pixelColor(3, 510 - 2 * k).blue(), 255 * k / 256) << k;
    }
}

TEST_F(BackgroundTest, PicturesBelowFiveHundredAreTiledTheOthersDrawnOnce) {
    painter_.PaintBackgroundKind(canvas_, 499, 499, "", false, 0);
    EXPECT_EQ(looked.back(), "B499");
    EXPECT_EQ(canvas_.pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_EQ(canvas_.pixelColor(95, 75), QColor(255, 0, 0));
    EXPECT_EQ(canvas_.pixelColor(129, 109), QColor(255, 0, 0));
    EXPECT_EQ(QColor(painter_.Painted().Pixel(95, 75)), QColor(255, 0, 0));

    painter_.PaintBackgroundKind(canvas_, 500, 500, "", false, 0);
    EXPECT_EQ(looked.back(), "B500");
    EXPECT_EQ(canvas_.pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_EQ(canvas_.pixelColor(15, 5), QColor(0, 96, 0));
    EXPECT_EQ(canvas_.pixelColor(95, 75), QColor(0, 96, 0));
    EXPECT_EQ(QColor(painter_.Painted().Pixel(15, 15)), QColor(0, 96, 0));
}

TEST_F(BackgroundTest, AMissingLibraryPictureLeavesTheTableAsItWas) {
    painter_.PaintBackgroundKind(canvas_, 302, 302, "", false, 0);
    EXPECT_EQ(canvas_.pixelColor(50, 50), QColor(255, 255, 255));
}

TEST_F(BackgroundTest, APreviewLeavesTheTablesBackgroundAlone) {
    painter_.PaintBackgroundKind(canvas_, background::kPlainColour, Stored(1, 2, 3), "", true, 0);
    EXPECT_EQ(canvas_.pixelColor(50, 50), QColor(1, 2, 3));
    EXPECT_EQ(painter_.Painted().Pixel(50, 50), qRgb(0, 0, 0)) << "nothing painted for the table";
}

TEST_F(BackgroundTest, ThePlayersPictureIsTiledFromTheProgramFolder) {
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(QColor(0, 0, 200));
    tile.setPixelColor(0, 0, QColor(255, 255, 0));
    ASSERT_TRUE(tile.save(QString::fromStdString((dir_.Path() / "mine.bmp").string()), "BMP"));
    settings_.options.customizedBackground = "mine";
    settings_.Put(field::BackgroundDef, "N");
    settings_.Put(field::CustomizedBackground, "Y");
    painter_.PaintBackground(canvas_);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(canvas_.pixelColor(16, 24), QColor(255, 255, 0));
    EXPECT_EQ(canvas_.pixelColor(17, 24), QColor(0, 0, 200));
    EXPECT_EQ(BackgroundPainter::PictureFilePath("C:\\pics\\sea.bmp", "/x/"), "C:/pics/sea.bmp");
    EXPECT_EQ(BackgroundPainter::PictureFilePath("sea", "/x"), "/x/sea.bmp");
}

TEST_F(BackgroundTest, AMissingPlayersPictureFallsBackOnceAndRepairsThePreferences) {
    const std::string missing = (dir_.Path() / "gone" / "sea.bmp").string();
    settings_.options.customizedBackground = missing;
    settings_.Put(field::BackgroundDef, "N");
    settings_.Put(field::CustomizedBackground, "Y");
    painter_.PaintBackground(canvas_);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0], "Customized background image not found: " + missing);
    EXPECT_EQ(canvas_.pixelColor(50, 50), QColor(0, 96, 0));
    EXPECT_EQ(QColor(painter_.Painted().Pixel(50, 50)), QColor(0, 96, 0));
    EXPECT_EQ(settings_.Get(field::CustomizedBackground), "N");
    EXPECT_EQ(settings_.Get(field::BackgroundDef), "Y");
    EXPECT_EQ(settings_.options.customizedBackground, "");
    // The repair is written through to the file.
    const PreferencesFile prefs(PreferencesPath(settings_));
    EXPECT_EQ(prefs.ReadString(section::Preference, "Customized_Background", "?"), "");
    EXPECT_EQ(prefs.ReadString(section::Preference, "Background_Def", "?"), "Y");

    painter_.PaintBackground(canvas_);
    EXPECT_EQ(messages_.shown.size(), 1u) << "shown only once";
}

TEST_F(BackgroundTest, AFileThatIsNoPictureCountsAsMissing) {
    WriteFile(dir_.Path() / "junk.bmp", "not a picture");
    settings_.Put(field::CustomizedBackground, "Y");
    painter_.PaintBackgroundKind(canvas_, background::kPictureFile, 0,
                                 (dir_.Path() / "junk.bmp").string(), true, 0);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(canvas_.pixelColor(50, 50), QColor(0, 96, 0));
    EXPECT_EQ(settings_.Get(field::CustomizedBackground), "Y") << "a preview repairs nothing";
}

TEST_F(BackgroundTest, WhatWasPaintedIsKeptAndDrawsTheSamePixelsAgain) {
    EXPECT_EQ(painter_.Painted().Pixel(3, 3), qRgb(0, 0, 0)) << "nothing painted yet: black";
    settings_.Put(field::BackgroundDef, "N");
    settings_.Put(field::BackgroundBmp, "0");
    settings_.Put(field::BackgroundFixedCol, std::to_string(Stored(0, 200, 100)));
    settings_.Put(field::FadeBackground, "Y");
    painter_.PaintBackground(canvas_);
    ExpectPaintedMatchesCanvas("fade");
    painter_.SetGeometry({100, 80, true, kManyColours});
    painter_.PaintBackground(canvas_);
    ExpectPaintedMatchesCanvas("fade reaching under the scroll bar");
    painter_.PaintBackgroundKind(canvas_, 498, 498, "", false, 0);
    ExpectPaintedMatchesCanvas("tiled");
    painter_.PaintBackgroundKind(canvas_, 501, 501, "", false, 0);
    ExpectPaintedMatchesCanvas("drawn once");
    settings_.Put(field::BackgroundDef, "Y");
    painter_.PaintBackground(canvas_);
    ExpectPaintedMatchesCanvas("default");

    // A preview keeps what the table had.
    const QImage table = canvas_.copy();
    QImage sample(30, 30, QImage::Format_RGB32);
    painter_.PaintBackgroundKind(sample, 498, 498, "", true, 0);
    EXPECT_EQ(painter_.Painted().ToImage(table.size()), table);

    // A picture the library lacks leaves the table as it was, cards and all: that is what
    // an erase shows afterwards.
    canvas_.setPixel(60, 70, qRgb(1, 2, 3));
    painter_.PaintBackgroundKind(canvas_, 302, 302, "", false, 0);
    EXPECT_EQ(painter_.Painted().Pixel(60, 70), qRgb(1, 2, 3));
    ExpectPaintedMatchesCanvas("left as it was");
}

}  // namespace
}  // namespace tindle::test
