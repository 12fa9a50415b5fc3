// Completed foundations highlighted, and the labels of jokers on foundations.
#include <gtest/gtest.h>

#include "RendererFixture.h"
#include "model/Card.h"
#include "table/FoundationHighlight.h"
#include "table/JokerLabels.h"

namespace tindle::test {
namespace {

class HighlightTest : public RendererTest {
  protected:
    // Foundation 1 holds the hearts from the Ace up to `top`.
    void FillFirstFoundation(int top) {
        Pile& hearts = game_.piles.dest[0];
        hearts.clear();
        for (int rank = 1; rank <= top; ++rank)
            PileAppend(hearts, MakeCard(kHearts, rank));
        Repaint();
    }
    QRect FirstFoundation() const { return QRect(layout_.DestX(0), layout_.DestY(0), 71, 96); }
};

TEST_F(HighlightTest, StyleZeroDrawsNothingAndSolidFillsTheInsetCard) {
    FillFirstFoundation(13);
    const QImage before = renderer_->TableImage().copy();
    settings_.options.highlightMark = 0;
    settings_.options.highlightColour = 5;
    renderer_->HighlightFoundations(-1);
    EXPECT_EQ(renderer_->TableImage(), before);

    settings_.options.highlightMark = 2;
    renderer_->HighlightFoundations(0);
    const QRect card = FirstFoundation();
    const QImage& table = renderer_->TableImage();
    EXPECT_EQ(ColourAt(table, card.left() + 1, card.top() + 1), 0xff4646u);
    EXPECT_EQ(ColourAt(table, card.center().x(), card.center().y()), 0xff4646u);
    EXPECT_EQ(ColourAt(table, card.right() - 1, card.bottom() - 1), 0xff4646u);
    EXPECT_EQ(ColourAt(table, card.left(), card.top() + 40),
              ColourAt(before, card.left(), card.top() + 40));
    EXPECT_EQ(ColourAt(table, card.right(), card.top() + 40),
              ColourAt(before, card.right(), card.top() + 40));
    EXPECT_EQ(ColourAt(renderer_->Surface().Image(), card.center().x(), card.center().y()),
              0xff4646u);
}

TEST_F(HighlightTest, OnlyCompleteFoundationsAreMarked) {
    settings_.options.highlightMark = 2;
    FillFirstFoundation(12);
    const QImage before = renderer_->TableImage().copy();
    renderer_->HighlightFoundations(-1);
    EXPECT_EQ(renderer_->TableImage(), before) << "12 of 13 cards";
    // A count of its own instead of the capacity.
    // An empty foundation is never complete, even when its count of cards is 0.
    game_.def.At(gd::FoundationComplete, 1) = 0;
    renderer_->HighlightFoundations(1);
    EXPECT_EQ(renderer_->TableImage(), before);
    game_.def.At(gd::FoundationComplete, 0) = 12;
    renderer_->HighlightFoundations(-1);
    EXPECT_NE(renderer_->TableImage(), before);
}

TEST_F(HighlightTest, HatchesAndTheDiagonalPicture) {
    FillFirstFoundation(13);
    const QImage before = renderer_->TableImage().copy();
    const QRect inset = FirstFoundation().adjusted(1, 1, -1, -1);
    auto changed = [&] {
        int n = 0;
        for (int y = inset.top(); y <= inset.bottom(); ++y)
            for (int x = inset.left(); x <= inset.right(); ++x)
                n += renderer_->TableImage().pixel(x, y) != before.pixel(x, y);
        return n;
    };
    const int area = inset.width() * inset.height();
    settings_.options.highlightColour = 1;
    settings_.options.highlightMark = 1;
    renderer_->HighlightFoundations(0);
    const int diagonal = changed();
    EXPECT_GT(diagonal, area / 3);
    EXPECT_LT(diagonal, area * 2 / 3);
    for (int style : {3, 4, 5}) {
        renderer_->DrawPile({PileKind::Dest, 0}, DrawTarget::Both);
        ASSERT_EQ(changed(), 0);
        settings_.options.highlightMark = style;
        renderer_->HighlightFoundations(0);
        EXPECT_GT(changed(), area / 20) << style;
        EXPECT_LT(changed(), area * 2 / 3) << style;
    }
    const QImage picture = DiagonalHatchPicture(71, 94, Qt::blue);
    EXPECT_EQ(picture.size(), QSize(69, 94));
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(1, 0)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(2, 0)), 255);
    EXPECT_EQ(qAlpha(picture.pixel(3, 0)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(3, 1)), 255);
    const QImage medium = DiagonalHatchPicture(59, 78, Qt::blue);
    EXPECT_EQ(qAlpha(medium.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(medium.pixel(2, 0)), 255) << "single corner pixels on 59-pixel cards";
}

TEST_F(HighlightTest, AFullRepaintEndsWithTheHighlights) {
    settings_.options.highlightMark = 2;
    settings_.options.highlightColour = 3;
    FillFirstFoundation(13);
    const QRect card = FirstFoundation();
    EXPECT_EQ(ColourAt(renderer_->TableImage(), card.center().x(), card.center().y()), 0x00ff00u);
    // Redrawing a region keeps it.
    renderer_->RedrawRegion(card.adjusted(-5, -5, 5, 5));
    EXPECT_EQ(ColourAt(renderer_->TableImage(), card.center().x(), card.center().y()), 0x00ff00u);
}

// ---------------------------------------------------------------------------------------

class JokerLabelTest : public ::testing::Test {
  protected:
    void SetUp() override { game_.def[gd::FoundationCount] = 4; }
    Game game_;
    static constexpr int kJoker = 105;
};

TEST_F(JokerLabelTest, AJokerAboveACardStandsForTheNextRankOfTheFoundationsSuit) {
    EXPECT_EQ(FindJokerLabel(game_).key, kNoJokerOnFoundations);
    Pile& third = game_.piles.dest[2];
    PileAppend(third, MakeCard(kClubs, 1));
    PileAppend(third, MakeCard(kClubs, 2));
    PileAppend(third, kJoker);
    const JokerLabel label = FindJokerLabel(game_);
    EXPECT_EQ(label.foundation, 2);
    EXPECT_EQ(label.key, 2 * 100 + 7 + 100);
    EXPECT_EQ(label.rank, 3);
    EXPECT_EQ(label.suit, kClubs);
    EXPECT_FALSE(label.withdrawn);
}

TEST_F(JokerLabelTest, AJokerAtTheBottomStandsForTheRankBelowTheCardAboveIt) {
    Pile& first = game_.piles.dest[0];
    PileAppend(first, kJoker);
    EXPECT_TRUE(FindJokerLabel(game_).withdrawn) << "alone: no label";
    PileAppend(first, MakeCard(kSpades, 5));
    const JokerLabel label = FindJokerLabel(game_);
    EXPECT_EQ(label.rank, 4);
    EXPECT_EQ(label.suit, kSpades);
    EXPECT_EQ(label.key, 101);
}

TEST_F(JokerLabelTest, AJokerOnAKingIsAnAceUnlessTheFoundationIsFull) {
    Pile& second = game_.piles.dest[1];
    for (int rank = 13; rank >= 1; --rank)
        PileAppend(second, MakeCard(kDiamonds, rank));
    second = second.substr(0, 3);  // the King alone
    PileAppend(second, kJoker + 1);
    EXPECT_EQ(FindJokerLabel(game_).rank, kAce);
    second.clear();
    for (int rank = 1; rank <= 13; ++rank)
        PileAppend(second, MakeCard(kDiamonds, rank));
    PileAppend(second, kJoker);
    EXPECT_TRUE(FindJokerLabel(game_).withdrawn);
}

TEST_F(RendererTest, AJokerLabelIsDrawnAboveTheFoundations) {
    Repaint();
    Pile& first = game_.piles.dest[0];
    first.clear();
    PileAppend(first, MakeCard(kHearts, 1));
    PileAppend(first, 105);
    renderer_->DrawPile({PileKind::Dest, 0}, DrawTarget::Both);
    renderer_->DrawJokerLabels();
    const int left = layout_.DestX(0) + 36 - 29, top = layout_.DestY(0) - 18;
    const QImage& table = renderer_->TableImage();
    EXPECT_EQ(ColourAt(table, left + 1, top + 1), 0xffffffu);
    EXPECT_EQ(ColourAt(table, left + 10, top + 13), 0u) << "the line along the bottom";
    EXPECT_EQ(ColourAt(table, left + 58, top + 5), 0u) << "the line up the right edge";
    int dark = 0;
    for (int y = top; y < top + 13; ++y)
        for (int x = left + 2; x < left + 48; ++x)
            dark += qGray(table.pixel(x, y)) < 128;
    EXPECT_GT(dark, 20) << "the text";
    const QImage before = table.copy();
    renderer_->DrawJokerLabels();
    EXPECT_EQ(renderer_->TableImage(), before) << "the same key draws nothing";
    first.clear();
    renderer_->DrawJokerLabels();
    EXPECT_EQ(ColourAt(renderer_->TableImage(), left + 1, top + 1),
              ColourAt(renderer_->BackgroundImage(), left + 1, top + 1));
}

}  // namespace
}  // namespace tindle::test
