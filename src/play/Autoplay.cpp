#include "play/Autoplay.h"

#include "model/GameEnd.h"
#include "model/History.h"
#include "model/MoveRules.h"
#include "model/UsedPiles.h"
#include "play/DropTargets.h"
#include "play/EndGame.h"
#include "play/FaceUp.h"
#include "play/PlayContext.h"
#include "play/PlayHistory.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

bool Stopped(const PlayContext& ctx) {
    return ctx.game.flags.stopRequest;
}

bool SweepReserves(PlayContext& ctx) {
    bool moved = false;
    for (int i = 0; i < UsedReserveCount(ctx.game) && !Stopped(ctx); ++i) {
        const int card = PileTop(ctx.game.piles.appogg[static_cast<size_t>(i)]);
        if (card > 0 && OfferToFoundations(ctx, card)) moved = true;
    }
    return moved;
}

bool OfferWaste(PlayContext& ctx) {
    const Game& game = ctx.game;
    if (PileEmpty(game.piles.Waste()) || game.def[gd::WasteLocked] != 0) return false;
    return OfferToFoundations(ctx, PileTop(game.piles.Waste()));
}

// Autoplay's own turn-up is no step of the history: it belongs to the move that uncovered
// the card.
void TurnUpQuietly(PlayContext& ctx, int column) {
    const int before = ctx.game.undo.Count();
    if (TurnUpColumnTop(ctx, column) && ctx.game.undo.Count() > before) {
        DropLastMove(ctx);
    }
}

bool SweepColumns(PlayContext& ctx) {
    Game& game = ctx.game;
    const bool oneCardOnly = game.def[gd::ReserveCount] > 0;
    bool moved = false;
    for (int k = 0; k < UsedColumnCount(game) && !Stopped(ctx); ++k) {
        const int card = PileTop(game.piles.fila[static_cast<size_t>(k)]);
        if (card < 1) continue;
        if (AutomaticFaceUpOn(ctx) && game.cards.CardIsFaceDown(card)) TurnUpQuietly(ctx, k);
        if (game.cards.CardIsFaceDown(card)) continue;
        if (OfferToFoundations(ctx, card)) {
            moved = true;
            if (oneCardOnly) break;
        }
    }
    return moved;
}

// Whether a foundation on the table takes the face-up card from autoplay.
bool FoundationTakes(const PlayContext& ctx, int card) {
    if (card < 1 || ctx.game.cards.CardIsFaceDown(card)) return false;
    for (int j = 0; j < UsedFoundationCount(ctx.game); ++j) {
        const PileRef foundation = TargetPile({kDropFoundation, j});
        if (ctx.layout.OnTable(foundation) && Accepts(ctx.game, card, foundation, Mover::Autoplay))
            return true;
    }
    return false;
}

}  // namespace

bool AutoplayWouldMove(const PlayContext& ctx) {
    const Game& game = ctx.game;
    if (!AutoplayOn(ctx) || !game.flags.gameInProgress || FillPhaseOpen(game)) return false;
    for (int i = 0; i < UsedReserveCount(game); ++i)
        if (FoundationTakes(ctx, PileTop(game.piles.appogg[static_cast<size_t>(i)]))) return true;
    if (game.def[gd::WasteLocked] == 0 && FoundationTakes(ctx, PileTop(game.piles.Waste())))
        return true;
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        const int card = PileTop(game.piles.fila[static_cast<size_t>(k)]);
        if (card < 1) continue;
        if (game.cards.CardIsFaceDown(card) ? AutomaticFaceUpOn(ctx) : FoundationTakes(ctx, card))
            return true;
    }
    return false;
}

bool OfferToFoundations(PlayContext& ctx, int card) {
    // As with the player's shortcuts, a face-down card is never sent.
    if (card < 1 || ctx.game.cards.CardIsFaceDown(card)) return false;
    for (int j = 0; j < UsedFoundationCount(ctx.game); ++j) {
        if (SendCardTo(ctx, card, {kDropFoundation, j}, true)) return true;
    }
    return false;
}

bool RunAutoplay(PlayContext& ctx) {
    Game& game = ctx.game;
    if (!AutoplayOn(ctx) || !game.flags.gameInProgress || FillPhaseOpen(game)) return false;
    game.flags.stopRequest = false;
    bool result = false;
    while (true) {
        bool moved = false;
        while (SweepReserves(ctx))
            moved = true;
        if (Stopped(ctx)) break;
        moved |= OfferWaste(ctx);
        if (Stopped(ctx)) break;
        moved |= SweepColumns(ctx);
        result |= moved;
        if (Stopped(ctx) || !moved) break;
    }
    if (game.flags.gameWon) EndGame(ctx);
    game.flags.stopRequest = false;
    return result;
}

void AutoFillAndAutoplay(PlayContext& ctx) {
    AutoFillEmptyColumns(ctx);
    if (!AutoplayOn(ctx)) return;
    while (RunAutoplay(ctx))
        AutoFillEmptyColumns(ctx);
}

}  // namespace tindle
