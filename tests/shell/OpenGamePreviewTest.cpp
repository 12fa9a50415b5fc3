#include <gtest/gtest.h>

#include <QPainter>

#include "model/Catalogue.h"
#include "shell/OpenGamePreview.h"
#include "shell/settings/SettingsRecord.h"
#include "support/TestPaths.h"
#include "table/ResourceLibrary.h"
#include "table/ResourceNames.h"

namespace tindle {
namespace {

const QSize kPreview(kGamePreviewWidth, kGamePreviewHeight);

TEST(OpenGamePreview, FadeGoesFromGreenAtTheTopToBlackAtTheBottomEvenly) {
    const QImage fade = PreviewFadingBackground(kPreview);
    ASSERT_EQ(fade.size(), kPreview);
    EXPECT_EQ(fade.pixelColor(0, 0), QColor(0, 128, 0));
    EXPECT_EQ(fade.pixelColor(299, 184), QColor(0, 0, 0));
    int previous = 256;
    for (int y = 0; y < fade.height(); ++y) {
        const QColor c = fade.pixelColor(150, y);
        EXPECT_EQ(c.red(), 0);
        EXPECT_EQ(c.blue(), 0);
        EXPECT_LE(c.green(), previous) << "row " << y;
        // Each row is one colour across.
        EXPECT_EQ(fade.pixelColor(0, y), fade.pixelColor(299, y));
        previous = c.green();
    }
    // Half way down the green is about half.
    EXPECT_NEAR(fade.pixelColor(0, 92).green(), 64, 2);
}

TEST(OpenGamePreview, LowColourDisplaysGetPlainGreen) {
    const QImage fade = PreviewFadingBackground(kPreview);
    const QImage plain = PreviewBackground(fade, true);
    EXPECT_EQ(plain.pixelColor(0, 184), QColor(0, 128, 0));
    EXPECT_EQ(plain.pixelColor(299, 0), QColor(0, 128, 0));
    EXPECT_EQ(PreviewBackground(fade, false), fade);
}

// A bitmap with a key colour frame (its top-left pixel) around a red inner square.
QImage KeyedBitmap(int width, int height) {
    QImage bitmap(width, height, QImage::Format_RGB32);
    bitmap.fill(QColor(255, 0, 255));
    QPainter p(&bitmap);
    p.fillRect(QRect(2, 2, width - 4, height - 4), Qt::red);
    return bitmap;
}

TEST(OpenGamePreview, BitmapAtTheTopCentredWithItsTopLeftColourTransparent) {
    QImage background(kPreview, QImage::Format_RGB32);
    background.fill(Qt::blue);
    const QImage result = ComposePreview(background, KeyedBitmap(101, 50));
    const int left = (300 - 101) / 2;  // 99
    EXPECT_EQ(result.pixelColor(left + 2, 2), QColor(Qt::red));
    EXPECT_EQ(result.pixelColor(left + 1, 1), QColor(Qt::blue));  // key colour let through
    EXPECT_EQ(result.pixelColor(left + 2, 0), QColor(Qt::blue));
    EXPECT_EQ(result.pixelColor(left + 98, 47), QColor(Qt::red));
    EXPECT_EQ(result.pixelColor(left + 2, 52), QColor(Qt::blue));  // below the bitmap
    EXPECT_EQ(result.pixelColor(left - 1, 10), QColor(Qt::blue));

    // The library's previews have shadows: pixels of their own opacity, laid over the
    // background; fully transparent ones let it through whatever their colour.
    QImage shaded = KeyedBitmap(101, 50).convertToFormat(QImage::Format_ARGB32);
    shaded.setPixel(10, 10, qRgba(255, 0, 0, 128));
    shaded.setPixel(11, 10, qRgba(0, 255, 0, 0));
    const QImage over = ComposePreview(background, shaded);
    EXPECT_EQ(over.pixelColor(left + 10, 10), QColor(128, 0, 127));
    EXPECT_EQ(over.pixelColor(left + 11, 10), QColor(Qt::blue));
    EXPECT_EQ(over.pixelColor(left + 12, 10), QColor(Qt::red));
}

TEST(OpenGamePreview, WideBitmapIsCutEquallyOnBothSides) {
    QImage background(kPreview, QImage::Format_RGB32);
    background.fill(Qt::blue);
    QImage wide(305, 20, QImage::Format_RGB32);
    wide.fill(Qt::white);  // the key colour
    QPainter p(&wide);
    p.fillRect(QRect(2, 5, 1, 5), Qt::red);    // column 2 lands at 0: left = -5 / 2 = -2
    p.fillRect(QRect(1, 5, 1, 5), Qt::green);  // column 1 is cut off
    p.end();
    const QImage result = ComposePreview(background, wide);
    EXPECT_EQ(result.pixelColor(0, 6), QColor(Qt::red));
}

TEST(OpenGamePreview, MissingBitmapLeavesTheBackground) {
    const QImage fade = PreviewFadingBackground(kPreview);
    const QImage result = ComposePreview(fade, QImage());
    EXPECT_EQ(result.convertToFormat(QImage::Format_RGB32),
              fade.convertToFormat(QImage::Format_RGB32));
}

TEST(OpenGamePreview, PreviewNamesAreGameAndTheIdInFourDigits) {
    EXPECT_EQ(GamePreviewName(5), "GAME0005");
    EXPECT_EQ(GamePreviewName(123), "GAME0123");
    EXPECT_EQ(GamePreviewName(5), "GAME" + ZeroPad(5, 4));
}

// Whether a column of the picture holds anything but the key colour.
bool ColumnUsed(const QImage& image, int x, QRgb key) {
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(x, y) != key) return true;
    return false;
}

TEST(OpenGamePreview, EveryGameOfTheCollectionHasItsPreviewDrawnFromItsTable) {
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Read(test::ProgramDir() / "GAMES.DAT").Ok());
    ResourceLibrary library;
    ASSERT_TRUE(library.Load(QString::fromStdString((test::ProgramDir() / "ZUV.RGF").string())));
    ASSERT_FALSE(catalogue.Empty());
    for (const auto& entry : catalogue.Entries()) {
        SCOPED_TRACE(entry.name);
        const QImage preview =
            library.Bitmap(GamePreviewName(entry.gameId)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(preview.isNull());
        EXPECT_LE(preview.width(), kGamePreviewWidth);
        EXPECT_EQ(preview.height(), kGamePreviewHeight);
        // The table is one key colour (the top-left pixel) and cut to what is drawn on it.
        const QRgb key = preview.pixel(0, 0);
        EXPECT_TRUE(ColumnUsed(preview, 0, key));
        EXPECT_TRUE(ColumnUsed(preview, preview.width() - 1, key));
        // Cards are drawn: white card faces cover a good part of the picture.
        int white = 0;
        for (int y = 0; y < preview.height(); ++y)
            for (int x = 0; x < preview.width(); ++x)
                if (preview.pixel(x, y) == qRgb(255, 255, 255)) ++white;
        EXPECT_GT(white, 1000);
        // Over the dialog's background the key colour disappears.
        const QImage shown = ComposePreview(
            PreviewFadingBackground(QSize(kGamePreviewWidth, kGamePreviewHeight)), preview);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                ASSERT_NE(shown.pixel(x, y), key) << x << "," << y;
    }
}

}  // namespace
}  // namespace tindle
