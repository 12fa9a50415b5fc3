#include "model/Card.h"

namespace tindle {

int CardRank(int n) {
    if (n >= kFirstJoker && n <= kLastCard) return kJokerRank;
    int m = n < 53 ? n : n - 52;
    if (m >= 1 && m <= 13) return m;
    if (m >= 14 && m <= 26) return m - 13;
    if (m >= 27 && m <= 39) return m - 26;
    if (m >= 40 && m <= 52) return m - 39;
    return -1;
}

int CardSuit(int n) {
    int m = n > 52 ? n - 52 : n;
    if (m <= 13) return kHearts;
    if (m <= 26) return kDiamonds;
    if (m <= 39) return kClubs;
    if (m > 52) return -1;
    return kSpades;
}

bool CardIsRed(int n) {
    return (n >= 1 && n <= 26) || (n > 52 && n < 79);
}

bool CardIsFaceCard(int n) {
    if (n < 1 || n > 104) return false;
    return CardRank(n) >= kJack;
}

bool CardIsJoker(int n) {
    return n >= kFirstJoker && n <= kLastCard;
}

int NextRank(int r) {
    return r == kKing ? kAce : r + 1;
}

int PrevRank(int r) {
    return r == kAce ? kKing : r - 1;
}

}  // namespace tindle
