// The stock: turning cards onto the waste (or the second waste), the redeal of the waste into
// an empty stock, and the counted redeal requests of the games with a redeal mode.

#include <algorithm>

#include "model/AppendCard.h"
#include "model/GameEnd.h"
#include "model/History.h"
#include "model/SpecialGames.h"
#include "model/StockPasses.h"
#include "play/ExecutorSteps.h"
#include "play/Sounds.h"
#include "play/TableView.h"

namespace tindle::exec {

namespace {

const PileRef kStock{PileKind::Mazzo, 0};
const PileRef kWaste{PileKind::MazzoVis, 0};

bool Animated(const PlayContext& ctx) {
    return ctx.settings.IsNotNo(field::CardsAnimate);
}

// StockTurnCount cards (at least one) from the stock onto the waste or the second waste, face
// up, each drawn, flown and sounded.
bool TurnStock(PlayContext& ctx, bool toWaste, CallState& call) {
    Game& game = ctx.game;
    if (PileEmpty(game.piles.Stock())) return false;
    TakeSnapshot(ctx, call);
    const PileRef target{toWaste ? PileKind::MazzoVis : PileKind::MazzoWaste, 0};
    const int count = std::max<int>(game.def[gd::StockTurnCount], 1);
    for (int i = 0; i < count && !PileEmpty(game.piles.Stock()); ++i) {
        const Point from = CardCorner(ctx, kStock, PileCount(game.piles.Stock()) - 1);
        const int card = PilePopTop(game.piles.Stock());
        game.cards.SetCardFace(card, kFaceUp);
        ctx.view.DrawPileTop(kStock, DrawTarget::Both);
        const Point to = NextCardCorner(ctx, target);
        if (Animated(ctx)) {
            FlyCard(ctx, card, from, to);
            ctx.time.Wait(10);
        }
        AppendCard(game.cards, game.piles.Get(target), card, kFaceUp);
        ctx.view.DrawPileTop(target, DrawTarget::Both);
        PlayGatedSound(ctx.settings, ctx.sounds, "Stock", field::SoundsStock);
        // The running count of turned cards (rule 40 asks for the rank it names).
        ++game.counters.runningCounter;
        game.flags.gameWon = IsGameWon(game, ctx.settings);
    }
    if (SpecialOf(game.def) == special::CountedTurns) {
        ++game.counters.dealCounter;
        SetMarker(game, marker::StockDeal);
    }
    call.moved = true;
    return true;
}

// The selection of the pyramid game lies on foundation 1; cards that went back into the stock
// leave it.
void DropSelectedFromStock(Game& game) {
    Pile& selection = game.piles.dest[0];
    Pile kept;
    for (int i = 0; i < PileCount(selection); ++i) {
        const int card = PileCardAt(selection, i);
        if (!PileContains(game.piles.Stock(), card)) PileAppend(kept, card);
    }
    selection = kept;
}

// The waste turned over into the empty stock: its top card goes first, so the waste's top
// card ends at the bottom of the stock and the first card ever turned lies on top.
void RedealWaste(PlayContext& ctx, CallState& call) {
    Game& game = ctx.game;
    TakeSnapshot(ctx, call);
    ++game.counters.passCounter;
    game.piles.Stock().clear();
    const char face = game.def[gd::StockFaceDown] != 0 ? kFaceDown : kFaceUp;
    const bool animate = ctx.settings.IsNotNo(field::RedealAnimation);
    if (animate)
        PlayGatedSound(ctx.settings, ctx.sounds, "Redeal", field::SoundsRedeal, SoundMode::Loop);
    while (!PileEmpty(game.piles.Waste())) {
        const Point from = CardCorner(ctx, kWaste, PileCount(game.piles.Waste()) - 1);
        const int card = PilePopTop(game.piles.Waste());
        const Point to = NextCardCorner(ctx, kStock);
        AppendCard(game.cards, game.piles.Stock(), card, face);
        if (animate) FlyCard(ctx, card, from, to, face == kFaceDown);
    }
    if (animate) {
        ctx.view.DrawPile(kWaste, DrawTarget::Both);
        ctx.time.Wait(100);
        StopGatedSounds(ctx.settings, ctx.sounds);
    } else {
        PlayGatedSound(ctx.settings, ctx.sounds, "Red_no_a", field::SoundsRedealWithoutAnimation,
                       SoundMode::Sync);
    }
    ctx.view.DrawPile(kStock, DrawTarget::Both);
    ctx.view.DrawPile(kWaste, DrawTarget::Both);
    if (SpecialOf(game.def) == special::Pyramid) DropSelectedFromStock(game);
    game.pointer.stockPressed = false;
    call.moved = true;
}

// The empty stock (or the waste) held down like a push button: drawn pressed.
void PressButton(PlayContext& ctx) {
    ctx.view.DrawButtonPile(true);
    ctx.game.pointer.stockPressed = true;
}

}  // namespace

bool StockMove(PlayContext& ctx, MoveKind kind, CallState& call) {
    Game& game = ctx.game;
    const int mode = game.def[gd::RedealMode];
    const bool stockEmpty = PileEmpty(game.piles.Stock());

    if (mode != redeal::None) {
        if (PassAllowed(game) && (stockEmpty || mode == redeal::AlsoWithCards)) {
            if (!game.pointer.stockPressed) {
                PressButton(ctx);
                if (!stockEmpty) TurnStock(ctx, kind == MoveKind::TurnToWaste, call);
                return call.moved;
            }
            TakeSnapshot(ctx, call);
            ++game.counters.passCounter;
            game.pointer.stockPressed = false;
            call.passCounted = true;
            return true;
        }
    } else if (kind == MoveKind::TurnToWaste && stockEmpty && PileCount(game.piles.Waste()) > 1 &&
               PassAllowed(game)) {
        if (!game.pointer.stockPressed) {
            PressButton(ctx);
            return false;
        }
        RedealWaste(ctx, call);
    }
    if (!call.passCounted) TurnStock(ctx, kind == MoveKind::TurnToWaste, call);
    return call.moved;
}

}  // namespace tindle::exec
