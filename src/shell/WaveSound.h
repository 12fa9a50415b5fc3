#pragma once

#include <optional>
#include <string>
#include <string_view>

// A WAVE sound as the sound module plays it: uncompressed PCM, 8-bit unsigned or 16-bit
// little-endian samples, one or two channels. The defaults are the format of the resource
// library's sounds.

namespace tindle {

struct WaveSound {
    int bitsPerSample = 16;
    int channels = 1;
    unsigned sampleRate = 22050;
    std::string samples;  // the data chunk, whole frames only
};

// The sound of a RIFF WAVE file; none when the bytes are not one, or not in a format above.
std::optional<WaveSound> ParseWave(std::string_view bytes);

}  // namespace tindle
