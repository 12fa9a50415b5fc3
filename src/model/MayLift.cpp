// Whether a card, with the cards on it, may be lifted: the lift rules of each pile kind, for
// a drag and for the click shortcuts.

#include "model/Card.h"
#include "model/Game.h"
#include "model/Legality.h"
#include "model/LegalityRules.h"
#include "model/MoveRules.h"
#include "model/RuleCodes.h"
#include "model/SpecialGames.h"

namespace tindle {

namespace {

// The run from the card up off its column: its lowest card face up, built by the column's
// rule where the game checks runs, within the group size, and the column not locked.
bool RunMayBeLifted(const Game& game, const CardPlace& place, int card) {
    const int column = place.pile.index;
    if (column < LockedColumns(game.def)) return false;
    if (card < 1 || game.cards.CardIsFaceDown(card)) return false;
    if (GroupRuleChecksRuns(game.def) && !CanMoveGroup(game, card, column)) return false;
    return legality::GroupSizeAllowedAt(game, place, false);
}

bool FoundationTopMayLift(const Game& game, const Pile& pile, int card, Gesture gesture) {
    const int lift = game.def[gd::FoundationLift];
    if (lift == foundationLift::Top) return true;
    if (lift == foundationLift::AboveOne) return PileCount(pile) > 1;
    return lift == foundationLift::Joker && gesture == Gesture::Drag && CardIsJoker(card);
}

// A press: the pick-up rules of the pointer.
bool DragLift(const Game& game, const CardPlace& place, int card, bool top) {
    const GameDef& def = game.def;
    if (def[gd::ClickPlay] == 1 || def[gd::SelectionGame] != 0 || IsPairingGame(def)) return false;
    const Pile& pile = game.piles.Get(place.pile);
    const bool faceDown = game.cards.CardIsFaceDown(card);
    if (IsSecondWasteGame(def)) {
        const bool fromColumnOrReserve =
            place.pile.kind == PileKind::Fila || place.pile.kind == PileKind::Appogg;
        return fromColumnOrReserve && top && !faceDown;
    }
    switch (place.pile.kind) {
        case PileKind::MazzoVis:
            return top && def[gd::WasteLocked] == 0;
        case PileKind::Dest:
            return top && FoundationTopMayLift(game, pile, card, Gesture::Drag);
        case PileKind::Fila:
            if (top && faceDown) return false;  // turned up by the press instead
            if (top) {
                return place.pile.index >= LockedColumns(game.def) &&
                       legality::GroupSizeAllowedAt(game, place, false);
            }
            return RunMayBeLifted(game, place, card);
        case PileKind::Appogg: {
            const int rule = def[gd::ReserveRule];
            if (!top || rule == reserveRule::NoLift) return false;
            return !faceDown || rule == reserveRule::FaceDownLift;
        }
        default:
            return false;
    }
}

// A double or right click, or the click of a click-play game: what may be sent.
bool ShortcutLift(const Game& game, const CardPlace& place, int card, bool top) {
    if (game.cards.CardIsFaceDown(card)) return false;
    const Pile& pile = game.piles.Get(place.pile);
    switch (place.pile.kind) {
        case PileKind::Dest:
            return top && FoundationTopMayLift(game, pile, card, Gesture::Shortcut);
        case PileKind::MazzoVis:
            return top;
        case PileKind::Fila:
            if (game.def[gd::GroupSizeRule] == groupSize::NoRule) return false;
            return top || RunMayBeLifted(game, place, card);
        case PileKind::Appogg:
            return top || game.def[gd::ReserveRule] == reserveRule::FaceDownLift;
        default:
            return false;
    }
}

}  // namespace

int LockedColumns(const GameDef& def) {
    const int groups = def[gd::FillSkipGroups];
    return groups > 0 ? groups * def[gd::FillSkipGroupSize] : 0;
}

bool MayLift(const Game& game, const CardPlace& place, Gesture gesture) {
    const Pile& pile = game.piles.Get(place.pile);
    const int card = PileCardAt(pile, place.position);
    if (card < 1) return false;
    const bool top = place.position == PileCount(pile) - 1;
    return gesture == Gesture::Drag ? DragLift(game, place, card, top)
                                    : ShortcutLift(game, place, card, top);
}

}  // namespace tindle
