#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The narrow interfaces through which the engine reaches the speakers, the player and the
// clock. The front end implements them with Qt; tests and tindle-cli use quiet or recording
// implementations. (The table view, through which the engine draws, lives with the drawing
// interfaces of the table.)

namespace tindle {

enum class SoundMode { Async, Sync, Loop };

class SoundPort {
  public:
    virtual ~SoundPort() = default;
    // Plays a named sound of the resource library; a name it does not hold stops the sound
    // that is playing. Never fails, also without an audio device.
    virtual void Play(std::string_view name, SoundMode mode) = 0;
    virtual void Stop() = 0;
};

class MessagePort {
  public:
    virtual ~MessagePort() = default;
    // An information box with an OK button; the caller waits for it.
    virtual void Information(std::string_view text) = 0;
    // A confirmation box with OK and Cancel; true for OK.
    virtual bool Confirm(std::string_view text) = 0;
    // The system beep of a rejected action.
    virtual void Beep() = 0;
    // The "Error" box of a missing program file; the caller then ends the program.
    virtual void FatalError(std::string_view text) = 0;
};

class TimePort {
  public:
    virtual ~TimePort() = default;
    // Milliseconds of a monotonic clock.
    virtual uint64_t TickCount() = 0;
    // Waits without letting window events run (a busy wait in the original sense).
    virtual void Wait(int ms) = 0;
    // Waits while letting pending window events run.
    virtual void WaitProcessingEvents(int ms) = 0;
    // Lets pending window events run once.
    virtual void ProcessEvents() = 0;
};

}  // namespace tindle
