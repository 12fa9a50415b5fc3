#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/Move.h"

// Moves no better line of play can do without: a card sent to a foundation when no card still
// in play could ever be built on it in a column, nor in a reserve or on the waste, and, where
// cards may come back off the foundations, no card there may come down onto it (nor must the
// foundation's top card leave first: OffFoundationRule). Every line of play that wins from the
// position wins as well with such a move first, so the solver plays it alone and tries nothing
// else there.

namespace tindle {

class Game;
class OffFoundationRule;

// The index in `moves` (the LegalMoves of `game`) of such a foundation move; -1 when there is
// none, or when the game's rules are not all of the plain kind this is known for (building
// rules that read only the two cards, free cells, no drops on the waste; where the foundations
// give cards back, the rules `offFoundation` applies to).
int SafeFoundationMove(const Game& game, const std::vector<Move>& moves,
                       const OffFoundationRule& offFoundation);

// Which cards a shortest winning line may take off the foundations. Such a line brings a card
// down only for one of two uses before it goes home again: to build a card on it, or to let the
// card beneath it on its foundation come down as well. Without either, leaving out its trip
// down, its moves and its way back gives a shorter line that still wins (the card it covered
// was only freer, and its foundation took no other card meanwhile, as the deck holds one of
// each card). A card built on it comes from play, or off a foundation for a use of its own; so
// does the card beneath it. Where every move of a card between the columns builds it on a card
// further from home (the foundations climb one way in suit, the columns build the other way
// and never round the corner) this chain of uses cannot run in a circle: it must end at a card
// in play that builds on a card the first one brings down with it. A card with no such chain
// stays home.
//
// It holds for the plain rules SafeFoundationMove knows, one deck and autoplay off (autoplay
// could send home a card such a shorter line keeps home); for other games every card may serve.
class OffFoundationRule {
  public:
    OffFoundationRule(const Game& game, bool autoplay);

    // Whether the rule holds for the game: else every card may serve.
    bool Applies() const { return applies_; }

    // Whether `card`, on a foundation of `game`, may serve off it; true for a card in play.
    bool MayServe(const Game& game, int card) const;

    // Whether a card on a foundation that some column builds on `card` may serve off it.
    bool AnyHolderMayServe(const Game& game, int card) const;

    // The cards some column builds on `card` (by bit), where the rule applies.
    uint64_t Holders(int card) const { return holders_[static_cast<size_t>(card)]; }

  private:
    bool applies_ = false;
    std::array<uint64_t, 53> holders_{};  // by card: the cards some column builds on it
};

}  // namespace tindle