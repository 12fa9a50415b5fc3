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
    const QRect place(x, y, CardWidth(), CardHeight());
    // A mark beside the canvas changes none of its pixels: the bands of the first picture each
    // pass every pile's mark through here, and most of them miss the band.
    if (!place.translated(c.offsetX, c.offsetY).intersects(c.Bounds())) return;
    const qreal scale = ScaleOf(*c.image);
    const QImage* blended = MarkOverBackground(picture, place, scale);
    // A blended mark as large as the place holds all the background there is to erase.
    if (!blended || blended->size() != ToDevice(place.translated(0, Scroll()), scale).size())
        CopyFromBackground(c, place);
    if (blended) {
        // Opaque, and placed as the mark itself would be.
        BlendOver(*blended, *c.image, c.ToImage(x, y), c.Bounds());
        c.touched |= place;
    } else {
        BlitPicture(c, picture, x, y);
    }
}

// A row of empty piles shows the same mark on the same background rows (the default
// background is plain across and fades downwards): while the bare table is painted (the
// start's first picture, maximised), the mark is blended with them once and copied to the
// others. Null at other times, where the background under the mark is not plain along its
// rows, or where the mark is not a translucent picture at the canvas's scale.
const QImage* TableRenderer::MarkOverBackground(const QImage& picture, const QRect& windowRect,
                                                qreal scale) {
    constexpr std::size_t kKept = 6;  // a table's rows of marks, with room to spare
    if (!keepBlendedMarks_) return nullptr;
    if (ScaleOf(picture) != scale || KindOf(picture) != PictureKind::Blended) return nullptr;
    const QRect onTable = windowRect.translated(0, Scroll());
    if (!TableExtent().contains(onTable)) return nullptr;
    // The background pixels under the picture, as CopyFromBackground puts them there.
    const QRect device = ToDevice(onTable, scale);
    if (picture.width() > device.width() || picture.height() > device.height()) return nullptr;
    const QRect under(device.topLeft(), picture.size());
    const PaintedBackground& background = backgrounds_.Painted();
    const std::optional<int> column = background.PlainRowsColumn(under);
    if (!column) return nullptr;
    const QPoint key(*column, under.top());
    for (const BlendedMark& kept : blendedMarks_)
        if (kept.picture == picture.cacheKey() && kept.under == key) return &kept.image;

    QImage image(picture.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    background.Draw(QRect(key, picture.size()), image, QPoint(0, 0));
    BlendOver(picture, image, QPoint(0, 0));
    if (blendedMarks_.size() == kKept) blendedMarks_.erase(blendedMarks_.begin());
    blendedMarks_.push_back({picture.cacheKey(), key, std::move(image)});
    return &blendedMarks_.back().image;
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
