#pragma once

#include <filesystem>
#include <functional>
#include <thread>

#include "shell/settings/SettingsRecord.h"

// The card pictures of the start decoded on a worker thread while the main thread brings up
// the splash and the main window, for the card choice stored in the preferences file. Before
// them the worker may run one more task of the start that is safe on any thread (the program
// has it read the font database). The worker touches nothing but the card pictures, which
// nothing else uses until FinishCardPictures has returned; when the preferences loaded
// meanwhile choose other cards (a display of few colours, a repaired value) the pictures are
// loaded again there.

namespace tindle {

class CardPictures;

class PicturePreload {
  public:
    PicturePreload(CardPictures& pictures, const std::filesystem::path& preferencesFile,
                   std::function<void()> firstTask = {});
    // Waits for the worker.
    ~PicturePreload();
    PicturePreload(const PicturePreload&) = delete;
    PicturePreload& operator=(const PicturePreload&) = delete;

    // Waits for the card pictures and makes them those of the record's card choice
    // (Card_Size, Card, Back_Card). True when the worker's pictures could be kept.
    bool FinishCardPictures(const SettingsRecord& settings);

  private:
    void Run(std::filesystem::path preferencesFile, std::function<void()> firstTask);

    CardPictures& pictures_;
    SettingsRecord choice_;  // the card choice the worker loaded
    bool loaded_ = false;    // the worker finished the card pictures
    std::thread worker_;
};

}  // namespace tindle
