// The sound backend module: QSoundEffect, one effect per sound, kept once loaded.

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>

#include <map>
#include <memory>

#include "shell/SoundBackend.h"

namespace tindle {
namespace {

class QtSoundBackend : public SoundBackend {
  public:
    bool HasOutput() override { return !QMediaDevices::audioOutputs().isEmpty(); }

    void Play(const std::string& name, const QUrl& url, bool loop) override {
        QSoundEffect* effect = EffectFor(name, url);
        if (current_ && current_ != effect) current_->stop();
        effect->stop();
        effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
        effect->play();
        current_ = effect;
    }

    void WaitUntilFinished(int limitMs) override {
        QSoundEffect* effect = current_;
        if (!effect) return;
        // A sound still loading counts as playing; one that cannot be played ends the wait.
        auto finished = [effect] {
            return effect->status() == QSoundEffect::Error ||
                   (effect->status() == QSoundEffect::Ready && !effect->isPlaying());
        };
        if (!finished()) {
            QEventLoop loop;
            QTimer limit;
            limit.setSingleShot(true);
            QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
            auto check = [&] {
                if (finished()) loop.quit();
            };
            QObject::connect(effect, &QSoundEffect::playingChanged, &loop, check);
            QObject::connect(effect, &QSoundEffect::statusChanged, &loop, check);
            limit.start(limitMs);
            // Only the sound's own events run meanwhile: the player's input waits.
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        if (effect->isPlaying()) effect->stop();
        current_ = nullptr;
    }

    void Stop() override {
        if (current_) current_->stop();
        current_ = nullptr;
    }

  private:
    QSoundEffect* EffectFor(const std::string& name, const QUrl& url) {
        auto found = effects_.find(name);
        if (found != effects_.end()) return found->second.get();
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(url);
        return effects_.emplace(name, std::move(effect)).first->second.get();
    }

    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* current_ = nullptr;
};

}  // namespace
}  // namespace tindle

extern "C" __attribute__((visibility("default"))) tindle::SoundBackend* TindleCreateSoundBackend() {
    return new tindle::QtSoundBackend();
}
