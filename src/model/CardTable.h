#pragma once

#include <array>
#include <string>
#include <string_view>

// The card table: one 20-character entry per card number 1..108, holding the card's name,
// suit digit, number and its face flag. A card's face state lives here, not in its pile:
// moving a card never turns it.

namespace tindle {

constexpr char kFaceUp = '1';
constexpr char kFaceDown = '0';

class CardTable {
  public:
    static constexpr int kCards = 108;
    static constexpr int kEntryChars = 20;

    CardTable();  // every card face up

    // The 20-character entry of card n (1..108); an empty view for anything else.
    std::string_view Entry(int n) const;

    // False for n < 1 (and for anything that is not a card); else true when the flag is '0'.
    // Asked for every card of every position a solver meets: inline.
    bool CardIsFaceDown(int n) const {
        if (n < 1 || n > kCards) return false;
        return entries_[static_cast<size_t>(n * kEntryChars - 1)] == kFaceDown;
    }
    void SetCardFace(int n, char flag);
    void SetAllFaceUp();

    // Face modes of a dealt pile: >= 1 the topmost `mode` cards get `flag`; -1 alternating
    // from the bottom (up, down, up, ...); -2 the opposite alternation; -3 bottom card up, all
    // others down; 0 and below -3 change nothing.
    void SetPileFaces(std::string_view pile, int mode, char flag);

  private:
    // The entries one after the other in one block, so that a copy of the table is one copy.
    std::array<char, kCards * kEntryChars> entries_{};
};

}  // namespace tindle
