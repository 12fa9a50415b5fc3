#include <array>

#include "model/LegalityRules.h"
#include "model/Ports.h"

// What an empty pile takes: a rank, any card (-1), or one of the letter codes, and the two
// suit-counting checks of the letter codes and of the distinct-suit foundation groups.

namespace tindle {

namespace legality {

namespace {

// Backslash: every started foundation began with the card's rank (true while none started).
bool EveryStartedFoundationBeganWith(const Game& game, int rank) {
    for (int j = 0; j < UsedFoundations(game); ++j) {
        const Pile& pile = Foundation(game, j);
        if (HoldsCards(pile) && CardRank(PileBottom(pile)) != rank) return false;
    }
    return true;
}

bool NoFoundationStarted(const Game& game) {
    for (int j = 0; j < UsedFoundations(game); ++j) {
        if (HoldsCards(Foundation(game, j))) return false;
    }
    return true;
}

bool AnyReserveHoldsCards(const Game& game) {
    for (int i = 0; i < UsedReserves(game); ++i) {
        if (HoldsCards(Reserve(game, i))) return true;
    }
    return false;
}

}  // namespace

bool BaseRule(const PlaceContext& c) {
    const int value = c.q.base;
    switch (value) {
        case base::BalancedAces:
        case base::BalancedKings:
        case base::BalancedDistinctAces:
        case base::BalancedTwos:
            return FoundationBaseBalanced(c.game, value, c.q.card, c.q.messages);
        case base::ClosedR:
        case base::ClosedS:
            return false;
        // LayoutCompare compares two values of the table layout, which the rules cannot see;
        // an empty pile with this base takes nothing, so that it never allows a move it
        // should not.
        case base::LayoutCompare:
            return false;
        case base::FromStockOrWaste: {
            const int from = c.Source();
            return from == kLocStock || from == kLocWaste || from == kLocNowhere;
        }
        case base::NotFromTableau:
            return c.Source() < 1;
        case base::SameAsStarted:
            return EveryStartedFoundationBeganWith(c.game, c.s);
        case base::SameAsStartedFromReserve:
            if (NoFoundationStarted(c.game)) return c.FromReserve();
            return EveryStartedFoundationBeganWith(c.game, c.s);
        case base::FromReserveOrWaste:
            if (AnyReserveHoldsCards(c.game)) return c.FromReserve();
            return c.Source() == kLocWaste;
        default:
            // A rank (base::Rank), AnyCard, or a code that takes nothing by the base rule
            // (NoCard, the marks, FirstStarted outside the joker rules).
            return c.s == value || value == base::AnyCard || c.q.firstBase == base::AnyCard;
    }
}

bool SuitsDistinctInGroup(const Game& game, int j, int card) {
    const int first = j / 4 * 4;
    const int group[4] = {first, first + 1, first + 2, first + 3};
    return SuitsDistinct(game, group, j - first, card);
}

}  // namespace legality

bool FoundationBaseBalanced(const Game& game, int letter, int card, MessagePort* messages) {
    int startRank = 0;
    switch (letter) {
        case base::BalancedAces:
        case base::BalancedDistinctAces:
            startRank = kAce;
            break;
        case base::BalancedKings:
            startRank = kKing;
            break;
        case base::BalancedTwos:
            startRank = 2;
            break;
        default:
            return false;
    }
    if (CardRank(card) != startRank) return false;

    // The foundations that share the letter, and the first cards of those already started.
    int sameLetter = 0;
    std::array<int, kDestPiles> firstCards{};
    int started = 0;
    for (int j = 0; j < legality::UsedFoundations(game); ++j) {
        if (game.def.At(gd::FoundationBase, j) != letter) continue;
        ++sameLetter;
        const Pile& pile = legality::Foundation(game, j);
        if (legality::HoldsCards(pile))
            firstCards[static_cast<size_t>(started++)] = PileBottom(pile);
    }
    if (started == 0) return true;

    int red = 0;
    int black = 0;
    std::array<int, 4> perSuit{};
    auto count = [&](int n) {
        if (!legality::IsDeckCard(n)) {
            if (messages) messages->Information("Error suit - 1");
            return;
        }
        ++(CardIsRed(n) ? red : black);
        ++perSuit[static_cast<size_t>(CardSuit(n))];
    };
    count(card);
    for (int k = 0; k < started; ++k)
        count(firstCards[static_cast<size_t>(k)]);

    const int half = sameLetter / 2;
    if (red > half || black > half) return false;
    if (letter != base::BalancedAces) {
        for (int n : perSuit) {
            if (n > 1) return false;
        }
    }
    return true;
}

bool SuitsDistinct(const Game& game, const int (&foundations)[4], int slot, int card) {
    std::array<bool, 4> seen{};
    for (int k = 0; k < 4; ++k) {
        const int n = k == slot ? card : PileTop(legality::Foundation(game, foundations[k]));
        if (!legality::IsDeckCard(n)) continue;  // an empty foundation or a joker counts no suit
        bool& suitSeen = seen[static_cast<size_t>(CardSuit(n))];
        if (suitSeen) return false;
        suitSeen = true;
    }
    return true;
}

}  // namespace tindle
