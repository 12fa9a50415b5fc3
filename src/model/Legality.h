#pragma once

// Move legality: whether a card may be put on a pile (CanPlace), and whether a run of
// cards may be lifted from a tableau column as one unit (CanMoveGroup, GroupSizeAllowed).

namespace tindle {

class Game;

// One question to CanPlace: may `card` go onto a destination whose top card is `topCard`
// (0 or less when it is empty; -1 for a reserve)?
struct PlaceQuery {
    int topCard = 0;
    int card = 0;
    int base = 0;              // the destination's base field (-1 for a reserve)
    bool playerMove = false;   // the player drags or clicks (false: deal or autoplay checks)
    int destIndex = 0;         // 0-based index of the destination among the piles of its kind
    bool wrapFlag = false;     // field WrapFlag + index > 0 (reserve checks pass true)
    bool foundationMode = false;  // foundations and reserves; false for columns and groups
    int ruleCode = 0;
    int directionType = 0;     // reserve checks pass -1
    int firstBase = 0;         // the base of foundation 1
    // Rule 71 (grid jump) names the cell jumped over here (0-based column), else -1.
    int* jumpedCell = nullptr;
};

bool CanPlace(const Game& game, const PlaceQuery& q);

// CanPlace with the destination's own fields and top card filled in.
bool CanPlaceOnFoundation(const Game& game, int foundation, int card, bool playerMove);
bool CanPlaceOnColumn(const Game& game, int column, int card, bool playerMove,
                      int* jumpedCell = nullptr);
bool CanPlaceOnReserve(const Game& game, int reserve, int card, bool playerMove);

// The run from firstCard to the top of its column is built by the column's own rule
// (GroupRule 1 or 10); any run may move under other group rules.
bool CanMoveGroup(const Game& game, int firstCard, int column);

// Whether the run from firstCard upward may be lifted, by GroupSizeRule. Remembers the run's
// top card as the pointer state's dragTopCard.
bool GroupSizeAllowed(Game& game, int firstCard, bool toEmptyColumn);

// Whether a pyramid card may be clicked (special game 4): no card of the next row covers it.
bool CardUncovered(const Game& game, int card);

// The balanced-base letters 'Q', 'T', 'U', 'Z' of empty foundations.
bool FoundationBaseBalanced(const Game& game, int letter, int card);

// Counting the suits of the top cards of the four named foundations, with the card's suit in
// the given slot (0..3), no suit occurs twice.
bool SuitsDistinct(const Game& game, const int (&foundations)[4], int slot, int card);

}  // namespace tindle
