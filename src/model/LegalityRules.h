#pragma once

// Inside the legality files (and the rule table tests) only: what every building rule reads
// (PlaceContext), the small questions rules ask so that they read as rules, the base and
// standard rules that many rules end in, and the rules themselves, one function per rule
// code (or per family of codes that share their logic). LegalityRuleTable.cpp maps the codes
// to the functions, Accepts.cpp the foundation and reserve codes to their drop rules.

#include "model/Card.h"
#include "model/CardPlaces.h"
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
// The rules every other rule may end in.

// The rule for an empty destination, by its base value (a rank or a letter code).
bool BaseRule(const PlaceContext& c);
// The standard rule with the destination's code: the base rule when it is empty, else the
// suit filter of the code and the rank step of the direction type.
bool StandardRule(const PlaceContext& c);
bool StandardRuleWithCode(const PlaceContext& c, int code);

// The rule function of a building rule code (build::, LegalityRuleTable.cpp); nullptr for a
// value the table of codes does not name (CanPlace builds such a pile by the standard rule).
using RuleFn = bool (*)(const PlaceContext&);
RuleFn BuildingRule(int code);

// ---------------------------------------------------------------------------------------
// The rules, each named after the code (or the codes) it holds. Unless a rule says what an
// empty destination takes, it takes what the base rule allows: the rule speaks only of
// building on a top card.

// LegalityRulesRank.cpp: rules on the two cards' ranks and suits alone.
bool RuleNever(const PlaceContext& c);                        // Never, NeverAccepts
bool RuleAlways(const PlaceContext& c);                       // Always
bool RuleStandard(const PlaceContext& c);                     // AnySuitBuild, AnySuitByDirection
bool RuleSameSuitNoQueenOnKingOrJack(const PlaceContext& c);  // SameSuitNoQueenOnKingOrJack
bool RuleUpByTwoToFour(const PlaceContext& c);                // UpByTwo, UpByThree, UpByFour
bool RuleUpFromAceAround(const PlaceContext& c);              // UpFromAceAround
bool RuleNotOnSameSuit(const PlaceContext& c);                // NotOnSameSuit
bool RuleSameSuitNoQueenKingSwap(const PlaceContext& c);      // SameSuitNoQueenKingSwap
bool RuleSameSuitByTwo(const PlaceContext& c);                // SameSuitByTwo, SameSuitByTwoAround
bool RuleUpOrDown(const PlaceContext& c);                     // UpOrDown, UpOrDownSameSuit
bool RuleSameSuitDown(const PlaceContext& c);                 // SameSuitDown
bool RuleSameSuitUp(const PlaceContext& c);                   // SameSuitUp
bool RuleDownAnySuit(const PlaceContext& c);                  // DownAnySuit
bool RuleUpOrDownAround(const PlaceContext& c);               // UpOrDownAround
bool RuleUpFromAce(const PlaceContext& c);                    // UpFromAceNoCourts, UpFromAceNoKing
bool RuleSameSuitUpByTwo(const PlaceContext& c);              // SameSuitUpByTwo
bool RuleRankOfPileNumber(const PlaceContext& c);             // RankOfPileNumber
bool RuleAnyLowerRank(const PlaceContext& c);                 // AnyLowerRank
bool RuleSuitCycle(const PlaceContext& c);                    // SuitCycleUp, SuitCycleDown
bool RuleAcesOnly(const PlaceContext& c);                     // AcesOnly
bool RuleSameSuitUpFromAce(const PlaceContext& c);  // SameSuitUpFromAce, SameSuitUpByNumber

// LegalityRulesSource.cpp: rules on where the card comes from and on the stock and waste.
bool RulePlayerFillsAfterStock(const PlaceContext& c);  // PlayerFillsAfterStock
bool RuleNotFromTableau(const PlaceContext& c);         // NotFromTableau, NotFromTableauOrReserve
bool RuleNoTableauCardOnCards(const PlaceContext& c);   // NoTableauCardOnCards
bool RuleSameSuitUpWhileWasteEmpty(const PlaceContext& c);   // SameSuitUpWhileWasteEmpty
bool RuleAlternateNotFromFoundation(const PlaceContext& c);  // AlternateNotFromFoundation
bool RuleTwoCardsNotFromTableau(const PlaceContext& c);      // TwoCardsNotFromTableau
bool RuleKingThenOneCard(const PlaceContext& c);             // KingThenOneCard
bool RuleRunningCounter(const PlaceContext& c);              // RunningCounter
bool RuleKingThenDown(const PlaceContext& c);                // KingThenDown
bool RuleQueenThenOneCard(const PlaceContext& c);            // QueenThenOneCard
bool RuleDownFromColumnBase(const PlaceContext& c);          // DownFromColumnBase
bool RuleSameColourUpFromWaste(const PlaceContext& c);       // SameColourUpFromWaste
bool RuleSameRankFromLaterColumn(const PlaceContext& c);     // SameRankFromLaterColumn
bool RuleSameSuitAround(const PlaceContext& c);              // SameSuitAround
bool RuleReserveSameSuitAround(const PlaceContext& c);       // ReserveSameSuitAround
bool RuleAlternateDownByNumber(const PlaceContext& c);       // AlternateDownByNumber

