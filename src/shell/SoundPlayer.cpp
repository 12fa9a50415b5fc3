#include "shell/SoundPlayer.h"

#include <QLibrary>

#include "shell/SoundBackend.h"

namespace tindle {

SoundPlayer::SoundPlayer(SoundLocator locate, std::filesystem::path moduleFile)
    : locate_(std::move(locate)), moduleFile_(std::move(moduleFile)) {}

SoundPlayer::~SoundPlayer() {
    // The backend's code lives in the module: it goes first.
    backend_.reset();
}

void SoundPlayer::Play(std::string_view name, SoundMode mode) {
    if (!started_) {
        pending_ = std::make_pair(std::string(name), mode);
        return;
    }
    const QUrl url = locate_ ? locate_(name) : QUrl();
    // Without a device nothing would be heard: nothing is played and nobody waits.
    if (url.isEmpty() || !CanPlay()) {
        Stop();
        return;
    }
    backend_->Play(std::string(name), url, mode == SoundMode::Loop);
    currentName_ = std::string(name);
    if (mode == SoundMode::Sync) {
        backend_->WaitUntilFinished(syncLimitMs_);
        currentName_.clear();
    }
}

bool SoundPlayer::CanPlay() const {
    return backend_ && backend_->HasOutput();
}

void SoundPlayer::Stop() {
    if (!started_) {
        pending_.reset();
        return;
    }
    if (backend_) backend_->Stop();
    currentName_.clear();
}

void SoundPlayer::Start() {
    if (started_) return;
    started_ = true;
    module_ = std::make_unique<QLibrary>(QString::fromStdString(moduleFile_.string()));
    if (auto create =
            reinterpret_cast<SoundBackendFactory>(module_->resolve(kSoundBackendFactoryName)))
        backend_.reset(create());
    if (pending_) {
        const auto [name, mode] = *pending_;
        pending_.reset();
        Play(name, mode);
    }
}

}  // namespace tindle
