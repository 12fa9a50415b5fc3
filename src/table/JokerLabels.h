#pragma once

// Which card a joker on a foundation stands for, as the label above the foundations shows
// it. Games whose foundations take jokers (foundation rule 72 or 75) show one label for the
// lowest joker lying on a foundation.

namespace tindle {

class Game;

// The key of the scan when no joker lies on any foundation.
inline constexpr int kNoJokerOnFoundations = -2;
// The stored key when no label is showing.
inline constexpr int kNoJokerLabel = -1;

struct JokerLabel {
    // foundation index * 100 + the joker's character position in the pile (1, 4, 7, ..)
    // + 100; kNoJokerOnFoundations when there is no joker.
    int key = kNoJokerOnFoundations;
    int foundation = -1;  // where the joker lies
    // What the label shows: rank 1..13 and suit 0..3. A rank outside 1..13 shows nothing.
    int rank = 0;
    int suit = -1;
    // No label at all: the joker is alone on its foundation, or lies on a King of a full
    // foundation; the stored key becomes kNoJokerLabel.
    bool withdrawn = false;
};

// The lowest joker on the foundations (in order, each from its bottom card) and the card it
// stands for: on the bottom of a pile, one rank below the card above it, in its suit;
// otherwise one rank above the card below it, in the suit of the foundation's bottom card,
// an Ace above a King while the foundation holds fewer than 14 cards.
JokerLabel FindJokerLabel(const Game& game);

}  // namespace tindle
