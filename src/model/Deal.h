#pragma once

#include <functional>
#include <string>

#include "model/GameNumber.h"

// The lay-out of a new deal: the deal order of the game number is dealt into the piles by the
// counts, face modes, starting cards and arrangement code of the game definition.
//
// The caller (the new-game flow) empties the histories and, for a new deal of a game already
// loaded, restores the deal fields (DealFieldsCopy::RestoreInto) first: the deal rewrites the
// foundation bases (FoundationBase) and the tableau bases of code 91 (TableauBase).

namespace tindle {

class Game;
class MessagePort;
class Random;

struct DealContext {
    // Shows "Error 01 - fnGameNumberCardsArray" and the message about a definition that asks
    // for cards its deck does not hold. May be null (nothing is shown).
    MessagePort* messages = nullptr;
    // The general random generator; only arrangement 10 (one random column emptied) draws
    // from it. Null: a generator with a fixed seed is used.
    Random* random = nullptr;
    // The game's name, for the message about a faulty definition.
    std::string gameName;
    // The post-deal step of the move executor, run as the very last step of the deal (the
    // play layer supplies it; empty: nothing runs).
    std::function<void(Game&)> postDealStep;
};

// What went wrong in a deal, for callers and tests; a valid definition gives a clean report.
struct DealReport {
    bool deckError = false;  // the deck size cannot be dealt: every pile was left empty
    int shortfall = 0;       // cards the definition asked for that the deck did not hold
    int unplaced = 0;        // cards of the deck for which the arrangement had no pile
    bool Clean() const { return !deckError && shortfall == 0 && unplaced == 0; }
};

// Deals `number` into the game's piles. Every pile is emptied and every card turned face up
// first, so that a deal depends only on the definition and the number (and, for arrangement
// 10, the random generator), never on the game played before.
//
// A definition that asks for more cards than its deck holds is dealt as far as the cards go:
// nothing is invented, and one message names the game. "000" entries of the deal order (a
// deck with fewer cards than entries) are dealt like cards and stand in their piles as gaps.
DealReport DealGame(Game& game, const GameNumber& number, const DealContext& context);

}  // namespace tindle
