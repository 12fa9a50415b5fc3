#include "model/LegalityRules.h"
#include "model/RuleCodes.h"

// Building rules that look at nothing but the two cards: their ranks, suits and colours.

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

bool RuleSameSuitNoQueenOnKingOrJack(const PlaceContext& c) {
    if (c.s == kQueen && (c.t == kKing || c.t == kJack)) return false;
    return StandardRule(c);
}

// UpByTwo, UpByThree, UpByFour in any suit, going on past the King (a Jack by 2 takes the
// King, a Queen by 2 the Ace).
bool RuleUpByTwoToFour(const PlaceContext& c) {
    if (c.Empty()) return BaseRule(c);
    const int k = c.q.ruleCode == build::UpByTwo ? 2 : c.q.ruleCode == build::UpByThree ? 3 : 4;
    return c.s == c.t + k || c.s == (c.t + k) % 13;
}

bool RuleUpFromAceAround(const PlaceContext& c) {
    if (c.Empty()) return c.s == kAce;
    return c.OneHigherAround();
}

bool RuleNotOnSameSuit(const PlaceContext& c) {
    if (c.Empty() || !c.SameSuit()) return StandardRule(c);
    return false;
}

bool RuleSameSuitNoQueenKingSwap(const PlaceContext& c) {
    if ((c.s == kQueen && c.t == kKing) || (c.s == kKing && c.t == kQueen)) return false;
    if (c.Empty() || c.SameSuit()) return StandardRule(c);
    return false;
}

// SameSuitByTwo: same suit, two up (direction type ascending) or two down (any other type).
// SameSuitByTwoAround: the same, and a King also takes the 2 and a Queen the Ace.
bool RuleSameSuitByTwo(const PlaceContext& c) {
    if (c.Empty()) return StandardRule(c);
    if (!c.SameSuit()) return false;
    const int step = c.q.directionType == direction::Ascending ? 2 : -2;
    if (c.s == c.t + step) return true;
    if (c.q.ruleCode != build::SameSuitByTwoAround) return false;
    return (c.t == kKing && c.s == 2) || (c.t == kQueen && c.s == kAce);
}

// UpOrDown: one up or one down in any suit, never around the corner; UpOrDownSameSuit: the
// same in suit.
bool RuleUpOrDown(const PlaceContext& c) {
    if (c.Empty()) return true;
    if (c.q.ruleCode == build::UpOrDownSameSuit && !c.SameSuit()) return false;
    if ((c.t == kAce && c.s != 2) || (c.t == kKing && c.s != kQueen)) return false;
    return c.OneHigher() || c.OneLower();
}

bool RuleSameSuitDown(const PlaceContext& c) {
    if (c.Empty()) return BaseRule(c);
    return c.t != kAce && c.SameSuit() && c.OneLower();
}

bool RuleSameSuitUp(const PlaceContext& c) {
    if (c.Empty()) return BaseRule(c);
    return c.t != kKing && c.SameSuit() && c.OneHigher();
}

bool RuleDownAnySuit(const PlaceContext& c) {
    if (c.Empty()) return StandardRule(c);
    return c.OneLower();
}

bool RuleUpOrDownAround(const PlaceContext& c) {
    if (c.Empty()) return StandardRule(c);
    return c.OneHigherAround() || c.OneLowerAround();
}

// UpFromAceNoCourts: up from the Ace in any suit, never a Queen or a King; UpFromAceNoKing:
// never a King.
bool RuleUpFromAce(const PlaceContext& c) {
    if (c.Empty()) return c.s == kAce;
    if (c.s == kKing || (c.q.ruleCode == build::UpFromAceNoCourts && c.s == kQueen)) return false;
    return c.OneHigher();
}

bool RuleSameSuitUpByTwo(const PlaceContext& c) {
    if (c.Empty()) return BaseRule(c);
    return c.SameSuit() && c.s == c.t + 2;
}

// The pile numbered n takes only cards of rank n.
bool RuleRankOfPileNumber(const PlaceContext& c) {
    return c.s == c.q.destIndex + 1;
}

bool RuleAnyLowerRank(const PlaceContext& c) {
    if (c.Empty()) return true;
    return c.s < c.t;
}

// SuitCycleUp: up from the Ace; SuitCycleDown: down from any card. Each card's suit follows the top
// card's suit in the cycle hearts, clubs, diamonds, spades.
bool RuleSuitCycle(const PlaceContext& c) {
    const bool up = c.q.ruleCode == build::SuitCycleUp;
    if (c.Empty()) return up ? c.s == kAce : true;
    if (CardSuit(c.q.card) != NextSuitInCycle(CardSuit(c.q.topCard))) return false;
    return up ? c.OneHigher() : c.OneLower();
}

bool RuleAcesOnly(const PlaceContext& c) {
    return c.s == kAce;
}

// Up in suit from the Ace, the Ace again after the King (SameSuitUpByNumber names the rank of
// the card numbered one above the top card, which is the same within a suit).
bool RuleSameSuitUpFromAce(const PlaceContext& c) {
    if (c.Empty()) return c.s == kAce;
    return c.SameSuit() && c.OneHigherAround();
}

}  // namespace tindle::legality
