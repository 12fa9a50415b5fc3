// Moving pictures: lifting cards, one step of a drag, a card's flight.
#include <gtest/gtest.h>

#include <QPainter>

#include "RendererFixture.h"
#include "table/FlightPath.h"

namespace tindle::test {
namespace {

constexpr QRgb kSentinel = 0x123456;

TEST(FlightPath, StepsGrowWithTheDistanceAndNeverPassTheTarget) {
    EXPECT_EQ(FlightStep(0, false), 0);
    EXPECT_EQ(FlightStep(1, false), 1);
    EXPECT_EQ(FlightStep(50, false), 11);   // 50 / 4.64 + 0.5 = 11.28
    EXPECT_EQ(FlightStep(500, false), 49);  // 500 / 10.4 + 0.5 = 48.58
    EXPECT_EQ(FlightStep(500, true), 44);   // 49 * 0.9 = 44.1
    EXPECT_EQ(FlightStep(3, false), 1);
    for (int d = 1; d < 2000; d += 37) {
        EXPECT_GE(FlightStep(d, false), 1);
        EXPECT_LE(FlightStep(d, false), d);
        EXPECT_LE(FlightStep(d, true), FlightStep(d, false));
    }
    EXPECT_EQ(FlightFollow(100, 200, 0, 400), 100);    // nearest(0.5): half to even, 0 percent
    EXPECT_EQ(FlightFollow(100, 200, 100, 400), 126);  // nearest(25.5) = 26 percent
    EXPECT_EQ(FlightFollow(100, 200, 400, 400), 200);
    EXPECT_EQ(FlightFollow(100, 0, 200, 400), 50);
}

class MoveTest : public RendererTest {
  protected:
    // The top card of column 1 lifted, its picture built, the window showing the table.
    void LiftTopOfFirstColumn() {
        Repaint();
        const PileRef column{PileKind::Fila, 0};
        const int count = PileCount(game_.piles.Get(column));
        liftedCard_ = PileTop(game_.piles.Get(column));
        const int x = layout_.CardLeftX(game_, settings_, column, 0, false);
        const int y = layout_.CardTopY(game_, column, 0, false);
        PointerState& p = game_.pointer;
        p.dragImageHeight = pictures_->CardHeight();
        p.dragRect = {x, y, x + 71, y + 96};
        p.lastDrawX = x;
        p.lastDrawY = y;
        renderer_->BuildDragImage(column, count - 1);
        start_ = QPoint(x, y);
    }
    int liftedCard_ = 0;
    QPoint start_;
};

TEST_F(MoveTest, LiftingDrawsTheTableWithoutTheCardsAndTheCardsIntoTheDragPicture) {
    Repaint();
    const PileRef column{PileKind::Fila, 2};
    const Pile before = game_.piles.Get(column);
    const int count = PileCount(before);
    const int y = layout_.CardTopY(game_, column, 2, false);  // third card from the top
    game_.pointer.dragImageHeight = layout_.CardTopY(game_, column, 0, false) + 96 - y;
    renderer_->BuildDragImage(column, count - 3);
    EXPECT_EQ(game_.piles.Get(column), before) << "the piles never change";

    const QImage drag = renderer_->DragImage();
    EXPECT_GE(drag.height(), game_.pointer.dragImageHeight);
    const QImage top = pictures_->FaceOfCard(PileTop(before));
    const int topOffset = layout_.CardTopY(game_, column, 0, false) - y;
    EXPECT_EQ(ColourAt(drag, 30, topOffset + 50), Colour(top.pixel(30, 50)));

    const QImage table = renderer_->TableImage().copy();
    game_.piles.Get(column) = before.substr(0, static_cast<size_t>(count - 3) * 3);
    EXPECT_EQ(table, FreshTable()) << "the table without the lifted cards";
    game_.piles.Get(column) = before;
}

TEST_F(MoveTest, TheWindowGetsAPictureOfItsOwnOnlyWhenACardFirstMovesOnIt) {
    settings_.Put(field::CardsShadowed, "N");
    LiftTopOfFirstColumn();
    renderer_->PresentTable();
    EXPECT_FALSE(renderer_->WindowHasOwnPicture()) << "at rest the window shows the table";
    ASSERT_FALSE(window_.repainted.empty()) << "the whole window is still shown";
    // What the window paints meanwhile is the table picture.
    QImage painted(width_, height_, QImage::Format_RGB32);
    painted.fill(kSentinel);
    {
        QPainter painter(&painted);
        renderer_->PaintWindow(painter, QRect(0, 0, width_, height_));
    }
    EXPECT_EQ(painted, renderer_->TableImage().copy(0, 0, width_, height_));

    const QPoint to = start_ + QPoint(40, 30);
    ASSERT_TRUE(renderer_->MoveImageTo(to.x(), to.y(), false, false));
    EXPECT_TRUE(renderer_->WindowHasOwnPicture());
    const QImage& surface = renderer_->Surface().Image();
    EXPECT_EQ(surface.size(), QSize(width_, height_));
    EXPECT_EQ(surface.copy(QRect(to, QSize(71, 96))), renderer_->DragImage().copy(0, 0, 71, 96));
    const QRect away(0, height_ - 40, width_, 40);
    EXPECT_EQ(surface.copy(away), renderer_->TableImage().copy(away));
    {
        QPainter painter(&painted);
        renderer_->PaintWindow(painter, QRect(0, 0, width_, height_));
    }
    EXPECT_EQ(painted, surface) << "from now on the window shows its own picture";
}

TEST_F(MoveTest, AMoveByLessThanAPixelDrawsNothing) {
    LiftTopOfFirstColumn();
    QImage& surface = renderer_->Surface().Image();
    surface.fill(kSentinel);
    window_.repainted.clear();
    EXPECT_FALSE(renderer_->MoveImageTo(start_.x(), start_.y(), false, false));
    EXPECT_TRUE(window_.repainted.empty());
    for (int y = 0; y < surface.height(); y += 7)
        for (int x = 0; x < surface.width(); x += 7)
            ASSERT_EQ(ColourAt(surface, x, y), kSentinel);
}

TEST_F(MoveTest, AStepRestoresOnlyTheUncoveredPartsAndDrawsThePicture) {
    settings_.Put(field::CardsShadowed, "N");
    LiftTopOfFirstColumn();
    QImage& surface = renderer_->Surface().Image();
    surface.fill(kSentinel);
    window_.repainted.clear();
    const QRect before(start_, QSize(71, 96));
    const QPoint to = start_ + QPoint(12, 7);
    ASSERT_TRUE(renderer_->MoveImageTo(to.x(), to.y(), false, false));
    const QRect after(to, QSize(71, 96));
    // The L: the strip left of the new place and the strip above it (one pixel more to the
    // right and below).
    const QRect left(before.left(), before.top(), 12 + 1, 96 + 1);
    const QRect above(before.left(), before.top(), 71 + 1, 7 + 1);
    const QImage& table = renderer_->TableImage();
    const QImage& drag = renderer_->DragImage();
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            const QRgb got = ColourAt(surface, x, y);
            if (after.contains(x, y)) {
                ASSERT_EQ(got, ColourAt(drag, x - to.x(), y - to.y())) << x << "," << y;
            } else if (left.contains(x, y) || above.contains(x, y)) {
                ASSERT_EQ(got, ColourAt(table, x, y)) << x << "," << y;
            } else {
                ASSERT_EQ(got, kSentinel) << x << "," << y;
            }
        }
    }
    ASSERT_EQ(window_.repainted.size(), 1u);
    EXPECT_TRUE(window_.repainted[0].contains(after));
    EXPECT_LE(window_.repainted[0].width() * window_.repainted[0].height(), 100 * 120);
    EXPECT_EQ(game_.pointer.dragRect, (TableRect{to.x(), to.y(), to.x() + 71, to.y() + 96}));
    EXPECT_EQ(game_.pointer.lastDrawX, to.x());
}

