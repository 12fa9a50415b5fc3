// Moves of a card, or of a card and the cards above it, to a column, a foundation, a reserve
// or one of the two wastes.

#include "model/AppendCard.h"
#include "model/Card.h"
#include "model/GameEnd.h"
#include "model/History.h"
#include "model/MoveRules.h"
#include "model/SpecialGames.h"
#include "play/ExecutorSteps.h"
#include "play/MoveExecutor.h"
#include "play/PlayHistory.h"
#include "play/Sounds.h"
#include "play/TableView.h"

namespace tindle::exec {

namespace {

// The card's place, when the card lies in a pile other than `target`.
std::optional<CardPlace> SourceOf(const Game& game, int card, PileRef target) {
    auto place = FindCard(game, card);
    if (!place || place->pile == target) return std::nullopt;
    return place;
}

// Takes the block from the card up off its pile, redraws what the pile no longer covers, and
// returns the block.
Pile TakeBlock(PlayContext& ctx, const CardPlace& place, CallState& call) {
    Pile& pile = ctx.game.piles.Get(place.pile);
    if (place.pile.kind == PileKind::Fila) call.fromTableau = true;
    // A search draws nothing: the pile as it was is kept only for the redraw.
    if (ctx.session.searching) return PileCutFrom(pile, place.position);
    const Pile before = pile;
    Pile block = PileCutFrom(pile, place.position);
    ctx.view.RedrawAfterRemoval(place.pile, before, pile);
    return block;
}

void PutBlock(PlayContext& ctx, const Pile& block, PileRef target) {
    Pile& pile = ctx.game.piles.Get(target);
    for (int i = 0; i < PileCount(block); ++i) {
        AppendCard(ctx.game.cards, pile, PileCardAt(block, i), kFaceUp);
    }
}

void PlayMoveSound(PlayContext& ctx, std::string_view name, SettingField eventSwitch) {
    PlayGatedSound(ctx.settings, ctx.sounds, name, eventSwitch);
}

// build::GridJump: the card jumped over the cell named by the rule; the jumped card goes to the
// second waste in the same undo step.
void RemoveJumpedCard(PlayContext& ctx, int jumpedCell) {
    Game& game = ctx.game;
    if (jumpedCell < 0 || jumpedCell >= kFilaPiles) return;
    const PileRef cell{PileKind::Fila, jumpedCell};
    const int card = PileTop(game.piles.Get(cell));
    if (card < 1) return;
    FlyCard(ctx, card, CardCorner(ctx, cell, PileCount(game.piles.Get(cell)) - 1),
            NextCardCorner(ctx, {PileKind::MazzoWaste, 0}));
    const int before = game.undo.Count();
    if (Execute(ctx, {MoveKind::ToSecondWaste, 0, card}) && game.undo.Count() > before) {
        DropLastMove(ctx);
    }
}

// special::ColumnExchange: a column that now holds two cards whose lowest card is not of the
// column's base rank changes places with the column the card came from.
void ExchangeColumns(PlayContext& ctx, int column, const CardPlace& source) {
    Game& game = ctx.game;
    Pile& target = game.piles.fila[static_cast<size_t>(column)];
    if (source.pile.kind != PileKind::Fila || source.pile.index == column) return;
    if (PileCount(target) != 2) return;
    if (CardRank(PileBottom(target)) == game.def.At(gd::TableauBase, column)) return;
    ctx.time.Wait(100);
    const PileRef from{PileKind::Fila, column};
    const Point start = CardCorner(ctx, from, 0);
    Pile& other = game.piles.Get(source.pile);
    std::swap(target, other);
    FlyCard(ctx, PileBottom(other), start, CardCorner(ctx, source.pile, 0));
    ctx.view.DrawPile(from, DrawTarget::Both);
    ctx.view.DrawPile(source.pile, DrawTarget::Both);
    game.flags.gameWon = IsGameWon(game, ctx.settings);
}

}  // namespace

bool MoveToColumn(PlayContext& ctx, int card, int column, CallState& call) {
    Game& game = ctx.game;
    const PileRef target{PileKind::Fila, column};
    const auto place = SourceOf(game, card, target);
    if (!place) return false;

    const int jumpedCell = JumpedCell(game, card, column);

    TakeSnapshot(ctx, call);
    const int countBefore = PileCount(game.piles.Get(target));
    const Pile block = TakeBlock(ctx, *place, call);
    PutBlock(ctx, block, target);
    const int countAfter = PileCount(game.piles.Get(target));

    if (PileCount(block) == 1) {
        ctx.view.DrawPileTop(target, DrawTarget::Both);
    } else {
        if (ctx.settings.IsNotNo(field::PilesTT)) ctx.view.DrawPile(target, DrawTarget::Table);
        ctx.view.RefreshRect(PileArea(ctx, target));
    }
    if (countBefore <= 2 || countAfter < 2) ctx.view.DrawPile(target, DrawTarget::Both);
    PlayMoveSound(ctx, "Tableau", field::SoundsTableau);
    call.moved = true;

    if (jumpedCell >= 0) RemoveJumpedCard(ctx, jumpedCell);
    if (SpecialOf(game.def) == special::ColumnExchange) ExchangeColumns(ctx, column, *place);
    return true;
}

bool MoveToFoundation(PlayContext& ctx, int card, int foundation, bool autoplay, CallState& call) {
    Game& game = ctx.game;
    const PileRef target{PileKind::Dest, foundation};
    const auto place = SourceOf(game, card, target);
    if (!place || BlockSize(game, *place) != 1) return false;

    TakeSnapshot(ctx, call);
    PutBlock(ctx, TakeBlock(ctx, *place, call), target);
    if (game.def[gd::FoundationFanStyle] == fan::FirstStepped) {
        ctx.view.DrawPile(target, DrawTarget::Both);
    } else {
        ctx.view.DrawPileTop(target, DrawTarget::Both);
    }
    ctx.view.HighlightFoundations(foundation);
    game.flags.gameWon = IsGameWon(game, ctx.settings);
    if (autoplay) {
        PlayMoveSound(ctx, "Autoplay", field::SoundsAutoplay);
    } else {
        PlayMoveSound(ctx, "Foundation", field::SoundsFoundation);
    }
    return true;
}

bool MoveToReserve(PlayContext& ctx, int card, int reserve, CallState& call) {
    const PileRef target{PileKind::Appogg, reserve};
    const auto place = SourceOf(ctx.game, card, target);
    if (!place) return false;
    TakeSnapshot(ctx, call);
    PutBlock(ctx, TakeBlock(ctx, *place, call), target);
    ctx.view.DrawPileTop(target, DrawTarget::Both);
    PlayMoveSound(ctx, "Tableau", field::SoundsTableau);
    return true;
}

bool MoveToWastePile(PlayContext& ctx, int card, bool secondWaste, CallState& call) {
    Game& game = ctx.game;
    const PileRef target{secondWaste ? PileKind::MazzoWaste : PileKind::MazzoVis, 0};
    const auto place = SourceOf(game, card, target);
    if (!place || BlockSize(game, *place) != 1) return false;
    TakeSnapshot(ctx, call);
    PutBlock(ctx, TakeBlock(ctx, *place, call), target);
    ctx.view.DrawPileTop(target, DrawTarget::Both);
    ctx.view.DrawPile(target, DrawTarget::Both);
    if (!secondWaste) {
        PlayMoveSound(ctx, "Tableau", field::SoundsTableau);
    } else if (SpecialOf(game.def) == special::Eddy) {
        PlayMoveSound(ctx, "Eddy", field::SoundsFoundation);
    }
    return true;
}

}  // namespace tindle::exec
