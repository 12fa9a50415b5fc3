// The sounds, synthesised: card snaps and slides from filtered noise bursts with fast
// envelopes, chimes from a few inharmonic partials with exponential decay, the win as a
// short brass-like arpeggio. Every sound is brought to the same loudness (the RMS of its
// loudest 50 ms), one-shot sounds fade in and out over a few milliseconds, and the two
// looped sounds are built on a circular buffer so that their end runs into their start.
// WAVE, 16-bit PCM, 22050 Hz, mono.

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Generator.h"
#include "Output.h"
#include "Random.h"
#include "table/ResourceNames.h"

namespace gen {

namespace {

constexpr int kRate = 22050;

using Buffer = std::vector<double>;

int Samples(double seconds) {
    return static_cast<int>(seconds * kRate + 0.5);
}

// Adds into the buffer at a position, wrapping round when the buffer is a loop.
void Mix(Buffer& into, const Buffer& sound, int at, bool wrap) {
    for (size_t i = 0; i < sound.size(); ++i) {
        long long j = at + static_cast<long long>(i);
        if (wrap) j %= static_cast<long long>(into.size());
        if (j >= 0 && j < static_cast<long long>(into.size())) into[j] += sound[i];
    }
}

// A resonant band-pass (constant peak gain) whose centre may glide.
class BandPass {
  public:
    void Set(double centre, double q) {
        const double w = 2 * M_PI * centre / kRate, alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2 * std::cos(w) / a0;
        a2_ = (1 - alpha) / a0;
    }
    double Step(double x) {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

  private:
    double b0_ = 0, b2_ = 0, a1_ = 0, a2_ = 0, x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A burst of filtered noise: attack, then exponential decay; the band may glide.
Buffer NoiseBurst(Rng& rng, double seconds, double fromHz, double toHz, double q, double attack,
                  double decay) {
    Buffer b(Samples(seconds));
    BandPass filter;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kRate, u = double(i) / b.size();
        if (i % 16 == 0) filter.Set(fromHz * std::pow(toHz / fromHz, u), q);
        const double env =
            (t < attack ? t / attack : 1.0) * std::exp(-(t - std::min(t, attack)) / decay);
        b[i] = filter.Step(rng.Range(-1, 1)) * env * 3;
    }
    return b;
}

// A decaying sine (a thump under a snap, or one partial of a bell).
Buffer Partial(double seconds, double hz, double amplitude, double attack, double decay) {
    Buffer b(Samples(seconds));
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kRate;
        const double env =
            (t < attack ? t / attack : 1.0) * std::exp(-std::max(0.0, t - attack) / decay);
        b[i] = amplitude * env * std::sin(2 * M_PI * hz * t);
    }
    return b;
}

// A bell: a few inharmonic partials, the higher ones fading faster.
Buffer Bell(double seconds, double hz, double decay) {
    Buffer b(Samples(seconds));
    const double ratios[] = {1.0, 2.0, 2.76, 4.07, 5.4};
    const double amps[] = {1.0, 0.5, 0.35, 0.18, 0.1};
    for (int k = 0; k < 5; ++k)
        Mix(b, Partial(seconds, hz * ratios[k], amps[k], 0.003, decay / (1 + k * 0.8)), 0, false);
    return b;
}

// A brass-like tone: harmonics with a soft attack and a gentle vibrato.
Buffer Brass(double seconds, double hz, double decay) {
    Buffer b(Samples(seconds));
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kRate;
        const double env = std::min(1.0, t / 0.02) * std::exp(-t / decay);
        const double phase = 2 * M_PI * hz * t + 0.003 * hz * std::sin(2 * M_PI * 5.5 * t) / 5.5;
        double v = 0;
        for (int k = 1; k <= 6; ++k)
            v += std::sin(k * phase) / (k * 0.9 + 0.3);
        b[i] = v * env * 0.5;
    }
    return b;
}

Buffer Snap(Rng& rng, double brightness, double weight) {
    Buffer b = NoiseBurst(rng, 0.12, 2600 * brightness, 1800 * brightness, 0.9, 0.0008, 0.016);
    Mix(b, Partial(0.12, 150 * weight, 0.6, 0.001, 0.025), 0, false);
    return b;
}

// The loudest 50 ms window brought to a common RMS, the peak kept below full scale.
void Normalise(Buffer& b) {
    const int window = Samples(0.05);
    double best = 0;
    double sum = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        sum += b[i] * b[i];
        if (i >= size_t(window)) sum -= b[i - window] * b[i - window];
        best = std::max(best, sum);
    }
    const double rms = std::sqrt(best / std::min<size_t>(window, b.size()));
    double peak = 0;
    for (double v : b)
        peak = std::max(peak, std::abs(v));
    if (rms <= 0 || peak <= 0) return;
    // -18.8 dBFS leaves room for the crest of the sharpest snap below full scale.
    const double gain = std::min(0.115 / rms, 0.95 / peak);
    for (double& v : b)
        v *= gain;
}

