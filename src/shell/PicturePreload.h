#pragma once

#include <QImage>

#include <filesystem>
#include <future>
#include <string>
#include <thread>

#include "shell/settings/SettingsRecord.h"

// The pictures of the start decoded on a worker thread while the main thread brings up the
// splash and the main window: first the splash picture, then the card pictures for the card
// choice stored in the preferences file. The main thread waits for each where it needs it.
// The worker touches nothing but the card pictures, which nothing else uses until
// FinishCardPictures has returned; when the preferences loaded meanwhile choose other cards
// (a display of few colours, a repaired value) the pictures are loaded again there.

namespace tindle {

class CardPictures;
class ResourceLibrary;

class PicturePreload {
  public:
    PicturePreload(const ResourceLibrary& library, CardPictures& pictures,
                   const std::filesystem::path& preferencesFile, std::string splashPicture);
    // Waits for the worker.
    ~PicturePreload();
    PicturePreload(const PicturePreload&) = delete;
    PicturePreload& operator=(const PicturePreload&) = delete;

    // The splash picture (waits for it); an empty picture the second time.
    QImage TakeSplashPicture();
    // Waits for the card pictures and makes them those of the record's card choice
    // (Card_Size, Card, Back_Card). True when the worker's pictures could be kept.
    bool FinishCardPictures(const SettingsRecord& settings);

  private:
    void Run(std::filesystem::path preferencesFile, std::string splashPicture);

    const ResourceLibrary& library_;
    CardPictures& pictures_;
    SettingsRecord choice_;  // the card choice the worker loaded
    bool loaded_ = false;    // the worker finished the card pictures
    std::promise<QImage> splashPromise_;
    std::future<QImage> splash_;
    std::thread worker_;
};

}  // namespace tindle
