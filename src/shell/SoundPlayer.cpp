#include "shell/SoundPlayer.h"

#include <QLibrary>

#include <mutex>
#include <thread>

#include "shell/SoundBackend.h"
#include "shell/SoundServerSearch.h"

namespace tindle {

// What the window thread shares with the loading thread. The module stays loaded until the
// process ends (the backend's code lives in it).
struct SoundPlayer::Loading {
    struct Request {
        std::string name;
        SoundMode mode;
        QUrl url;
    };

    mutable std::mutex mutex;
    bool ready = false;  // loaded, or found not loadable; from then on the window thread's alone
    std::unique_ptr<SoundBackend> backend;
    std::optional<Request> pending;
    std::string current;
    std::thread thread;

    // On the loading thread. Without a server that may answer nothing would ever be heard:
    // the module and its libraries are not loaded, and the program is silent.
    void Load(const std::filesystem::path& moduleFile, const ServerSearch& serverMayAnswer) {
        std::unique_ptr<SoundBackend> made;
        if (serverMayAnswer()) {
            QLibrary module(QString::fromStdString(moduleFile.string()));
            if (auto create =
                    reinterpret_cast<SoundBackendFactory>(module.resolve(kSoundBackendFactoryName)))
                made.reset(create());
        }
        // Whether there is a server to play on: asked here, where waiting for it harms nothing.
        const bool output = made && made->HasOutput();
        std::lock_guard lock(mutex);
        backend = std::move(made);
        if (pending && output && !pending->url.isEmpty()) {
            backend->Play(pending->name, pending->url, pending->mode == SoundMode::Loop);
            current = pending->name;
        }
        pending.reset();
        ready = true;
    }
};

SoundPlayer::SoundPlayer(SoundLocator locate, std::filesystem::path moduleFile,
                         ServerSearch serverSearch)
    : locate_(std::move(locate)),
      moduleFile_(std::move(moduleFile)),
      serverSearch_(std::move(serverSearch)),
      loading_(std::make_unique<Loading>()) {}

SoundPlayer::~SoundPlayer() {
    // A thread left running would go on in the module and the sound server's library while the
    // process ends around it: the player waits for it (the server's answer is quick, or refused
    // at once when there is no server).
    WaitUntilReady();
}

SoundBackend* SoundPlayer::ReadyBackend() const {
    std::lock_guard lock(loading_->mutex);
    return loading_->ready ? loading_->backend.get() : nullptr;
}

void SoundPlayer::Play(std::string_view name, SoundMode mode) {
    if (!started_) {
        loading_->pending = Loading::Request{std::string(name), mode, QUrl()};
        return;
    }
    const QUrl url = locate_ ? locate_(name) : QUrl();
    {
        std::lock_guard lock(loading_->mutex);
        if (!loading_->ready) {
            loading_->pending = Loading::Request{std::string(name), mode, url};
            return;
        }
    }
    // Without a device nothing would be heard: nothing is played and nobody waits.
    if (url.isEmpty() || !CanPlay()) {
        Stop();
        return;
    }
    SoundBackend* backend = ReadyBackend();
    backend->Play(std::string(name), url, mode == SoundMode::Loop);
    loading_->current = std::string(name);
    if (mode == SoundMode::Sync) {
        backend->WaitUntilFinished(syncLimitMs_);
        loading_->current.clear();
    }
}

bool SoundPlayer::HasBackend() const {
    return ReadyBackend() != nullptr;
}

bool SoundPlayer::CanPlay() const {
    // The loading thread has had the server's answer: this does not wait.
    SoundBackend* backend = ReadyBackend();
    return backend && backend->HasOutput();
}

std::optional<std::pair<std::string, SoundMode>> SoundPlayer::Pending() const {
    std::lock_guard lock(loading_->mutex);
    if (!loading_->pending) return std::nullopt;
    return std::make_pair(loading_->pending->name, loading_->pending->mode);
}

std::string SoundPlayer::Current() const {
    std::lock_guard lock(loading_->mutex);
    return loading_->current;
}

void SoundPlayer::Stop() {
    {
        std::lock_guard lock(loading_->mutex);
        if (!loading_->ready) {
            loading_->pending.reset();
            return;
        }
    }
    if (SoundBackend* backend = ReadyBackend()) backend->Stop();
    std::lock_guard lock(loading_->mutex);
    loading_->current.clear();
}

void SoundPlayer::Start() {
    if (started_) return;
    started_ = true;
    // The remembered request's sound is found here, on the window thread.
    if (loading_->pending)
        loading_->pending->url = locate_ ? locate_(loading_->pending->name) : QUrl();
    // This system's places are found here, on the window thread, which owns the application
    // that hands out the display's connection.
    if (!serverSearch_) {
        serverSearch_ = [places = SoundServerPlaces::OfThisSystem()] {
            return SoundServerMayAnswer(places);
        };
    }
    loading_->thread = std::thread([loading = loading_.get(), moduleFile = moduleFile_,
                                    search = serverSearch_] { loading->Load(moduleFile, search); });
}

void SoundPlayer::WaitUntilReady() {
    if (loading_->thread.joinable()) loading_->thread.join();
}

}  // namespace tindle
