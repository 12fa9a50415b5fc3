// The games played by clicking cards instead of dragging them. The selection lies on
// foundation 1 as card numbers in click order; a selected card is shown inverted.
//  - Pairing games (special::PairsOf14, Pyramid, MarkOnly): PairsOf14 removes two top cards
//    whose ranks add up to 14, the pyramid uncovered cards adding up to 13 (a King alone);
//    MarkOnly only marks the clicked card.
//  - Selection games (SelectionGame): each click toggles a card and the game's test
//    (SelectionRules) rejects the selection, waits for more, or removes it.

#include <string>

#include "model/Card.h"
#include "model/Game.h"
#include "model/History.h"
#include "model/Legality.h"
#include "model/Ports.h"
#include "model/RuleCodes.h"
#include "model/SelectionRules.h"
#include "play/EndGame.h"
#include "play/FaceUp.h"
#include "play/MoveExecutor.h"
#include "play/PlayContext.h"
#include "play/PlayHistory.h"
#include "play/PlayUi.h"
#include "play/Pointer.h"
#include "play/TableView.h"

namespace tindle {

namespace {

// Toggles the card in the pile text; true when it is now in it.
bool Toggle(Pile& pile, int card) {
    const int at = PileFind(pile, card);
    if (at >= 0) {
        PileRemoveAt(pile, at);
        return false;
    }
    PileAppend(pile, card);
    return true;
}

void TakeOut(Pile& pile, int card) {
    const int at = PileFind(pile, card);
    if (at >= 0) PileRemoveAt(pile, at);
}

int RankSum(const Pile& selection) {
    int sum = 0;
    for (int i = 0; i < PileCount(selection); ++i)
        sum += CardRank(PileCardAt(selection, i));
    return sum;
}

// The removal of a complete selection runs to its end whatever the player presses.
bool RemoveSelected(PlayContext& ctx, bool refill) {
    const int special = ctx.game.def[gd::SpecialGame];
    ctx.ui.SetInputRouting(InputRouting::SwallowInput);
    bool moved = false;
    if (special != special::PairsKept) {
        moved = Execute(ctx, {MoveKind::RemoveSelection, 0, 0});
    } else {
        // Nothing takes the cards away in this game: the completed selection is let go.
        ctx.view.DrawSelection(false);
        ctx.game.piles.dest[0].clear();
    }
    if (refill && !ctx.ui.ExitRequested()) moved |= Execute(ctx, {MoveKind::RefillColumns, 0, 0});
    ctx.ui.SetInputRouting(InputRouting::Normal);
    EndGameIfWon(ctx);
    return moved;
}

}  // namespace

bool PairingClick(PlayContext& ctx, const PileHit& hit) {
    Game& game = ctx.game;
    const int special = game.def[gd::SpecialGame];
    if (hit.card < 1) {
        if (special == special::Pyramid) ctx.messages.Beep();
        return false;
    }
    if (!PairingClickable(game, hit.pile, hit.card)) return false;
    if (special == special::MarkOnly) {
        ctx.view.InvertCard(hit.rect, Toggle(ctx.session.markedCards, hit.card));
        return false;
    }
    Pile& selection = game.piles.dest[0];
    const bool selected = Toggle(selection, hit.card);
    if (PileCount(selection) > 2) {
        ctx.messages.Beep();
        TakeOut(selection, hit.card);
        return false;
    }
    ctx.view.InvertCard(hit.rect, selected);
    const int target = special == special::PairsOf14 ? 14 : 13;
    if (RankSum(selection) != target) return false;
    return RemoveSelected(ctx, false);
}

bool SelectionClick(PlayContext& ctx, const PileHit& hit) {
    Game& game = ctx.game;
    const int special = game.def[gd::SpecialGame];
    if (hit.pile.kind == PileKind::Mazzo) {
        const auto stockMove = SelectionStockMove(special);
        return stockMove ? Execute(ctx, {*stockMove, 0, 0}) : StockClick(ctx);
    }
    if (hit.pile.kind != PileKind::Fila || hit.card < 1) return false;

    const SelectionFamily family = FamilyOf(special);
    if (SelectsFaceUpOnly(family) && game.cards.CardIsFaceDown(hit.card)) {
        const Pile& column = game.piles.Get(hit.pile);
        if (PileTop(column) != hit.card || !TurnUpColumnTop(ctx, hit.pile.index)) return false;
        ClearRedoMoves(ctx);
        return true;
    }
    Pile& selection = game.piles.dest[0];
    if (!Toggle(selection, hit.card)) {
        ctx.view.InvertCard(hit.rect, false);
        return false;
    }
    switch (JudgeSelection(game, selection)) {
        case SelectionVerdict::Rejected:
            ctx.messages.Beep();
            TakeOut(selection, hit.card);
            return false;
        case SelectionVerdict::Incomplete:
            ctx.view.InvertCard(hit.rect, true);
            return false;
        case SelectionVerdict::Complete:
            ctx.view.InvertCard(hit.rect, true);
            return RemoveSelected(
                ctx, special != special::MonteCarlo && special != special::PairsInPlaceOrder);
    }
    return false;
}

}  // namespace tindle
