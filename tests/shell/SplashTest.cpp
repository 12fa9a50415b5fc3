// The splash window: the library's picture as it is, or the words on the green without it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
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

// Counts the paints a widget receives.
class PaintCount : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// The start calls for the splash several times on its way to the main window; the unchanged
// picture is painted once, and a later request of the window system is still answered.
TEST(Splash, IsPaintedOnceByTheStartsRepaints) {
    test::QtTestApp();
    TfrmSplash splash(QImage(40, 30, QImage::Format_RGB32));
    PaintCount count;
    splash.installEventFilter(&count);
    splash.show();
    for (int i = 0; i < 3; ++i)
        splash.RepaintNow();
    EXPECT_EQ(count.paints, 1);
    splash.update();
    QCoreApplication::processEvents();
    EXPECT_EQ(count.paints, 2);
}

}  // namespace
}  // namespace tindle
