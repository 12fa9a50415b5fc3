#include "solve/Hint.h"

#include <algorithm>

#include "model/CardPlaces.h"
#include "play/PlayContext.h"
#include "play/TablePlaces.h"
#include "solve/MoveOrder.h"

namespace tindle {

// The card a move takes and, where it moves them with it, the cards lying on it: one
// rectangle from the card to the pile's top, so that a run is shown selected whole (the
// card's own rectangle alone would end across the middle of a card lying on it).
static TableRect TakenCards(const PlayContext& ctx, const Move& move, const CardPlace& from) {
    TableRect r = CardRectAt(ctx, CardCorner(ctx, from.pile, from.position));
    if (move.kind == MoveKind::Select) return r;
    const TableRect top = TopCardRect(ctx, from.pile);
    r.left = std::min(r.left, top.left);
    r.top = std::min(r.top, top.top);
    r.right = std::max(r.right, top.right);
    r.bottom = std::max(r.bottom, top.bottom);
    return r;
}

std::vector<TableRect> HintPlaces(const PlayContext& ctx, const Move& move) {
    std::vector<TableRect> places;
    if (move.card > 0) {
        if (const auto from = FindCard(ctx.game, move.card)) {
            places.push_back(TakenCards(ctx, move, *from));
        }
    }
    switch (move.kind) {
        case MoveKind::StockClick:
            places.push_back(TopCardRect(ctx, {PileKind::Mazzo, 0}));
            break;
        case MoveKind::WasteClick:
            places.push_back(TopCardRect(ctx, {PileKind::MazzoVis, 0}));
            break;
        case MoveKind::TurnUp:
            places.push_back(TopCardRect(ctx, {PileKind::Fila, move.index}));
            break;
        default:
            if (const auto target = MoveTarget(move)) places.push_back(TopCardRect(ctx, *target));
            break;
    }
    return places;
}

}  // namespace tindle
