// The splash window: the library's picture as it is, or the words on the green without it.
#include <gtest/gtest.h>

#include <QLabel>

#include "shell/AdvancedForm.h"
#include "shell/TfrmSplash.h"
#include "support/QtTestApp.h"

namespace tindle {
namespace {

TEST(Splash, ShowsThePictureAsItIsOrTheWordsInTheFormsFontWithoutIt) {
    test::QtTestApp();
    QImage picture(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 6, y * 8, 50));
    TfrmSplash splash(picture);
    EXPECT_EQ(splash.size(), picture.size());
    EXPECT_FALSE(splash.ShowsFreewareText());
    EXPECT_EQ(splash.findChild<QLabel*>(), nullptr);
    EXPECT_EQ(splash.grab().toImage().convertToFormat(QImage::Format_RGB32), picture);

    TfrmSplash plain{QImage()};
    EXPECT_EQ(plain.size(), QSize(TfrmSplash::kFallbackWidth, TfrmSplash::kFallbackHeight));
    ASSERT_TRUE(plain.ShowsFreewareText());
    const auto* words = plain.findChild<QLabel*>("lblFreeware");
    ASSERT_NE(words, nullptr);
    EXPECT_EQ(words->text(), "Freeware version");
    EXPECT_EQ(words->font().family(), FormFont().family());
    EXPECT_EQ(words->font().pointSize(), kFormFontPointSize);
    EXPECT_EQ(plain.grab().toImage().pixel(5, 5), qRgb(0, 96, 0));
}

}  // namespace
}  // namespace tindle
