#include "model/DeckOrder.h"

#include <cstdint>

#include "model/Pile.h"
#include "model/Ports.h"

namespace tindle {

namespace {

// Suit digits (1 hearts, 2 diamonds, 3 clubs, 4 spades) of the cards of one rank: a row per
// value 0..12, entries 1..4 for the first deck and 5..8 for the second.
constexpr int kSuitOrderTable[13][8] = {
    {4, 2, 3, 1, 4, 2, 1, 3}, {1, 3, 2, 4, 4, 3, 2, 1}, {2, 4, 3, 1, 3, 4, 1, 2},
    {3, 4, 2, 1, 2, 3, 1, 4}, {4, 2, 3, 1, 1, 3, 4, 2}, {1, 4, 2, 3, 4, 1, 2, 3},
    {2, 1, 3, 4, 3, 1, 2, 4}, {3, 2, 1, 4, 2, 4, 1, 3}, {4, 3, 1, 2, 1, 2, 3, 4},
    {2, 1, 4, 3, 4, 2, 1, 3}, {3, 1, 4, 2, 1, 2, 4, 3}, {3, 2, 4, 1, 1, 4, 3, 2},
    {2, 3, 4, 1, 4, 1, 3, 2},
};

// Position steps, a row per digit of the game number.
constexpr int kStepTable[10][8] = {
    {25, 18, 13, 22, 21, 20, 15, 15}, {20, 19, 12, 13, 18, 18, 23, 17},
    {30, 21, 19, 19, 13, 22, 20, 18}, {51, 16, 14, 18, 21, 21, 17, 19},
    {18, 19, 19, 23, 13, 16, 15, 20}, {17, 21, 14, 19, 19, 16, 18, 17},
    {48, 16, 13, 14, 19, 20, 20, 16}, {11, 21, 21, 23, 17, 18, 22, 20},
    {22, 16, 13, 13, 19, 17, 22, 13}, {24, 13, 20, 21, 21, 14, 15, 22},
};

constexpr int kMaxJokers = 4;
constexpr int kRanks = 13;

// Keeps a running position inside 0 .. n - 1 as the deal order does: past the end it wraps
// by the remainder, below zero it stops at 0.
int Wrap(int position, int n) {
    if (position >= n) return position % n;
    if (position < 0) return 0;
    return position;
}

class FreeEntries {
  public:
    FreeEntries(std::array<int, DeckOrder::kCapacity>& entries, int n) : entries_(entries), n_(n) {}

    int FirstFreeFrom(int from) const {
        for (int i = from; i < n_; ++i) {
            if (entries_[static_cast<size_t>(i)] == 0) return i;
        }
        return -1;
    }
    int FirstFreeDownFrom(int from) const {
        for (int i = from; i >= 0; --i) {
            if (entries_[static_cast<size_t>(i)] == 0) return i;
        }
        return -1;
    }

  private:
    std::array<int, DeckOrder::kCapacity>& entries_;
    int n_;
};

// The suit row of pass i (1-based): nine digits of the number, read as a decimal number,
// modulo 13. For passes 1..10 the four digits from the pass's own digit on are left out.
int SuitRow(const GameNumber& g, int pass) {
    int first = 0;
    int last = 0;  // a second range, 1-based and inclusive; empty when first > last
    int secondFirst = 1;
    int secondLast = 0;
    if (pass <= 10) {
        first = 1;
        last = pass - 1;
        secondFirst = pass + 4;
        secondLast = GameNumber::kDigits;
    } else {
        first = pass - 8;  // 11 -> 3..11, 12 -> 4..12, 13 -> 5..13
        last = pass;
    }
    int64_t value = 0;
    for (int i = first; i <= last; ++i)
        value = value * 10 + g.G(i);
    for (int i = secondFirst; i <= secondLast; ++i)
        value = value * 10 + g.G(i);
    return static_cast<int>(value % kRanks);
}

int NextCursor(int c) {
    return c == GameNumber::kDigits ? 1 : c + 1;
}

}  // namespace

std::string DeckOrder::Text() const {
    std::string text;
    text.reserve(static_cast<size_t>(size_) * 4);
    for (int i = 0; i < size_; ++i) {
        if (i > 0) text += ' ';
        text += CardText(entries_[static_cast<size_t>(i)]);
    }
    return text;
}

int DeckOrderSize(const GameDef& def) {
    int n = def[gd::DeckCards];
    if (def[gd::UsesJokers] == 1) n += def[gd::JokerCount];
    return n;
}

DeckOrder fnGameNumberCardsArray(const GameDef& def, const GameNumber& g, MessagePort* messages) {
    DeckOrder order;
    const int deckCards = def[gd::DeckCards];
    const int n = DeckOrderSize(def);

    // Copies of each rank: one per suit of each deck.
    int copies = 0;
    if (deckCards >= 1 && deckCards <= 52) copies = 4;
    if (deckCards == 104) copies = 8;
    if (copies == 0 || n < 1 || n > DeckOrder::kCapacity) {
        order.deckError_ = true;
        order.size_ = n >= 1 && n <= DeckOrder::kCapacity ? n : 0;
        if (messages != nullptr) messages->Information(kDeckOrderError);
        return order;
    }
    order.size_ = n;
    auto& entries = order.entries_;
    FreeEntries free(entries, n);

    int ranks[kRanks];
    int rankCount = kRanks;
    for (int r = 0; r < kRanks; ++r)
        ranks[r] = r + 1;

    int y = g.G(2) * 100 + g.G(6) * 10 + g.G(12);
    int c1 = 1, c2 = 7, c3 = 13;

    // Jokers first, from a running position of their own.
    if (def[gd::UsesJokers] != 0) {
        const int* steps = kStepTable[g.G(1)];
        int jokers = def[gd::JokerCount];
        if (jokers > kMaxJokers) jokers = kMaxJokers;
        int a = y;
        for (int i = 1; i <= jokers; ++i) {
            a = Wrap(a + steps[i - 1], n);
            int at = free.FirstFreeFrom(a);
            if (at < 0) at = free.FirstFreeFrom(0);
            if (at >= 0) entries[static_cast<size_t>(at)] = 104 + i;
        }
    }

    for (int pass = 1; pass <= kRanks; ++pass) {
        const int d = g.G(pass);
        // Only a 0 digit searches upward for a free entry; every other digit searches
        // downward first.
        const bool upward = d == 0;
        const int* suits = kSuitOrderTable[SuitRow(g, pass)];

        int k = (g.G(c1) * 100 + g.G(c2) * 10 + g.G(c3)) % kRanks;
        if (k >= rankCount) k = upward ? rankCount - 1 : 0;
        const int rank = ranks[k];
        for (int i = k; i + 1 < rankCount; ++i)
            ranks[i] = ranks[i + 1];
        --rankCount;

        c1 = NextCursor(c1);
        c2 = NextCursor(c2);
        c3 = NextCursor(c3);

        y -= d;
        const int* steps = kStepTable[d];
        for (int j = 1; j <= copies; ++j) {
            y = Wrap(y + steps[j - 1], n);
            int card = (suits[j - 1] - 1) * 13 + rank + (j > 4 ? 52 : 0);
            int at = y;
            if (entries[static_cast<size_t>(at)] != 0) {
                at = upward ? free.FirstFreeFrom(y) : free.FirstFreeDownFrom(y);
                if (at < 0) at = free.FirstFreeFrom(0);
            }
            y = at;
            if (at >= 0) entries[static_cast<size_t>(at)] = card;
        }
    }
    return order;
}

}  // namespace tindle
