#include "shell/PicturePreload.h"

#include "shell/settings/PreferencesFile.h"
#include "table/CardPictures.h"
#include "table/ResourceLibrary.h"

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

PicturePreload::PicturePreload(const ResourceLibrary& library, CardPictures& pictures,
                               const std::filesystem::path& preferencesFile,
                               std::string splashPicture)
    : library_(library), pictures_(pictures), splash_(splashPromise_.get_future()) {
    worker_ = std::thread(&PicturePreload::Run, this, preferencesFile, std::move(splashPicture));
}

PicturePreload::~PicturePreload() {
    if (worker_.joinable()) worker_.join();
}

void PicturePreload::Run(std::filesystem::path preferencesFile, std::string splashPicture) {
    try {
        splashPromise_.set_value(library_.Bitmap(splashPicture));
    } catch (...) {
        splashPromise_.set_exception(std::current_exception());
        return;
    }
    try {
        ReadCardChoice(preferencesFile, choice_);
        pictures_.ApplyCardSize(choice_);
        loaded_ = true;
    } catch (...) {
        // Out of memory or the like: the main thread loads them itself.
        loaded_ = false;
    }
}

QImage PicturePreload::TakeSplashPicture() {
    if (!splash_.valid()) return {};
    try {
        return splash_.get();
    } catch (...) {
        return {};
    }
}

bool PicturePreload::FinishCardPictures(const SettingsRecord& settings) {
    if (worker_.joinable()) worker_.join();
    if (loaded_ && SameChoice(choice_, settings)) return true;
    pictures_.ApplyCardSize(settings);
    return false;
}

}  // namespace tindle
