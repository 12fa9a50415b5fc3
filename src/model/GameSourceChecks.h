#pragma once

#include <string>
#include <vector>

#include "model/GameSource.h"

// Checks of a parsed game for values that are in range but silently break play. Each
// problem is appended to `errors` as "file:line: message", the line being the assignment at
// fault or, for a field that is missing, the assignment that makes it needed.
//
// - ColumnMaxCards must be -1 or positive in a game with tableau columns that take cards (a
//   building rule other than Never or NeverAccepts): 0 (also when left out) makes every column
//   refuse every card.
// - FoundationCapacity must be set and positive in a game with foundations whose building
//   rule is capped by it (every rule but the few with a drop rule of their own) or that are
//   complete at it: a foundation then takes a dropped card only while it holds fewer.
// - FoundationComplete[j] must be set (-1: complete at FoundationCapacity) and not 0 for every
//   used foundation: it decides when a foundation is shown complete.
// - StockTurnCount must be at least 1 when stock clicks turn cards (WasteUsed 1 or a second
//   waste pile): 0 turns nothing.
// - GroupSizeRule must not be 0 in a game whose tableau cards are lifted (not a selection,
//   click-play or pairing game, and not every column locked by FillSkipGroups): 0 sets no
//   limit on a dragged run, yet keeps the click shortcuts from sending any tableau card, which
//   such a game never means.
// - DeckCards must be 1..52 or 104: the deal knows no other deck.
// - No deal count may name a tableau column or reserve the game does not use: those cards
//   would be dealt out of play.
// - Without a deal arrangement (DealArrangement 0) the cards the deal places must add up to
//   the deck (DeckCards, plus JokerCount with UsesJokers).

namespace tindle {

void CheckGameSource(const GameSource& game, std::vector<std::string>& errors);

}  // namespace tindle
