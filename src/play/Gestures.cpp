#include "play/Gestures.h"

#include "model/Game.h"
#include "play/PlayContext.h"
#include "play/Pointer.h"
#include "play/TablePlaces.h"
#include "table/layout/PileHitTest.h"
#include "table/layout/TMainGame.h"

namespace tindle {

bool PointOnCard(const PlayContext& ctx, int card, int& x, int& y) {
    const auto place = FindCard(ctx.game, card);
    if (!place) return false;
    const Point corner = CardCorner(ctx, place->pile, place->position);
    // The column's own X (the hit test does not follow the untidy offsets of its cards).
    const int left = ctx.layout.PileX(place->pile);
    const int centre = (IsOffTable(left) ? corner.x : left) + CardWidth(ctx) / 2;
    for (int dy = 1; dy < CardHeight(ctx); ++dy) {
        const auto hit = HitTestTable(ctx.layout, ctx.game, centre, corner.y + dy);
        if (hit && hit->card == card) {
            x = centre;
            y = corner.y + dy;
            return true;
        }
    }
    return false;
}

bool DragCardTo(PlayContext& ctx, int card, PileRef target) {
    int x = 0;
    int y = 0;
    if (!PointOnCard(ctx, card, x, y)) return false;
    imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
    const PointerState& p = ctx.game.pointer;
    if (p.dragCard != card) {
        imgSfondoMouseUp(ctx, x, y);
        return false;
    }
    const TableRect over = TopCardRect(ctx, target);
    const int toX = over.left + p.grabX;
    const int toY = over.top + p.grabY;
    imgSfondoMouseMove(ctx, toX, toY);
    return imgSfondoMouseUp(ctx, toX, toY);
}

bool ClickPile(PlayContext& ctx, PileRef pile) {
    int x = 0;
    int y = 0;
    const int top = PileTop(ctx.game.piles.Get(pile));
    const bool onCard = top > 0 && pile.kind != PileKind::Mazzo && PointOnCard(ctx, top, x, y);
    if (!onCard) {
        const TableRect r = TopCardRect(ctx, pile);
        x = r.left + CardWidth(ctx) / 2;
        y = r.top + CardHeight(ctx) / 2;
    }
    const bool pressed = imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
    const bool released = imgSfondoMouseUp(ctx, x, y);
    return pressed || released;
}

bool ClickCard(PlayContext& ctx, int card) {
    int x = 0;
    int y = 0;
    if (!PointOnCard(ctx, card, x, y)) return false;
    const bool pressed = imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
    const bool released = imgSfondoMouseUp(ctx, x, y);
    return pressed || released;
}

bool DoubleClickCard(PlayContext& ctx, int card) {
    int x = 0;
    int y = 0;
    if (!PointOnCard(ctx, card, x, y)) return false;
    imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
    imgSfondoMouseUp(ctx, x, y);
    const bool sent = imgSfondoDblClick(ctx);
    imgSfondoMouseDown(ctx, MouseButton::Left, false, x, y);
    imgSfondoMouseUp(ctx, x, y);
    return sent;
}

}  // namespace tindle
