// Fuzz target: a move file as `tindle-cli play` plays it. The first byte picks the game of the
// built GAMES.DAT and whether Autoplay is on, the next bytes the game number; the rest is the
// move file.
#include <sstream>

#include "FuzzInput.h"
#include "cli/MoveFile.h"
#include "model/GameNumber.h"
#include "play/HeadlessPlay.h"

namespace {

constexpr std::size_t kNumberBytes = 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tindle;
    if (size < 1 + kNumberBytes) return 0;
    static const std::filesystem::path gamesDat =
        std::filesystem::path(TINDLE_PROGRAM_DIR) / "GAMES.DAT";
    static const Catalogue catalogue = [] {
        Catalogue read;
        if (!read.Read(gamesDat).Ok() || read.Empty()) fuzz::Broken();
        return read;
    }();

    const int gameId = catalogue.Entries()[(data[0] >> 1) % catalogue.Entries().size()].gameId;
    uint32_t seed = 0;
    for (std::size_t i = 1; i <= kNumberBytes; ++i)
        seed = seed << 8 | data[i];
    HeadlessPlay play;
    play.ui.autoplayTicked = (data[0] & 1) != 0;
    std::string error;
    if (!play.Open(gamesDat, gameId, *ParseGameNumber(std::to_string(seed)), error)) fuzz::Broken();
    std::istringstream moves(
        std::string(fuzz::Text(data + 1 + kNumberBytes, size - 1 - kNumberBytes)));
    cli::PlayMoveFile(play.ctx, moves);
    return 0;
}
