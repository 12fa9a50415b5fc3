// Fuzz target: a WAVE sound as the sound module reads it from the resource library. Every sound
// taken is in a format the module can hand to the sound server, and holds whole frames taken
// from the input.

#include "FuzzInput.h"
#include "shell/WaveSound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tindle;
    const auto wave = ParseWave(fuzz::Text(data, size));
    if (!wave) return 0;
    if ((wave->channels != 1 && wave->channels != 2) ||
        (wave->bitsPerSample != 8 && wave->bitsPerSample != 16) || wave->sampleRate == 0 ||
        wave->sampleRate > 192000)
        fuzz::Broken();
    const size_t frame = static_cast<size_t>(wave->channels * wave->bitsPerSample / 8);
    if (wave->samples.size() % frame != 0 || wave->samples.size() > size) fuzz::Broken();
    return 0;
}
