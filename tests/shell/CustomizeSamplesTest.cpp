#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <map>
#include <string>

#include "shell/TfrmCustomizeSamples.h"
#include "shell/settings/PreferencesLoader.h"
#include "shell/settings/SettingsRecord.h"
#include "support/QtTestApp.h"
#include "support/RecordingPorts.h"
#include "support/TestPaths.h"
#include "table/BackgroundPainter.h"
#include "table/ResourceLibrary.h"

namespace tindle {
namespace {

constexpr QRgb kEmpty = 0xff123456;

// A background painter whose pictures are the test's own.
class CustomizeSamples : public ::testing::Test {
  protected:
    void SetUp() override {
        painter.SetGeometry({800, 600, false, kManyColours});
        in.painter = &painter;
        in.plainColour = kButtonFaceColour;
        in.fade = true;
        in.displayColours = kManyColours;
        in.screenArea = QSize(400, 200);
        in.emptyColour = QColor::fromRgb(kEmpty);
    }
    static QImage Solid(int w, int h, QRgb colour) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    std::map<std::string, QImage> pictures;
    SettingsRecord settings;
    test::RecordingMessages messages;
    BackgroundPainter painter{settings, messages, [this](std::string_view name) {
                                  auto it = pictures.find(std::string(name));
                                  return it == pictures.end() ? QImage() : it->second;
                              }};
    BackgroundSampleInputs in;
};

TEST_F(CustomizeSamples, AColourFadesFromTheTopToBlackOnlyOnARichDisplay) {
    const QColor green(0, 128, 0);
    const QImage faded = ColourSample(QSize(100, 256), green, true, kManyColours);
    // The top band is nearly the colour, the bottom band black, in between it darkens.
    EXPECT_EQ(faded.pixel(50, 0), qRgb(0, 127, 0));
    EXPECT_EQ(faded.pixel(50, 255), qRgb(0, 0, 0));
    EXPECT_EQ(faded.pixel(50, 128), qRgb(0, 63, 0));
    EXPECT_EQ(faded.pixel(0, 10), faded.pixel(99, 10));

    for (const QImage& solid : {ColourSample(QSize(100, 256), green, true, 256),
                                ColourSample(QSize(100, 256), green, false, kManyColours)}) {
        EXPECT_EQ(solid.pixel(0, 0), green.rgb());
        EXPECT_EQ(solid.pixel(99, 255), green.rgb());
    }
}

TEST_F(CustomizeSamples, ColourCodesPaintTheirColour) {
    in.fade = false;
    // Code 1: the plain colour, here the button face.
    const QImage plain = BackgroundSample(QSize(50, 40), 1, in);
    EXPECT_EQ(plain.size(), QSize(50, 40));
    EXPECT_EQ(plain.pixel(10, 10), qRgb(240, 240, 240));
    // A fixed colour is stored with red in the low byte.
    const QImage blue = BackgroundSample(QSize(50, 40), 16711680, in);
    EXPECT_EQ(blue.pixel(49, 39), qRgb(0, 0, 255));
    in.fade = true;
    const QImage fadedWhite = BackgroundSample(QSize(50, 256), 16777215, in);
    EXPECT_EQ(fadedWhite.pixel(0, 255), qRgb(0, 0, 0));
    EXPECT_EQ(fadedWhite.pixel(0, 0), qRgb(254, 254, 254));
}

TEST_F(CustomizeSamples, TheDefaultIsTheTableGreen) {
    EXPECT_EQ(BackgroundSample(QSize(30, 30), 0, in).pixel(29, 29), qRgb(0, 96, 0));
    EXPECT_EQ(BackgroundSample(QSize(30, 30), -4, in).pixel(0, 0), qRgb(0, 96, 0));
    in.displayColours = 256;
    painter.SetGeometry({800, 600, false, 256});
    EXPECT_EQ(BackgroundSample(QSize(30, 30), 0, in).pixel(0, 0), qRgb(0, 128, 0));
}

TEST_F(CustomizeSamples, TiledPicturesKeepTheirSizeAndStretchedOnesShrink) {
    // A 20 x 10 tile: red on its left half, blue on its right.
    QImage tile = Solid(20, 10, qRgb(255, 0, 0));
    QPainter(&tile).fillRect(10, 0, 10, 10, Qt::blue);
    pictures["B311"] = tile;
    const QImage tiled = BackgroundSample(QSize(50, 25), 311, in);
    ASSERT_EQ(tiled.size(), QSize(50, 25));
    for (int y : {0, 9, 10, 24})
        for (int x : {0, 9, 10, 19, 20, 35, 49})
            EXPECT_EQ(tiled.pixel(x, y), tile.pixel(x % 20, y % 10)) << x << "," << y;

    // A picture from 500 on is drawn once on the screen-sized picture (400 x 200), the rest
    // of which is the default green, and that is shrunk to the sample: the 200 x 100 picture
    // fills the upper-left quarter.
    pictures["B600"] = Solid(200, 100, qRgb(255, 0, 0));
    const QImage stretched = BackgroundSample(QSize(100, 50), 600, in);
    ASSERT_EQ(stretched.size(), QSize(100, 50));
    EXPECT_EQ(stretched.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(stretched.pixel(45, 20), qRgb(255, 0, 0));
    EXPECT_EQ(stretched.pixel(80, 10), qRgb(0, 96, 0));
    EXPECT_EQ(stretched.pixel(10, 40), qRgb(0, 96, 0));
}

TEST_F(CustomizeSamples, AMissingPictureLeavesAnEmptySample) {
    for (long long code : {311LL, 2LL, 700LL}) {
        const QImage sample = BackgroundSample(QSize(40, 30), code, in);
        ASSERT_EQ(sample.size(), QSize(40, 30)) << code;
        EXPECT_EQ(sample.pixel(0, 0), kEmpty) << code;
        EXPECT_EQ(sample.pixel(39, 29), kEmpty) << code;
    }
    // Code 2 never reaches the player's own picture file.
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CustomizeSamples, TheBackIsABigCardWithRoundedCorners) {
    QImage sample = Solid(156, 140, qRgb(0, 128, 0));
    const QPoint place(42, 22);
    DrawBackOnSample(sample, place, Solid(71, 96, qRgb(200, 0, 0)));
    EXPECT_EQ(sample.pixel(place), qRgb(0, 128, 0));                   // a corner
    EXPECT_EQ(sample.pixel(place + QPoint(1, 0)), qRgb(0, 128, 0));    // beside it
    EXPECT_EQ(sample.pixel(place + QPoint(1, 1)), qRgb(200, 0, 0));    // the card
    EXPECT_EQ(sample.pixel(place + QPoint(70, 48)), qRgb(200, 0, 0));  // right edge
    EXPECT_EQ(sample.pixel(place + QPoint(70, 95)), qRgb(0, 128, 0));  // a corner
    EXPECT_EQ(sample.pixel(place + QPoint(71, 48)), qRgb(0, 128, 0));  // beside the card
    EXPECT_EQ(sample.pixel(place + QPoint(35, 96)), qRgb(0, 128, 0));  // below it

    // Whatever its size, the back is drawn as a 71 x 96 card.
    QImage other = Solid(156, 140, qRgb(0, 128, 0));
    DrawBackOnSample(other, place, Solid(25, 32, qRgb(0, 0, 200)));
    EXPECT_EQ(other.pixel(place + QPoint(69, 94)), qRgb(0, 0, 200));
    EXPECT_EQ(other.pixel(place + QPoint(72, 94)), qRgb(0, 128, 0));

    // No back, no card.
    QImage untouched = Solid(156, 140, qRgb(0, 128, 0));
    DrawBackOnSample(untouched, place, QImage());
    EXPECT_EQ(untouched, Solid(156, 140, qRgb(0, 128, 0)));
}

TEST(CustomizeSamplesLibrary, TheLibraryHoldsEveryBackAndPictureOfTheTrees) {
    test::QtTestApp();
    ResourceLibrary library;
    ASSERT_TRUE(library.Load(QString::fromStdString((test::ProgramDir() / "ZUV.RGF").string())));
    for (const char* name :
         {"DB001", "DB003", "DB006", "DB007",   "DB011",   "DB014",  "DB019", "DB020",
          "B102",  "B263",  "B277",  "B287",    "B296",    "B302",   "B304",  "B311",
          "B324",  "TREE1", "TREE2", "N_TREE3", "N_TREE4", "N_TREE5"})
        EXPECT_FALSE(library.Bitmap(name).isNull()) << name;
    EXPECT_EQ(library.Bitmap("DB011").size(), QSize(71, 96));
}

}  // namespace
}  // namespace tindle
