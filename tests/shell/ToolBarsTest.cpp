#include <gtest/gtest.h>

#include <QFrame>
#include <QToolButton>

#include "shell/ToolBars.h"
#include "support/QtTestApp.h"
#include "support/TestPaths.h"
#include "table/ResourceLibrary.h"

namespace tindle {
namespace {

class ToolBarsTest : public ::testing::Test {
  protected:
    // The application exists before the widgets below are made.
    bool withApp = (test::QtTestApp(), true);

    void SetUp() override {
        pnlTB.resize(800, 46);
        pnlTB1.resize(800, 24);
        bars = BuildToolBars(&pnlTB, &pnlTB1);
    }
    QFrame pnlTB;
    QFrame pnlTB1;
    ToolBars bars;
};

TEST_F(ToolBarsTest, BothRowsHoldTheSameCommandsGroupedBySeparators) {
    const char* names[] = {"tbNew",      "tbOpen",  "tbUndo", "tbRedo",
                           "tbAutoPlay", "tbRules", "tbExit"};
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(bars.large.buttons[i]->objectName(), names[i]);
        EXPECT_EQ(bars.small.buttons[i]->objectName(), QString(names[i]) + "1");
        EXPECT_EQ(bars.large.buttons[i]->parent(), &pnlTB);
        EXPECT_EQ(bars.small.buttons[i]->parent(), &pnlTB1);
    }
    EXPECT_EQ(bars.large.separators.size(), 3u);
    EXPECT_EQ(bars.small.separators.size(), 4u);
    EXPECT_EQ(bars.small.separators[3]->objectName(), "sep_tb_small_4");
    // Only the autoplay buttons stay down.
    for (const ToolBarRow* row : {&bars.large, &bars.small})
        for (QToolButton* button : row->buttons)
            EXPECT_EQ(button->isCheckable(), button == row->Button(ToolbarCommand::Autoplay));

    // Buttons follow one another left to right; a separator stands between Open and Undo.
    const ToolBarRow& small = bars.small;
    EXPECT_EQ(small.Button(ToolbarCommand::Open)->x(),
              small.Button(ToolbarCommand::New)->x() + kSmallButtonWidth);
    EXPECT_GT(small.Button(ToolbarCommand::Undo)->x(),
              small.Button(ToolbarCommand::Open)->x() + kSmallButtonWidth);
    EXPECT_LT(small.Button(ToolbarCommand::Rules)->x(), small.Button(ToolbarCommand::Exit)->x());
    EXPECT_EQ(bars.large.Button(ToolbarCommand::New)->size(),
              QSize(kLargeButtonWidth, kLargeButtonHeight));

    // The larger edition's buttons are never shown.
    ASSERT_EQ(bars.largerEdition.size(), 3u);
    for (QToolButton* button : bars.largerEdition) {
        EXPECT_TRUE(button->isHidden());
        EXPECT_FALSE(button->isEnabled());
    }
    EXPECT_EQ(bars.AllButtons().size(), 17u);
}

TEST_F(ToolBarsTest, RowAndButtonHeightsFollowTheStyle) {
    ToolBarGeometry flat = ToolBarGeometryFor(true, true);
    EXPECT_EQ(flat.smallRowHeight, 24);
    EXPECT_EQ(flat.smallButtonHeight, 22);
    EXPECT_EQ(flat.largeRowHeight, 46);
    EXPECT_EQ(flat.buttonTop, 1);
    ToolBarGeometry raised = ToolBarGeometryFor(false, false);
    EXPECT_EQ(raised.smallRowHeight, 25);
    EXPECT_EQ(raised.smallButtonHeight, 23);
    EXPECT_EQ(raised.largeRowHeight, 45);
    EXPECT_EQ(raised.buttonTop, 2);

    ApplyToolBarGeometry(bars, raised);
    EXPECT_EQ(pnlTB1.height(), 25);
    EXPECT_EQ(pnlTB.height(), 45);
    EXPECT_EQ(pnlTB1.width(), 800);  // rows keep their width
    for (QToolButton* button : bars.small.buttons)
        EXPECT_EQ(button->geometry(), QRect(button->x(), 2, kSmallButtonWidth, 23));
    for (QToolButton* button : bars.large.buttons)
        EXPECT_EQ(button->geometry(), QRect(button->x(), 2, kLargeButtonWidth, kLargeButtonHeight));
    // Separators stand within the buttons' height.
    for (QFrame* separator : bars.small.separators) {
        EXPECT_GE(separator->y(), 2);
        EXPECT_LE(separator->geometry().bottom(), 2 + 23);
    }
}

TEST_F(ToolBarsTest, FlatStyleAndHints) {
    SetToolBarFlat(bars, false);
    for (QToolButton* button : bars.AllButtons())
        EXPECT_FALSE(button->autoRaise());
    SetToolBarFlat(bars, true);
    for (QToolButton* button : bars.AllButtons())
        EXPECT_TRUE(button->autoRaise());

    SetToolBarHints(bars, true);
    EXPECT_EQ(bars.large.Button(ToolbarCommand::New)->toolTip(), "New");
    EXPECT_EQ(bars.small.Button(ToolbarCommand::Autoplay)->toolTip(), "Autoplay");
    EXPECT_EQ(bars.small.Button(ToolbarCommand::Exit)->toolTip(), "Exit");
    SetToolBarHints(bars, false);
    for (QToolButton* button : bars.AllButtons())
        EXPECT_TRUE(button->toolTip().isEmpty());
}

TEST_F(ToolBarsTest, GlyphsComeFromTheLibrary) {
    ResourceLibrary library;
    ASSERT_TRUE(library.Load(QString::fromStdString((test::ProgramDir() / "ZUV.RGF").string())));
    bars.small.Button(ToolbarCommand::Undo)->setEnabled(false);
    for (ToolBarRow* row : {&bars.large, &bars.small})
        LoadToolBarRowGlyphs(*row, library);
    for (const ToolBarRow* row : {&bars.large, &bars.small}) {
        const int side = row->large ? kLargeGlyphSize : kSmallGlyphSize;
        for (QToolButton* button : row->buttons) {
            EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
            EXPECT_EQ(button->iconSize(), QSize(side, side));
            EXPECT_EQ(button->icon().availableSizes().value(0), QSize(side, side));
        }
    }
    // The small Undo, Redo and Autoplay buttons carry the picture of their state.
    EXPECT_EQ(bars.small.Button(ToolbarCommand::Undo)->property("glyph").toString(), "TB_UNDO_DIS");
    EXPECT_EQ(bars.small.Button(ToolbarCommand::Redo)->property("glyph").toString(), "TB_REDO");
    EXPECT_EQ(bars.small.Button(ToolbarCommand::Autoplay)->property("glyph").toString(),
              "TB_AUTOPLAY1");
    // A name the library does not hold leaves the button without a picture, quietly.
    SetButtonGlyph(bars.small.Button(ToolbarCommand::Rules), library, "NO_SUCH_GLYPH");
    EXPECT_TRUE(bars.small.Button(ToolbarCommand::Rules)->icon().isNull());
}

}  // namespace
}  // namespace tindle
