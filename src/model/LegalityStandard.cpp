#include "model/LegalityRules.h"
#include "model/RuleCodes.h"

// The standard building rule: an empty pile takes what its base allows; on a card, the rule
// code's suit filter and then the rank step of the pile's direction type, ascending part
// first, descending part second.

namespace tindle::legality {

namespace {

// Suit filter of the standard rule codes; every other code reaching here has none.
bool SuitFilterPasses(const PlaceContext& c, int code) {
    switch (code) {
        case build::SameSuit:
        case build::SameSuitNoQueenOnKingOrJack:
            return CardSuit(c.q.card) == CardSuit(c.q.topCard);
        case build::SameColour:
            return CardIsRed(c.q.card) == CardIsRed(c.q.topCard);
        case build::AlternateColours:
            return CardIsRed(c.q.card) != CardIsRed(c.q.topCard);
        case build::EmptyOnly:
            return false;
        default:
            return true;
    }
}

bool ClosedLetterBase(int value) {
    return value == base::BalancedAces || value == base::ClosedR || value == base::ClosedS;
}

// Pairing on the tableau: an Ace takes a 2 and a King a Queen.
bool PairingStep(const PlaceContext& c) {
    return (c.t == kAce && c.s == 2) || (c.t == kKing && c.s == kQueen);
}

bool RankStep(const PlaceContext& c) {
    const int t = c.t;
    const int s = c.s;
    const int d = c.q.directionType;
    const bool onTableau = !c.q.foundationMode;
    const bool pairing = onTableau && c.q.destIndex >= 0 && c.q.destIndex < kFilaPiles &&
                         c.game.def.At(gd::WrapFlag, c.q.destIndex) == wrap::Pairing;
    // A column whose top has the game's base rank ends a sequence unless it may wrap.
    const bool endOfSequence = onTableau && !pairing && t == c.q.firstBase && !c.q.wrapFlag;

    // Ascending part (direction types ascending and either).
    bool result = false;
    if (d == direction::Ascending || d == direction::Either) {
        if (pairing) {
            result = PairingStep(c) || s == t + 1;
        } else if (endOfSequence) {
            return false;
        } else if (onTableau && t == kKing) {
            result = s == kAce;
        } else {
            if (!onTableau && t == kKing) {
                // A foundation wraps from the King to the Ace unless it started at the Ace.
                result = s == kAce && c.q.base != kAce;
                if (d == direction::Ascending) return result;
            }
            if (s == t + 1) result = true;
        }
    }
    if (d != direction::Descending && d != direction::Either) return result;
    if (result) return true;

    // Descending part (direction types descending, and either when the ascending part failed).
    if (!onTableau) {
        // A foundation wraps from the Ace to the King unless it started at the King.
        if (t == kAce) return s == kKing && c.q.base != kKing;
        return t == s + 1;
    }
    if (pairing) return PairingStep(c) || t == s + 1;
    if (endOfSequence) return false;
    if (t == kAce) return s == kKing && !(ClosedLetterBase(c.q.firstBase) && !c.q.wrapFlag);
    return t == s + 1;
}

}  // namespace

bool StandardRuleWithCode(const PlaceContext& c, int code) {
    if (c.Empty()) return BaseRule(c);
    if (!SuitFilterPasses(c, code)) return false;
    return RankStep(c);
}

bool StandardRule(const PlaceContext& c) {
    return StandardRuleWithCode(c, c.q.ruleCode);
}

}  // namespace tindle::legality
