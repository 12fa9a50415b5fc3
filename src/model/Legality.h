#pragma once

// Move legality: whether a card may be put on a pile (CanPlace), and whether a run of
// cards may be lifted from a tableau column as one unit (CanMoveGroup, GroupSizeAllowed).
//
// The rules live in the Legality*.cpp files: Legality.cpp the order of the checks,
// LegalityBase.cpp the rule for an empty pile (ranks and letter codes), LegalityStandard.cpp
// the standard building rule, LegalityRuleTable.cpp the table from every building rule code
// (build:: of RuleCodes.def) to the function that holds it (LegalityRules*.cpp),
// LegalityGroups.cpp the lifting checks. The questions of a whole move (may it be lifted,
// does the pile take it) are MoveRules.h.

#include "model/RuleCodes.h"

namespace tindle {

class Game;
class GameDef;
class MessagePort;

// One question to CanPlace: may `card` go onto a destination whose top card is `topCard`
// (0 or less when it is empty)? A reserve is always asked with topCard -1, base -1, wrapFlag
// true, directionType -1 and foundationMode true; that is how the rules that look at the
// destination pile itself tell a reserve from an (empty) foundation, which is asked with
// topCard 0.
struct PlaceQuery {
    int topCard = 0;
    int card = 0;
    int base = 0;                 // the destination's base field (-1 for a reserve)
    bool playerMove = false;      // the player drags or clicks (false: deal or autoplay checks)
    int destIndex = 0;            // 0-based index of the destination among the piles of its kind
    bool wrapFlag = false;        // field WrapFlag + index > 0 (reserve checks pass true)
    bool foundationMode = false;  // foundations and reserves; false for columns and groups
    int ruleCode = 0;
    int directionType = 0;  // reserve checks pass -1
    int firstBase = 0;      // the base of foundation 1
    // Where "Error suit - 1" is shown when a balanced base meets a card outside the decks;
    // without a port the card is only left out of the count.
    MessagePort* messages = nullptr;
};

bool CanPlace(const Game& game, const PlaceQuery& q);

// CanPlace with the destination's own fields and top card filled in.
bool CanPlaceOnFoundation(const Game& game, int foundation, int card, bool playerMove);
bool CanPlaceOnColumn(const Game& game, int column, int card, bool playerMove);
bool CanPlaceOnReserve(const Game& game, int reserve, int card, bool playerMove);
// The same with the destination's top card given (0: empty), to ask the rule of a pile about
// a card it does not hold on top.
bool CanPlaceOnFoundationTop(const Game& game, int foundation, int top, int card, bool playerMove);
bool CanPlaceOnColumnTop(const Game& game, int column, int top, int card, bool playerMove);

// Whether the building rule `code` judges a card put onto another card by the two cards and
// the pile's own fields alone (the standard rule and the codes that build by it): its answer
// for two cards then holds in every position of the deal.
bool JudgesByTheTwoCards(int code);

// Whether the game's group rule asks a lifted run to be built (groupRule::ByColumnRule,
// InSuit).
bool GroupRuleChecksRuns(const GameDef& def);

// The run from firstCard to the top of its column is built by the column's own rule
// (GroupRuleChecksRuns); any run may move under other group rules.
bool CanMoveGroup(const Game& game, int firstCard, int column);

// Whether the run from firstCard upward may be lifted, by GroupSizeRule.
bool GroupSizeAllowed(const Game& game, int firstCard, bool toEmptyColumn);

// Whether a pyramid card may be clicked (special::Pyramid): no card of the next row covers it.
bool CardUncovered(const Game& game, int card);

// The balanced bases of empty foundations ('Q', 'T', 'U', 'Z': base::BalancedAces,
// BalancedKings, BalancedDistinctAces, BalancedTwos).
bool FoundationBaseBalanced(const Game& game, int letter, int card,
                            MessagePort* messages = nullptr);

// Counting the suits of the top cards of the four named foundations, with the card's suit in
// the given slot (0..3), no suit occurs twice.
bool SuitsDistinct(const Game& game, const int (&foundations)[4], int slot, int card);

}  // namespace tindle
