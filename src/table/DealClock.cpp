#include "table/DealClock.h"

#include <algorithm>

#include "model/Ports.h"

namespace tindle {

DealClock::DealClock(TimePort& time, int cards, const bool* cutShort, int totalMs)
    : time_(time),
      cutShort_(cutShort),
      cardsLeft_(std::max(cards, 1)),
      end_(time.TickCount() + static_cast<uint64_t>(std::max(totalMs, 0))) {
    cardStart_ = cardEnd_ = time.TickCount();
}

uint64_t DealClock::Now() const {
    return time_.TickCount();
}

void DealClock::StartCard() {
    cardStart_ = Now();
    const uint64_t left = end_ > cardStart_ ? end_ - cardStart_ : 0;
    cardEnd_ = cardStart_ + left / static_cast<uint64_t>(cardsLeft_);
    if (cardsLeft_ > 1) --cardsLeft_;
}

int DealClock::Left() const {
    if (CutShort()) return 0;
    const uint64_t now = Now();
    return now < cardEnd_ ? static_cast<int>(cardEnd_ - now) : 0;
}

void DealClock::Wait(int ms) {
    const int wait = std::min(ms, Left());
    // The window's events run meanwhile, so that a key or click can cut the deal short.
    if (wait > 0) time_.WaitProcessingEvents(wait);
}

int DealClock::Reached(int distance) const {
    const uint64_t now = Now();
    if (now >= cardEnd_ || CutShort()) return distance;
    const double part =
        static_cast<double>(now - cardStart_) / static_cast<double>(cardEnd_ - cardStart_);
    return static_cast<int>(part * distance);
}

}  // namespace tindle
