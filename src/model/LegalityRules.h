#pragma once

// Inside the legality files only: what every building rule reads (PlaceContext), the small
// questions rules ask so that they read as rules, the base and standard rules that many
// special rules end in, and the special rules themselves, one function per rule code (or per
// family of codes that share their logic). LegalityRuleTable.cpp maps codes to functions.

#include "model/Card.h"
#include "model/Game.h"
#include "model/Legality.h"
#include "model/Pile.h"

namespace tindle::legality {

// ---------------------------------------------------------------------------------------
// Piles of the game, safe for any index (an index outside the list gives an empty pile).

const Pile& Foundation(const Game& game, int j);
const Pile& Column(const Game& game, int k);
const Pile& Reserve(const Game& game, int i);
int UsedFoundations(const Game& game);
int UsedColumns(const Game& game);
int UsedReserves(const Game& game);

// A pile holds cards when it holds anything but gaps.
inline bool HoldsCards(const Pile& pile) {
    return !PileOnlyGaps(pile);
}
// One of the 104 cards of the two decks (no joker, no gap, no stray number).
inline bool IsDeckCard(int n) {
    return n >= 1 && n <= 104;
}

inline bool StockEmpty(const Game& game) {
    return PileEmpty(game.piles.Stock());
}
inline bool WasteEmpty(const Game& game) {
    return PileEmpty(game.piles.Waste());
}

// The card below `card` in the pile, 0 when it is the bottom card or not in the pile.
int CardBelow(const Pile& pile, int card);

// ---------------------------------------------------------------------------------------
// One question to CanPlace with the ranks worked out: t the top card's, s the card's.

class PlaceContext {
  public:
    PlaceContext(const Game& g, const PlaceQuery& query)
        : game(g), q(query), t(CardRank(query.topCard)), s(CardRank(query.card)) {}

    const Game& game;
    const PlaceQuery& q;
    const int t;  // rank of the destination's top card; below 1 when the destination is empty
    const int s;  // rank of the card to be placed

    bool Empty() const { return t < 1; }
    bool OneHigher() const { return s == t + 1; }
    bool OneLower() const { return s == t - 1; }
    bool AceOnKing() const { return t == kKing && s == kAce; }
    bool KingOnAce() const { return t == kAce && s == kKing; }
    // One higher or lower with the Ace and the King adjacent both ways.
    bool OneHigherAround() const { return OneHigher() || AceOnKing(); }
    bool OneLowerAround() const { return OneLower() || KingOnAce(); }
    bool SameSuit() const { return !Empty() && CardSuit(q.card) == CardSuit(q.topCard); }
    bool SameColour() const { return !Empty() && CardIsRed(q.card) == CardIsRed(q.topCard); }

    // Where the card lies now (its PileLocator), looked up on first use.
    int Source() const;
    bool FromTableau() const { return LocIsTableau(Source()); }
    bool FromReserve() const { return LocIsReserve(Source()); }
    bool FromFoundationOrReserve() const { return Source() >= -30 && Source() <= -1; }

    // The destination pile itself (a reserve is asked with top card -1, see PlaceQuery).
    PileKind DestinationKind() const;
    const Pile& Destination() const;
    int DestinationCount() const { return PileCount(Destination()); }

