#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "shell/MessageBoxes.h"
#include "shell/TfrmMsgAdvice.h"
#include "support/QtTestApp.h"
#include "support/TestPaths.h"
#include "table/ResourceLibrary.h"

namespace tindle {
namespace {

TEST(AdviceBox, ItsLayout) {
    test::QtTestApp();
    TfrmMsgAdvice box("Some advice", QImage(96, 128, QImage::Format_RGB32));
    EXPECT_EQ(box.windowTitle(), "Information");
    EXPECT_EQ(box.size(), QSize(418, 177));
    EXPECT_EQ(box.MessageText(), "Some advice");
    EXPECT_TRUE(box.lblMessage->wordWrap());
    EXPECT_EQ(box.chkNotDisplay->text(), "&Don't show this message box again");
    EXPECT_EQ(box.btnOK->text(), "OK");
    EXPECT_FALSE(box.imgPicture->pixmap().isNull());
    // The words of the check box fit beside the button.
    EXPECT_GE(box.chkNotDisplay->width(), box.chkNotDisplay->sizeHint().width());
    EXPECT_LE(box.chkNotDisplay->geometry().right(), box.btnOK->geometry().left());
    EXPECT_FALSE(box.windowFlags() & Qt::WindowCloseButtonHint);
}

// The message boxes of the program, answered by a click once the box is up.
class MessageBoxesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::QtTestApp();
        ASSERT_TRUE(
            library.Load(QString::fromStdString((test::ProgramDir() / "ZUV.RGF").string())));
        boxes.SetLibrary(&library);
    }
    // Ticks the box (or not) and presses OK as soon as the advice box shows.
    void AnswerAdvice(bool tick) {
        QTimer::singleShot(0, [this, tick] {
            auto* box = qobject_cast<TfrmMsgAdvice*>(QApplication::activeModalWidget());
            if (!box) return;
            shownPicture = !box->imgPicture->pixmap().isNull();
            shownText = box->MessageText();
            box->chkNotDisplay->setChecked(tick);
            box->btnOK->click();
        });
    }
    ResourceLibrary library;
    MessageBoxes boxes;
    bool shownPicture = false;
    QString shownText;
};

TEST_F(MessageBoxesTest, TheAdviceBoxTellsWhetherItWasTicked) {
    AnswerAdvice(true);
    EXPECT_TRUE(boxes.ShowAdvice("[Program] advises", 0));
    EXPECT_TRUE(shownPicture);
    EXPECT_EQ(shownText, "Tindle advises");
    AnswerAdvice(false);
    EXPECT_FALSE(boxes.ShowAdvice("Again", 1));
    EXPECT_TRUE(shownPicture);
}

}  // namespace
}  // namespace tindle