void FadeEnds(Buffer& b, double in, double out) {
    const int ni = std::min<int>(Samples(in), b.size()), no = std::min<int>(Samples(out), b.size());
    for (int i = 0; i < ni; ++i)
        b[i] *= double(i) / ni;
    for (int i = 0; i < no; ++i)
        b[b.size() - 1 - i] *= double(i) / no;
}

// Turns a circular buffer so that it starts at its quietest point: the loop's seam is
// continuous anyway, and starting there keeps the first play from clicking.
void StartQuietly(Buffer& b) {
    const int window = Samples(0.004);
    size_t best = 0;
    double bestEnergy = 1e300;
    for (size_t i = 0; i < b.size(); ++i) {
        double e = 0;
        for (int k = -window; k <= window; ++k) {
            const double v = b[(i + b.size() + k) % b.size()];
            e += v * v;
        }
        if (e < bestEnergy) {
            bestEnergy = e;
            best = i;
        }
    }
    std::rotate(b.begin(), b.begin() + best, b.end());
}

QByteArray Wave(const Buffer& b) {
    QByteArray bytes;
    auto u32 = [&bytes](uint32_t v) {
        for (int k = 0; k < 4; ++k)
            bytes.append(static_cast<char>((v >> (8 * k)) & 0xff));
    };
    auto u16 = [&bytes](uint16_t v) {
        bytes.append(static_cast<char>(v & 0xff));
        bytes.append(static_cast<char>(v >> 8));
    };
    const uint32_t dataBytes = static_cast<uint32_t>(b.size() * 2);
    bytes.append("RIFF");
    u32(36 + dataBytes);
    bytes.append("WAVE");
    bytes.append("fmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    bytes.append("data");
    u32(dataBytes);
    for (double v : b) {
        const int s = static_cast<int>(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
        u16(static_cast<uint16_t>(static_cast<int16_t>(s)));
    }
    return bytes;
}

Buffer OneShot(Buffer b) {
    Normalise(b);
    FadeEnds(b, 0.002, 0.012);
    return b;
}

Buffer Loop(Buffer b) {
    Normalise(b);
    StartQuietly(b);
    return b;
}

Buffer Riffle(Rng& rng, double seconds, int clicks, bool loop) {
    Buffer b(Samples(seconds));
    for (int i = 0; i < clicks; ++i) {
        const double t = loop ? (i + rng.Range(-0.3, 0.3)) * seconds / clicks
                              : seconds * 0.85 * std::pow(double(i) / clicks, 0.8);
        Buffer click = NoiseBurst(rng, 0.03, rng.Range(2500, 4200), 2000, 1.2, 0.0005, 0.006);
        for (double& v : click)
            v *= rng.Range(0.5, 1.0);
        Mix(b, click, Samples(std::max(0.0, t)), loop);
    }
    return b;
}

}  // namespace

void AddSounds(Output& out) {
    Rng rng(2024);
    auto add = [&out](const char* name, const Buffer& b) { out.AddSound(name, Wave(b)); };

    add("Tableau", OneShot(Snap(rng, 1.0, 1.0)));
    add("card_down", OneShot(Snap(rng, 0.6, 0.8)));
    add("card_up", OneShot(NoiseBurst(rng, 0.09, 2500, 6000, 1.0, 0.008, 0.014)));
    {
        Buffer b(Samples(0.13));
        Mix(b, Snap(rng, 1.2, 1.1), 0, false);
        Mix(b, Snap(rng, 1.5, 1.2), Samples(0.035), false);
        add("Stock", OneShot(b));
    }
    {
        Buffer b = NoiseBurst(rng, 0.1, 1500, 5200, 1.4, 0.01, 0.03);
        Mix(b, Snap(rng, 1.3, 1.0), Samples(0.05), false);
        add("Face_up", OneShot(b));
    }
    {
        Buffer b(Samples(0.45));
        Mix(b, Snap(rng, 1.0, 1.0), 0, false);
        Buffer bell = Bell(0.4, 1318.5, 0.22);
        for (double& v : bell)
            v *= 0.25;
        Mix(b, bell, Samples(0.02), false);
        add("Foundation", OneShot(b));
    }
    {
        Buffer b = NoiseBurst(rng, 0.45, 700, 4200, 2.5, 0.12, 0.14);
        Buffer glide(Samples(0.45));
        for (size_t i = 0; i < glide.size(); ++i) {
            const double t = double(i) / kRate;
            const double hz = 660 * std::pow(2.0, t / 0.45);
            glide[i] = 0.18 * std::sin(2 * M_PI * hz * t) * std::sin(M_PI * t / 0.45);
        }
        Mix(b, glide, 0, false);
        add("Eddy", OneShot(b));
    }
    {
        Buffer b = NoiseBurst(rng, 0.2, 2000, 6500, 1.6, 0.03, 0.04);
        Buffer tick = Bell(0.2, 1760, 0.08);
        for (double& v : tick)
            v *= 0.2;
        Mix(b, tick, Samples(0.06), false);
        add("Autoplay", OneShot(b));
    }
    {
        Buffer b(Samples(0.5));
        Buffer low = Bell(0.3, 784, 0.15), high = Bell(0.38, 1174.7, 0.18);
        Mix(b, low, 0, false);
        Mix(b, high, Samples(0.11), false);
        add("Pairing", OneShot(b));
    }
    {
        Buffer b = Riffle(rng, 0.5, 16, false);
        Mix(b, Snap(rng, 0.8, 1.2), Samples(0.43), false);
        add("New", OneShot(b));
    }
    {
        // A continuous riffle: 28 clicks per 0.96 s and a soft bed of card noise.
        const double period = 0.96;
        Buffer b = Riffle(rng, period, 28, true);
        Buffer bed(Samples(period));
        BandPass filter;
        filter.Set(3000, 0.7);
        // Run the filter twice round the loop so that its state at the seam is settled.
        for (int pass = 0; pass < 2; ++pass)
            for (size_t i = 0; i < bed.size(); ++i)
                bed[i] = filter.Step(rng.Range(-1, 1)) * 0.08;
        Mix(b, bed, 0, true);
        add("Shuffle", Loop(b));
    }
    {
        // Cards sliding round: two swells of filtered noise per 0.6 s with light taps.
        const double period = 0.6;
        Buffer b(Samples(period));
        BandPass filter;
        filter.Set(1800, 1.0);
        for (int pass = 0; pass < 2; ++pass)
            for (size_t i = 0; i < b.size(); ++i) {
                const double u = double(i) / b.size();
                const double swell = 0.55 + 0.45 * std::sin(2 * M_PI * 2 * u);
                b[i] = filter.Step(rng.Range(-1, 1)) * swell;
            }
        for (int k = 0; k < 6; ++k) {
            Buffer tap = NoiseBurst(rng, 0.03, 3200, 2600, 1.0, 0.0005, 0.005);
            for (double& v : tap)
                v *= 0.5;
            Mix(b, tap, Samples(k * period / 6), true);
        }
        add("Redeal", Loop(b));
    }
    {
        Buffer b = NoiseBurst(rng, 0.42, 900, 3800, 1.3, 0.05, 0.12);
        Mix(b, Snap(rng, 0.9, 1.1), Samples(0.3), false);
        add("Red_no_a", OneShot(b));
    }
    {
        // C major arpeggio on bells.
        Buffer b(Samples(1.7));
        const double notes[] = {523.25, 659.25, 783.99, 1046.5};
        for (int i = 0; i < 4; ++i)
            Mix(b, Bell(1.7 - i * 0.12, notes[i], 0.7), Samples(i * 0.12), false);
        add("Splash", OneShot(b));
    }
    {
        Buffer b(Samples(0.9));
        Mix(b, Bell(0.9, 783.99, 0.45), 0, false);
        Mix(b, Bell(0.8, 1046.5, 0.4), Samples(0.08), false);
        add("About", OneShot(b));
    }
    {
        // Fanfare: a rising arpeggio, then the chord held and fading.
        Buffer b(Samples(1.7));
        const double notes[] = {392.0, 523.25, 659.25, 783.99};
        // The arpeggio's notes stand out as much as the held chord of four.
        for (int i = 0; i < 4; ++i) {
            Buffer note = Brass(0.16, notes[i], 0.12);
            for (double& v : note)
                v *= 2.2;
            Mix(b, note, Samples(i * 0.11), false);
        }
        for (double hz : {523.25, 659.25, 783.99, 1046.5}) {
            Buffer note = Brass(1.2, hz, 0.45);
            for (double& v : note)
                v *= 0.6;
            Mix(b, note, Samples(0.46), false);
        }
        Buffer sparkle = Bell(1.0, 2093, 0.3);
        for (double& v : sparkle)
            v *= 0.15;
        Mix(b, sparkle, Samples(0.46), false);
        add("Won", OneShot(b));
    }
}

}  // namespace gen
