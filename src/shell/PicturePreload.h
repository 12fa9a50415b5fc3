#pragma once

#include <filesystem>
#include <functional>
#include <future>
#include <string>
#include <string_view>
#include <thread>

#include "shell/settings/SettingsRecord.h"

// Work of the start done on a worker thread while the main thread brings up the splash and
// the main window: a first task (the program has it read the font database), then the card
// pictures for the card choice stored in the preferences file, made at the scale the last
// session stored on the same screen (without one, a first start or another screen, they are
// only chosen: the window makes what its table shows once it knows its zoom). Each task touches
// only what nothing else uses until the main thread has waited for it: the card pictures until
// FinishCardPictures, the rest until FinishAll. When the preferences loaded meanwhile choose other
// cards (a display of few colours, a repaired value) the pictures are loaded again in
// FinishCardPictures.

class QScreen;

namespace tindle {

class CardPictures;

// The preferences key of the scale the card pictures were last drawn at, in percent, and the
// largest stored scale believed (300 % on a screen of device pixel ratio 2).
inline constexpr std::string_view kPictureScaleKey = "MainWindowState_PictureScale";
inline constexpr int kMostPictureScalePercent = 600;
// The preferences key of the screen the stored scale was drawn for (ScreenTag): the scale
// fitted a window on that screen, and on another one (a restart on a smaller display) it is
// not believed.
inline constexpr std::string_view kPictureScreenKey = "MainWindowState_PictureScreen";
// A screen as stored beside the scale: its size and pixel ratio in percent ("1920x1080@100").
std::string ScreenTag(const QScreen& screen);

// The preferences key of the marks the last session's tables showed (CardPictures::MadeMarks):
// the worker decodes those ahead too, as the table shown first mostly shows the same ones.
inline constexpr std::string_view kShownMarksKey = "MainWindowState_ShownMarks";

class PicturePreload {
  public:
    // The screen is the ScreenTag of the screen the window opens on.
    PicturePreload(CardPictures& pictures, const std::filesystem::path& preferencesFile,
                   std::string screen, std::function<void()> firstTask = {});
    // Waits for the worker.
    ~PicturePreload();
    PicturePreload(const PicturePreload&) = delete;
    PicturePreload& operator=(const PicturePreload&) = delete;

    // Waits for the card pictures and makes them those of the record's card choice
    // (Card_Size, Card, Back_Card). True when the worker's pictures could be kept.
    bool FinishCardPictures(const SettingsRecord& settings);
    // Waits for the whole work (the card pictures too).
    void FinishAll();

  private:
    void Run(std::filesystem::path preferencesFile, std::string screen,
             std::function<void()> firstTask);

    CardPictures& pictures_;
    SettingsRecord choice_;  // the card choice the worker loaded
    bool loaded_ = false;    // the worker loaded the card pictures
    std::promise<void> cardsDone_;
    std::future<void> cards_;
    std::thread worker_;
};

}  // namespace tindle
