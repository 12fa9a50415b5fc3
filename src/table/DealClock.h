#pragma once

#include <cstdint>

// The animated deal's clock. The cards that fly share one fixed time, so that a deal takes
// about as long for 8 cards as for 104, at any window size and card speed: each card gets an
// even share of the time that is left when it takes off. A card's flight keeps its usual
// steps while it is on time; once the drawing has fallen behind, the flight skips ahead to
// where the time says it should be, and a card whose share is used up lands at once. A key or
// click may cut the deal short (the flag it sets is watched): from then on every card lands at
// once.

namespace tindle {

class TimePort;

class DealClock {
  public:
    // What the flights of a deal share, in milliseconds.
    static constexpr int kFlightsMs = 850;

    DealClock(TimePort& time, int cards, const bool* cutShort = nullptr, int totalMs = kFlightsMs);

    // The player asked for the deal to end: no card flies any more.
    bool CutShort() const { return cutShort_ != nullptr && *cutShort_; }

    // The next card takes off now: its share of what is left begins.
    void StartCard();
    // Waits ms, or what is left of the card's share when that is less.
    void Wait(int ms);
    // How far along a flight of `distance` pixels the card should be by now.
    int Reached(int distance) const;

  private:
    uint64_t Now() const;
    int Left() const;  // milliseconds left of the card's share

    TimePort& time_;
    const bool* cutShort_;
    int cardsLeft_;
    uint64_t end_;
    uint64_t cardStart_ = 0;
    uint64_t cardEnd_ = 0;
};

}  // namespace tindle
