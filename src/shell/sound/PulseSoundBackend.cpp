// The sound backend module: the library's WAVE sounds written to the desktop's sound server
// (PulseAudio, or PipeWire through its PulseAudio service) with libpulse-simple, by a thread
// of their own. The window thread only hands a sound over or asks it to stop; it waits only
// for a synchronous sound. Without a sound server the module plays nothing.
//
// The simple API blocks, so the thread writes the sound in short pieces into a short server
// buffer: between pieces it sees a new sound or a stop, and a stop drops what the server holds
// (flush), so a sound ends within about one buffer.

#include <QCoreApplication>
#include <QFile>
#include <QUrl>

#include <pulse/simple.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "shell/SoundBackend.h"
#include "shell/WaveSound.h"

namespace tindle {
namespace {

constexpr char kClientName[] = "Tindle";
constexpr char kStreamName[] = "Sounds";
// The server's buffer, and so how late a stop or a new sound is heard at most.
constexpr pa_usec_t kBufferUs = 100'000;
// The piece written at a time.
constexpr pa_usec_t kPieceUs = 20'000;
// How often a synchronous wait lets the window's events (not the player's input) run.
constexpr std::chrono::milliseconds kWaitStep{10};

pa_sample_format_t SampleFormat(int bits) {
    return bits == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
}

pa_sample_spec FormatOf(const WaveSound& wave) {
    pa_sample_spec sample{};
    sample.format = SampleFormat(wave.bitsPerSample);
    sample.rate = wave.sampleRate;
    sample.channels = static_cast<uint8_t>(wave.channels);
    return sample;
}

bool SameFormat(const pa_sample_spec& a, const pa_sample_spec& b) {
    return a.format == b.format && a.rate == b.rate && a.channels == b.channels;
}

// The bytes of a sound at its address (the resource library's "qrc:" addresses or a file).
QByteArray ReadSoundFile(const QUrl& url) {
    QFile file(url.scheme() == QLatin1String("qrc") ? QLatin1Char(':') + url.path()
                                                    : url.toLocalFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// One playback stream on the server, opened for one sample format at a time.
class ServerStream {
  public:
    ~ServerStream() { Close(); }

    bool Open(const pa_sample_spec& sample) {
        if (stream_ && SameFormat(sample, sample_)) return true;
        Close();
        pa_buffer_attr attr;
        attr.maxlength = static_cast<uint32_t>(-1);
        attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(kBufferUs, &sample));
        attr.prebuf = static_cast<uint32_t>(-1);
        attr.minreq = static_cast<uint32_t>(-1);
        attr.fragsize = static_cast<uint32_t>(-1);
        stream_ = pa_simple_new(nullptr, kClientName, PA_STREAM_PLAYBACK, nullptr, kStreamName,
                                &sample, nullptr, &attr, nullptr);
        sample_ = sample;
        return stream_ != nullptr;
    }
    bool Write(const char* data, size_t size) {
        if (!stream_) return false;
        if (pa_simple_write(stream_, data, size, nullptr) < 0) {
            Close();  // the server went away: the next sound connects again
            return false;
        }
        return true;
    }
    void Drain() {
        if (stream_) pa_simple_drain(stream_, nullptr);
    }
    void Flush() {
        if (stream_) pa_simple_flush(stream_, nullptr);
    }
    void Close() {
        if (stream_) pa_simple_free(stream_);
        stream_ = nullptr;
    }

  private:
    pa_simple* stream_ = nullptr;
    pa_sample_spec sample_{};
};

// A sound handed to the thread; the serial of the request tells whether it is still wanted.
struct Request {
    std::shared_ptr<const WaveSound> wave;
    bool loop = false;
    uint64_t serial = 0;
};

// What the window thread and the sound thread share. The thread owns a reference of its own:
// the backend never waits for it to end (a write the server holds back may take a while), it
// asks it to and lets it go; the module stays loaded until the process ends.
struct SharedState {
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<Request> request;
    uint64_t serial = 0;
    bool playing = false;
    bool probed = false;
    bool hasOutput = false;
    bool quit = false;

    bool Current(uint64_t wanted) {
        std::lock_guard lock(mutex);
        return serial == wanted && !quit;
    }
    // Drops the sound asked for and the one playing (the thread sees the new serial).
    void Change(std::optional<Request> next = std::nullopt, bool end = false) {
        {
            std::lock_guard lock(mutex);
            ++serial;
            request = std::move(next);
            if (request) request->serial = serial;
            if (end) quit = true;
        }
        changed.notify_all();
    }
};

void PlayOnServer(SharedState& shared, ServerStream& stream, const Request& request) {
    const WaveSound& wave = *request.wave;
    const pa_sample_spec sample = FormatOf(wave);
    if (wave.samples.empty() || !stream.Open(sample)) return;
    const size_t piece = std::max<size_t>(pa_usec_to_bytes(kPieceUs, &sample), 1);
    do {
        for (size_t at = 0; at < wave.samples.size(); at += piece) {
            if (!shared.Current(request.serial)) {
                stream.Flush();
                return;
            }
            const size_t size = std::min(piece, wave.samples.size() - at);
            if (!stream.Write(wave.samples.data() + at, size)) return;
        }
    } while (request.loop && shared.Current(request.serial));
    if (shared.Current(request.serial))
        stream.Drain();
    else
        stream.Flush();
}

void RunSoundThread(std::shared_ptr<SharedState> shared) {
    ServerStream stream;
    // Whether there is a server to play on: the probe's stream stays open for the sounds (all
    // of the library's share one format).
    const bool reachable = stream.Open(FormatOf(WaveSound{}));
    {
        std::lock_guard lock(shared->mutex);
        shared->probed = true;
        shared->hasOutput = reachable;
    }
    shared->changed.notify_all();
    for (;;) {
        Request request;
        {
            std::unique_lock lock(shared->mutex);
            shared->changed.wait(lock, [&] { return shared->quit || shared->request.has_value(); });
            if (shared->quit) return;
            request = std::move(*shared->request);
            shared->request.reset();
            shared->playing = true;
        }
        PlayOnServer(*shared, stream, request);
        {
            std::lock_guard lock(shared->mutex);
            shared->playing = false;
        }
        shared->changed.notify_all();
    }
}

class PulseSoundBackend : public SoundBackend {
  public:
    PulseSoundBackend() : shared_(std::make_shared<SharedState>()) {
        std::thread(RunSoundThread, shared_).detach();
    }

    ~PulseSoundBackend() override { shared_->Change(std::nullopt, true); }

    bool HasOutput() override {
        std::unique_lock lock(shared_->mutex);
        shared_->changed.wait(lock, [this] { return shared_->probed; });
        return shared_->hasOutput;
    }

    void Play(const std::string& name, const QUrl& url, bool loop) override {
        std::shared_ptr<const WaveSound> wave = WaveFor(name, url);
        if (wave)
            shared_->Change(Request{std::move(wave), loop, 0});
        else
            shared_->Change();
    }

    void WaitUntilFinished(int limitMs) override {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
        SharedState& s = *shared_;
        auto finished = [&s] { return !s.request && !s.playing; };
        std::unique_lock lock(s.mutex);
        while (!finished() && std::chrono::steady_clock::now() < end) {
            lock.unlock();
            // Only the window's own events run meanwhile: the player's input waits.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            lock.lock();
            s.changed.wait_for(lock, kWaitStep, finished);
        }
        lock.unlock();
        Stop();
    }

    void Stop() override { shared_->Change(); }

  private:
    // The parsed sound of a name, read once; none when it is not a WAVE sound this plays.
    std::shared_ptr<const WaveSound> WaveFor(const std::string& name, const QUrl& url) {
        auto found = waves_.find(name);
        if (found != waves_.end()) return found->second;
        std::shared_ptr<const WaveSound> wave;
        const QByteArray bytes = ReadSoundFile(url);
        if (auto parsed = ParseWave(std::string_view(bytes.constData(), bytes.size())))
            wave = std::make_shared<const WaveSound>(std::move(*parsed));
        waves_.emplace(name, wave);
        return wave;
    }

    std::shared_ptr<SharedState> shared_;
    // Used by one thread at a time: the player's loading thread, then the window thread.
    std::map<std::string, std::shared_ptr<const WaveSound>> waves_;
};

}  // namespace
}  // namespace tindle

extern "C" __attribute__((visibility("default"))) tindle::SoundBackend* TindleCreateSoundBackend() {
    return new tindle::PulseSoundBackend();
}
