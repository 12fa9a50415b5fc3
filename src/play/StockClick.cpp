// A left press on the stock: turning cards onto the waste, the redeal requests, and the deals
// by the deal codes of the first and last column and reserve.

#include "model/History.h"
#include "model/Ports.h"
#include "model/SpecialGames.h"
#include "model/UsedPiles.h"
#include "play/EndGame.h"
#include "play/MoveExecutor.h"
#include "play/PlayContext.h"
#include "play/PlayHistory.h"
#include "play/Pointer.h"
#include "play/TablePlaces.h"
#include "table/layout/PileHitTest.h"

namespace tindle {

namespace {

constexpr std::string_view kFillGapsFirst = "Fill in any gaps in the tableau before dealing.";

bool AnyColumnEmpty(const Game& game) {
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        if (PileEmpty(game.piles.fila[static_cast<size_t>(k)])) return true;
    }
    return false;
}

// The deal code is that of the first or of the last pile of the kind.
bool FirstOrLastHas(const GameDef& def, gd::Field field, int used, int code) {
    if (used < 1) return false;
    return def.At(field, 0) == code || def.At(field, used - 1) == code;
}

// Up to three cards to reserve 1 on odd clicks and to reserve 2 on even ones, one undo step.
bool DealToAlternateReserve(PlayContext& ctx) {
    Game& game = ctx.game;
    // The click's count chooses the reserve; it is stored once the cards are dealt, so that
    // the deal's undo step keeps the count from before the click.
    const int count = game.counters.dealCounter + 1;
    const int reserve = count % 2 == 1 ? 0 : 1;
    int dealt = 0;
    for (int n = 0; n < 3 && !PileEmpty(game.piles.Stock()); ++n) {
        if (!Execute(ctx, {MoveKind::DealReserve, reserve, 0})) break;
        ++dealt;
    }
    game.counters.dealCounter = count;
    // Only the snapshot from before the first card stays, so that one undo takes the whole
    // deal back.
    for (int n = 1; n < dealt; ++n)
        DropLastMove(ctx);
    if (dealt >= 1) SetMarker(game, marker::StockDeal);
    return dealt > 0;
}

// Four cards to each column in turn, one undo step.
bool DealFourToEachColumn(PlayContext& ctx) {
    Game& game = ctx.game;
    int dealt = 0;
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        for (int n = 0; n < 4 && !PileEmpty(game.piles.Stock()); ++n) {
            if (Execute(ctx, {MoveKind::DealColumn, k, 0})) ++dealt;
        }
    }
    for (int n = 1; n < dealt; ++n)
        DropLastMove(ctx);
    return dealt > 0;
}

bool DealByCodes(PlayContext& ctx) {
    Game& game = ctx.game;
    const GameDef& def = game.def;
    const int columns = UsedColumnCount(game);
    const int reserves = UsedReserveCount(game);
    if (FirstOrLastHas(def, gd::TableauDealCode, columns, dealCode::EachPile)) {
        const bool dealt = Execute(ctx, {MoveKind::DealColumns, 0, 0});
        if (def.At(gd::ReserveDealCode, 0) == dealCode::FaceDownCounted) {
            const int before = game.undo.Count();
            if (Execute(ctx, {MoveKind::DealReserves, 0, 0}) && dealt &&
                game.undo.Count() > before) {
                DropLastMove(ctx);
            }
        }
        return dealt;
    }
    if (FirstOrLastHas(def, gd::TableauDealCode, columns, dealCode::WhenNoGap)) {
        if (AnyColumnEmpty(game)) {
            ctx.messages.Information(kFillGapsFirst);
            return false;
        }
        return Execute(ctx, {MoveKind::DealColumns, 0, 0});
    }
    if (FirstOrLastHas(def, gd::ReserveDealCode, reserves, dealCode::EachPile)) {
        return Execute(ctx, {MoveKind::DealReserves, 0, 0});
    }
    if (FirstOrLastHas(def, gd::ReserveDealCode, reserves, dealCode::TwiceOrLastEight)) {
        if (PileCount(game.piles.Stock()) == 8)
            return Execute(ctx, {MoveKind::DealColumnsAll, 0, 0});
        const bool first = Execute(ctx, {MoveKind::DealReserves, 0, 0});
        const bool second = Execute(ctx, {MoveKind::DealReserves, 0, 0});
        return first || second;
    }
    if (FirstOrLastHas(def, gd::ReserveDealCode, reserves, dealCode::Alternate))
        return DealToAlternateReserve(ctx);
    if (FirstOrLastHas(def, gd::TableauDealCode, columns, dealCode::FourEach))
        return DealFourToEachColumn(ctx);
    if (def[gd::SecondWasteArrangement] != secondWastePlace::None) {
        return Execute(ctx, {MoveKind::TurnToSecondWaste, 0, 0});
    }
    return false;
}

}  // namespace

bool StockClick(PlayContext& ctx) {
    Game& game = ctx.game;
    const GameDef& def = game.def;
    const Pile& stock = game.piles.Stock();
    const int top = PileTop(stock);

    if (SpecialOf(def) == special::Pyramid && !PileEmpty(stock) && !PileEmpty(game.piles.dest[0])) {
        const PileRef pile{PileKind::Mazzo, 0};
        return PairingClick(ctx, PileHit{pile, top, TopCardRect(ctx, pile)});
    }
    bool moved = false;
    if (def[gd::WasteUsed] == 1) {
        if (def[gd::TurnOnlyWhenWasteEmpty] == 1 && !PileEmpty(game.piles.Waste())) return false;
        moved = Execute(ctx, {MoveKind::TurnToWaste, 0, 0});
    } else if ((def[gd::RedealMode] != redeal::None && PileEmpty(stock)) ||
               def[gd::RedealMode] == redeal::AlsoWithCards) {
        moved = Execute(ctx, {MoveKind::RedealRequest, 0, 0});
    } else {
        moved = DealByCodes(ctx);
    }
    // A turn or deal that wins (the last card of a second-waste game, the stock of an
    // AcesAlone game dealt out onto four Aces) ends the game at once, whatever the win code.
    EndGameIfWon(ctx);
    return moved;
}

}  // namespace tindle
