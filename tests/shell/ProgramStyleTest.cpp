// The program's style: menu bars made under it load no image-format plugin, and the overflow
// arrows it gives instead are still pictures.
#include <gtest/gtest.h>

#include <QMenuBar>

#include "shell/ProgramStyle.h"
#include "support/ImageFormatPlugins.h"
#include "support/QtTestApp.h"

namespace tindle {
namespace {

TEST(ProgramStyle, MenuBarsLoadNoImageFormatPluginAndKeepTheirArrows) {
    test::QtTestApp();
    if (test::ImageFormatPluginsLoaded())
        GTEST_SKIP() << "image-format plugins were loaded before this test";
    const QString before = QApplication::style()->name();
    QApplication::setStyle(new ProgramStyle);
    {
        QMenuBar bar;
        EXPECT_FALSE(test::ImageFormatPluginsLoaded());
    }
    for (const auto arrow :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton})
        EXPECT_FALSE(QApplication::style()->standardIcon(arrow).pixmap(16, 16).isNull());
    QApplication::setStyle(before);
}

}  // namespace
}  // namespace tindle