  private:
    static constexpr int kNotLookedUp = 1000;
    mutable int source_ = kNotLookedUp;
};

// ---------------------------------------------------------------------------------------
// The rules every special rule may end in.

// The rule for an empty destination, by its base value (a rank or a letter code).
bool BaseRule(const PlaceContext& c);
// The standard rule with the destination's code: the base rule when it is empty, else the
// suit filter of the code and the rank step of the direction type.
bool StandardRule(const PlaceContext& c);
bool StandardRuleWithCode(const PlaceContext& c, int code);

// The rule of a special code; nullptr for the codes of the standard rule and for any code
// without a rule of its own (those behave as the standard rule without a suit filter).
using RuleFn = bool (*)(const PlaceContext&);
RuleFn SpecialRule(int code);

// ---------------------------------------------------------------------------------------
// Special rules. Unless a rule says what an empty destination takes, it takes what the base
// rule allows: the rule speaks only of building on a top card.

// LegalityRulesRank.cpp: rules on the two cards' ranks and suits alone.
bool RuleNever(const PlaceContext& c);                      // 4, 5
bool RuleAlways(const PlaceContext& c);                     // 12
bool RuleStandard(const PlaceContext& c);                   // 8, 13
bool Rule11NoQueenOnKingOrJack(const PlaceContext& c);      // 11
bool Rule14To16UpByTwoToFour(const PlaceContext& c);        // 14, 15, 16
bool Rule20UpFromAceAround(const PlaceContext& c);          // 20
bool Rule21NotOnSameSuit(const PlaceContext& c);            // 21
bool Rule24SameSuitNoQueenKingSwap(const PlaceContext& c);  // 24
bool Rule25And61SameSuitByTwo(const PlaceContext& c);       // 25, 61
bool Rule28And60UpOrDown(const PlaceContext& c);            // 28, 60
bool Rule31SameSuitDown(const PlaceContext& c);             // 31
bool Rule32SameSuitUp(const PlaceContext& c);               // 32
bool Rule34DownAnySuit(const PlaceContext& c);              // 34
bool Rule35UpOrDownAround(const PlaceContext& c);           // 35
bool Rule39And44UpFromAce(const PlaceContext& c);           // 39, 44
bool Rule43SameSuitUpByTwo(const PlaceContext& c);          // 43
bool Rule73RankOfPileNumber(const PlaceContext& c);         // 73
bool Rule76AnyLowerRank(const PlaceContext& c);             // 76
bool Rule86And87SuitCycle(const PlaceContext& c);           // 86, 87
bool Rule92AcesOnly(const PlaceContext& c);                 // 92
bool Rule78And95SameSuitUpFromAce(const PlaceContext& c);   // 78, 95

// LegalityRulesSource.cpp: rules on where the card comes from and on the stock and waste.
bool Rule7PlayerOnlyFillsAfterStock(const PlaceContext& c);    // 7
bool Rule17And19NotFromTableau(const PlaceContext& c);         // 17, 19
bool Rule18NoTableauCardOnCards(const PlaceContext& c);        // 18
bool Rule23SameSuitUpWhileWasteEmpty(const PlaceContext& c);   // 23
bool Rule27AlternateNotFromFoundation(const PlaceContext& c);  // 27
bool Rule33TwoCardsNotFromTableau(const PlaceContext& c);      // 33
bool Rule38KingThenOneCard(const PlaceContext& c);             // 38
bool Rule40RunningCounter(const PlaceContext& c);              // 40
bool Rule45KingThenDown(const PlaceContext& c);                // 45
bool Rule48QueenThenOneCard(const PlaceContext& c);            // 48
bool Rule54DownFromColumnBase(const PlaceContext& c);          // 54
bool Rule55SameColourUpFromWaste(const PlaceContext& c);       // 55
bool Rule56SameRankFromLaterColumn(const PlaceContext& c);     // 56
bool Rule80SameSuitAround(const PlaceContext& c);              // 80
bool Rule81ReserveSameSuitAround(const PlaceContext& c);       // 81
bool Rule94AlternateDownByNumber(const PlaceContext& c);       // 94

// LegalityRulesPiles.cpp: rules that read other piles or the destination's own cards.
bool Rule26UpOrDownOnShortColumn(const PlaceContext& c);       // 26
bool Rule29UpThenKingThenDown(const PlaceContext& c);          // 29
bool Rule30FollowColumnDirection(const PlaceContext& c);       // 30
bool Rule36DownFromFirstBaseInTurn(const PlaceContext& c);     // 36
bool Rule37Doubling(const PlaceContext& c);                    // 37
bool Rule41SameSuitByTwoDistinctSuits(const PlaceContext& c);  // 41
bool Rule42KingAfterSixFurther(const PlaceContext& c);         // 42
bool Rule46And49And51UpBesideColumn(const PlaceContext& c);    // 46, 49, 51
bool Rule47And50And52DownBesideColumn(const PlaceContext& c);  // 47, 50, 52
bool Rule53AfterFirstFoundation(const PlaceContext& c);        // 53
bool Rule77FourOfEachRank(const PlaceContext& c);              // 77
bool Rule79ThirteenthFromReserve(const PlaceContext& c);       // 79
bool Rule82DistinctSuitsAfterStock(const PlaceContext& c);     // 82
bool Rule83DownWithStopRank(const PlaceContext& c);            // 83
bool Rule91StepOfFirstFoundation(const PlaceContext& c);       // 91
bool Rule93ColumnBaseByThrees(const PlaceContext& c);          // 93
bool Rule96DistinctSuitsThenSameSuit(const PlaceContext& c);   // 96

// LegalityRulesGrid.cpp: the grid games, tableau columns as cells of rows.
bool Rule70GridStep(const PlaceContext& c);  // 70
bool Rule71GridJump(const PlaceContext& c);  // 71

// LegalityRulesJokers.cpp.
bool Rule72And75Jokers(const PlaceContext& c);  // 72, 75

// Shared by rules that need distinct suits among a group of four foundations (1-4, 5-8, ..):
// true when the card, put on foundation j, keeps the suits of its group's top cards distinct.
bool SuitsDistinctInGroup(const Game& game, int j, int card);

}  // namespace tindle::legality