// LegalityRulesPiles.cpp: rules that read other piles or the destination's own cards.
bool RuleUpOrDownOnShortColumn(const PlaceContext& c);       // UpOrDownOnShortColumn
bool RuleUpThenKingThenDown(const PlaceContext& c);          // UpThenKingThenDown
bool RuleFollowColumnDirection(const PlaceContext& c);       // FollowColumnDirection
bool RuleDownFromFirstBaseInTurn(const PlaceContext& c);     // DownFromFirstBaseInTurn
bool RuleDoubling(const PlaceContext& c);                    // Doubling
bool RuleSameSuitByTwoDistinctSuits(const PlaceContext& c);  // SameSuitByTwoDistinctSuits
bool RuleKingAfterSixFurther(const PlaceContext& c);         // KingAfterSixFurther
bool RuleUpBesideColumn(
    const PlaceContext& c);  // UpBesideColumn, UpBesideHoldingColumn, UpInSuitOfColumn
bool RuleDownBesideColumn(
    const PlaceContext& c);  // DownBesideColumn, DownBesideHoldingColumn, DownInSuitOfColumn
bool RuleAfterFirstFoundation(const PlaceContext& c);       // AfterFirstFoundation
bool RuleFourOfEachRank(const PlaceContext& c);             // FourOfEachRank
bool RuleThirteenthFromReserve(const PlaceContext& c);      // ThirteenthFromReserve
bool RuleDistinctSuitsAfterStock(const PlaceContext& c);    // DistinctSuitsAfterStock
bool RuleDownWithStopRank(const PlaceContext& c);           // DownWithStopRank
bool RuleStepOfFirstFoundation(const PlaceContext& c);      // StepOfFirstFoundation
bool RuleColumnBaseByThrees(const PlaceContext& c);         // ColumnBaseByThrees
bool RuleDistinctSuitsThenSameSuit(const PlaceContext& c);  // DistinctSuitsThenSameSuit

// LegalityRulesGrid.cpp: the grid games, tableau columns as cells of rows.
bool RuleGridStep(const PlaceContext& c);  // GridStep
bool RuleGridJump(const PlaceContext& c);  // GridJump

// LegalityRulesJokers.cpp.
bool RuleJokers(const PlaceContext& c);  // JokersOnStarted, JokersAnywhere

// GroupSizeAllowed for a block whose place is known (a card of a used column, a reserve, a
// foundation or the waste, where the card's own search would find it).
bool GroupSizeAllowedAt(const Game& game, const CardPlace& place, bool toEmptyColumn);

// The cell (0-based column) that a grid jump of the card into `column` passes over, for a
// jump that GridJump allows.
int JumpedGridCell(const Game& game, int card, int column);

// Accepts.cpp: the drop rule of a foundation by its building rule code (every named code has
// one; the codes without a rule of their own share the FoundationCapacity rule), and the rule
// of each reserve kind; nullptr for a value the table of codes does not name.
using FoundationDropFn = bool (*)(const Game& game, int card, int foundation, bool playerMove);
FoundationDropFn FoundationDropRule(int code);
// Whether FoundationCapacity limits the drops onto a foundation of that building rule code
// (false for the codes whose drop rule is their own, and for codes the table does not name).
bool FoundationCapacityApplies(int code);
// Whether the drop rule of a foundation of that code takes no card its building rule
// (CanPlaceOnFoundation) refuses.
bool FoundationDropAsksBuildingRule(int code);
using ReserveDropFn = bool (*)(const Game& game, const CardPlace& from, int reserve,
                               bool playerMove);
ReserveDropFn ReserveDropRule(int kind);

// Shared by rules that need distinct suits among a group of four foundations (1-4, 5-8, ..):
// true when the card, put on foundation j, keeps the suits of its group's top cards distinct.
bool SuitsDistinctInGroup(const Game& game, int j, int card);

}  // namespace tindle::legality
