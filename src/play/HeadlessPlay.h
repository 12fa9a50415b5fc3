#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "model/Catalogue.h"
#include "model/Game.h"
#include "model/GameNumber.h"
#include "model/Ports.h"
#include "model/QuietPorts.h"
#include "model/Random.h"
#include "play/PlayContext.h"
#include "play/PlayUi.h"
#include "play/TableView.h"
#include "shell/settings/SettingsRecord.h"
#include "table/layout/TMainGame.h"

// Play without a window: every object of a PlayContext owned in one place, with ports that
// show, sound and wait for nothing. tindle-cli plays through it, and so can tests and tools.

namespace tindle {

// The preferences play reads, as a first start sets them, but without animations or sounds:
// cards neither fly nor cast shadows, columns are tidy, the scoring system is the standard
// one, double clicks go to the foundations, autoplay preferences as their defaults.
void SetHeadlessPreferences(SettingsRecord& settings);

// A table of width x height under a 5-pixel top edge, on a screen of the same size.
LayoutInputs HeadlessLayoutInputs(int width, int height);

class HeadlessPlay {
  public:
    // Messages go to `messages` when given, else to a QuietMessagePort of its own.
    explicit HeadlessPlay(MessagePort* messages = nullptr, uint32_t seed = 1);
    HeadlessPlay(const HeadlessPlay&) = delete;
    HeadlessPlay& operator=(const HeadlessPlay&) = delete;

    // Reads the catalogue of the GAMES.DAT, loads the game, lays the table out and deals the
    // number. On failure `error` says why and nothing is dealt.
    bool Open(const std::filesystem::path& gamesDat, int gameId, const GameNumber& number,
              std::string& error);

    Game game;
    SettingsRecord settings;
    TMainGame layout;
    Catalogue catalogue;
    QuietTableView view;
    QuietSoundPort sounds;
    QuietMessagePort quietMessages;
    QuietTimePort time;
    Random random;
    QuietPlayUi ui;
    PlayContext ctx;
};

}  // namespace tindle
