#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include "shell/ModalFocus.h"
#include "support/QtTestApp.h"

namespace tindle {
namespace {

void Settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// The window system gives the focus to `w`, as a window manager does on a click.
void FocusGoesTo(QWidget& w) {
    w.activateWindow();
    Settle();
}

bool HasFocus(const QWidget& w) {
    return QGuiApplication::focusWindow() == w.windowHandle();
}

TEST(ModalFocus, TheFocusGoesBackToTheDialogThatBlocksTheWindowClicked) {
    test::QtTestApp();
    ModalFocus modalFocus;
    QWidget main;
    main.resize(300, 200);
    main.show();
    QWidget other;  // a window of its own, as the help viewer is
    other.resize(100, 100);
    other.show();
    Settle();

    {
        QDialog dialog(&main);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        FocusGoesTo(dialog);
        ASSERT_TRUE(HasFocus(dialog));
        FocusGoesTo(main);
        EXPECT_TRUE(HasFocus(dialog)) << "the main window kept the focus the dialog needs";
        FocusGoesTo(other);
        EXPECT_TRUE(HasFocus(dialog)) << "a window the dialog blocks kept the focus";

        // A window of the dialog's own (here a dialog it opened) keeps it.
        QDialog child(&dialog);
        child.show();
        FocusGoesTo(child);
        EXPECT_TRUE(HasFocus(child));
    }
    {
        // A dialog modal to the main window alone leaves the other window its focus.
        QDialog dialog(&main);
        dialog.setWindowModality(Qt::WindowModal);
        dialog.show();
        FocusGoesTo(main);
        EXPECT_TRUE(HasFocus(dialog));
        FocusGoesTo(other);
        EXPECT_TRUE(HasFocus(other));
    }
    // No dialog open: the window clicked has the focus.
    FocusGoesTo(main);
    EXPECT_TRUE(HasFocus(main));
}

}  // namespace
}  // namespace tindle
