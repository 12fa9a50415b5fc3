#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Ports.h"

// Ports that show, sound and wait for nothing: play without a window (tindle-cli, previews,
// tools) and the benchmarks use them.

namespace tindle {

class QuietSoundPort : public SoundPort {
  public:
    void Play(std::string_view, SoundMode) override {}
    void Stop() override {}
};

// A clock that never waits: the tick count moves on by every wait asked for, so a loop that
// waits for a moment to pass still ends.
class QuietTimePort : public TimePort {
  public:
    uint64_t TickCount() override { return ticks_; }
    void Wait(int ms) override { ticks_ += static_cast<uint64_t>(ms > 0 ? ms : 0); }
    void WaitProcessingEvents(int ms) override { Wait(ms); }
    void ProcessEvents() override {}

  private:
    uint64_t ticks_ = 0;
};

// Answers every confirmation with OK and keeps the last information text.
class QuietMessagePort : public MessagePort {
  public:
    std::string lastInformation;
    int beeps = 0;
    void Information(std::string_view text) override { lastInformation = text; }
    bool Confirm(std::string_view) override { return true; }
    void Beep() override { ++beeps; }
    void FatalError(std::string_view text) override { lastInformation = text; }
};

}  // namespace tindle
