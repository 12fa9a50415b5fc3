#include <gtest/gtest.h>

#include <QPainter>

#include "shell/OpenGamePreview.h"
#include "shell/settings/SettingsRecord.h"
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

}  // namespace
}  // namespace tindle
