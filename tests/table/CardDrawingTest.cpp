// Cards drawn with rounded corners: what lies under a card shows in its upper corners, the
// background in its lower ones.
#include <gtest/gtest.h>

#include <cmath>

#include "RendererFixture.h"
#include "table/PixelCopy.h"

namespace tindle::test {
namespace {

constexpr QRgb kMagenta = 0xff00ff;

// A plain magenta table (a fixed colour, no fade), so that corner pixels are easy to tell.
void PaintMagentaTable(SettingsRecord& settings, TableRenderer& renderer) {
    settings.Put(field::BackgroundDef, "N");
    settings.Put(field::CustomizedBackground, "N");
    settings.Put(field::BackgroundBmp, "0");
    settings.Put(field::FadeBackground, "N");
    settings.Put(field::BackgroundFixedCol, std::to_string(0xff00ff));  // COLORREF: blue | red
    renderer.PaintBackground();
}

int CountMagenta(const QImage& image, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += ColourAt(image, x, y) == kMagenta;
    return n;
}

TEST_F(RendererTest, CardOverAnotherShowsTheLowerCardInItsUpperCorners) {
    PaintMagentaTable(settings_, *renderer_);
    const int x = 200, y = 200, step = 18;
    renderer_->DrawCard(1, x, y, false, DrawTarget::Table);  // Ace of hearts
    const QImage before = renderer_->TableImage().copy();
    renderer_->DrawCard(40, x, y + step, false, DrawTarget::Table);  // Ace of spades
    const QImage& after = renderer_->TableImage();
    const int w = pictures_->CardWidth(), h = pictures_->CardHeight();
    const int top = y + step, right = x + w - 1, bottom = top + h - 1;
    // The lower card's pixels there are its white face, not the table.
    for (const QPoint p : {QPoint(x, top), QPoint(x + 1, top), QPoint(x, top + 1),
                           QPoint(right, top), QPoint(right - 1, top), QPoint(right, top + 1)}) {
        ASSERT_NE(ColourAt(before, p.x(), p.y()), kMagenta) << p.x() << "," << p.y();
        EXPECT_EQ(ColourAt(after, p.x(), p.y()), ColourAt(before, p.x(), p.y()))
            << p.x() << "," << p.y();
    }
    // The lower corners show the table; the pixels beside the corners are the card's own.
    for (const QPoint p :
         {QPoint(x, bottom), QPoint(x + 1, bottom), QPoint(x, bottom - 1), QPoint(right, bottom),
          QPoint(right - 1, bottom), QPoint(right, bottom - 1)})
        EXPECT_EQ(ColourAt(after, p.x(), p.y()), kMagenta) << p.x() << "," << p.y();
    const QImage spade = pictures_->FaceOfCard(40);
    EXPECT_EQ(ColourAt(after, x + 2, top), Colour(spade.pixel(2, 0)));
    EXPECT_EQ(ColourAt(after, x + 5, top + 5), Colour(spade.pixel(5, 5)));
    EXPECT_EQ(CountMagenta(after, QRect(x, top, w, h)), 6);
}

TEST_F(RendererTest, EachBigCardCornerHasThreeTablePixelsAndLittleCardsOne) {
    PaintMagentaTable(settings_, *renderer_);
    renderer_->DrawCard(12, 300, 300, false, DrawTarget::Table);
    EXPECT_EQ(CountMagenta(renderer_->TableImage(), QRect(300, 300, 71, 96)), 12);

    Build(1, 'L');
    PaintMagentaTable(settings_, *renderer_);
    renderer_->DrawCard(12, 300, 300, false, DrawTarget::Table);
    const QImage& table = renderer_->TableImage();
    EXPECT_EQ(CountMagenta(table, QRect(300, 300, 25, 32)), 4);
    for (const QPoint p : {QPoint(300, 300), QPoint(324, 300), QPoint(300, 331), QPoint(324, 331)})
        EXPECT_EQ(ColourAt(table, p.x(), p.y()), kMagenta);
    EXPECT_NE(ColourAt(table, 301, 300), kMagenta);
    EXPECT_NE(ColourAt(table, 300, 301), kMagenta);
}

TEST_F(RendererTest, MovingCardHasAGreyLowerRightCorner) {
    PaintMagentaTable(settings_, *renderer_);
    renderer_->DrawCard(5, 100, 400, true, DrawTarget::Table);
    const QImage& table = renderer_->TableImage();
    const int right = 170, bottom = 495;
    for (const QPoint p :
         {QPoint(right, bottom), QPoint(right - 1, bottom), QPoint(right, bottom - 1)})
        EXPECT_EQ(ColourAt(table, p.x(), p.y()), 0xc0c0c0u);
    EXPECT_EQ(ColourAt(table, 100, bottom), kMagenta);
}

TEST_F(RendererTest, WindowTargetDrawsOnTheSurfaceOnlyAndShowsJustTheCard) {
    Repaint();
    renderer_->PresentTable();
    const QImage tableBefore = renderer_->TableImage().copy();
    window_.repainted.clear();
    renderer_->DrawCard(7, 500, 500, false, DrawTarget::Window);
    EXPECT_EQ(renderer_->TableImage(), tableBefore);
    ASSERT_EQ(window_.repainted.size(), 1u);
    EXPECT_EQ(window_.repainted[0], QRect(500, 500, 71, 96));
    EXPECT_EQ(ColourAt(renderer_->Surface().Image(), 510, 540),
              Colour(pictures_->FaceOfCard(7).pixel(10, 40)));

    renderer_->DrawCard(7, 600, 500, false, DrawTarget::Both);
    EXPECT_EQ(ColourAt(renderer_->TableImage(), 610, 540),
              ColourAt(renderer_->Surface().Image(), 610, 540));
}

TEST_F(RendererTest, NoCardDrawsNothingButStillRaisesTheTableBottom) {
    Repaint();
    const QImage before = renderer_->TableImage().copy();
    layout_.tableBottom = 0;
    renderer_->DrawCard(0, 50, 600, false, DrawTarget::Table);
    renderer_->DrawCard(-1, 50, 600, false, DrawTarget::Table);
    EXPECT_EQ(renderer_->TableImage(), before);
    EXPECT_EQ(layout_.tableBottom, 600 + 96);
}

TEST_F(RendererTest, InvertingTwiceGivesTheCardBackWithTableCorners) {
    PaintMagentaTable(settings_, *renderer_);
    renderer_->DrawCard(20, 400, 100, false, DrawTarget::Both);
    const QImage before = renderer_->TableImage().copy();
    const TableRect card{400, 100, 471, 196};
    renderer_->InvertCard(card, true);
    const QImage& table = renderer_->TableImage();
    EXPECT_EQ(ColourAt(table, 420, 150), ~ColourAt(before, 420, 150) & 0xffffffu);
    EXPECT_EQ(ColourAt(table, 400, 100), kMagenta);  // corners keep the table
    EXPECT_EQ(ColourAt(renderer_->Surface().Image(), 420, 150), ColourAt(table, 420, 150));
    renderer_->InvertCard(card, false);
    EXPECT_EQ(renderer_->TableImage(), before);
}

TEST_F(RendererTest, ScrolledWindowCoordinatesLandLowerInTheTable) {
    Repaint();
    layout_.scrollOffset = 50;
    renderer_->DrawCard(9, 300, 200, false, DrawTarget::Both);
    const QImage nine = pictures_->FaceOfCard(9);
    EXPECT_EQ(ColourAt(renderer_->TableImage(), 330, 250 + 40), Colour(nine.pixel(30, 40)));
    EXPECT_EQ(ColourAt(renderer_->Surface().Image(), 330, 200 + 40), Colour(nine.pixel(30, 40)));
    renderer_->PresentTable();
    EXPECT_EQ(ColourAt(renderer_->Surface().Image(), 330, 240), Colour(nine.pixel(30, 40)));
    EXPECT_EQ(renderer_->Surface().Image().copy(0, 0, width_, 100),
              renderer_->TableImage().copy(0, 50, width_, 100));
    // A full repaint starts from the top of the table again.
    renderer_->RepaintTable(false);
    EXPECT_EQ(layout_.scrollOffset, 0);
}

TEST_F(RendererTest, SelectedCardsAreShownInvertedOnlyInSelectionGames) {
    Repaint();
    const PileRef column{PileKind::Fila, 4};
    const int card = PileTop(game_.piles.Get(column));
    game_.piles.dest[0] = CardText(card);  // FreeCell: this is a foundation, not a selection
    const QImage before = renderer_->TableImage().copy();
    renderer_->DrawSelection(true);
    EXPECT_EQ(renderer_->TableImage(), before);

    game_.def[gd::SelectionGame] = 1;
    renderer_->DrawSelection(true);
    const int x = layout_.CardLeftX(game_, settings_, column, 0, false);
    const int y = layout_.CardTopY(game_, column, 0, false);
    EXPECT_EQ(ColourAt(renderer_->TableImage(), x + 30, y + 50),
              ~Colour(pictures_->FaceOfCard(card).pixel(30, 50)) & 0xffffffu);
    renderer_->DrawSelection(false);
    EXPECT_EQ(ColourAt(renderer_->TableImage(), x + 30, y + 50),
              Colour(pictures_->FaceOfCard(card).pixel(30, 50)));
}

// A translucent picture over the table: each channel of what lies under keeps its share,
// rounded to the nearest; clear pixels leave it, opaque ones replace it.
TEST(BlendOver, MixesEachChannelRoundedAndLeavesOrReplacesAtTheExtremes) {
    QImage picture(3, 1, QImage::Format_ARGB32_Premultiplied);
    picture.setPixel(0, 0, qRgba(64, 0, 128, 128));
    picture.setPixel(1, 0, qRgba(0, 0, 0, 0));
    picture.setPixel(2, 0, qRgba(10, 20, 30, 255));
    QImage table(3, 1, QImage::Format_RGB32);
    table.fill(qRgb(255, 100, 1));
    BlendOver(picture, table, QPoint(0, 0));
    // Under alpha 128 each channel keeps 127/255: 255 -> 127, 100 -> 49.8 -> 50, 1 -> 0.498 -> 0.
    EXPECT_EQ(table.pixel(0, 0), qRgb(64 + 127, 0 + 50, 128 + 0));
    EXPECT_EQ(table.pixel(1, 0), qRgb(255, 100, 1));
    EXPECT_EQ(table.pixel(2, 0), qRgb(10, 20, 30));

    // Every alpha over unlike channels, on rows whose length is no multiple of four and from
    // an odd column: each pixel as the rule gives it, wherever in the row it falls.
    QImage ramp(257, 3, QImage::Format_ARGB32_Premultiplied);
    QImage under(260, 3, QImage::Format_RGB32);
    for (int y = 0; y < ramp.height(); ++y) {
        for (int x = 0; x < ramp.width(); ++x) {
            const int alpha = x % 256;
            ramp.setPixel(x, y, qRgba(alpha * y / 2, alpha / 3, alpha, alpha));
            under.setPixel(x + 1, y, qRgb(255 - x % 256, (x * 7 + y * 50) % 256, 128));
        }
    }
    const QImage before = under.copy();
    BlendOver(ramp, under, QPoint(1, 0));
    const auto blended = [](int source, int below, int alpha) {
        return source + static_cast<int>(std::lround(below * (255 - alpha) / 255.0));
    };
    for (int y = 0; y < ramp.height(); ++y) {
        for (int x = 0; x < ramp.width(); ++x) {
            const QRgb p = ramp.pixel(x, y), q = before.pixel(x + 1, y);
            const int alpha = x % 256;
            ASSERT_EQ(under.pixel(x + 1, y),
                      qRgb(blended(qRed(p), qRed(q), alpha), blended(qGreen(p), qGreen(q), alpha),
                           blended(qBlue(p), qBlue(q), alpha)))
                << x << "," << y;
        }
        EXPECT_EQ(under.pixel(0, y), before.pixel(0, y)) << "left of the picture";
    }
}

}  // namespace
}  // namespace tindle::test
