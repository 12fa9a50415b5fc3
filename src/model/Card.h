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

// The rank, suit and colour are inline: the rules ask them for every card a solver meets.
// Rank 1..13 (Ace..King), 100 for a joker, -1 for anything that is not a card.
inline int CardRank(int n) {
    if (n >= kFirstJoker && n <= kLastCard) return kJokerRank;
    const int m = n < 53 ? n : n - 52;
    if (m < 1 || m > 52) return -1;
    return (m - 1) % 13 + 1;
}
// Suit 0..3 (hearts, diamonds, clubs, spades), -1 for a joker.
inline int CardSuit(int n) {
    const int m = n > 52 ? n - 52 : n;
    if (m <= 13) return kHearts;
    if (m <= 26) return kDiamonds;
    if (m <= 39) return kClubs;
    if (m > 52) return -1;
    return kSpades;
}
inline bool CardIsRed(int n) {
    return (n >= 1 && n <= 26) || (n > 52 && n < 79);
}
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
