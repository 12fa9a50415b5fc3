// Deals from the stock to the columns and reserves, by the deal codes of the game
// (TableauDealCode, ReserveDealCode).

#include "model/AppendCard.h"
#include "model/GameEnd.h"
#include "model/StockPasses.h"
#include "model/UsedPiles.h"
#include "play/ExecutorSteps.h"
#include "play/Sounds.h"
#include "play/TableView.h"

namespace tindle::exec {

namespace {

struct DealPlan {
    bool toReserves = false;
    int first = 0;
    int last = -1;  // inclusive
};

DealPlan PlanOf(const Game& game, const Move& move) {
    DealPlan plan;
    switch (move.kind) {
        case MoveKind::DealReserves:
            plan.toReserves = true;
            plan.last = UsedReserveCount(game) - 1;
            break;
        case MoveKind::DealReserve:
            plan.toReserves = true;
            plan.first = plan.last = move.index < UsedReserveCount(game) ? move.index : -1;
            break;
        case MoveKind::DealColumn:
            plan.first = plan.last = move.index < UsedColumnCount(game) ? move.index : -1;
            break;
        default:
            plan.last = UsedColumnCount(game) - 1;
            break;
    }
    if (plan.first < 0) {  // a pile the game does not use: nothing to deal to
        plan.first = 0;
        plan.last = -1;
    }
    return plan;
}

bool Deals(const Pile& target, int code, MoveKind kind) {
    if (kind == MoveKind::DealColumnsAll) return true;
    if (kind == MoveKind::FillColumns) return PileEmpty(target);
    // Every named code but NoDeal deals.
    if (code == dealCode::NoDeal || !FindRuleCode(gd::TableauDealCode, code)) return false;
    return code != dealCode::OnlyHolding || !PileEmpty(target);
}

bool FaceDownDeal(bool toReserves, int code, MoveKind kind) {
    if (toReserves) return code == dealCode::FaceDownCounted;
    return code == dealCode::FaceDown &&
           (kind == MoveKind::DealColumns || kind == MoveKind::DealColumn);
}

}  // namespace

bool DealMove(PlayContext& ctx, const Move& move, CallState& call) {
    Game& game = ctx.game;
    if (PileEmpty(game.piles.Stock())) return false;
    const DealPlan plan = PlanOf(game, move);
    if (plan.toReserves && game.def.At(gd::ReserveDealCode, 0) == dealCode::FaceDownCounted &&
        !PassAllowed(game)) {
        return false;
    }

    const PileRef stock{PileKind::Mazzo, 0};
    int dealt = 0;
    for (int i = plan.first; i <= plan.last && !PileEmpty(game.piles.Stock()); ++i) {
        const PileRef target{plan.toReserves ? PileKind::Appogg : PileKind::Fila, i};
        Pile& pile = game.piles.Get(target);
        const int code = plan.toReserves ? game.def.At(gd::ReserveDealCode, i)
                                         : game.def.At(gd::TableauDealCode, i);
        if (!Deals(pile, code, move.kind)) continue;
        if (move.kind != MoveKind::FillColumns) TakeSnapshot(ctx, call);

        const bool faceDown = FaceDownDeal(plan.toReserves, code, move.kind);
        const bool wasEmpty = PileEmpty(pile);
        const Point from = CardCorner(ctx, stock, PileCount(game.piles.Stock()) - 1);
        const int card = PilePopTop(game.piles.Stock());
        ctx.view.DrawPileTop(stock, DrawTarget::Both);
        const Point to = NextCardCorner(ctx, target);
        AppendCard(game.cards, pile, card, faceDown ? kFaceDown : kFaceUp);
        FlyCard(ctx, card, from, to, faceDown);
        if (wasEmpty && !faceDown) {
            ctx.view.FadeInCard(card, to.x, to.y);
        } else {
            ctx.view.DrawPileTop(target, DrawTarget::Both);
        }
        PlayGatedSound(ctx.settings, ctx.sounds, "Shuffle", field::SoundsShuffle);
        if (!plan.toReserves && game.def[gd::TableauFanStyle] == fan::Grid) {
            PileAppend(game.piles.fila[0], 0);
        }
        ++dealt;
    }
    if (dealt == 0) return false;
    game.flags.gameWon = IsGameWon(game, ctx.settings);
    return true;
}

}  // namespace tindle::exec
