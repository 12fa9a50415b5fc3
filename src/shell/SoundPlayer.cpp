#include "shell/SoundPlayer.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>

namespace tindle {

SoundPlayer::SoundPlayer(SoundLocator locate) : locate_(std::move(locate)) {}

SoundPlayer::~SoundPlayer() = default;

QSoundEffect* SoundPlayer::EffectFor(const std::string& name, const QUrl& url) {
    auto found = effects_.find(name);
    if (found != effects_.end()) return found->second.get();
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(url);
    return effects_.emplace(name, std::move(effect)).first->second.get();
}

void SoundPlayer::Play(std::string_view name, SoundMode mode) {
    if (!started_) {
        pending_ = std::make_pair(std::string(name), mode);
        return;
    }
    const QUrl url = locate_ ? locate_(name) : QUrl();
    if (url.isEmpty()) {
        Stop();
        return;
    }
    // Without an output device nothing would be heard: nothing is played and nobody waits.
    if (QMediaDevices::audioOutputs().isEmpty()) {
        Stop();
        return;
    }
    QSoundEffect* effect = EffectFor(std::string(name), url);
    if (current_ && current_ != effect) current_->stop();
    effect->stop();
    effect->setLoopCount(mode == SoundMode::Loop ? QSoundEffect::Infinite : 1);
    effect->play();
    current_ = effect;
    currentName_ = std::string(name);
    if (mode == SoundMode::Sync) {
        WaitUntilFinished(effect);
        current_ = nullptr;
        currentName_.clear();
    }
}

void SoundPlayer::WaitUntilFinished(QSoundEffect* effect) {
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    // A sound still loading counts as playing; one that cannot be played ends the wait.
    auto finished = [effect] {
        return effect->status() == QSoundEffect::Error ||
               (effect->status() == QSoundEffect::Ready && !effect->isPlaying());
    };
    auto check = [&] {
        if (finished()) loop.quit();
    };
    QObject::connect(effect, &QSoundEffect::playingChanged, &loop, check);
    QObject::connect(effect, &QSoundEffect::statusChanged, &loop, check);
    if (finished()) return;
    limit.start(syncLimitMs_);
    // Only the sound's own events run meanwhile: the player's clicks wait, as with any
    // synchronous sound.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (effect->isPlaying()) effect->stop();
}

void SoundPlayer::Stop() {
    if (!started_) {
        pending_.reset();
        return;
    }
    if (current_) current_->stop();
    current_ = nullptr;
    currentName_.clear();
}

void SoundPlayer::Start() {
    if (started_) return;
    started_ = true;
    if (pending_) {
        const auto [name, mode] = *pending_;
        pending_.reset();
        Play(name, mode);
    }
}

}  // namespace tindle
