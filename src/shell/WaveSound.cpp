#include "shell/WaveSound.h"

#include <algorithm>
#include <cstdint>

namespace tindle {

namespace {

constexpr uint16_t kPcmFormat = 1;
constexpr size_t kRiffHeaderSize = 12;
constexpr size_t kChunkHeaderSize = 8;
constexpr size_t kFormatSize = 16;
constexpr unsigned kHighestRate = 192000;

uint32_t Little(std::string_view bytes, size_t at, size_t width) {
    uint32_t value = 0;
    for (size_t i = 0; i < width; ++i)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

}  // namespace

std::optional<WaveSound> ParseWave(std::string_view bytes) {
    if (bytes.size() < kRiffHeaderSize || bytes.substr(0, 4) != "RIFF" ||
        bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<WaveSound> wave;
    bool formatSeen = false;
    // The chunks in order; a chunk of odd size is followed by a pad byte. A size beyond the
    // end (a file cut short) keeps what there is.
    for (size_t at = kRiffHeaderSize; bytes.size() - at >= kChunkHeaderSize;) {
        const std::string_view id = bytes.substr(at, 4);
        const size_t size = Little(bytes, at + 4, 4);
        const size_t body = at + kChunkHeaderSize;
        const size_t available = std::min(size, bytes.size() - body);
        if (id == "fmt ") {
            if (available < kFormatSize) return std::nullopt;
            WaveSound format;
            const auto tag = Little(bytes, body, 2);
            format.channels = static_cast<int>(Little(bytes, body + 2, 2));
            format.sampleRate = Little(bytes, body + 4, 4);
            format.bitsPerSample = static_cast<int>(Little(bytes, body + 14, 2));
            if (tag != kPcmFormat || (format.channels != 1 && format.channels != 2) ||
                (format.bitsPerSample != 8 && format.bitsPerSample != 16) ||
                format.sampleRate == 0 || format.sampleRate > kHighestRate)
                return std::nullopt;
            wave = std::move(format);
            formatSeen = true;
        } else if (id == "data") {
            if (!formatSeen) return std::nullopt;
            const size_t frame = static_cast<size_t>(wave->channels * wave->bitsPerSample / 8);
            wave->samples.assign(bytes.substr(body, available - available % frame));
            return wave;
        }
        if (size > bytes.size() - body) break;
        at = body + size + (size % 2);
        if (at > bytes.size()) break;
    }
    return std::nullopt;
}

}  // namespace tindle
