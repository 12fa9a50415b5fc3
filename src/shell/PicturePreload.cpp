#include "shell/PicturePreload.h"

#include "shell/settings/PreferencesFile.h"
#include "table/CardPictures.h"

namespace tindle {

namespace {

// The card choice as the preferences give it on a display of many colours.
void ReadCardChoice(const std::filesystem::path& preferencesFile, SettingsRecord& choice) {
    const PreferencesFile prefs(preferencesFile);
    choice.Put(field::BackCard, ZeroPad(prefs.ReadInteger(section::Preference, "Back_Card", 11),
                                        field::BackCard.width));
    choice.Put(field::CardSet,
               ZeroPad(prefs.ReadInteger(section::Preference, "Card", 1), field::CardSet.width));
    choice.Put(field::CardSize, prefs.ReadString(section::Preference, "Card_Size", "B"));
}

bool SameChoice(const SettingsRecord& a, const SettingsRecord& b) {
    for (SettingField f : {field::BackCard, field::CardSet, field::CardSize})
        if (a.Get(f) != b.Get(f)) return false;
    return true;
}

}  // namespace

PicturePreload::PicturePreload(CardPictures& pictures, const std::filesystem::path& preferencesFile,
                               std::function<void()> firstTask)
    : pictures_(pictures) {
    worker_ = std::thread(&PicturePreload::Run, this, preferencesFile, std::move(firstTask));
}

PicturePreload::~PicturePreload() {
    if (worker_.joinable()) worker_.join();
}

void PicturePreload::Run(std::filesystem::path preferencesFile, std::function<void()> firstTask) {
    try {
        if (firstTask) firstTask();
        ReadCardChoice(preferencesFile, choice_);
        pictures_.ApplyCardSize(choice_);
        loaded_ = true;
    } catch (...) {
        // Out of memory or the like: the main thread loads them itself.
        loaded_ = false;
    }
}

bool PicturePreload::FinishCardPictures(const SettingsRecord& settings) {
    if (worker_.joinable()) worker_.join();
    if (loaded_ && SameChoice(choice_, settings)) return true;
    pictures_.ApplyCardSize(settings);
    return false;
}

}  // namespace tindle
