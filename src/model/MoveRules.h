#pragma once

#include "model/CardPlaces.h"
#include "model/Piles.h"

// The two legality questions of a move, asked by everything that moves cards (drags, the
// click shortcuts, autoplay, the deal, LegalMoves, tindle-cli): may this card, with the cards
// that lie on it, be lifted; and does this pile take them. Both read the game alone, so a
// solver may ask them of a copy of the game.
//
// MayLift (MayLift.cpp) holds the lift rules of each pile kind (foundationLift::,
// reserveRule::, the group rules and sizes of the columns); Accepts (Accepts.cpp) the rules of
// each destination kind (the foundations' capacity and their own drop rules, the columns'
// limits and runs, reserveKind::, wasteDrops::, the second waste of the second-waste games)
// on top of the building rule CanPlace (Legality.h).

namespace tindle {

class Game;
class GameDef;

// Who moves the cards.
enum class Mover {
    Player,    // a drag, a click shortcut or a click of the player
    Autoplay,  // autoplay's own moves
    Deal,      // the deal's own moves to the foundations: the building rule alone
};

// How the player takes a card.
enum class Gesture {
    Drag,      // a press that lifts the card and the cards on it (second-waste games: the top
               // card of a column or reserve, played at once onto Mazzo_Waste)
    Shortcut,  // a double or right click, or the click of a click-play game, sending the card
};

// Whether the card at `place`, with every card above it, may be lifted by the gesture. A
// press on a face-down column top turns it up instead (no lift); the games that pair or select
// cards by clicking lift nothing by dragging.
bool MayLift(const Game& game, const CardPlace& place, Gesture gesture);

// The leading columns (FillSkipGroups x FillSkipGroupSize) that nothing is ever lifted from.
int LockedColumns(const GameDef& def);

// Whether the pile `target` takes the block whose lowest card lies at `from` (that card and
// every card above it) when `mover` moves it. The stock takes nothing.
bool Accepts(const Game& game, const CardPlace& from, PileRef target, Mover mover);
// The same for the block whose lowest card is `card`, found where it lies (false when it lies
// in no pile).
bool Accepts(const Game& game, int card, PileRef target, Mover mover);

// Whether foundation `j` takes a card by its building rule alone (no drop rule of its own) and
// that rule judges by the two cards (JudgesByTheTwoCards): whether a card may go onto a given
// top card then has one answer in every position of the deal, which only the foundation's
// capacity may refuse besides.
bool FoundationDropByTheTwoCards(const Game& game, int j);

// build::GridJump: the cell (0-based column) that `card` jumps over on its way to `column`,
// whose card the move removes; -1 when the move jumps over nothing.
int JumpedCell(const Game& game, int card, int column);

}  // namespace tindle
