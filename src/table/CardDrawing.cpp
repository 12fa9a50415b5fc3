// Cards, backs, pictures and the marks of empty piles, with their rounded corners.
#include "model/Card.h"
#include "model/Game.h"
#include "table/CardPictures.h"
#include "table/EmptyMarks.h"
#include "table/PixelCopy.h"
#include "table/TableRenderer.h"

namespace tindle {

void TableRenderer::CardOn(Canvas& c, int card, int x, int y, bool moving) {
    if (card >= 1) BlitCard(c, pictures_.FaceOfCard(card), x, y, CardHeight(), moving);
    RaiseTableBottom(c, y);
}

void TableRenderer::BackOn(Canvas& c, int x, int y, int height, bool moving) {
    BlitCard(c, pictures_.Back(), x, y, height, moving);
    RaiseTableBottom(c, y);
}

void TableRenderer::DrawCard(int card, int x, int y, bool moving, DrawTarget target) {
    DrawOn(target, [&](Canvas& c) { CardOn(c, card, x, y, moving); });
}

void TableRenderer::DrawCardBack(int x, int y, int height, bool moving, DrawTarget target) {
    DrawOn(target, [&](Canvas& c) { BackOn(c, x, y, height, moving); });
}

void TableRenderer::DrawPicture(const QImage& picture, int x, int y, DrawTarget target) {
    DrawOn(target, [&](Canvas& c) { MarkPictureOn(c, picture, x, y); });
}

// Marks are translucent: each is drawn on the bare table, so that drawing one again (a
// redraw, the pressed stock's highlight replaced by the plain mark) never darkens the place
// further nor lets an earlier mark or card show through.
void TableRenderer::MarkPictureOn(Canvas& c, const QImage& picture, int x, int y) {
    CopyFromBackground(c, QRect(x, y, CardWidth(), CardHeight()));
    BlitPicture(c, picture, x, y);
}

void TableRenderer::EmptyMarkOn(Canvas& c, int kind, int x, int y, int pileIndex) {
    const EmptyMarkChoice choice = ChooseEmptyMark(kind, game_, pileIndex);
    switch (choice.source) {
        case EmptyMarkChoice::Source::Slot:
            MarkPictureOn(c, pictures_.Mark(choice.slot), x, y);
            break;
        case EmptyMarkChoice::Source::Rank:
            MarkPictureOn(c, pictures_.RankMark(choice.rank), x, y);
            break;
        case EmptyMarkChoice::Source::SpecialStock:
            MarkPictureOn(c, pictures_.SpecialStockMark(), x, y);
            break;
        case EmptyMarkChoice::Source::None:
            break;
    }
    RaiseTableBottom(c, y);
}

void TableRenderer::DrawEmptyMark(int kind, int x, int y, int pileIndex, DrawTarget target) {
    DrawOn(target, [&](Canvas& c) { EmptyMarkOn(c, kind, x, y, pileIndex); });
}

void TableRenderer::CornersOn(Canvas& c, const QRect& card, bool upper, bool lower) {
    const QRect inImage = card.translated(c.offsetX, c.offsetY);
    const qreal scale = ScaleOf(*c.image);
    const CornerBlocks corners = CornerBlocksOf(inImage, scale);
    const QRect clip = ToDevice(c.Bounds(), scale);
    for (int i = 0; i < corners.count; ++i) {
        if (corners.IsUpper(i) ? !upper : !lower) continue;
        const QRect block = corners.blocks[static_cast<size_t>(i)];
        for (int py = block.top(); py <= block.bottom(); ++py) {
            for (int px = block.left(); px <= block.right(); ++px) {
                const QPoint b = BackgroundPixelOf(c, QPoint(px, py));
                if (!clip.contains(px, py) || !HasBackgroundPixel(b.x(), b.y())) continue;
                PutPixel(*c.image, px, py, backgrounds_.Painted().Pixel(b.x(), b.y()));
            }
        }
    }
    c.touched |= card;
}

void TableRenderer::RestoreCorners(const QRect& card, DrawTarget target) {
    DrawOn(target, [&](Canvas& c) { CornersOn(c, card, true, true); });
}

}  // namespace tindle
