#include "shell/TfrmCustomizeChoices.h"

#include <string_view>

#include "model/Ports.h"
#include "shell/TfrmCustomizeTrees.h"
#include "shell/settings/PreferencesLoader.h"
#include "table/layout/Zoom.h"

namespace tindle {

namespace {

constexpr std::string_view kYes = "Y";
constexpr std::string_view kNo = "N";

std::string_view YesNo(bool on) {
    return on ? kYes : kNo;
}

}  // namespace

CustomizeSavedState CustomizeSavedState::Take(const SettingsRecord& s) {
    return {
        s.Get(field::CardSize),           s.Get(field::CardSet),       s.Get(field::FadeBackground),
        s.Get(field::BackCard),           s.Get(field::BackgroundBmp), s.Get(field::BackgroundCol),
        s.Get(field::BackgroundFixedCol), s.Get(field::BackgroundDef), s.Get(field::PilesTT)};
}

void CustomizeSavedState::PutBack(SettingsRecord& s) const {
    s.Put(field::CardSize, cardSize);
    s.Put(field::CardSet, cardSet);
    s.Put(field::FadeBackground, fadeBackground);
    s.Put(field::BackCard, backCard);
    s.Put(field::BackgroundBmp, backgroundBmp);
    s.Put(field::BackgroundCol, backgroundCol);
    s.Put(field::BackgroundFixedCol, backgroundFixedCol);
    s.Put(field::BackgroundDef, backgroundDef);
    s.Put(field::PilesTT, pilesTT);
}

long long ChosenPlainColour(const SettingsRecord& settings) {
    const long long colour = settings.GetInt(field::BackgroundCol, 0);
    return colour == 0 ? kButtonFaceColour : colour;
}

long long BackgroundCodeOf(const SettingsRecord& settings) {
    if (settings.IsYes(field::BackgroundDef)) return customize::kFolderCode;
    const long long fixed = settings.GetInt(field::BackgroundFixedCol, 0);
    if (fixed != 0) return fixed;
    const long long picture = settings.GetInt(field::BackgroundBmp, 0);
    if (picture != 0) return picture;
    return customize::kPlainColourCode;
}

CustomizeChoices InitialCustomizeChoices(const SettingsRecord& settings,
                                         const PreferencesFile& prefs) {
    CustomizeChoices c;
    c.fadeBackground = settings.IsYes(field::FadeBackground);
    const long long back = settings.GetInt(field::BackCard, 0);
    c.backCard = back > 0 && !NodeText(CardBackTree(), back).empty() ? back : 0;
    c.backgroundCode = BackgroundCodeOf(settings);
    c.soundsDisabled = !settings.IsYes(field::SoundsEnabled);
    c.toolBarLarge = prefs.ReadString(section::Preference, "ToolBar_Large", kNo) == kYes;
    c.toolBarFlat = prefs.ReadString(section::Preference, "ToolBar_Flat", kYes) == kYes;
    c.confirmOnExit = prefs.ReadString(section::Preference, "ConfirmQuit", kNo) == kYes;
    c.showTime = settings.IsNotNo(field::ShowTime);
    c.showScore = settings.IsNotNo(field::ShowScore);
    c.confirmQuitGame = settings.IsNotNo(field::ConfirmQuitGame);
    c.animateDeal = settings.IsNotNo(field::DealAnimation);
    c.winnableDealsOnly = settings.IsYes(field::WinnableDealsOnly);
    c.cardZoom = settings.options.cardZoom;
    return c;
}

BackgroundFields BackgroundFieldsFor(long long code, long long plainColour) {
    BackgroundFields f;
    f.colour = plainColour;
    if (code <= customize::kFolderCode) {
        f.isDefault = true;
    } else if (code >= customize::kFirstPictureCode && code <= customize::kLastPictureCode) {
        f.picture = code;
    } else if (code > customize::kLastPictureCode) {
        f.fixedColour = code;
    }
    return f;
}

void PutTableChoices(SettingsRecord& settings, const CustomizeChoices& choices,
                     long long plainColour, SoundPort& sounds) {
    if (choices.backCard > 0) settings.Put(field::BackCard, ZeroPad(choices.backCard, 3));
    const BackgroundFields f = BackgroundFieldsFor(choices.backgroundCode, plainColour);
    settings.Put(field::BackgroundBmp, std::to_string(f.picture));
    settings.Put(field::BackgroundCol, std::to_string(f.colour));
    settings.Put(field::BackgroundFixedCol, std::to_string(f.fixedColour));
    settings.Put(field::BackgroundDef, YesNo(f.isDefault));
    settings.Put(field::FadeBackground, YesNo(choices.fadeBackground));
    // A looped sound started before would go on: once the switch is off, stop requests are
    // no longer passed on.
    if (choices.soundsDisabled && settings.IsYes(field::SoundsEnabled)) sounds.Stop();
    settings.Put(field::SoundsEnabled, YesNo(!choices.soundsDisabled));
}

bool StoreCustomizeChoices(SettingsRecord& settings, PreferencesFile& prefs,
                           const CustomizeChoices& choices, long long plainColour,
                           SoundPort& sounds) {
    PutTableChoices(settings, choices, plainColour, sounds);
    settings.options.cardZoom = choices.cardZoom;
    settings.Put(field::ShowTime, YesNo(choices.showTime));
    settings.Put(field::ShowScore, YesNo(choices.showScore));
    settings.Put(field::ConfirmQuitGame, YesNo(choices.confirmQuitGame));
    settings.Put(field::DealAnimation, YesNo(choices.animateDeal));
    settings.Put(field::WinnableDealsOnly, YesNo(choices.winnableDealsOnly));
    // One replacement of the file: every choice is kept, or none.
    const std::string_view p = section::Preference;
    return prefs.WriteStrings({
        {p, "Sounds_Enabled", YesNo(!choices.soundsDisabled)},
        {p, "Back_Card", std::to_string(settings.GetInt(field::BackCard, 0))},
        {p, "Background_bmp", settings.Get(field::BackgroundBmp)},
        {p, "Background_Col", settings.Get(field::BackgroundCol)},
        {p, "Background_Fixed_Col", settings.Get(field::BackgroundFixedCol)},
        {p, "Background_Def", settings.Get(field::BackgroundDef)},
        {p, "Fade_Background", settings.Get(field::FadeBackground)},
        {p, "ToolBar_Large", YesNo(choices.toolBarLarge)},
        {p, "ToolBar_Flat", YesNo(choices.toolBarFlat)},
        {p, "Show_Time", YesNo(choices.showTime)},
        {p, "Show_Score", YesNo(choices.showScore)},
        {p, "ConfirmQuit", YesNo(choices.confirmOnExit)},
        {p, "ConfirmQuitGame", YesNo(choices.confirmQuitGame)},
        {p, "Winning_Animation", YesNo(choices.winningAnimation)},
        {p, "Deal_Animation", YesNo(choices.animateDeal)},
        {p, "Winnable_Deals_Only", YesNo(choices.winnableDealsOnly)},
        {p, kCardZoomKey, CardZoomText(choices.cardZoom)},
    });
}

}  // namespace tindle
