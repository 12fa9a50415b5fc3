#include "model/Legality.h"

#include "model/Card.h"
#include "model/Game.h"

// First cut: the standard building rule (empty-pile base rank, suit filter, rank step with
// wrap-around) for every rule code. The special rule codes build on this.

namespace tindle {

namespace {

bool StandardRule(const PlaceQuery& q) {
    int t = CardRank(q.topCard);
    int s = CardRank(q.card);
    if (t < 1) return s == q.base || q.base == -1 || q.firstBase == -1;

    switch (q.ruleCode) {
        case 0:
        case 11:
            if (CardSuit(q.card) != CardSuit(q.topCard)) return false;
            break;
        case 1:
            if (CardIsRed(q.card) != CardIsRed(q.topCard)) return false;
            break;
        case 3:
            if (CardIsRed(q.card) == CardIsRed(q.topCard)) return false;
            break;
        case 6: return false;
        default: break;
    }

    const int d = q.directionType;
    bool result = false;
    if (d == 1 || d == 2) {
        if (!q.foundationMode) {
            if (t == q.firstBase && !q.wrapFlag) return false;
            if (t == kKing) return s == kAce;
        } else if (t == kKing) {
            result = s == kAce && q.base != 1;
            if (d == 1) return result;
        }
        if (s == t + 1) result = true;
    }
    if ((d != 0 && d != 2) || (d == 2 && result)) return result;
    if (q.foundationMode) {
        if (t == kAce) return s == kKing && q.base != 13;
    } else {
        if (t == q.firstBase && !q.wrapFlag) return false;
        if (t == kAce) return s == kKing;
    }
    return t == s + 1;
}

}  // namespace

bool CanPlace(const Game&, const PlaceQuery& q) {
    if (q.card == q.topCard) return false;
    return StandardRule(q);
}

bool CanPlaceOnFoundation(const Game& game, int j, int card, bool playerMove) {
    PlaceQuery q;
    q.topCard = PileTop(game.piles.dest.at(static_cast<size_t>(j)));
    q.card = card;
    q.base = game.def.At(gd::FoundationBase, j);
    q.playerMove = playerMove;
    q.destIndex = j;
    q.wrapFlag = game.def.At(gd::WrapFlag, j) > 0;
    q.foundationMode = true;
    q.ruleCode = game.def.At(gd::FoundationRule, j);
    q.directionType = game.def.At(gd::FoundationDirection, j);
    q.firstBase = game.def[gd::FoundationBase];
    return CanPlace(game, q);
}

bool CanPlaceOnColumn(const Game& game, int k, int card, bool playerMove, int* jumpedCell) {
    PlaceQuery q;
    q.topCard = PileTop(game.piles.fila.at(static_cast<size_t>(k)));
    q.card = card;
    q.base = game.def.At(gd::TableauBase, k);
    q.playerMove = playerMove;
    q.destIndex = k;
    q.wrapFlag = game.def.At(gd::WrapFlag, k) > 0;
    q.foundationMode = false;
    q.ruleCode = game.def.At(gd::TableauRule, k);
    q.directionType = game.def.At(gd::TableauDirection, k);
    q.firstBase = game.def[gd::FoundationBase];
    q.jumpedCell = jumpedCell;
    return CanPlace(game, q);
}

bool CanPlaceOnReserve(const Game& game, int i, int card, bool playerMove) {
    PlaceQuery q;
    q.topCard = -1;
    q.card = card;
    q.base = -1;
    q.playerMove = playerMove;
    q.destIndex = i;
    q.wrapFlag = true;
    q.foundationMode = true;
    q.ruleCode = game.def.At(gd::ReserveKind, i);
    q.directionType = -1;
    q.firstBase = game.def[gd::FoundationBase];
    return CanPlace(game, q);
}

}  // namespace tindle
