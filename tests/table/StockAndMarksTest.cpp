// The stock's thickness and the marks of empty piles.
#include <gtest/gtest.h>

#include <QPainter>

#include "LibraryFixture.h"
#include "RendererFixture.h"
#include "model/Pile.h"
#include "table/EmptyMarks.h"
#include "table/StockThickness.h"

namespace tindle::test {
namespace {

// The card-sized area of a picture at a place.
QImage CardArea(const QImage& image, QPoint at, const QImage& mark) {
    return image.copy(QRect(at, mark.size())).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
// What a translucent mark looks like on the bare table at its place.
QImage MarkOnTable(const QImage& background, QPoint at, const QImage& mark) {
    QImage expected = CardArea(background, at, mark);
    QPainter p(&expected);
    p.drawImage(0, 0, mark);
    return expected;
}

TEST(StockThickness, GrowsWithTheCardsUpToFifteenPixels) {
    EXPECT_EQ(StockThickness(0, false), 0);
    EXPECT_EQ(StockThickness(1, false), 0);
    EXPECT_EQ(StockThickness(2, false), 1);
    EXPECT_EQ(StockThickness(3, false), 1);     // nearest(0.43) + 1
    EXPECT_EQ(StockThickness(24, false), 4);    // nearest(3.43) + 1
    EXPECT_EQ(StockThickness(28, false), 5);    // nearest(4) + 1
    EXPECT_EQ(StockThickness(94, false), 14);   // nearest(13.43) + 1
    EXPECT_EQ(StockThickness(100, false), 15);  // nearest(14.29) + 1
    EXPECT_EQ(StockThickness(108, false), 15);  // capped
    EXPECT_EQ(StockThickness(100, true), 5);    // preview: nearest(3.57) + 1
    EXPECT_EQ(StockThickness(14, true), 1);     // preview: nearest(0.5) + 1, a half to even 0
}

class StockTest : public RendererTest {
  protected:
    void SetUp() override { Build(2, 'B'); }
    void SetStock(int cards) {
        Pile& stock = game_.piles.Stock();
        stock.clear();
        for (int c = 1; c <= cards; ++c) {
            PileAppend(stock, c);
            game_.cards.SetCardFace(c, kFaceDown);
        }
    }
};

TEST_F(StockTest, AHundredCardStockIsDrawnFifteenPixelsUpAndLeft) {
    Repaint();
    SetStock(100);
    const SavedStockPosition saved = layout_.savedStock[0];
    renderer_->DrawPile({PileKind::Mazzo, 0}, DrawTarget::Table);
    EXPECT_EQ(layout_.MazzoX(0), saved.x - 15);
    EXPECT_EQ(layout_.MazzoY(0), saved.y - 15);
    const QImage& table = renderer_->TableImage();
    const QImage& back = pictures_->Back();
    EXPECT_EQ(ColourAt(table, saved.x - 15 + 20, saved.y - 15 + 30), Colour(back.pixel(20, 30)));
    EXPECT_EQ(ColourAt(table, saved.x - 15, saved.y - 15),
              ColourAt(renderer_->BackgroundImage(), saved.x - 15, saved.y - 15));
    // The edges of the cards beneath reach down to the pile's own place.
    EXPECT_NE(ColourAt(table, saved.x + 70, saved.y + 50),
              ColourAt(renderer_->BackgroundImage(), saved.x + 70, saved.y + 50));
    EXPECT_EQ(ColourAt(table, saved.x - 16, saved.y),
              ColourAt(renderer_->BackgroundImage(), saved.x - 16, saved.y));
}

TEST_F(StockTest, AShrinkingStackLeavesNoTrace) {
    Repaint();
    SetStock(100);
    renderer_->DrawPile({PileKind::Mazzo, 0}, DrawTarget::Both);
    SetStock(10);  // two pixels thick
    renderer_->DrawPile({PileKind::Mazzo, 0}, DrawTarget::Both);
    const SavedStockPosition saved = layout_.savedStock[0];
    EXPECT_EQ(layout_.MazzoX(0), saved.x - 2);
    const QImage& table = renderer_->TableImage();
    const QImage& background = renderer_->BackgroundImage();
    for (const QPoint p : {QPoint(saved.x - 10, saved.y - 10), QPoint(saved.x - 14, saved.y + 50),
                           QPoint(saved.x + 40, saved.y - 5)})
        EXPECT_EQ(ColourAt(table, p.x(), p.y()), ColourAt(background, p.x(), p.y()))
            << p.x() << "," << p.y();
    EXPECT_EQ(ColourAt(renderer_->Surface().Image(), saved.x - 10, saved.y - 10),
              ColourAt(background, saved.x - 10, saved.y - 10));
    const QRect area(saved.x - 15, saved.y - 15, 71 + 15, 96 + 15);
    EXPECT_EQ(renderer_->TableImage().copy(area), FreshTable().copy(area));
}

// Forty Thieves puts its stock and waste above neighbouring columns, closer than the band a
// stack clears behind it: drawing the waste, even empty, leaves the stock's edges in place.
TEST_F(StockTest, AStackCloseOnItsRightKeepsTheEdgesOfTheStock) {
    Build(5, 'B', 760, 520);
    SetStock(64);
    Repaint();
    const SavedStockPosition stock = layout_.savedStock[0];
    const SavedStockPosition waste = layout_.savedStock[1];
    ASSERT_LT(waste.x - (stock.x + 71), 15);
    const QImage& table = renderer_->TableImage();
    EXPECT_NE(ColourAt(table, stock.x + 69, stock.y + 50),
              ColourAt(renderer_->BackgroundImage(), stock.x + 69, stock.y + 50));
}

// Four Seasons' cross starts just under the toolbar on a low table: its full stock's top card,
// drawn up and left of the pile's place, still lies whole on the table, clear of the waste.
// On a taller table the stock stays level with the cross's top row.
TEST_F(StockTest, AFullStockOnALowTableKeepsItsTopCardOnTheTable) {
    for (const int height : {370, 380, 600}) {
        SCOPED_TRACE(height);
        Build(9, 'B', 640, height);
        Repaint();
        const SavedStockPosition stock = layout_.savedStock[0];
        ASSERT_GT(StockThickness(PileCount(game_.piles.Stock()), false), 5);
        EXPECT_GE(layout_.MazzoY(0), kToolbarBottom);
        EXPECT_LT(stock.y + 96, layout_.savedStock[1].y);
        if (height == 600) {
            EXPECT_EQ(stock.y, layout_.FilaY(0));
        }
    }
}

TEST_F(StockTest, StockTopCardFollowsItsFaceFlag) {
    Repaint();
    SetStock(5);
    game_.cards.SetCardFace(5, kFaceUp);
    renderer_->DrawPile({PileKind::Mazzo, 0}, DrawTarget::Table);
    const int x = layout_.MazzoX(0), y = layout_.MazzoY(0);
    EXPECT_EQ(ColourAt(renderer_->TableImage(), x + 30, y + 40),
              Colour(pictures_->FaceOfCard(5).pixel(30, 40)));
    game_.cards.SetCardFace(5, kFaceDown);
    renderer_->DrawPile({PileKind::Mazzo, 0}, DrawTarget::Table);
    EXPECT_EQ(ColourAt(renderer_->TableImage(), x + 30, y + 40),
              Colour(pictures_->Back().pixel(30, 40)));
}

TEST_F(StockTest, EmptyStockShowsWhetherItCanBeTurnedOver) {
    Repaint();
    SetStock(0);
    game_.piles.Waste().clear();
    renderer_->DrawEmptyStockMark();
    const SavedStockPosition saved = layout_.savedStock[0];
    const QPoint at(saved.x, saved.y);
    const QImage expected =
        MarkOnTable(renderer_->BackgroundImage(), at, pictures_->Mark(MarkSlot::StockNoRedeal));
    EXPECT_TRUE(NearPixels(CardArea(renderer_->TableImage(), at, expected), expected, 1));
    EXPECT_TRUE(NearPixels(CardArea(renderer_->Surface().Image(), at, expected), expected, 1));
}

TEST_F(StockTest, MarksDrawnAgainOrAfterTheHighlightDoNotBuildUp) {
    // A white table, where a translucent mark drawn twice would show at once.
    settings_.Put(field::BackgroundFixedCol, "16777215");
    settings_.Put(field::FadeBackground, "N");
    SetStock(0);
    game_.piles.Waste().clear();
    Repaint();
    const SavedStockPosition saved = layout_.savedStock[0];
    const QPoint at(saved.x, saved.y);
    const QImage mark = pictures_->Mark(MarkSlot::StockNoRedeal);
    const QImage once = CardArea(renderer_->TableImage(), at, mark);
    ASSERT_TRUE(NearPixels(once, MarkOnTable(renderer_->BackgroundImage(), at, mark), 1));
    ASSERT_FALSE(SamePixels(once, CardArea(renderer_->BackgroundImage(), at, mark)))
        << "the mark shows on a white table";

    for (int i = 0; i < 3; ++i)
        renderer_->DrawPile({PileKind::Mazzo, 0}, DrawTarget::Both);
    EXPECT_TRUE(SamePixels(CardArea(renderer_->TableImage(), at, mark), once));

    // The pressed stock lights up, and on release its own mark comes back as it was.
    renderer_->DrawButtonPile(true);
    EXPECT_TRUE(NearPixels(
        CardArea(renderer_->TableImage(), at, mark),
        MarkOnTable(renderer_->BackgroundImage(), at, pictures_->Mark(MarkSlot::StockHighlight)),
        1));
    renderer_->DrawButtonPile(false);
    EXPECT_TRUE(SamePixels(CardArea(renderer_->TableImage(), at, mark), once));
    EXPECT_TRUE(SamePixels(CardArea(renderer_->Surface().Image(), at, mark), once));
}

// ---------------------------------------------------------------------------------------

class EmptyMarkChoiceTest : public ::testing::Test {
  protected:
    static EmptyMarkChoice SlotMark(MarkSlot slot) {
        return {EmptyMarkChoice::Source::Slot, slot, 0};
    }
    static EmptyMarkChoice RankOf(int rank) {
        return {EmptyMarkChoice::Source::Rank, MarkSlot::RankA, rank};
    }
    Game game_;
};

TEST_F(EmptyMarkChoiceTest, StockMarkTellsWhetherARedealIsLeft) {
    game_.def[gd::StockUsed] = 1;
    game_.def[gd::StockPasses] = -1;  // unlimited, no redeal mode
    PileAppend(game_.piles.Waste(), 3);
    PileAppend(game_.piles.Waste(), 4);
    EXPECT_EQ(ChooseEmptyMark(mark::kStock, game_, 0), SlotMark(MarkSlot::StockRedeal));
    game_.piles.Waste() = "003";  // nothing left to turn over
    EXPECT_EQ(ChooseEmptyMark(mark::kStock, game_, 0), SlotMark(MarkSlot::StockNoRedeal));
    game_.piles.Waste() = "003004";
    game_.def[gd::StockPasses] = 3;
    game_.counters.passCounter = 3;  // every pass used
    EXPECT_EQ(ChooseEmptyMark(mark::kStock, game_, 0), SlotMark(MarkSlot::StockNoRedeal));
    game_.counters.passCounter = 2;
    EXPECT_EQ(ChooseEmptyMark(mark::kStock, game_, 0), SlotMark(MarkSlot::StockRedeal));
    game_.def[gd::RedealMode] = 1;  // a counted redeal mode with passes left
    game_.piles.Waste().clear();
    EXPECT_EQ(ChooseEmptyMark(mark::kStock, game_, 0), SlotMark(MarkSlot::StockRedeal));
    game_.def[gd::SpecialGame] = 45;
    EXPECT_EQ(ChooseEmptyMark(mark::kStock, game_, 0).source,
              EmptyMarkChoice::Source::SpecialStock);
}

TEST_F(EmptyMarkChoiceTest, WasteMarkDependsOnTheStockAndItsPasses) {
    game_.def[gd::StockUsed] = 1;
    EXPECT_EQ(ChooseEmptyMark(mark::kWaste, game_, 0), SlotMark(MarkSlot::Waste));
    game_.def[gd::StockUsed] = 0;
    game_.def[gd::StockPasses] = 0;
    EXPECT_EQ(ChooseEmptyMark(mark::kWaste, game_, 0), SlotMark(MarkSlot::StockNoRedeal));
    game_.def[gd::StockPasses] = 2;
    game_.def[gd::RedealMode] = 1;
    game_.counters.passCounter = 1;
    EXPECT_EQ(ChooseEmptyMark(mark::kWaste, game_, 0), SlotMark(MarkSlot::StockRedeal));
    game_.counters.passCounter = 2;
    EXPECT_EQ(ChooseEmptyMark(mark::kWaste, game_, 0), SlotMark(MarkSlot::StockNoRedeal));
    game_.def[gd::RedealMode] = 0;
    EXPECT_EQ(ChooseEmptyMark(mark::kWaste, game_, 0).source, EmptyMarkChoice::Source::None);
    EXPECT_EQ(ChooseEmptyMark(mark::kSecondWaste, game_, 0), SlotMark(MarkSlot::Waste));
    EXPECT_EQ(ChooseEmptyMark(mark::kNothing, game_, 0).source, EmptyMarkChoice::Source::None);
}

TEST_F(EmptyMarkChoiceTest, FoundationsAndColumnsShowTheirBaseRank) {
    EXPECT_EQ(RankMarkOfBase(1), 1);
    EXPECT_EQ(RankMarkOfBase(58), 1);
    EXPECT_EQ(RankMarkOfBase(85), 1);
    EXPECT_EQ(RankMarkOfBase(90), 2);
    EXPECT_EQ(RankMarkOfBase(7), 7);
    EXPECT_EQ(RankMarkOfBase(11), 11);
    EXPECT_EQ(RankMarkOfBase(64), 13);
    EXPECT_EQ(RankMarkOfBase(94), kRankMarkBlank);
    EXPECT_EQ(RankMarkOfBase(0), kNoRankMark);
    EXPECT_EQ(RankMarkOfBase(-1), kNoRankMark);
    EXPECT_EQ(RankMarkOfBase(55), kNoRankMark);

    game_.def.At(gd::FoundationBase, 2) = 81;
    EXPECT_EQ(ChooseEmptyMark(mark::kFoundation, game_, 2), RankOf(1));
    game_.def.At(gd::FoundationRule, 2) = 10;  // Queens' foundations
    EXPECT_EQ(ChooseEmptyMark(mark::kFoundation, game_, 2), RankOf(12));
    game_.def.At(gd::FoundationBase, 3) = -1;
    EXPECT_EQ(ChooseEmptyMark(mark::kFoundation, game_, 3), SlotMark(MarkSlot::EmptyFoundation));
    game_.def.At(gd::FoundationBase, 3) = 94;
    EXPECT_EQ(ChooseEmptyMark(mark::kFoundation, game_, 3).source, EmptyMarkChoice::Source::None);

    EXPECT_EQ(ChooseEmptyMark(mark::kTableau, game_, 1), SlotMark(MarkSlot::TableauFree));
    game_.def.At(gd::TableauBase, 0) = 13;
    EXPECT_EQ(ChooseEmptyMark(mark::kTableau, game_, 0), RankOf(13));
    EXPECT_EQ(ChooseEmptyMark(mark::kTableau, game_, 1), SlotMark(MarkSlot::EmptyTableauBase));
}

TEST_F(EmptyMarkChoiceTest, ReserveVariantsFollowTheReserveKinds) {
    EXPECT_EQ(ChooseEmptyMark(mark::kReserve, game_, 0), SlotMark(MarkSlot::Reserve));
    game_.def.At(gd::ReserveKind, 1) = 88;
    game_.def.At(gd::ReserveKind, 2) = 89;
    game_.def.At(gd::ReserveKind, 3) = 90;
    EXPECT_EQ(ChooseEmptyMark(mark::kReserve, game_, 1), SlotMark(MarkSlot::ReserveJ));
    EXPECT_EQ(ChooseEmptyMark(mark::kReserve, game_, 2), SlotMark(MarkSlot::ReserveQ));
    EXPECT_EQ(ChooseEmptyMark(mark::kReserve, game_, 3), SlotMark(MarkSlot::ReserveK));
    game_.def.At(gd::ReserveKind, 0) = 9;  // the whole game's variant wins
    EXPECT_EQ(ChooseEmptyMark(mark::kReserve, game_, 2), SlotMark(MarkSlot::Reserve9));
    game_.def.At(gd::ReserveKind, 0) = 8;
    EXPECT_EQ(ChooseEmptyMark(mark::kReserve, game_, 2), SlotMark(MarkSlot::ReserveK));
}

TEST_F(RendererTest, EmptyFreeCellTableShowsItsMarks) {
    Repaint();
    const QImage& table = renderer_->TableImage();
    const QImage& background = renderer_->BackgroundImage();
    const QPoint foundation(layout_.DestX(0), layout_.DestY(0));
    const QPoint cell(layout_.AppoggX(0), layout_.AppoggY(0));
    const QImage ace = MarkOnTable(background, foundation, pictures_->RankMark(1));
    const QImage free = MarkOnTable(background, cell, pictures_->Mark(MarkSlot::Reserve));
    EXPECT_TRUE(NearPixels(CardArea(table, foundation, ace), ace, 1));
    EXPECT_TRUE(NearPixels(CardArea(table, cell, free), free, 1));
}

}  // namespace
}  // namespace tindle::test
