#pragma once

#include <QUrl>

#include <string>

// What plays the sounds: a module of its own (sound/) that writes the WAVE sounds to the
// desktop's sound server (libpulse-simple) from a thread of its own, loaded when sounds start.
// The sound libraries are kept out of the program itself, so they cost nothing until the main
// window is on the screen. Without the module (or without the libraries it needs, or without a
// sound server) the program runs silent.

namespace tindle {

class SoundBackend {
  public:
    virtual ~SoundBackend() = default;
    // Whether there is an audio output device to play on.
    virtual bool HasOutput() = 0;
    // Plays a sound (named, at url), stopping the one that is playing; looped until stopped.
    virtual void Play(const std::string& name, const QUrl& url, bool loop) = 0;
    // Waits (window input held back) until the sound last played has ended, at most limitMs.
    virtual void WaitUntilFinished(int limitMs) = 0;
    virtual void Stop() = 0;
};

// The module's one exported function: a new backend, owned by the caller.
using SoundBackendFactory = SoundBackend* (*)();
inline constexpr const char* kSoundBackendFactoryName = "TindleCreateSoundBackend";
// Where the module's file lies: ProgramPaths (shell/settings/ProgramPaths.h).

}  // namespace tindle
