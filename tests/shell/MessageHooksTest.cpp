#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "model/Game.h"
#include "shell/MessageHooks.h"
#include "support/QtTestApp.h"

namespace tindle {
namespace {

// A widget that counts what reaches it.
class Target : public QWidget {
  public:
    int keys = 0;
    int presses = 0;
    int releases = 0;

  protected:
    void keyPressEvent(QKeyEvent*) override { ++keys; }
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent*) override { ++releases; }
};

class MessageHooksTest : public ::testing::Test {
  protected:
    void Key() {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &event);
    }
    void Mouse(QEvent::Type type, Qt::MouseButton button) {
        QMouseEvent event(type, QPointF(5, 5), QPointF(5, 5), button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &event);
    }
    // The application exists before the widget below is made.
    QApplication& application = test::QtTestApp();
    RunFlags flags;
    MessageHooks hooks{flags};
    Target target;
};

TEST_F(MessageHooksTest, WithoutAHookEverythingPasses) {
    Key();
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(target.keys, 1);
    EXPECT_EQ(target.presses, 1);
}

TEST_F(MessageHooksTest, TheAnimationHookStopsTheAnimationOnAKeyOrAClick) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        flags.animationRunning = true;
        hooks.Install(MessageHooks::Hook::Animation);
        Mouse(QEvent::MouseButtonPress, button);
        EXPECT_FALSE(flags.animationRunning);
    }
    flags.animationRunning = true;
    Key();
    EXPECT_FALSE(flags.animationRunning);
    EXPECT_EQ(target.keys, 0);
    EXPECT_EQ(target.presses, 0);
    // Other events pass.
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(target.releases, 1);
}

TEST_F(MessageHooksTest, TheDealHookSwallowsKeysAndClicksAndCutsTheDealShort) {
    flags.animationRunning = true;
    hooks.Install(MessageHooks::Hook::Deal);
    Mouse(QEvent::MouseButtonPress, Qt::MiddleButton);
    EXPECT_EQ(target.presses, 1);
    EXPECT_FALSE(flags.dealCutShort) << "the middle button passes";
    for (int i = 0; i < 3; ++i) {
        flags.dealCutShort = false;
        if (i == 0) Key();
        if (i == 1) Mouse(QEvent::MouseButtonPress, Qt::LeftButton);
        if (i == 2) Mouse(QEvent::MouseButtonPress, Qt::RightButton);
        EXPECT_TRUE(flags.dealCutShort) << i;
    }
    EXPECT_EQ(target.keys, 0);
    EXPECT_EQ(target.presses, 1);
    EXPECT_TRUE(flags.animationRunning);
}

TEST_F(MessageHooksTest, RestorePutsBackTheStateWithoutAHook) {
    hooks.Install(MessageHooks::Hook::Deal);
    hooks.Restore();
    EXPECT_EQ(hooks.Installed(), MessageHooks::Hook::None);
    Key();
    EXPECT_EQ(target.keys, 1);
}

TEST_F(MessageHooksTest, AShortcutKeyIsClaimedSoThatItsPressReachesTheHook) {
    hooks.Install(MessageHooks::Hook::Deal);
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_F2, Qt::NoModifier);
    override.ignore();
    QCoreApplication::sendEvent(&target, &override);
    EXPECT_TRUE(override.isAccepted());
}

}  // namespace
}  // namespace tindle
