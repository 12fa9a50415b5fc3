#include <gtest/gtest.h>

#include "shell/CursorTable.h"
#include "support/QtTestApp.h"
#include "support/TestPaths.h"
#include "table/ResourceLibrary.h"

namespace tindle {
namespace {

TEST(CursorTable, TwelveCursorsFromTheLibrary) {
    test::QtTestApp();
    ResourceLibrary library;
    ASSERT_TRUE(library.Load(QString::fromStdString((test::ProgramDir() / "ZUV.RGF").string())));
    CursorTable cursors;
    cursors.Load(library);
    for (int number : {10, 11, 12, 13, 14, 15, 20, 21, 22, 23, 24, 25}) {
        ASSERT_TRUE(cursors.Has(number)) << number;
        EXPECT_EQ(cursors.Cursor(number).shape(), Qt::BitmapCursor) << number;
    }
    EXPECT_FALSE(cursors.Has(16));

    // 10 is the system arrow, also while dragging; 12 is the right hand, 22 while dragging.
    EXPECT_EQ(cursors.Pointer(10, false).shape(), Qt::ArrowCursor);
    EXPECT_EQ(cursors.Pointer(10, true).shape(), Qt::ArrowCursor);
    const QCursor hand = cursors.Pointer(12, false);
    const QCursor grab = cursors.Pointer(12, true);
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.pixmap().toImage(), cursors.Cursor(12).pixmap().toImage());
    EXPECT_EQ(grab.pixmap().toImage(), cursors.Cursor(22).pixmap().toImage());
    EXPECT_NE(hand.pixmap().toImage(), grab.pixmap().toImage());
    // A number without a cursor falls back to the arrow.
    EXPECT_EQ(cursors.Pointer(42, false).shape(), Qt::ArrowCursor);
}

TEST(CursorTable, AnEmptyLibraryGivesArrows) {
    test::QtTestApp();
    ResourceLibrary library;
    CursorTable cursors;
    cursors.Load(library);
    EXPECT_FALSE(cursors.Has(10));
    EXPECT_EQ(cursors.Pointer(12, true).shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace tindle
