#include "solve/Hint.h"

#include "model/CardPlaces.h"
#include "play/PlayContext.h"
#include "play/TablePlaces.h"
#include "solve/MoveOrder.h"

namespace tindle {

// The card a move takes and, where it moves them with it, the cards lying on it: one
// rectangle from the card to the pile's top, so that a run is shown selected whole (the
// card's own rectangle alone would end across the middle of a card lying on it).
static TableRect TakenCards(const PlayContext& ctx, const Move& move, const CardPlace& from) {
    const TableRect card = CardRectAt(ctx, CardCorner(ctx, from.pile, from.position));
    if (move.kind == MoveKind::Select) return card;
    return card.United(TopCardRect(ctx, from.pile));
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