TEST_F(MoveTest, WithShadowsTheOldShadowIsRestoredAndANewOneDrawn) {
    LiftTopOfFirstColumn();
    const QPoint first = start_ + QPoint(5, 5);
    renderer_->MoveImageTo(first.x(), first.y(), false, false);
    const QImage& surface = renderer_->Surface().Image();
    const QImage& table = renderer_->TableImage();
    // The shadow darkens the table right of the picture, below its top.
    const QPoint shade(first.x() + 71 + 2, first.y() + 40);
    EXPECT_LT(qGray(surface.pixel(shade)), qGray(table.pixel(shade)));
    const QPoint second = first + QPoint(40, 0);
    renderer_->MoveImageTo(second.x(), second.y(), false, false);
    EXPECT_EQ(ColourAt(surface, first.x() + 20, first.y() + 96 + 4),
              ColourAt(table, first.x() + 20, first.y() + 96 + 4));
    EXPECT_LT(qGray(surface.pixel(second.x() + 71 + 2, second.y() + 40)),
              qGray(table.pixel(second.x() + 71 + 2, second.y() + 40)));
}

TEST_F(MoveTest, ATallPictureCastsADitheredShadow) {
    Repaint();
    const PileRef column{PileKind::Fila, 0};
    const int count = PileCount(game_.piles.Get(column));
    const int y = layout_.CardTopY(game_, column, 2, false);
    const int x = layout_.FilaX(0);
    game_.pointer.dragImageHeight = layout_.CardTopY(game_, column, 0, false) + 96 - y;
    game_.pointer.dragRect = {x, y, x + 71, y + game_.pointer.dragImageHeight};
    renderer_->BuildDragImage(column, count - 3);
    ASSERT_TRUE(renderer_->MoveImageTo(x + 100, y + 100, false, false));
    const QImage& surface = renderer_->Surface().Image();
    const int right = x + 100 + 71, top = y + 100;
    int black = 0;
    for (int dx = 0; dx < 7; ++dx)
        black += ColourAt(surface, right + dx, top + 30) == 0;
    EXPECT_GE(black, 3);
    EXPECT_LE(black, 4);
    EXPECT_NE(ColourAt(surface, right + 1, top + 30), ColourAt(surface, right, top + 30));
}

