#pragma once

#include <cstdint>

#include "play/WinningAnimation.h"

// The common frame every winning pattern runs in: the stamp, the pauses, the clock and the
// interruption flag. Used only by the pattern files of the winning animation.

namespace tindle {

class WinningAnimationRun {
  public:
    WinningAnimationRun(const WinningAnimationPorts& ports, const WinningAnimationArea& area,
                        int64_t durationMs);

    const WinningAnimationArea& Area() const { return area_; }
    Random& Rng() { return ports_.random; }

    // False once the player (or a close request) has cleared AnimationRunning.
    bool Running() const { return ports_.game.flags.animationRunning; }
    // The set time has passed since the start.
    bool TimeUp();
    // The pattern goes on with another card or pass: still running and time left.
    bool GoOn() { return Running() && !TimeUp(); }

    // A random card of the first deck without the king of spades: 1..51.
    int RandomCard() { return ports_.random.Below(51) + 1; }
    // One card on the window and into TableImage.
    void Stamp(int card, int x, int y);

    // The short pause p (half the card speed, rounded) as a busy wait.
    void Pause();
    // A busy wait of ms milliseconds.
    void BusyWait(int ms);
    // Lets pending window events run once.
    void ProcessEvents();
    // Waits ms milliseconds while letting window events run; ends early when interrupted.
    void WaitProcessing(int ms);

    int SpeedMoveCard() const { return speed_; }

  private:
    const WinningAnimationPorts& ports_;
    WinningAnimationArea area_;
    uint64_t start_;
    uint64_t durationMs_;
    int speed_;
    int pause_;
};

// The patterns; each runs until its time is over or the flag is cleared, and runs its first
// pass whatever the time.
void RunOpenOrder(WinningAnimationRun& run);
void RunLeftToRight(WinningAnimationRun& run);
void RunUpToDown(WinningAnimationRun& run);
void RunLines(WinningAnimationRun& run);
void RunCircles(WinningAnimationRun& run);
void RunFestoons(WinningAnimationRun& run);

}  // namespace tindle
