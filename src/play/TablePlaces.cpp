#include "play/TablePlaces.h"

#include <array>

#include "model/Game.h"
#include "model/Snapshot.h"
#include "play/PlayContext.h"
#include "table/layout/CardSize.h"
#include "table/layout/PileHitTest.h"
#include "table/layout/TMainGame.h"

namespace tindle {

int CardWidth(const PlayContext& ctx) {
    return ctx.layout.cardWidth;
}
int CardHeight(const PlayContext& ctx) {
    return ctx.layout.cardHeight;
}

Point CardCorner(const PlayContext& ctx, PileRef pile, int position) {
    // The card is the topmost of the pile without the cards above it: the place the drawing
    // code gives it.
    const int above = PileCount(ctx.game.piles.Get(pile)) - 1 - position;
    return {ctx.layout.CardLeftX(ctx.game, ctx.settings, pile, above, false),
            ctx.layout.CardTopY(ctx.game, pile, above, false)};
}

Point NextCardCorner(const PlayContext& ctx, PileRef pile) {
    return {ctx.layout.CardLeftX(ctx.game, ctx.settings, pile, 0, true),
            ctx.layout.CardTopY(ctx.game, pile, 0, true)};
}

TableRect TopCardRect(const PlayContext& ctx, PileRef pile) {
    const Point p{ctx.layout.CardLeftX(ctx.game, ctx.settings, pile, 0, false),
                  ctx.layout.CardTopY(ctx.game, pile, 0, false)};
    return CardRectAt(ctx, p);
}

TableRect CardRectAt(const PlayContext& ctx, Point corner, int height) {
    return {corner.x, corner.y, corner.x + CardWidth(ctx),
            corner.y + (height > 0 ? height : CardHeight(ctx))};
}

TableRect PileArea(const PlayContext& ctx, PileRef pile) {
    const auto extent = PileExtent(ctx.layout, ctx.game, pile);
    if (!extent) return {};
    const int margin = ShadowMarginFor(ctx.settings);
    TableRect r = *extent;
    r.right += margin;
    r.bottom += margin;
    return r;
}

}  // namespace tindle
