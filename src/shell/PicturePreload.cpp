#include "shell/PicturePreload.h"

#include <QScreen>

#include <cmath>
#include <optional>

#include "shell/BackgroundThread.h"
#include "shell/settings/PreferencesFile.h"
#include "table/CardPictures.h"

namespace tindle {

namespace {

// The card choice as the preferences give it on a display of many colours.
void ReadCardChoice(const PreferencesFile& prefs, SettingsRecord& choice) {
    choice.Put(field::BackCard, ZeroPad(prefs.ReadInteger(section::Preference, "Back_Card", 11),
                                        field::BackCard.width));
    choice.Put(field::CardSet,
               ZeroPad(prefs.ReadInteger(section::Preference, "Card", 1), field::CardSet.width));
    choice.Put(field::CardSize, prefs.ReadString(section::Preference, "Card_Size", "B"));
}

// The scale the last session drew its pictures at; none when none or an unlikely one is
// stored, or when it was drawn for another screen than this one.
std::optional<qreal> LastPictureScale(const PreferencesFile& prefs, const std::string& screen) {
    if (prefs.ReadString(section::Preference, kPictureScreenKey, "") != screen) return std::nullopt;
    const int percent = prefs.ReadInteger(section::Preference, kPictureScaleKey, 0);
    if (percent < 100 || percent > kMostPictureScalePercent) return std::nullopt;
    return percent / 100.0;
}

// The marks the last session's tables showed; none when none or nonsense is stored.
uint32_t LastShownMarks(const PreferencesFile& prefs) {
    const int marks = prefs.ReadInteger(section::Preference, kShownMarksKey, 0);
    if (marks <= 0 || marks >= (1 << kMarkCount)) return 0;
    return static_cast<uint32_t>(marks);
}

bool SameChoice(const SettingsRecord& a, const SettingsRecord& b) {
    for (SettingField f : {field::BackCard, field::CardSet, field::CardSize})
        if (a.Get(f) != b.Get(f)) return false;
    return true;
}

// Runs a task; a failure (out of memory or the like) leaves its work to the main thread.
template <class Task>
bool Attempt(Task&& task) {
    try {
        task();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace

std::string ScreenTag(const QScreen& screen) {
    const QSize size = screen.geometry().size();
    return std::to_string(size.width()) + "x" + std::to_string(size.height()) + "@" +
           std::to_string(std::lround(screen.devicePixelRatio() * 100));
}

PicturePreload::PicturePreload(CardPictures& pictures, const std::filesystem::path& preferencesFile,
                               std::string screen, std::function<void()> firstTask)
    : pictures_(pictures), cards_(cardsDone_.get_future()) {
    worker_ = StartBackgroundThread([this, preferencesFile, screen = std::move(screen),
                                     firstTask = std::move(firstTask)]() mutable {
        Run(preferencesFile, std::move(screen), std::move(firstTask));
    });
}

PicturePreload::~PicturePreload() {
    FinishAll();
}

void PicturePreload::Run(std::filesystem::path preferencesFile, std::string screen,
                         std::function<void()> firstTask) {
    if (firstTask) Attempt(firstTask);
    loaded_ = Attempt([&] {
        // One read of the file for the choice, the scale and the marks.
        const PreferencesFile prefs(preferencesFile);
        ReadCardChoice(prefs, choice_);
        const std::optional<qreal> scale = LastPictureScale(prefs, screen);
        pictures_.SetScale(scale.value_or(1.0));
        pictures_.ApplyCardSize(choice_);
        // Without the last session's scale (a first start, another screen) the window's zoom is not
        // known before it is laid out, and pictures made now would mostly be made again: the window
        // makes then what its table shows. The window of a first start is maximised, and its
        // automatic zoom is then mostly above 100 %: the file of the finer pictures is opened
        // meanwhile, so that the table's first picture does not wait for its check.
        if (scale)
            pictures_.DecodeAhead(LastShownMarks(prefs));
        else
            pictures_.OpenFinerSources();
    });
    cardsDone_.set_value();
}

bool PicturePreload::FinishCardPictures(const SettingsRecord& settings) {
    if (cards_.valid()) cards_.wait();
    if (loaded_ && SameChoice(choice_, settings)) return true;
    pictures_.ApplyCardSize(settings);
    return false;
}

void PicturePreload::FinishAll() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace tindle
