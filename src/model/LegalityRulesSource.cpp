#include "model/LegalityRules.h"
#include "model/RuleCodes.h"

// Building rules that ask where the card comes from, or what the stock and the waste hold.

namespace tindle::legality {

namespace {

// The base field of tableau column k (0 for an index outside the tableau).
int ColumnBase(const Game& game, int k) {
    if (k < 0 || k >= kFilaPiles) return 0;
    return game.def.At(gd::TableauBase, k);
}

bool RankIsColumnBase(const PlaceContext& c) {
    const int base = ColumnBase(c.game, c.q.destIndex);
    return c.s == base || base == base::AnyCard;
}

}  // namespace

// The deal and autoplay build by the standard rule; the player may only fill an empty pile,
// and only once the stock is used up (and then by what the pile's base allows).
bool RulePlayerFillsAfterStock(const PlaceContext& c) {
    if (!c.q.playerMove) return StandardRule(c);
    return c.Empty() && StockEmpty(c.game) && StandardRule(c);
}

// NotFromTableau: anything that does not come from the tableau; NotFromTableauOrReserve: nor
// from a reserve.
bool RuleNotFromTableau(const PlaceContext& c) {
    if (c.FromTableau()) return false;
    if (c.q.ruleCode == build::NotFromTableauOrReserve && c.FromReserve()) return false;
    return true;
}

bool RuleNoTableauCardOnCards(const PlaceContext& c) {
    return !(c.FromTableau() && !c.Empty());
}

bool RuleSameSuitUpWhileWasteEmpty(const PlaceContext& c) {
    if (!WasteEmpty(c.game)) return false;
    if (c.Empty()) return BaseRule(c);
    return c.SameSuit() && c.OneHigher();
}

// Alternating colours by the standard rule, but nothing back from a foundation or a reserve.
bool RuleAlternateNotFromFoundation(const PlaceContext& c) {
    if (c.FromFoundationOrReserve()) return false;
    return StandardRuleWithCode(c, build::AlternateColours);
}

bool RuleTwoCardsNotFromTableau(const PlaceContext& c) {
    if (c.FromTableau()) return false;
    return c.DestinationCount() < 2;
}

// While the waste is empty: a King on an empty column, then one more card that is neither a
// Queen nor a King.
bool RuleKingThenOneCard(const PlaceContext& c) {
    if (!WasteEmpty(c.game)) return false;
    if (c.Empty()) return c.s == kKing;
    if (c.DestinationCount() == 1 && c.t == kKing) return c.s != kQueen && c.s != kKing;
    return false;
}

// The card must have the rank the running counter names (a King on multiples of 13); the
// last card of the stock and waste goes anywhere.
bool RuleRunningCounter(const PlaceContext& c) {
    const Piles& piles = c.game.piles;
    if (PileCount(piles.Stock()) + PileCount(piles.Waste()) == 1) return true;
    const int counter = c.game.counters.runningCounter % 13;
    const int wanted = counter == 0 ? kKing : (counter + 13) % 13;
    return c.s == wanted;
}

// While the waste is empty: a King on an empty column, then any card but a King, then down
// in any suit, never a King.
bool RuleKingThenDown(const PlaceContext& c) {
    if (!WasteEmpty(c.game)) return false;
    if (c.Empty()) return c.s == kKing;
    if (c.s == kKing) return false;
    return c.DestinationCount() == 1 || c.OneLower();
}

// While the waste is empty: a Queen on an empty column, then one card that is not a Queen.
bool RuleQueenThenOneCard(const PlaceContext& c) {
    if (!WasteEmpty(c.game)) return false;
    if (c.Empty()) return c.s == kQueen;
    if (c.DestinationCount() == 1 && c.t == kQueen) return c.s != kQueen;
    return false;
}

// Down in any suit (the King on the Ace where the column's WrapFlag is 1); an empty column
// takes its base rank, never from a reserve or another column.
bool RuleDownFromColumnBase(const PlaceContext& c) {
    if (c.Empty()) return !c.FromReserve() && !c.FromTableau() && RankIsColumnBase(c);
    if (c.OneLower()) return true;
    return c.KingOnAce() && c.q.destIndex >= 0 && c.q.destIndex < kFilaPiles &&
           c.game.def.At(gd::WrapFlag, c.q.destIndex) == wrap::Around;
}

// Up in colour, an empty column its base rank; while the waste holds one card only that card
// may move, while it holds more nothing may.
bool RuleSameColourUpFromWaste(const PlaceContext& c) {
    const Pile& waste = c.game.piles.Waste();
    if (PileCount(waste) > 1) return false;
    if (PileCount(waste) == 1 && c.q.card != PileTop(waste)) return false;
    if (c.Empty()) return RankIsColumnBase(c);
    return c.SameColour() && c.OneHigher();
}

// A card of the top card's rank from a column at or after the destination.
bool RuleSameRankFromLaterColumn(const PlaceContext& c) {
    if (!c.FromTableau() || c.Source() - 1 < c.q.destIndex) return false;
    if (c.Empty()) return BaseRule(c);
    return c.s == c.t;
}

bool RuleSameSuitAround(const PlaceContext& c) {
    if (c.FromTableau()) return false;
    if (c.Empty()) return true;
    return c.SameSuit() && (c.OneHigherAround() || c.OneLowerAround());
}

// A reserve (asked without its top card) that builds up or down in suit, Ace and King
// adjacent; on any other pile the standard rule.
bool RuleReserveSameSuitAround(const PlaceContext& c) {
    if (c.DestinationKind() != PileKind::Appogg) return StandardRule(c);
    if (c.FromTableau()) return false;
    const int top = PileTop(c.Destination());
    if (top < 1) return true;
    PlaceQuery onTop = c.q;
    onTop.topCard = top;
    const PlaceContext withTop(c.game, onTop);
    return withTop.SameSuit() && (withTop.OneHigherAround() || withTop.OneLowerAround());
}

// Down in alternating colours by the rank of the card numbered one below the top card (the
// King again after the Ace). An empty column takes no card from the tableau, and one from the
// waste only while every reserve is empty.
bool RuleAlternateDownByNumber(const PlaceContext& c) {
    if (c.Empty()) {
        if (c.FromTableau()) return false;
        if (c.Source() == kLocWaste) {
            for (int i = 0; i < UsedReserves(c.game); ++i) {
                if (HoldsCards(Reserve(c.game, i))) return false;
            }
        }
        return true;
    }
    return CardIsRed(c.q.card) != CardIsRed(c.q.topCard) && c.OneLowerAround();
}

}  // namespace tindle::legality
