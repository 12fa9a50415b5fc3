// The shortcuts that send a card without dragging it: the double click, the right click and
// the click of the click-play games. The card goes to the first pile that takes it, in the
// order foundations, columns that hold cards, empty columns, reserves (for a card that is not
// in one already), waste, through the same acceptance, flight and move as a drop.

#include "model/Game.h"
#include "model/MoveRules.h"
#include "model/Ports.h"
#include "model/UsedPiles.h"
#include "play/DropTargets.h"
#include "play/EndGame.h"
#include "play/PlayContext.h"
#include "play/Pointer.h"
#include "shell/settings/SettingsRecord.h"
#include "table/layout/PileHitTest.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

struct Targets {
    bool foundations = false;  // foundations and reserves
    bool tableaus = false;     // columns and the waste
};

// Whether the card under the pointer may be sent at all, by the pile it lies in.
bool MayBeSent(const Game& game, const PileHit& hit) {
    if (hit.card < 1) return false;
    const int position = PileFind(game.piles.Get(hit.pile), hit.card);
    return position >= 0 && MayLift(game, {hit.pile, position}, Gesture::Shortcut);
}

bool SendToFirstTaker(PlayContext& ctx, const PileHit& hit, Targets targets) {
    Game& game = ctx.game;
    const auto place = FindCard(game, hit.card);
    if (!place) return false;
    const bool single = BlockSize(game, *place) == 1;
    const int ownColumn = hit.pile.kind == PileKind::Fila ? hit.pile.index : -1;
    auto send = [&](int kind, int index) {
        return SendCardTo(ctx, hit.card, {kind, index}, false);
    };
    if (targets.foundations && single) {
        for (int j = 0; j < UsedFoundationCount(game); ++j) {
            if (send(kDropFoundation, j)) return true;
        }
    }
    if (targets.tableaus) {
        for (int pass = 0; pass < 2; ++pass) {
            const bool wantEmpty = pass == 1;
            for (int k = 0; k < UsedColumnCount(game); ++k) {
                if (k == ownColumn) continue;
                if (PileEmpty(game.piles.fila[static_cast<size_t>(k)]) != wantEmpty) continue;
                if (send(kDropColumn, k)) return true;
            }
        }
    }
    // A reserve card is never sent on to another reserve: it would only wander from cell to
    // cell on every double click.
    if (targets.foundations && single && hit.pile.kind != PileKind::Appogg) {
        for (int i = 0; i < UsedReserveCount(game); ++i) {
            if (send(kDropReserve, i)) return true;
        }
    }
    return targets.tableaus && send(kDropWaste, 0);
}

bool Shortcut(PlayContext& ctx, const std::optional<PileHit>& hit, Targets targets,
              bool doubleClick) {
    if (!hit || !MayBeSent(ctx.game, *hit)) return false;
    if (doubleClick) ctx.game.flags.doubleClickMark = true;
    const bool moved = SendToFirstTaker(ctx, *hit, targets);
    // A reserve card with nowhere to go: the player hears that nothing happened.
    if (!moved && hit->pile.kind == PileKind::Appogg) ctx.messages.Beep();
    ctx.game.pointer.dragCard = 0;
    ctx.game.pointer.dragTopCard = 0;
    EndGameIfWon(ctx);
    return moved;
}

}  // namespace

bool DoubleClickShortcut(PlayContext& ctx) {
    Game& game = ctx.game;
    if (!game.flags.gameInProgress) return false;
    const auto hit = HitTestTable(ctx.layout, game, game.pointer.pressX, game.pointer.pressY);
    if (hit && hit->pile.kind == PileKind::Mazzo) {
        game.flags.doubleClickMark = false;
        return false;
    }
    const Targets targets{ctx.settings.IsYes(field::DoubleClickToFoundations),
                          ctx.settings.IsYes(field::DoubleClickToTableaus)};
    if (!targets.foundations && !targets.tableaus) return false;
    return Shortcut(ctx, hit, targets, true);
}

bool RightClickShortcut(PlayContext& ctx, const std::optional<PileHit>& hit) {
    const Targets targets{ctx.settings.IsYes(field::RightClickToFoundations),
                          ctx.settings.IsYes(field::RightClickToTableaus)};
    if (!targets.foundations && !targets.tableaus) return false;
    return Shortcut(ctx, hit, targets, false);
}

bool ClickPlayShortcut(PlayContext& ctx, const std::optional<PileHit>& hit) {
    return Shortcut(ctx, hit, Targets{true, true}, false);
}

}  // namespace tindle