TEST_F(MoveTest, AFlightEndsWithTheCardOnTheTableAndOnlySmallRepaints) {
    Repaint();
    renderer_->PresentTable();
    window_.repainted.clear();
    const QImage before = renderer_->TableImage().copy();
    FlightOptions options;
    renderer_->AnimateMove(13, 100, 600, 700, 650, options);  // King of hearts
    const QImage& table = renderer_->TableImage();
    const QImage king = pictures_->FaceOfCard(13);
    EXPECT_EQ(ColourAt(table, 730, 690), Colour(king.pixel(30, 40)));
    EXPECT_EQ(ColourAt(table, 130, 640), ColourAt(before, 130, 640)) << "nothing left at the start";
    // 600 pixels at 10 ms a step: nearest(600 / 11.68 + 0.5) = 52 pixels a step, 12 steps.
    ASSERT_EQ(time_.waits.size(), 12u);
    for (int w : time_.waits)
        EXPECT_EQ(w, 10);
    for (const QRect& r : window_.repainted)
        EXPECT_LT(r.width() * r.height(), 200 * 200) << "never the whole window";
    EXPECT_EQ(settings_.Get(field::CardsShadowed), "Y");
    // The window shows what the table shows.
    renderer_->SyncSurface();
    EXPECT_EQ(ColourAt(renderer_->Surface().Image(), 130, 640), ColourAt(table, 130, 640));
    EXPECT_EQ(ColourAt(renderer_->Surface().Image(), 730, 690), ColourAt(table, 730, 690));
}

TEST_F(MoveTest, AFastFlightWaitsAQuarterAndAFlightOffTheTableEndsBeyondItsEdge) {
    Repaint();
    FlightOptions options;
    options.fast = true;
    options.drop = false;
    renderer_->AnimateMove(-1, 300, 300, kOffTable, 300, options);
    EXPECT_EQ(game_.pointer.dragRect.left, -3 * 71);
    ASSERT_FALSE(time_.waits.empty());
    for (int w : time_.waits)
        EXPECT_EQ(w, 2);  // nearest(10 / 4): a half goes to the even 2
}

}  // namespace
}  // namespace tindle::test
