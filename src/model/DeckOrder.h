#pragma once

#include <array>
#include <string>

#include "model/GameDef.h"
#include "model/GameNumber.h"

// The deal order: the game number turned into the ordered list of card numbers from which
// the lay-out takes its cards. Two fixed tables drive it; no random generator is involved,
// so a game and a number always give the same order.

namespace tindle {

class MessagePort;

inline constexpr std::string_view kDeckOrderError = "Error 01 - fnGameNumberCardsArray";

// A list of up to 108 entries, each a card number or 0 for an entry left free ("000").
class DeckOrder {
  public:
    static constexpr int kCapacity = 108;

    int Size() const { return size_; }
    int At(int i) const { return entries_[static_cast<size_t>(i)]; }
    // The order could not be made (a deck size other than 1..52 or 104): every entry is free.
    bool DeckError() const { return deckError_; }

    // Entries written as three digits, separated by single blanks ("007 000 052").
    std::string Text() const;

  private:
    friend DeckOrder fnGameNumberCardsArray(const GameDef&, const GameNumber&, MessagePort*);
    std::array<int, kCapacity> entries_{};
    int size_ = 0;
    bool deckError_ = false;
};

// Entries of the order: the deck's cards, plus the jokers when the game uses them.
int DeckOrderSize(const GameDef& def);

// Computes the deal order. A deck size that the tables cannot place (anything but 1..52 or
// 104 cards, or more than 108 entries with the jokers) shows kDeckOrderError through the
// message port (when one is given) and leaves every entry free.
DeckOrder fnGameNumberCardsArray(const GameDef& def, const GameNumber& number,
                                 MessagePort* messages);

}  // namespace tindle
