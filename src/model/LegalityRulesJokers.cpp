#include "model/LegalityRules.h"
#include "model/RuleCodes.h"

// The joker games: foundations built up in suit from a base rank, a joker standing in for the
// card it covers.

namespace tindle::legality {

namespace {

constexpr int kNoRank = 0;

// Base -2: the rank the first started foundation began with: its bottom card's, or, under a
// bottom joker, the rank before the card above the joker. kNoRank while none tells.
int RankOfFirstStartedFoundation(const Game& game) {
    for (int j = 0; j < UsedFoundations(game); ++j) {
        const Pile& pile = Foundation(game, j);
        const int bottom = PileBottom(pile);
        if (IsDeckCard(bottom)) return CardRank(bottom);
        const int above = PileCardAt(pile, 1);
        if (CardIsJoker(bottom) && IsDeckCard(above)) return PrevRank(CardRank(above));
    }
    return kNoRank;
}

}  // namespace

// JokersOnStarted: a joker goes onto a started foundation; JokersAnywhere: onto any foundation. Any
// other card: an empty foundation takes the base rank; a card goes on a card of its suit one higher
// (the Ace after the King unless the base is the Ace); on a joker one or two above the card below
// the joker, in that card's suit (a joker alone: the base rank or the one after it). With four
// foundations in use, their suits stay distinct.
bool RuleJokers(const PlaceContext& c) {
    if (CardIsJoker(c.q.card))
        return c.q.ruleCode == build::JokersAnywhere || HoldsCards(c.Destination());

    const Game& game = c.game;
    if (UsedFoundations(game) == 4 && c.q.destIndex >= 0 && c.q.destIndex < 4) {
        if (!SuitsDistinctInGroup(game, c.q.destIndex, c.q.card)) return false;
    }

    const int baseRank =
        c.q.base == base::FirstStarted ? RankOfFirstStartedFoundation(game) : c.q.base;
    const bool anyBase = baseRank == base::AnyCard || baseRank == kNoRank;
    const bool wraps = baseRank != kAce;
    if (c.Empty()) return anyBase || c.s == baseRank;

    if (!CardIsJoker(c.q.topCard))
        return c.SameSuit() && (c.OneHigher() || (wraps && c.AceOnKing()));

    const int below = CardBelow(c.Destination(), c.q.topCard);
    if (below < 1) return anyBase || c.s == baseRank || c.s == NextRank(baseRank);
    if (!IsDeckCard(below) || CardSuit(below) != CardSuit(c.q.card)) return false;
    const int r = CardRank(below);
    const int next = NextRank(r);
    const int afterNext = NextRank(next);
    const bool nextWraps = next == kAce;
    const bool afterNextWraps = nextWraps || afterNext == kAce;
    return (c.s == next && (wraps || !nextWraps)) ||
           (c.s == afterNext && (wraps || !afterNextWraps));
}

}  // namespace tindle::legality
