// The moves of the selection games: a complete selection removed to the second waste, empty
// columns refilled from the stock, and the grid closed up and refilled (Monte Carlo).

#include <algorithm>
#include <vector>

#include "model/AppendCard.h"
#include "model/SpecialGames.h"
#include "model/UsedPiles.h"
#include "play/ExecutorSteps.h"
#include "play/PlayUi.h"
#include "play/Sounds.h"
#include "play/TableView.h"

namespace tindle::exec {

namespace {

const PileRef kStock{PileKind::Mazzo, 0};
const PileRef kSecondWaste{PileKind::MazzoWaste, 0};

// The stock's top card flown onto the pile, face up, with the deal sound.
void DealFromStock(PlayContext& ctx, PileRef target) {
    Game& game = ctx.game;
    const Point from = CardCorner(ctx, kStock, PileCount(game.piles.Stock()) - 1);
    const int card = PilePopTop(game.piles.Stock());
    ctx.view.DrawPileTop(kStock, DrawTarget::Both);
    const Point to = NextCardCorner(ctx, target);
    AppendCard(game.cards, game.piles.Get(target), card, kFaceUp);
    FlyCard(ctx, card, from, to);
    ctx.view.DrawPileTop(target, DrawTarget::Both);
    PlayGatedSound(ctx.settings, ctx.sounds, "Shuffle", field::SoundsShuffle);
}

}  // namespace

bool RemoveSelection(PlayContext& ctx, CallState& call) {
    Game& game = ctx.game;
    Pile& selection = game.piles.dest[0];
    struct Selected {
        int card;
        CardPlace place;
    };
    std::vector<Selected> cards;
    for (int i = 0; i < PileCount(selection); ++i) {
        const int card = PileCardAt(selection, i);
        if (const auto place = FindCard(game, card)) cards.push_back({card, *place});
    }
    if (cards.empty()) {
        selection.clear();
        return false;
    }
    if (SpecialOf(game.def) == special::PairsInPlaceOrder) {
        // The upper of the cards goes first, so that no card flies from under another.
        std::stable_sort(cards.begin(), cards.end(), [](const Selected& a, const Selected& b) {
            return a.place.position > b.place.position;
        });
    }

    PlayGatedSound(ctx.settings, ctx.sounds, "Pairing", field::SoundsPairing);
    TakeSnapshot(ctx, call);
    ctx.time.Wait(150);
    for (const Selected& s : cards) {
        const auto place = FindCard(game, s.card);
        if (!place) continue;
        Pile& pile = game.piles.Get(place->pile);
        const Pile before = pile;
        const Point from = CardCorner(ctx, place->pile, place->position);
        const bool stockFamily =
            place->pile.kind == PileKind::Mazzo || place->pile.kind == PileKind::MazzoVis;
        if (SpecialOf(game.def) == special::Pyramid && !stockFamily) {
            PileReplaceAt(pile, place->position, 0);
        } else {
            PileRemoveAt(pile, place->position);
        }
        if (place->pile.kind == PileKind::Fila) call.fromTableau = true;
        ctx.view.RedrawAfterRemoval(place->pile, before, pile);
        FlyCard(ctx, s.card, from, NextCardCorner(ctx, kSecondWaste));
        AppendCard(game.cards, game.piles.SecondWaste(), s.card, kFaceUp);
        ctx.view.DrawPileTop(kSecondWaste, DrawTarget::Both);
    }
    selection.clear();
    return true;
}

bool RefillColumns(PlayContext& ctx, CallState& call) {
    Game& game = ctx.game;
    bool dealt = false;
    for (int k = 0; k < UsedColumnCount(game) && !PileEmpty(game.piles.Stock()); ++k) {
        const PileRef column{PileKind::Fila, k};
        if (!PileEmpty(game.piles.Get(column))) continue;
        TakeSnapshot(ctx, call);
        DealFromStock(ctx, column);
        ctx.ui.TickClock();
        dealt = true;
    }
    return dealt;
}

bool CloseGridGaps(PlayContext& ctx, CallState& call) {
    Game& game = ctx.game;
    const int cells = UsedColumnCount(game);
    bool hasGap = false;
    bool gapBeforeCard = false;
    for (int k = 0; k < cells; ++k) {
        const bool empty = PileEmpty(game.piles.fila[static_cast<size_t>(k)]);
        if (!empty && hasGap) gapBeforeCard = true;
        hasGap |= empty;
    }
    if (!hasGap || (PileEmpty(game.piles.Stock()) && !gapBeforeCard)) return false;

    ctx.view.DrawSelection(false);
    game.piles.dest[0].clear();
    TakeSnapshot(ctx, call);
    std::vector<Pile> kept;
    for (int k = 0; k < cells; ++k) {
        Pile& cell = game.piles.fila[static_cast<size_t>(k)];
        if (!PileEmpty(cell)) kept.push_back(cell);
        cell.clear();
    }
    for (size_t k = 0; k < kept.size(); ++k) {
        game.piles.fila[k] = kept[k];
        ctx.view.DrawPile({PileKind::Fila, static_cast<int>(k)}, DrawTarget::Both);
    }
    for (int k = static_cast<int>(kept.size()); k < cells; ++k) {
        const PileRef cell{PileKind::Fila, k};
        ctx.view.DrawPile(cell, DrawTarget::Both);
        if (!PileEmpty(game.piles.Stock())) DealFromStock(ctx, cell);
    }
    return true;
}

}  // namespace tindle::exec
