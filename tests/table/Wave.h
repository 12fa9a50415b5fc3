#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace tindle::test {

// The parts of a WAVE file the tests look at; ok is false for anything that is not a
// well-formed PCM WAVE.
struct ParsedWave {
    bool ok = false;
    int format = 0, channels = 0, sampleRate = 0, bitsPerSample = 0;
    std::vector<int16_t> samples;
};

inline ParsedWave ParseWave(const QByteArray& bytes) {
    ParsedWave w;
    auto u32 = [&bytes](int at) {
        uint32_t v = 0;
        for (int k = 3; k >= 0; --k)
            v = (v << 8) | static_cast<uint8_t>(bytes[at + k]);
        return v;
    };
    auto u16 = [&bytes](int at) {
        return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                                     (static_cast<uint8_t>(bytes[at + 1]) << 8));
    };
    if (bytes.size() < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE") return w;
    if (u32(4) + 8 != static_cast<uint32_t>(bytes.size())) return w;
    int at = 12;
    bool haveFormat = false;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const uint32_t size = u32(at + 4);
        const int body = at + 8;
        if (body + static_cast<long long>(size) > bytes.size()) return w;
        if (id == "fmt " && size >= 16) {
            w.format = u16(body);
            w.channels = u16(body + 2);
            w.sampleRate = static_cast<int>(u32(body + 4));
            w.bitsPerSample = u16(body + 14);
            haveFormat = true;
        } else if (id == "data" && haveFormat && w.bitsPerSample == 16) {
            for (uint32_t i = 0; i + 1 < size; i += 2)
                w.samples.push_back(static_cast<int16_t>(u16(body + static_cast<int>(i))));
            w.ok = w.format == 1;
        }
        at = body + static_cast<int>(size) + (size & 1);
    }
    return w;
}

}  // namespace tindle::test
