#include "solve/Hint.h"

#include "model/CardPlaces.h"
#include "play/PlayContext.h"
#include "play/TablePlaces.h"
#include "solve/MoveOrder.h"

namespace tindle {

std::vector<TableRect> HintPlaces(const PlayContext& ctx, const Move& move) {
    std::vector<TableRect> places;
    if (move.card > 0) {
        if (const auto from = FindCard(ctx.game, move.card)) {
            places.push_back(CardRectAt(ctx, CardCorner(ctx, from->pile, from->position)));
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
