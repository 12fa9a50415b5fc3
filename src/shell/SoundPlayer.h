#pragma once

#include <QUrl>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "model/Ports.h"

// The sound port of the program: the WAVE sounds of the resource library. Asynchronous sounds
// play while the program goes on, looped ones until they are stopped or replaced, synchronous
// ones make the caller wait until they end (window input is held back meanwhile, and the wait
// is cut short after a limit). A new sound replaces the one that is playing; a name the
// library does not hold stops it.
//
// Without an audio output device (or without a sound server, or without the sound module)
// nothing is played, nothing fails and a synchronous sound does not wait. Whether a server
// answers is asked once, at Start(): without one the program is silent for the whole run.
//
// The sound libraries are slow to load, so nothing of them is loaded until Start() (the program
// calls it once its main window is on the screen): then the sound module is loaded
// (SoundBackend.h) on a thread of its own, which also waits until the sound server has
// answered, so that the window thread never waits for either. A sound asked for before the
// module is ready is remembered, later requests replacing it, and played as soon as it is
// (a synchronous one then without waiting for it). Where certainly no server answers
// (SoundServerSearch.h) the module is not loaded at all: its libraries cannot be unloaded.
//
// Callers do not use this class directly: every sound goes through PlayGatedSound
// (play/Sounds.h), which checks the sound's switch and the master switch.

namespace tindle {

class SoundBackend;

class SoundPlayer : public SoundPort {
  public:
    // The address of a named sound, or an empty URL when there is no such sound.
    using SoundLocator = std::function<QUrl(std::string_view name)>;

    // Whether a sound server may answer (asked on the loading thread); none: this system's
    // search, SoundServerMayAnswer with the places of SoundServerPlaces::OfThisSystem().
    using ServerSearch = std::function<bool()>;

    static constexpr int kDefaultSyncLimitMs = 5000;

    SoundPlayer(SoundLocator locate, std::filesystem::path moduleFile,
                ServerSearch serverSearch = nullptr);
    ~SoundPlayer() override;
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void Play(std::string_view name, SoundMode mode) override;
    void Stop() override;

    // Sounds may be made from now on: the module starts loading, and a remembered request is
    // played once it is ready.
    void Start();
    bool Started() const { return started_; }
    // Waits until the module is ready (or could not be loaded): the player's end does, and
    // tests.
    void WaitUntilReady();
    // Whether the module was loaded (false: the program is silent, or it is still loading).
    // Without a server that may answer it is not.
    bool HasBackend() const;
    // Whether sounds are heard: the module is loaded and there is an output device.
    bool CanPlay() const;
    // The request remembered until the module is ready, if any (name and mode).
    std::optional<std::pair<std::string, SoundMode>> Pending() const;

    // The longest wait of a synchronous sound.
    void SetSyncLimit(int ms) { syncLimitMs_ = ms; }
    // The name of the sound last started and not stopped since (empty when none).
    std::string Current() const;

  private:
    // What the window thread shares with the thread that loads the module (SoundPlayer.cpp).
    struct Loading;
    // The backend once the module is ready; null before, and when it could not be loaded.
    SoundBackend* ReadyBackend() const;

    SoundLocator locate_;
    std::filesystem::path moduleFile_;
    ServerSearch serverSearch_;
    bool started_ = false;
    int syncLimitMs_ = kDefaultSyncLimitMs;
    std::unique_ptr<Loading> loading_;  // its thread is waited for before it goes
};

}  // namespace tindle
