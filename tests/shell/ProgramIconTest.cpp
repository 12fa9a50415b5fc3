// The program icon: the library's two pictures, decoded when asked for.
#include <gtest/gtest.h>

#include "shell/ProgramIcon.h"
#include "support/QtTestApp.h"
#include "support/TestPaths.h"
#include "table/ResourceLibrary.h"
#include "table/ResourceNames.h"

namespace tindle {
namespace {

QImage Argb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(ProgramIcon, OffersTheLibrarysTwoSizesAndNothingWithoutThem) {
    test::QtTestApp();
    ResourceLibrary library;
    ASSERT_TRUE(library.Load(QString::fromStdString((test::ProgramDir() / "ZUV.RGF").string())));
    const QIcon icon = ProgramIcon(library);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{256, 256}, {32, 32}}));
    const QImage large = library.Bitmap(kIconPicture).convertToFormat(QImage::Format_ARGB32);
    const QImage small = library.Bitmap(kSmallIconPicture).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(Argb(icon.pixmap(256, 256)), large);
    EXPECT_EQ(Argb(icon.pixmap(32, 32)), small);
    // Between the two, the large picture scaled down; a copy of the icon works alike.
    const QIcon copy = icon;
    EXPECT_EQ(copy.pixmap(48, 48).size(), QSize(48, 48));
    EXPECT_EQ(copy.actualSize(QSize(48, 48)), QSize(48, 48));

    const ResourceLibrary empty;
    const QIcon none = ProgramIcon(empty);
    EXPECT_TRUE(none.isNull());
    EXPECT_TRUE(none.pixmap(32, 32).isNull());
}

}  // namespace
}  // namespace tindle
