#include "model/LegalityRules.h"

// Special rules that look at nothing but the two cards: their ranks, suits and colours.

namespace tindle::legality {

namespace {

// The suit that follows in the cycle hearts, clubs, diamonds, spades, hearts.
int NextSuitInCycle(int suit) {
    switch (suit) {
        case kHearts:
            return kClubs;
        case kClubs:
            return kDiamonds;
        case kDiamonds:
            return kSpades;
        case kSpades:
            return kHearts;
        default:
            return -1;
    }
}

}  // namespace

bool RuleNever(const PlaceContext&) {
    return false;
}

bool RuleAlways(const PlaceContext&) {
    return true;
}

bool RuleStandard(const PlaceContext& c) {
    return StandardRule(c);
}

bool Rule11NoQueenOnKingOrJack(const PlaceContext& c) {
    if (c.s == kQueen && (c.t == kKing || c.t == kJack)) return false;
    return StandardRule(c);
}

// 14, 15, 16: up by 2, 3 or 4 in any suit, going on past the King (a Jack by 2 takes the
// King, a Queen by 2 the Ace).
bool Rule14To16UpByTwoToFour(const PlaceContext& c) {
    if (c.Empty()) return BaseRule(c);
    const int k = c.q.ruleCode - 12;
    return c.s == c.t + k || c.s == (c.t + k) % 13;
}

bool Rule20UpFromAceAround(const PlaceContext& c) {
    if (c.Empty()) return c.s == kAce;
    return c.OneHigherAround();
}

bool Rule21NotOnSameSuit(const PlaceContext& c) {
    if (c.Empty() || !c.SameSuit()) return StandardRule(c);
    return false;
}

bool Rule24SameSuitNoQueenKingSwap(const PlaceContext& c) {
    if ((c.s == kQueen && c.t == kKing) || (c.s == kKing && c.t == kQueen)) return false;
    if (c.Empty() || c.SameSuit()) return StandardRule(c);
    return false;
}

// 25: same suit, two up (direction type ascending) or two down (any other type).
// 61: the same, and a King also takes the 2 and a Queen the Ace.
bool Rule25And61SameSuitByTwo(const PlaceContext& c) {
    if (c.Empty()) return StandardRule(c);
    if (!c.SameSuit()) return false;
    const int step = c.q.directionType == kAscending ? 2 : -2;
    if (c.s == c.t + step) return true;
    if (c.q.ruleCode != 61) return false;
    return (c.t == kKing && c.s == 2) || (c.t == kQueen && c.s == kAce);
}

// 28: one up or one down in any suit, never around the corner; 60: the same in suit.
bool Rule28And60UpOrDown(const PlaceContext& c) {
    if (c.Empty()) return true;
    if (c.q.ruleCode == 60 && !c.SameSuit()) return false;
    if ((c.t == kAce && c.s != 2) || (c.t == kKing && c.s != kQueen)) return false;
    return c.OneHigher() || c.OneLower();
}

bool Rule31SameSuitDown(const PlaceContext& c) {
    if (c.Empty()) return BaseRule(c);
    return c.t != kAce && c.SameSuit() && c.OneLower();
}

bool Rule32SameSuitUp(const PlaceContext& c) {
    if (c.Empty()) return BaseRule(c);
    return c.t != kKing && c.SameSuit() && c.OneHigher();
}

bool Rule34DownAnySuit(const PlaceContext& c) {
    if (c.Empty()) return StandardRule(c);
    return c.OneLower();
}

bool Rule35UpOrDownAround(const PlaceContext& c) {
    if (c.Empty()) return StandardRule(c);
    return c.OneHigherAround() || c.OneLowerAround();
}

// 39: up from the Ace in any suit, never a Queen or a King; 44: never a King.
bool Rule39And44UpFromAce(const PlaceContext& c) {
    if (c.Empty()) return c.s == kAce;
    if (c.s == kKing || (c.q.ruleCode == 39 && c.s == kQueen)) return false;
    return c.OneHigher();
}

bool Rule43SameSuitUpByTwo(const PlaceContext& c) {
    if (c.Empty()) return BaseRule(c);
    return c.SameSuit() && c.s == c.t + 2;
}

// The pile numbered n takes only cards of rank n.
bool Rule73RankOfPileNumber(const PlaceContext& c) {
    return c.s == c.q.destIndex + 1;
}

bool Rule76AnyLowerRank(const PlaceContext& c) {
    if (c.Empty()) return true;
    return c.s < c.t;
}

// 86: up from the Ace; 87: down from any card. Each card's suit follows the top card's suit
// in the cycle hearts, clubs, diamonds, spades.
bool Rule86And87SuitCycle(const PlaceContext& c) {
    const bool up = c.q.ruleCode == 86;
    if (c.Empty()) return up ? c.s == kAce : true;
    if (CardSuit(c.q.card) != NextSuitInCycle(CardSuit(c.q.topCard))) return false;
    return up ? c.OneHigher() : c.OneLower();
}

bool Rule92AcesOnly(const PlaceContext& c) {
    return c.s == kAce;
}

// Up in suit from the Ace, the Ace again after the King (95 names the rank of the card
// numbered one above the top card, which is the same within a suit).
bool Rule78And95SameSuitUpFromAce(const PlaceContext& c) {
    if (c.Empty()) return c.s == kAce;
    return c.SameSuit() && c.OneHigherAround();
}

}  // namespace tindle::legality
