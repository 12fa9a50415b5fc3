#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The solver's key of a position: a 64-bit Zobrist-style hash over the piles in play, the
// face of every card on them and the counters the rules read. Positions that differ only by
// the order of piles the rules treat alike (free cells, columns, foundations of one kind with
// the same rules, which no stock click or fill tells apart) get the same key, so the search
// meets each of them once.

namespace tindle {

class Game;

class PositionKeys {
  public:
    // Which pile kinds are interchangeable and which counters matter are read from the rules
    // of `game` (a dealt game: the deal may rewrite the foundation and column bases) and
    // whether autoplay is on (it may send a card home as a click brings it up, so that clicks
    // no longer only turn the stock round).
    PositionKeys(const Game& game, bool autoplay);

    uint64_t Key(const Game& game) const;

    bool ColumnsAlike() const { return columnsAlike_; }
    bool ReservesAlike() const { return reservesAlike_; }
    bool FoundationsAlike() const { return foundationsAlike_; }
    // The stock turns one card at a time onto the waste and the waste goes back into the
    // stock as it lies, without end: stock clicks only turn the stock and waste round one
    // cycle, and any card of it can be brought to the waste top. The key then holds the cycle
    // and not how far it has been turned.
    bool StockCycles() const { return stockCycles_; }
    // The stock's clicks deal cards onto the columns or the reserves.
    bool StockDealsToPiles() const { return stockDealsToPiles_; }

  private:
    bool columnsAlike_ = false;
    bool reservesAlike_ = false;
    bool foundationsAlike_ = false;
    bool stockCycles_ = false;
    bool stockDealsToPiles_ = false;
    bool passesCount_ = false;
    bool dealCounterCounts_ = false;
    bool runningCounterCounts_ = false;
};

// The keys of the positions met: an open-addressing table of the keys themselves (already
// well mixed), a fraction of the memory and time of a node-based set over the millions of
// keys of a long search.
class KeySet {
  public:
    // True when `key` was not in the set yet (it is then added).
    bool Insert(uint64_t key);
    bool Contains(uint64_t key) const;
    size_t Size() const { return size_; }

  private:
    void Grow();
    // The slot that holds `key`, or else the free one a probe for it ends at (slots_ not empty,
    // `key` not 0).
    size_t SlotOf(uint64_t key) const;

    std::vector<uint64_t> slots_;  // 0 marks a free slot; the key 0 is kept aside
    size_t size_ = 0;
    bool hasZero_ = false;
};

}  // namespace tindle
