#pragma once

// Card numbers: 1..52 the first deck (hearts, diamonds, clubs, spades, Ace to King each),
// 53..104 the same cards of the second deck, 105..108 the four jokers.
// In piles a card is written as three decimal digits ("007"); 0 / "000" is never a card.

namespace tindle {

constexpr int kFirstJoker = 105;
constexpr int kLastCard = 108;
constexpr int kJokerRank = 100;

enum Suit : int { kHearts = 0, kDiamonds = 1, kClubs = 2, kSpades = 3 };

constexpr int kAce = 1;
constexpr int kJack = 11;
constexpr int kQueen = 12;
constexpr int kKing = 13;

// Rank 1..13 (Ace..King), 100 for a joker, -1 for anything that is not a card.
int CardRank(int n);
// Suit 0..3 (hearts, diamonds, clubs, spades), -1 for a joker.
int CardSuit(int n);
bool CardIsRed(int n);
bool CardIsFaceCard(int n);
bool CardIsJoker(int n);
// King wraps to Ace and Ace back to King.
int NextRank(int r);
int PrevRank(int r);

// The card of the first deck with this suit (0..3) and rank (1..13).
constexpr int MakeCard(int suit, int rank) {
    return suit * 13 + rank;
}

}  // namespace tindle
