#pragma once

#include <optional>
#include <vector>

#include "model/CardPlaces.h"
#include "model/Move.h"
#include "model/Piles.h"

// How the solver rates the moves of a position, to try the best first: by the position each
// leads to (PositionMerit), then by the move itself (MoveMerit: cards to the foundations,
// turn-ups and moves that uncover a face-down card or empty a column, cards out of the free
// cells first; moves into a free cell or an empty column and the stock's clicks last).

namespace tindle {

class Game;

// The merit of a move in `game` before it is played (higher is better).
int MoveMerit(const Game& game, const Move& move);

// Where a card move takes its card from, before it is played; nullopt for the clicks. A search
// asks several questions of each move: it finds the place once and passes it to the overloads
// below, which answer as those without it.
std::optional<CardPlace> MovePlace(const Game& game, const Move& move);
int MoveMerit(const Game& game, const Move& move, const std::optional<CardPlace>& from);
bool IsShuffle(const Game& game, const Move& move, const std::optional<CardPlace>& from);

// The merit of a position: cards on the foundations, cards not covering a lower card of
// their column, empty columns and free cells count for it; face-down cards and cards in the
// free cells against it.
int PositionMerit(const Game& game);

// A move that only rearranges what is already in order: a card taken back off a foundation,
// or a block moved to another column off a face-up card it could have been lifted with (unless
// that card could then go to a foundation). A
// winning line rarely needs one; the solver's first, bold pass leaves them out (and may then
// find a win sooner), its second pass, which alone may answer lost, tries them.
bool IsShuffle(const Game& game, const Move& move);

// The pile a card move takes its card from, before it is played; nullopt for the clicks.
std::optional<PileRef> MoveSource(const Game& game, const Move& move);

}  // namespace tindle
