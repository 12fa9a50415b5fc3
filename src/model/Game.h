#pragma once

#include "model/CardTable.h"
#include "model/GameDef.h"
#include "model/History.h"
#include "model/Piles.h"
#include "model/TableRect.h"

// Everything of the game in play, in one object: the card table with its face flags, the
// four pile lists, the game definition and its saved deal fields, both histories, the run
// flags and the per-game counters. Text values of the game (GameId, GameNumber, score, name)
// live in the settings record.

namespace tindle {

struct RunFlags {
    bool gameInProgress = false;    // a deal is being played
    bool clockRunning = false;      // the clock was started for this deal
    bool startupPending = false;    // from start-up to the first activation of the application
    bool doubleClickMark = false;   // a double click has just acted; the next press is ignored
    bool animationRunning = false;  // an interruptible animation is running
    bool gameWon = false;
    bool stopRequest = false;   // autoplay loops end at once
    bool dealCutShort = false;  // a key or click asked the deal being drawn to end at once
};

// Counters of the deal in play, all reset by every new game.
struct GameCounters {
    int passCounter = 1;    // passes through the stock so far (redeals + 1)
    int firstMoveMark = 0;  // 0 at a new game, raised by every executor call up to 2
    int dealCounter =
        0;  // per-deal counter of stock clicks (dealCode::Alternate, special::CountedTurns, scores)
    int runningCounter = 0;  // the counter of rule code 40
    bool operator==(const GameCounters&) const = default;
};

// Where the pointer is and what it holds (pick-up, drag and drop).
struct PointerState {
    int dragCard = 0;     // lowest card of the block being dragged; 0 when no drag
    int dragTopCard = 0;  // top card of the dragged block (set by the lift checks)
    bool dragMoved = false;
    int pressX = 0;
    int pressY = 0;
    bool stockPressed = false;  // the empty stock (or waste) is held down like a push button
    int hoverX = 0;
    int hoverY = 0;
    int lastDrawX = 0;
    int lastDrawY = 0;
    // The picture of the lifted block and where it stands on the window (shared with the
    // drawing code, which moves it).
    int grabX = 0;  // pointer minus the block's top-left corner
    int grabY = 0;
    TableRect dragRect;
    int dragImageHeight = 0;  // one card height for a single card, more for a fanned run
    int peekX = 0;            // corner of a card shown whole by the right-button peek
    int peekY = 0;
};

class Game {
  public:
    CardTable cards;
    Piles piles;
    GameDef def;
    DealFieldsCopy savedDealFields;
    History undo;
    History redo;
    RunFlags flags;
    GameCounters counters;
    PointerState pointer;

    int Locate(int card) const { return LocateCard(piles, def, card); }
    int FoundationCount() const { return def[gd::FoundationCount]; }
    int TableauCount() const { return def[gd::TableauCount]; }
    int ReserveCount() const { return def[gd::ReserveCount]; }
};

}  // namespace tindle
