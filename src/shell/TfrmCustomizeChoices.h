#pragma once

#include <string>

#include "shell/settings/PreferencesFile.h"
#include "shell/settings/SettingsRecord.h"

// What the Customize dialog reads, keeps and writes, apart from its widgets: the settings
// saved when it opens (put back by Cancel), the player's choices as the dialog starts with
// them, and OK's writes to the settings record and the preferences file.

namespace tindle {

class SoundPort;

// The settings the dialog can change on the table, as they were when it opened.
struct CustomizeSavedState {
    std::string cardSize;
    std::string cardSet;
    std::string fadeBackground;
    std::string backCard;
    std::string backgroundBmp;
    std::string backgroundCol;
    std::string backgroundFixedCol;
    std::string backgroundDef;
    std::string pilesTT;

    static CustomizeSavedState Take(const SettingsRecord& settings);
    void PutBack(SettingsRecord& settings) const;
};

// The dialog's check boxes and tree choices.
struct CustomizeChoices {
    // "General" and its hidden companions.
    bool showTime = true;
    bool showScore = true;
    bool confirmQuitGame = true;
    bool animateDeal = true;
    bool winnableDealsOnly = false;
    bool toolBarLarge = false;
    bool toolBarFlat = true;
    bool winningAnimation = true;  // ticked at design; nothing reads it back
    bool confirmOnExit = false;
    // The zoom of the table in percent, 0 for Automatic.
    int cardZoom = 0;
    // "Sounds".
    bool soundsDisabled = false;
    // "Decks": the selected back, 0 while none is (a folder or nothing).
    long long backCard = 0;
    // "Backgrounds": the selected code (0 or less: the default background) and the fade.
    long long backgroundCode = 0;
    bool fadeBackground = false;
};

// The plain colour the dialog offers: the background colour setting, or the system colour of
// button faces when that is 0.
long long ChosenPlainColour(const SettingsRecord& settings);

// The background code the settings stand for: 0 for the default background; else the fixed
// colour when there is one; else the background picture when there is one; else 1, the plain
// colour.
long long BackgroundCodeOf(const SettingsRecord& settings);

// The choices as the dialog opens with them: from the settings record and, for the toolbar
// and the exit confirmation, which the record does not hold, from the preferences file. The
// back is the record's when a node of the back tree carries it.
CustomizeChoices InitialCustomizeChoices(const SettingsRecord& settings,
                                         const PreferencesFile& prefs);

// The background settings a code stands for.
struct BackgroundFields {
    long long picture = 0;      // Background_bmp
    long long colour = 0;       // Background_Col: always the chosen plain colour
    long long fixedColour = 0;  // Background_Fixed_Col
    bool isDefault = false;     // Background_Def
};
BackgroundFields BackgroundFieldsFor(long long code, long long plainColour);

// The choices that shape the table put into the record: the back (when one is selected),
// the background fields, the fade and the sounds switch. Switching the sounds off stops the
// sound that is playing, since no later stop request would reach it.
void PutTableChoices(SettingsRecord& settings, const CustomizeChoices& choices,
                     long long plainColour, SoundPort& sounds);

// OK: the choices into the record (the table's, the clock, score, quit-game confirmation, deal
// animation and winnable-deals fields, the card size) and into the preferences file in one
// write, the keys in the order Sounds_Enabled, Back_Card, Background_bmp, Background_Col,
// Background_Fixed_Col, Background_Def, Fade_Background, ToolBar_Large, ToolBar_Flat,
// Show_Time, Show_Score, ConfirmQuit, ConfirmQuitGame, Winning_Animation, Deal_Animation,
// Winnable_Deals_Only, Card_Zoom. False when the file could not take them: the record holds
// them all the same. The toolbar and panels are the caller's to switch.
bool StoreCustomizeChoices(SettingsRecord& settings, PreferencesFile& prefs,
                           const CustomizeChoices& choices, long long plainColour,
                           SoundPort& sounds);

}  // namespace tindle
