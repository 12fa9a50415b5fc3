#include "model/LegalityRules.h"
#include "model/RuleCodes.h"

// Building rules that read more than the two cards: the destination's own cards, other
// foundations, or the tableau column that belongs to a foundation.

namespace tindle::legality {

namespace {

// The rank n steps above t, going on past the King (t a rank 1..13).
int RankAfter(int t, int n) {
    return (t - 1 + n) % 13 + 1;
}

bool IsRank(int r) {
    return r >= kAce && r <= kKing;
}

// The column gives the card its suit by its bottom card.
bool SuitOfColumnBottom(const Game& game, int k, int card) {
    const int bottom = PileBottom(Column(game, k));
    return IsDeckCard(bottom) && CardSuit(bottom) == CardSuit(card);
}

}  // namespace

// A column of one or two cards takes one higher or one lower in any suit; an empty column
// or a longer one takes nothing.
bool RuleUpOrDownOnShortColumn(const PlaceContext& c) {
    const int n = c.DestinationCount();
    if (n != 1 && n != 2) return false;
    return c.OneHigher() || c.OneLower();
}

// Two decks on one foundation in suit: up to the King, a second King, then down again.
// An empty foundation starts by its balanced letter (or, for any other base, by the base rule).
bool RuleUpThenKingThenDown(const PlaceContext& c) {
    if (c.Empty()) {
        const int base = c.q.base;
        const bool letter = base == 'Q' || base == 'T' || base == 'U' || base == 'Z';
        return letter ? FoundationBaseBalanced(c.game, base, c.q.card, c.q.messages) : BaseRule(c);
    }
    if (!c.SameSuit()) return false;
    const int n = c.DestinationCount();
    if (n <= 12) return c.OneHigher();
    if (n == 13) return c.s == kKing;
    return c.OneLower();
}

// In suit, one up or one down, the column keeping the direction its top two cards set.
bool RuleFollowColumnDirection(const PlaceContext& c) {
    if (c.KingOnAce() || c.AceOnKing()) return false;
    if (c.Empty()) return BaseRule(c);
    if (!c.SameSuit()) return false;
    const int below = CardBelow(c.Destination(), c.q.topCard);
    if (below < 1) return c.OneHigher() || c.OneLower();
    return c.t < CardRank(below) ? c.OneLower() : c.OneHigher();
}

// Down in any suit, the King on the Ace. The foundations start in turn, each with the game's
// base rank once the one before it holds cards.
bool RuleDownFromFirstBaseInTurn(const PlaceContext& c) {
    if (c.Empty()) {
        const int j = c.q.destIndex;
        return c.s == c.q.firstBase && (j == 0 || HoldsCards(Foundation(c.game, j - 1)));
    }
    return c.OneLowerAround();
}

// Each card doubles the top card's rank modulo 13. That never gives a King, so the Kings go
// on once foundation 1 holds 48 cards.
bool RuleDoubling(const PlaceContext& c) {
    if (c.Empty()) return StandardRule(c);
    if (c.s == (2 * c.t) % 13) return true;
    return c.s == kKing && PileCount(Foundation(c.game, 0)) >= 48;
}

// Up by two in suit, past the King; the four foundations of a group start with their base
// rank in four different suits.
bool RuleSameSuitByTwoDistinctSuits(const PlaceContext& c) {
    if (c.Empty()) {
        return c.s == c.q.base && SuitsDistinctInGroup(c.game, c.q.destIndex, c.q.card);
    }
    return c.SameSuit() && (c.s == c.t + 2 || c.s == (c.t + 2) % 13);
}

// Up in suit; the King only while the foundation six places further has a King on top (none
// further than the last foundation: no King).
bool RuleKingAfterSixFurther(const PlaceContext& c) {
    if (c.s == kKing && CardRank(PileTop(Foundation(c.game, c.q.destIndex + 6))) != kKing) {
        return false;
    }
    if (c.Empty()) return BaseRule(c);
    return c.SameSuit() && c.OneHigher();
}

// UpBesideColumn: up from the base, never a Queen or a King. UpBesideHoldingColumn: only while
// the column of the same index holds cards; UpInSuitOfColumn: also in the suit of that
// column's bottom card.
bool RuleUpBesideColumn(const PlaceContext& c) {
    const int code = c.q.ruleCode;
    const int k = c.q.destIndex;
    if (code != build::UpBesideColumn && !HoldsCards(Column(c.game, k))) return false;
    if (code == build::UpInSuitOfColumn && !SuitOfColumnBottom(c.game, k, c.q.card)) return false;
    if (c.Empty()) return c.s == c.q.base;
    return c.OneHigher() && c.s != kQueen && c.s != kKing;
}

// DownBesideColumn: down from the base, the King on the Ace, never a Queen.
// DownBesideHoldingColumn: only while the column eight places back holds cards;
// DownInSuitOfColumn: also in the suit of that column's bottom card.
bool RuleDownBesideColumn(const PlaceContext& c) {
    const int code = c.q.ruleCode;
    const int k = c.q.destIndex - 8;
    if (code != build::DownBesideColumn && !HoldsCards(Column(c.game, k))) return false;
    if (code == build::DownInSuitOfColumn && !SuitOfColumnBottom(c.game, k, c.q.card)) {
        return false;
    }
    if (c.Empty()) return c.s == c.q.base;
    return c.OneLowerAround() && c.s != kQueen;
}

// Foundation 1 is built first; the others take cards only while it holds exactly 13.
bool RuleAfterFirstFoundation(const PlaceContext& c) {
    if (c.q.destIndex > 0 && PileCount(Foundation(c.game, 0)) != 13) return false;
    if (c.Empty()) return c.s == c.q.base;
    return c.OneHigherAround();
}

// Four Aces, then four 2s, and so on.
bool RuleFourOfEachRank(const PlaceContext& c) {
    return c.s == c.DestinationCount() / 4 + 1;
}

// Up in any suit (Ace after King) from the base. The 13th card comes from the reserve of the
// same index, and reserve cards go nowhere else.
bool RuleThirteenthFromReserve(const PlaceContext& c) {
    if (c.DestinationCount() == 12) {
        if (c.Source() != LocReserve(c.q.destIndex)) return false;
    } else if (c.FromReserve()) {
        return false;
    }
    if (c.Empty()) return c.s == c.q.base;
    return c.OneHigherAround();
}

// Nothing until the stock and waste are used up; then an empty foundation needs a suit of its
// own in its group of four and a started one its own suit, both besides the standard rule.
bool RuleDistinctSuitsAfterStock(const PlaceContext& c) {
    if (!StockEmpty(c.game) || !WasteEmpty(c.game)) return false;
    if (c.Empty()) {
        if (!SuitsDistinctInGroup(c.game, c.q.destIndex, c.q.card)) return false;
    } else if (!c.SameSuit()) {
        return false;
    }
    return StandardRule(c);
}

// Down in any suit, the King on the Ace; foundation n stops at rank n, except foundation 7,
// which goes on past its 7 unless it holds exactly 13 cards.
bool RuleDownWithStopRank(const PlaceContext& c) {
    if (c.Empty()) return BaseRule(c);
    const int j = c.q.destIndex;
    if (c.t == j + 1 && !(j == 6 && c.DestinationCount() != 13)) return false;
    return c.OneLowerAround();
}

// Every foundation climbs by the step the first foundation with two cards set (its second
// card's rank less its first, around the corner); before any has two cards, by one or two.
bool RuleStepOfFirstFoundation(const PlaceContext& c) {
    if (c.Empty()) return BaseRule(c);
    if (!IsRank(c.t)) return false;
    for (int j = 0; j < UsedFoundations(c.game); ++j) {
        const Pile& pile = Foundation(c.game, j);
        if (PileCount(pile) < 2) continue;
        const int first = CardRank(PileCardAt(pile, 0));
        const int second = CardRank(PileCardAt(pile, 1));
        if (!IsRank(first) || !IsRank(second)) continue;
        return c.s == RankAfter(c.t, (second - first + 13) % 13);
    }
    return c.s == RankAfter(c.t, 1) || c.s == RankAfter(c.t, 2);
}

// Columns built up by threes in suit from their base rank. A column whose single card is not
// of its base rank swaps it for a base-rank card lying alone in the column that card belongs
// to.
bool RuleColumnBaseByThrees(const PlaceContext& c) {
    const Game& game = c.game;
    const int k = c.q.destIndex;
    if (k < 0 || k >= kFilaPiles) return false;
    const int base = game.def.At(gd::TableauBase, k);
    if (c.Empty()) return c.s == base;
    const Pile& column = c.Destination();
    if (CardRank(PileBottom(column)) == base) return c.SameSuit() && c.s == c.t + 3;
    if (PileCount(column) != 1 || c.s != base || !c.FromTableau()) return false;
    const int from = c.Source() - 1;
    return PileCount(Column(game, from)) == 1 && c.t == game.def.At(gd::TableauBase, from);
}

// The standard rule in suit; the four foundations of a group start in four different suits.
bool RuleDistinctSuitsThenSameSuit(const PlaceContext& c) {
    if (c.Empty() && !SuitsDistinctInGroup(c.game, c.q.destIndex, c.q.card)) return false;
    return StandardRuleWithCode(c, 0);
}

}  // namespace tindle::legality
