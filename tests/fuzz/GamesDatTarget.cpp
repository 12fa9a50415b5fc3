// Fuzz target: a GAMES.DAT as the program reads it. The catalogue is read, and each of its
// first games is loaded, laid out and dealt as a new game is.
#include "FuzzInput.h"
#include "model/GameNumber.h"
#include "play/HeadlessPlay.h"

namespace {

constexpr std::size_t kGamesTried = 3;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tindle;
    const std::filesystem::path file = fuzz::WorkFolder() / "GAMES.DAT";
    fuzz::WriteFile(file, fuzz::Text(data, size));

    Catalogue catalogue;
    if (!catalogue.Read(file).Ok()) return 0;
    const GameNumber number = *ParseGameNumber(std::to_string(size * 7919 % 10000000));
    for (std::size_t i = 0; i < catalogue.Entries().size() && i < kGamesTried; ++i) {
        HeadlessPlay play;
        std::string error;
        play.Open(file, catalogue.Entries()[i].gameId, number, error);
    }
    return 0;
}
