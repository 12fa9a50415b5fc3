// Loading the card pictures of one size from the resource library: faces sliced from the
// four suit sheets, the marks, the back, the shadow and stock strips.

#include <benchmark/benchmark.h>

#include <QString>

#include "table/CardPictures.h"

namespace {

void LoadCardPictures(benchmark::State& state, const char* size) {
    tindle::ResourceLibrary library;
    if (!library.Load(QStringLiteral(TINDLE_PROGRAM_DIR "/ZUV.RGF"))) {
        state.SkipWithError("ZUV.RGF not found in the program directory");
        return;
    }
    tindle::SettingsRecord settings;
    settings.Put(tindle::field::CardSize, size);
    settings.Put(tindle::field::CardSet, "001");
    settings.Put(tindle::field::BackCard, "001");
    tindle::CardPictures pictures(library);
    pictures.SetCardSize(size);
    for (auto _ : state) {
        pictures.LoadCardPictures(settings);
        benchmark::DoNotOptimize(pictures.Face(51).constBits());
    }
}

void BM_LoadCardPicturesBig(benchmark::State& state) {
    LoadCardPictures(state, "B");
}
void BM_LoadCardPicturesMedium(benchmark::State& state) {
    LoadCardPictures(state, "M");
}
void BM_LoadCardPicturesLittle(benchmark::State& state) {
    LoadCardPictures(state, "L");
}

BENCHMARK(BM_LoadCardPicturesBig)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCardPicturesMedium)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCardPicturesLittle)->Unit(benchmark::kMillisecond);

}  // namespace
