#pragma once

#include <array>
#include <cstdint>

// Positions no line of play can win: some card can never leave its column or the stock, and a
// game of the standard win ends with both empty.
//
// A card leaves only by a move, onto a foundation or a column top its pile's rule takes it on
// (its targets), or into an empty pile whose base takes it. Take a set S of cards such that
// every card of S lies
//  - in a column, with only face-down cards beneath it,
//  - on a foundation,
//  - or in the stock or the waste, where the clicks only turn them round,
// no empty pile takes it, and each of its targets is a card that cannot be the top it needs:
// one beneath a card of S in its pile, one of S in the stock or the waste, or, as a foundation
// top, one of S in a column, or, as a column top, one of S on a foundation (where no card ever
// comes off the foundations, every card on them belongs to S as it lies). No card of S nor
// any card beneath one ever moves: before the first move that would move one, every one of
// them still lies where it lay; a card beneath a card of S can then not be lifted (face down
// in a column, below the top of a foundation), and a card of S finds none of its targets where
// it needs it. A card of S in a column or the stock then never leaves it.
//
// The largest such set is found by starting from every card that lies so and taking out the
// cards with a target that may be reached, until none is left to take out. It holds where the
// rules are of the plain kind this knows: nothing but the moves takes a card off a column
// (no selection, pairing or click-play game, no jokers), the building rules of the columns and
// foundations judge by the two cards, no free cell or waste takes a card, no stock restriction
// holds moves back, and the bases of the empty piles read only the card. Elsewhere no position
// is found stuck.
//
// A card that can never be a foundation top besides: one that lies on no foundation, that no
// empty foundation takes and all of whose foundation tops can never be tops either (its suit's
// lower cards, where they are buried). Before the first move of a card of S it never goes
// home, as the first such card to go home would go onto a top that was never one.
//
// Where cards come into the columns and the stock only by moves, only a move that sends a card
// home can leave stuck a position that was not: any other move adds no card that may belong
// (a card put on a column lies on a face-up card, or in an empty column whose base takes it),
// nor any beneath one, and it leaves where they were the cards that still may belong; a set
// of the position after it is one of the position before.

namespace tindle {

class Game;

class StuckCards {
  public:
    static constexpr int kDeck = 52;  // one deck, no jokers
    using CardBits = uint64_t;        // bit c: card c of the deck
    using ByCard = std::array<CardBits, kDeck + 1>;

    // For the dealt `game`; `stockOnlyTurns`: no fill and no deal of the stock's clicks brings
    // cards onto the piles, so that where the clicks turn cards onto the waste, the stock's and
    // the waste's cards leave them only by moves; `columnsAlike`: the columns have the same rules
    // (PositionKeys::ColumnsAlike).
    StuckCards(const Game& game, bool stockOnlyTurns, bool columnsAlike);

    // Whether some card of the position of `game` can never leave its column or the stock.
    bool AnyStuck(const Game& game) const;

  private:
    // `never` (cards that can never be a foundation top) with every card that therefore never
    // goes home; `home`: the cards on the foundations.
    CardBits NeverHomeTops(CardBits never, CardBits home) const;

    bool applies_ = false;
    bool stockOnlyTurns_ = false;
    bool foundationsKeep_ = false;  // no card ever comes off a foundation
    CardBits free_ = 0;             // the cards some empty column or foundation may take
    CardBits homeFree_ = 0;         // the cards some empty foundation may take
    ByCard homeTargets_{};          // by card: the foundation tops it may go onto
    ByCard columnTargets_{};        // by card: the column tops it may go onto
};

}  // namespace tindle
