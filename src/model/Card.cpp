#include "model/Card.h"

namespace tindle {

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
