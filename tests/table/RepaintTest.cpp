// Full repaints with and without the deal, removals, and renders without a window.
#include <gtest/gtest.h>

#include <QPainter>

#include <algorithm>

#include "RendererFixture.h"
#include "model/Deal.h"
#include "model/GamesDat.h"
#include "table/DefaultSettings.h"
#include "table/TableColours.h"
#include "table/TableRender.h"

namespace tindle::test {
namespace {

TEST_F(RendererTest, NothingIsRepaintedWithoutAGameInProgress) {
    renderer_->PaintBackground();
    const QImage before = renderer_->TableImage().copy();
    game_.flags.gameInProgress = false;
    renderer_->RepaintTable(false);
    EXPECT_EQ(renderer_->TableImage(), before);
    EXPECT_FALSE(renderer_->TableDrawn());
    game_.flags.gameInProgress = true;
    renderer_->RepaintTable(false);
    EXPECT_TRUE(renderer_->TableDrawn());
    EXPECT_NE(renderer_->TableImage(), before);
}

TEST_F(RendererTest, RepaintShowsEveryCardAtItsPlace) {
    Repaint();
    const QImage& table = renderer_->TableImage();
    for (int j = 0; j < 8; ++j) {
        const PileRef column{PileKind::Fila, j};
        const Pile& pile = game_.piles.Get(column);
        const int top = PileTop(pile);
        const int x = layout_.CardLeftX(game_, settings_, column, 0, false);
        const int y = layout_.CardTopY(game_, column, 0, false);
        EXPECT_EQ(ColourAt(table, x + 35, y + 60), Colour(pictures_->FaceOfCard(top).pixel(35, 60)))
            << "column " << j;
    }
    // The window shows the table.
    EXPECT_EQ(renderer_->Surface().Image().copy(0, 0, width_, height_),
              table.copy(0, 0, width_, height_));
}

TEST_F(RendererTest, AtAScaleEveryCardLiesAtItsPlaceTimesTheScaleInPicturesOfThatScale) {
    for (const qreal scale : {2.0, 1.5}) {
        SCOPED_TRACE(scale);
        pictures_->SetScale(scale);
        pictures_->LoadCardPictures(settings_);
        renderer_->SetScale(scale);
        Repaint();
        const QImage& table = renderer_->TableImage();
        EXPECT_EQ(table.size(), QSize(qRound((width_ + TableRenderer::kTableImageSlack) * scale),
                                      qRound((height_ + TableRenderer::kTableImageSlack) * scale)));
        const QImage background = renderer_->BackgroundImage();
        for (int j = 0; j < 8; ++j) {
            const PileRef column{PileKind::Fila, j};
            const int top = PileTop(game_.piles.Get(column));
            const int x = qRound(layout_.CardLeftX(game_, settings_, column, 0, false) * scale);
            const int y = qRound(layout_.CardTopY(game_, column, 0, false) * scale);
            const QImage& face = pictures_->FaceOfCard(top);
            ASSERT_EQ(face.size(), QSize(qRound(71 * scale), qRound(96 * scale)));
            EXPECT_EQ(ColourAt(table, x + 50, y + 90), Colour(face.pixel(50, 90))) << j;
            // The rounded corners show the table, not the picture's clear pixels.
            const int bottom = y + face.height() - 1;
            EXPECT_EQ(ColourAt(table, x, bottom), ColourAt(background, x, bottom)) << j;
        }
        // The window shows the table, pixel for pixel.
        const QImage& window = renderer_->Surface().Image();
        EXPECT_EQ(window.size(), QSize(qRound(width_ * scale), qRound(height_ * scale)));
        EXPECT_EQ(window.copy(0, 0, 200, 200), table.copy(0, 0, 200, 200));
    }
}

TEST_F(RendererTest, TheDealEndsWithTheSameTableAsAnImmediateRepaint) {
    const QImage expected = FreshTable();
    settings_.Put(field::SoundsShuffle, "Y");
    settings_.Put(field::SoundsEnabled, "Y");
    renderer_->PaintBackground();
    window_.repainted.clear();
    renderer_->RepaintTable(true);
    EXPECT_EQ(renderer_->TableImage(), expected);
    ASSERT_FALSE(sounds_.played.empty());
    EXPECT_EQ(sounds_.played[0], "Shuffle");
    EXPECT_EQ(sounds_.modes[0], SoundMode::Loop);
    EXPECT_GE(sounds_.stops, 1);
    EXPECT_NE(std::find(time_.waits.begin(), time_.waits.end(), 100), time_.waits.end());
    // Every one of the 52 cards flew: taken off the deal point, slid, then steps on its way.
    EXPECT_GT(window_.repainted.size(), 4u * 52u);
    renderer_->SyncSurface();
    EXPECT_EQ(renderer_->Surface().Image().copy(0, 0, width_, height_),
              expected.copy(0, 0, width_, height_));
}

// A key or click early in the deal: the card in the air lands and the others are laid at once,
// so the deal ends soon with every card where an immediate repaint puts it.
TEST_F(RendererTest, ADealCutShortEndsAtOnceWithEveryCardInItsPlace) {
    const QImage expected = FreshTable();
    renderer_->PaintBackground();
    time_.afterWait = [this] {
        if (time_.waits.size() == 12) game_.flags.dealCutShort = true;
    };
    renderer_->RepaintTable(true);
    EXPECT_LT(time_.now, 300u) << "the deal was cut short";
    EXPECT_EQ(renderer_->TableImage(), expected);
    time_.afterWait = nullptr;
    renderer_->RepaintTable(true);
    EXPECT_FALSE(game_.flags.dealCutShort) << "the next deal starts afresh";
}

TEST_F(RendererTest, KlondikeDealsFromTheStockAndEndsLikeAnImmediateRepaint) {
    Build(2, 'B');
    const QImage expected = FreshTable();
    renderer_->PaintBackground();
    renderer_->RepaintTable(true);
    EXPECT_EQ(renderer_->TableImage(), expected);
    const int x = layout_.MazzoX(0), y = layout_.MazzoY(0);
    EXPECT_EQ(ColourAt(renderer_->TableImage(), x + 30, y + 40),
              Colour(pictures_->Back().pixel(30, 40)))
        << "the face-down stock shows its back after the deal";
}

TEST_F(RendererTest, ADealTakesAboutASecondAtAnyWindowSizeAndCardSpeed) {
    // FreeCell (52 cards flying) and Klondike (28) on a large window, at the usual card speed
    // and at the slowest: the flights share a fixed time, and the table ends as it should.
    for (const int gameId : {1, 2}) {
        for (const char* speed : {"10", "99"}) {
            SCOPED_TRACE(testing::Message() << "game " << gameId << ", speed " << speed);
            Build(gameId, 'B', 1600, 1000);
            settings_.Put(field::SpeedMoveCard, speed);
            const QImage expected = FreshTable();
            renderer_->PaintBackground();
            window_.repainted.clear();
            const uint64_t start = time_.now;
            renderer_->RepaintTable(true);
            EXPECT_LE(time_.now - start, 1000u);
            EXPECT_GE(time_.now - start, 700u) << "the cards still fly, taking their time";
            EXPECT_GT(window_.repainted.size(), 3u * 28u) << "each card drawn on its way";
            EXPECT_EQ(renderer_->TableImage(), expected);
        }
    }
}

TEST_F(RendererTest, TheBareTableIsPaintedWithoutATablePictureUntilOneIsNeeded) {
    // The table as it was drawn before a game is dealt: the background, the empty marks and
    // the stock family and foundations, all in the table picture.
    TMainGame layout = layout_;
    RecordingSounds sounds;
    RecordingTime time;
    RecordingMessages messages;
    TableRenderer drawn(game_, layout, settings_, *pictures_, time, sounds, messages);
    drawn.SetWindowSize(width_, height_);
    drawn.PaintBackground();
    drawn.DrawEmptyTableauAndReserves(DrawTarget::Table);
    drawn.DrawStockAndFoundations(DrawTarget::Table, false);
    const QImage expected = drawn.TableImage().copy();

    renderer_->ShowBareTable(true);
    QImage window(width_ + 100, height_ + 100, QImage::Format_RGB32);
    {
        QPainter painter(&window);
        renderer_->PaintWindow(painter, window.rect());
    }
    EXPECT_FALSE(renderer_->HasTablePicture()) << "painted without one";
    EXPECT_EQ(window.copy(0, 0, width_, height_), expected.copy(0, 0, width_, height_));
    // Beyond the table's extent, the default green.
    EXPECT_EQ(ColourAt(window, width_ + 90, height_ + 90),
              Colour(DefaultTableGreen(kManyColours).rgb()));
    // The same picture painted on the other kind of window buffer, and where the painter's pixels
    // are not laid out as the table's (another format).
    for (const QImage::Format format :
         {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888}) {
        QImage other(window.size(), format);
        QPainter painter(&other);
        renderer_->PaintWindow(painter, other.rect());
        painter.end();
        EXPECT_EQ(other, window.convertToFormat(format)) << format;
    }
    // At two image pixels per table pixel, as a zoom or the screen asks for (the window
    // describes the bare table anew at a new scale).
    renderer_->SetScale(2.0);
    renderer_->ShowBareTable(true);
    QImage zoomed[2] = {QImage(window.size() * 2, QImage::Format_RGB32),
                        QImage(window.size() * 2, QImage::Format_RGB888)};
    for (QImage& image : zoomed) {
        QPainter painter(&image);
        painter.scale(2, 2);
        renderer_->PaintWindow(painter, window.rect());
    }
    EXPECT_EQ(zoomed[0], zoomed[1].convertToFormat(QImage::Format_RGB32));
    drawn.SetScale(2.0);
    drawn.PaintBackground();
    drawn.DrawEmptyTableauAndReserves(DrawTarget::Table);
    drawn.DrawStockAndFoundations(DrawTarget::Table, false);
    EXPECT_EQ(zoomed[0].copy(0, 0, width_ * 2, height_ * 2),
              drawn.TableImage()
                  .copy(0, 0, width_ * 2, height_ * 2)
                  .convertToFormat(QImage::Format_RGB32))
        << "the marks in their places at the larger scale";
    renderer_->SetScale(1.0);
    renderer_->ShowBareTable(true);
    const QRgb untouched = qRgb(1, 2, 3);
    const QRect area(10, 20, 300, 200);
    const QRect corner(10, 20, 100, 50);
    for (const QRegion& clip : {QRegion(area), QRegion(area).subtracted(corner)}) {
        QImage moved(window.size() + QSize(40, 30), QImage::Format_RGB32);
        moved.fill(untouched);
        {
            QPainter painter(&moved);
            painter.translate(40, 30);
            painter.setClipRegion(clip);
            renderer_->PaintWindow(painter, area);
        }
        const bool whole = clip == QRegion(area);
        EXPECT_EQ(
            moved.copy(area.translated(40, 30).adjusted(whole ? 0 : 100, whole ? 0 : 50, 0, 0)),
            window.copy(area.adjusted(whole ? 0 : 100, whole ? 0 : 50, 0, 0)));
        EXPECT_EQ(ColourAt(moved, 40 + 10, 30 + 20) == Colour(untouched), !whole) << "clipped away";
        EXPECT_EQ(ColourAt(moved, 40 + 9, 30 + 20 + 60), Colour(untouched)) << "outside the area";
        EXPECT_EQ(ColourAt(moved, 40 + 310, 30 + 20 + 60), Colour(untouched)) << "outside the area";
    }
    // Made when asked for, it holds what the window showed.
    EXPECT_EQ(renderer_->TableImage(), expected);
    EXPECT_TRUE(renderer_->HasTablePicture());
}

TEST_F(RendererTest, RemovalRedrawsThePileAsAFreshTableWould) {
    Repaint();
    const PileRef column{PileKind::Fila, 3};
    Pile& pile = game_.piles.Get(column);
    const Pile before = pile;
    PilePopTop(pile);
    PilePopTop(pile);
    renderer_->RedrawAfterRemoval(column, before, pile);
    EXPECT_EQ(renderer_->TableImage(), FreshTable());
    const int x = layout_.FilaX(3);
    const int y = layout_.CardTopY(game_, column, 0, false) + 96 + 10;
    EXPECT_EQ(ColourAt(renderer_->Surface().Image(), x + 30, y),
              ColourAt(renderer_->BackgroundImage(), x + 30, y));

    const Pile rest = pile;
    pile.clear();
    renderer_->RedrawAfterRemoval(column, rest, pile);
    EXPECT_EQ(renderer_->TableImage(), FreshTable()) << "an emptied column shows its mark";
}

TEST_F(RendererTest, RemovalFromTheWasteRedrawsItsThickness) {
    Build(2, 'B');
    Pile& waste = game_.piles.Waste();
    for (int i = 0; i < 20; ++i)
        PileAppend(waste, PilePopTop(game_.piles.Stock()));
    Repaint();
    const Pile before = waste;
    for (int i = 0; i < 10; ++i)
        PileAppend(game_.piles.Stock(), PilePopTop(waste));
    renderer_->RedrawAfterRemoval({PileKind::MazzoVis, 0}, before, waste);
    renderer_->DrawPile({PileKind::Mazzo, 0}, DrawTarget::Both);
    EXPECT_EQ(renderer_->TableImage(), FreshTable());
}

TEST_F(RendererTest, IdenticalPilesRedrawNothing) {
    Repaint();
    window_.repainted.clear();
    const Pile same = game_.piles.fila[0];
    renderer_->RedrawAfterRemoval({PileKind::Fila, 0}, same, same);
    EXPECT_TRUE(window_.repainted.empty());
}

TEST_F(RendererTest, RenderedTablesTakeTheAskedSize) {
    TableRenderOptions options;
    options.width = 800;
    options.height = 600;
    const QImage small = RenderTableImage(game_, settings_, *pictures_, options);
    EXPECT_EQ(small.size(), QSize(800, 600));
    TMainGame layout800;
    LayoutInputs in;
    in.width = 800;
    in.height = 600;
    in.bottom = 599;
    in.top = 5;
    in.screenWidth = 800;
    in.screenHeight = 600;
    in.cardWidth = 71;
    in.cardHeight = 96;
    in.shadowMargin = 9;
    layout800.SetFanSteps('B', game_.def);
    layout800.TableLayout(in, game_.def);
    const PileRef first{PileKind::Fila, 0};
    const int top = PileTop(game_.piles.Get(first));
    EXPECT_EQ(
        ColourAt(small, layout800.FilaX(0) + 35, layout800.CardTopY(game_, first, 0, false) + 60),
        Colour(pictures_->FaceOfCard(top).pixel(35, 60)));

    Build(1, 'L');
    options.width = 300;
    options.height = 185;
    options.previewMode = true;
    const QImage preview = RenderTableImage(game_, settings_, *pictures_, options);
    EXPECT_EQ(preview.size(), QSize(300, 185));
    int cardPixels = 0;
    for (int y = 0; y < 185; ++y)
        for (int x2 = 0; x2 < 300; ++x2)
            cardPixels += ColourAt(preview, x2, y) == 0xffffff;
    EXPECT_GT(cardPixels, 2000) << "the little cards show on the preview";
}

TEST(RenderDealtGame, ReportsAGameThatIsNotThere) {
    const RenderedGame none =
        RenderDealtGame(ProgramDir(), 4242, *ParseGameNumber("1"), 'B', TableRenderOptions());
    EXPECT_TRUE(none.image.isNull());
    EXPECT_FALSE(none.error.empty());
    const RenderedGame freecell =
        RenderDealtGame(ProgramDir(), 1, *ParseGameNumber("1"), 'M', TableRenderOptions());
    EXPECT_EQ(freecell.image.size(), QSize(1024, 768));
}

}  // namespace
}  // namespace tindle::test
