#pragma once

#include "shell/settings/PreferencesFile.h"
#include "shell/settings/SettingsRecord.h"
#include "table/layout/CardSize.h"

// Reading every preference into the settings record at start, what is written back at close,
// and the one write of a preference that play changes. Nothing here shows anything; the front
// end applies the values that are not record fields (LoadedPreferences) and shows the panels,
// toolbar and advice boxes.

namespace tindle {

// The system colour of button faces (hexadecimal 8000000F) as a signed 32-bit integer: the
// default of Background_Col and what a background colour of 0 stands for.
inline constexpr int kButtonFaceColour = static_cast<int>(0x8000000FLL - 0x100000000LL);

// What the start-up load yields besides the record's fields.
struct LoadedPreferences {
    bool toolBarLarge = false;           // ToolBar_Large = "Y": large toolbar, else small
    bool toolBarFlat = true;             // ToolBar_Flat = "Y": flat buttons
    int gamesFastSearchType = 0;         // Settings/Games_Fast_Search_Type
    int cursor = 10;                     // Cursor: 10 system pointer, else cursor number
    int randomGameType = 2;              // Settings/Random_Game_Type
    int autoPlayAllGames = 1;            // 1 one setting for all games, 2 per game
    bool autoPlay = true;                // autoplay on at start (menu check, buttons down)
    bool showTime = true;                // clock panel shown (field::ShowTime is "Y")
    bool showScore = true;               // score panel shown (field::ShowScore is "Y")
    bool statusBarVisible = false;       // hidden when field::StatusBar is "N"
    int shadowMargin = kShadowMarginOn;  // 0 when field::CardsShadowed is "N"
    bool playersCreated = false;         // first start: the players are to be written
};

// Reads every preference of section Preference (and the two of section Settings) with its
// default into the record, then: right-click moves forced off, scoring system "01", the
// repairs of a card back of 0, a background colour of 0 and an empty background picture, the
// two counters "0000", the first player on a first start (in the record only: the file gets
// the players from WriteFirstPlayers, which waits for the disk), and the
// start state of autoplay (for AutoPlay_All_Games = 2, the stored value of the record's
// GameId). The record's options are read as well (ReadPreferenceOptions). lowColourDisplay
// (256 colours or fewer) makes card set 3 the default.
LoadedPreferences LoadPreferences(SettingsRecord& record, PreferencesFile& prefs,
                                  bool lowColourDisplay);

// The players of a first start, in one replacement of the file: the default player and the
// three players of the list, unless the file names a default player by now. False when the
// file could not be written.
bool WriteFirstPlayers(PreferencesFile& prefs);

// The options of the record (Customized_Background, HighLights_Foundations_Mark and _Color,
// Winning_Animations and Winning_Animations_Time) as the file holds them, with their defaults.
// Read at start and again after the Customize dialog's OK.
PreferenceOptions ReadPreferenceOptions(const PreferencesFile& prefs);

// The one road by which play and drawing store a preference: key = value in section Preference
// of the record's preferences file, written at once. The record itself is the caller's to
// change. Nothing is written when the record names no program directory or no preferences
// file (a table of its own, as tindle-cli makes); false then and when the write fails.
bool WritePreference(const SettingsRecord& record, std::string_view key, std::string_view value);

// Written at close: AutoPlay ("Y"/"N") when autoplay is one setting for all games, and
// Settings/Random_Game_Type always. False when a write failed (not reported further).
bool StoreClosingPreferences(PreferencesFile& prefs, int autoPlayAllGames, bool autoPlayOn,
                             int randomGameType);

}  // namespace tindle
