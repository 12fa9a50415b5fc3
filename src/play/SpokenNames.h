#pragma once

#include <string>

#include "model/Piles.h"

// The table in words, for screen readers: the names of piles and cards, and what a change of
// the table did ("Jack of Clubs to Column 2.").

namespace tindle {

class Game;

// "Stock", "Waste", "Second waste", "Foundation 2", "Column 3", and "Free cell 1" for a
// reserve that takes a single card while empty, else "Reserve 1".
std::string SpokenPileName(const Game& game, PileRef pile);

// "Queen of Hearts", "10 of Spades", "Joker"; "" for what is no card.
std::string SpokenCardName(int card);

// A card as the player sees it where it lies: its name, or "face down".
std::string SpokenCardOnTable(const Game& game, int card);

// What changed between `before` and the game's piles now: the cards that went from one pile
// to another, grouped by the pair of piles ("King of Spades to Foundation 1", "Jack of Clubs
// and 2 more cards from Column 4 to Column 2", "24 cards from Waste to Stock"), each sentence
// ending with a full stop. "" when no card changed its pile.
std::string DescribeTableChange(const Piles& before, const Game& game);

}  // namespace tindle
