#include "shell/settings/PreferencesLoader.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "shell/settings/GameAutoplayStore.h"
#include "shell/settings/SettingsInit.h"
#include "table/layout/Zoom.h"

namespace tindle {

namespace {

constexpr std::string_view kYes = "Y";
constexpr std::string_view kNo = "N";

constexpr int kGreen = 32768;
constexpr int kDefaultBackCard = 11;
constexpr int kHighColourCardSet = 1;
constexpr int kLowColourCardSet = 3;
constexpr int kDefaultGameId = 1;
constexpr int kDefaultLanguage = 20000;  // English
constexpr int kDefaultSpeed = 10;
constexpr int kMaxSpeed = 99;  // what field::SpeedMoveCard holds
constexpr int kSystemPointer = 10;
constexpr int kLastCursor = 15;
constexpr std::string_view kScoringSystem = "01";
constexpr std::string_view kCounterStart = "0000";
constexpr std::string_view kRepairedBackCard = "001";
constexpr std::string_view kNoBackgroundPicture = "0";
constexpr std::string_view kFirstPlayer = "Player 1";

struct StringSetting {
    std::string_view key;
    std::string_view fallback;
    SettingField field;
};

// Yes/no and text settings that go straight into their field, in reading order.
constexpr StringSetting kPanelSettings[] = {
    {"Show_Time", kYes, field::ShowTime},
    {"Show_Score", kYes, field::ShowScore},
};
constexpr StringSetting kLayoutSettings[] = {
    {"Piles_TT", kNo, field::PilesTT},
    {"Automatic_FaceUp", kYes, field::AutomaticFaceUp},
    {"Deal_Animation", kYes, field::DealAnimation},
    {"Redeal_Animation", kYes, field::RedealAnimation},
    {"Winnable_Deals_Only", kNo, field::WinnableDealsOnly},
};
constexpr StringSetting kPlayerSettings[] = {
    {"StatusBar", kNo, field::StatusBar},
    {"UserDefault", "", field::UserDefault},
    {"Undo_Enabled", "0", field::UndoEnabled},
    {"ConfirmQuitGame", kNo, field::ConfirmQuitGame},
    {"ConfirmEnterHiScores", kYes, field::ConfirmEnterHiScores},
};
constexpr StringSetting kSoundSettings[] = {
    {"Sounds_Enabled", kYes, field::SoundsEnabled},
    {"Sounds_About", kYes, field::SoundsAbout},
    {"Sounds_Autoplay", kYes, field::SoundsAutoplay},
    {"Sounds_CardDown", kYes, field::SoundsCardDown},
    {"Sounds_CardUp", kYes, field::SoundsCardUp},
    {"Sounds_NewHiScores", kYes, field::SoundsNewHiScores},
    {"Sounds_FaceUp", kYes, field::SoundsFaceUp},
    {"Sounds_GameWon", kYes, field::SoundsGameWon},
    {"Sounds_HiScores", kYes, field::SoundsHiScores},
    {"Sounds_NewGame", kYes, field::SoundsNewGame},
    {"Sounds_Pairing", kYes, field::SoundsPairing},
    {"Sounds_Redeal", kYes, field::SoundsRedeal},
    {"Sounds_Redeal_Without_Animation", kYes, field::SoundsRedealWithoutAnimation},
    {"Sounds_Redo", kYes, field::SoundsRedo},
    {"Sounds_Restart", kYes, field::SoundsRestart},
    {"Sounds_Shuffle", kYes, field::SoundsShuffle},
    {"Sounds_Splash", kYes, field::SoundsSplash},
    {"Sounds_Stock", kYes, field::SoundsStock},
    {"Sounds_Foundation", kYes, field::SoundsFoundation},
    {"Sounds_Tableau", kYes, field::SoundsTableau},
    {"Sounds_Undo", kYes, field::SoundsUndo},
};
constexpr StringSetting kTableSettings[] = {
    {"Random_Background", kNo, field::RandomBackground},
    {"Random_Card", kNo, field::RandomCard},
    {"Random_Deck", kNo, field::RandomDeck},
    {"VertScrollBar", kYes, field::VertScrollBar},
    {"ShowPilesSize", kNo, field::ShowPilesSize},
    {"Show_Main_Popup_Menu", kYes, field::ShowMainPopupMenu},
    {"Show_Partial_Hidden_Card", kYes, field::ShowPartialHiddenCard},
    {"RightClick_To_Foundations", kYes, field::RightClickToFoundations},
    {"RightClick_To_Tableaus", kYes, field::RightClickToTableaus},
    {"DoubleClick_To_Foundations", kYes, field::DoubleClickToFoundations},
    {"DoubleClick_To_Tableaus", kNo, field::DoubleClickToTableaus},
};

class Loader {
  public:
    Loader(SettingsRecord& record, PreferencesFile& prefs) : record_(record), prefs_(prefs) {}

    std::string Text(std::string_view key, std::string_view fallback) const {
        return prefs_.ReadString(section::Preference, key, fallback);
    }
    int Integer(std::string_view key, int fallback) const {
        return prefs_.ReadInteger(section::Preference, key, fallback);
    }
    void Put(SettingField f, std::string_view text) { record_.Put(f, text); }
    void Read(const StringSetting& s) { Put(s.field, Text(s.key, s.fallback)); }
    template <size_t N>
    void Read(const StringSetting (&settings)[N]) {
        for (const StringSetting& s : settings)
            Read(s);
    }
    void ReadPadded(std::string_view key, int fallback, SettingField f) {
        Put(f, ZeroPad(Integer(key, fallback), f.width));
    }

  private:
    SettingsRecord& record_;
    PreferencesFile& prefs_;
};

}  // namespace

LoadedPreferences LoadPreferences(SettingsRecord& record, PreferencesFile& prefs,
                                  bool lowColourDisplay) {
    LoadedPreferences loaded;
    Loader in(record, prefs);

    in.Read({"Show_ToolTips", kYes, field::ShowToolTips});
    loaded.toolBarLarge = in.Text("ToolBar_Large", kNo) == kYes;
    loaded.toolBarFlat = in.Text("ToolBar_Flat", kYes) == kYes;
    in.ReadPadded("Back_Card", kDefaultBackCard, field::BackCard);
    in.ReadPadded("Card", lowColourDisplay ? kLowColourCardSet : kHighColourCardSet,
                  field::CardSet);
    in.Read({"Card_Size", "B", field::CardSize});
    in.Read({"Background_bmp", "", field::BackgroundBmp});
    in.Put(field::BackgroundFixedCol, std::to_string(in.Integer("Background_Fixed_Col", kGreen)));
    in.Put(field::BackgroundCol, std::to_string(in.Integer("Background_Col", kButtonFaceColour)));
    in.Read({"Background_def", kNo, field::BackgroundDef});
    in.Read({"Fade_Background", kYes, field::FadeBackground});
    // The options hold the picture's name, the field only whether there is one.
    record.options = ReadPreferenceOptions(prefs);
    in.Put(field::CustomizedBackground, record.options.customizedBackground.empty() ? kNo : kYes);
    in.ReadPadded("Game", kDefaultGameId, field::GameId);
    in.Read({"Game_name", "Freecell", field::GameName});
    in.Read(kPanelSettings);
    std::string animate = in.Text("Cards_Animate", kYes);
    in.Put(field::CardsAnimate, animate);
    in.Put(field::CardsShadowed, in.Text("Cards_Shadowed", animate));
    in.Read(kLayoutSettings);
    in.Put(field::Language, std::to_string(in.Integer("Language", kDefaultLanguage)));
    // A delay the field cannot hold is limited to what it can, not cut to other digits.
    int speed = std::clamp(in.Integer("Speed_Move_Card", kDefaultSpeed), 0, kMaxSpeed);
    in.Put(field::SpeedMoveCard, std::to_string(speed));
    in.Read(kPlayerSettings);
    in.Read(kSoundSettings);
    in.Read(kTableSettings);

    // Right-click never moves cards in this edition, whatever the file says.
    in.Put(field::RightClickToFoundations, kNo);
    in.Put(field::RightClickToTableaus, kNo);

    loaded.gamesFastSearchType = prefs.ReadInteger(section::Settings, "Games_Fast_Search_Type", 0);
    // Only the system pointer and the pointers of the cursor table exist.
    int cursor = in.Integer("Cursor", kSystemPointer);
    loaded.cursor = cursor > kSystemPointer && cursor <= kLastCursor ? cursor : kSystemPointer;
    in.Put(field::Cursor, std::to_string(loaded.cursor));
    in.Put(field::ScoringSystem, kScoringSystem);
    loaded.randomGameType = prefs.ReadInteger(section::Settings, "Random_Game_Type", 2);

    // Repairs of values that would name no card back, no colour or no picture.
    if (record.GetInt(field::BackCard) == 0) in.Put(field::BackCard, kRepairedBackCard);
    if (record.GetInt(field::BackgroundCol) == 0) {
        in.Put(field::BackgroundCol, std::to_string(kButtonFaceColour));
    }
    if (record.Get(field::BackgroundBmp).empty())
        in.Put(field::BackgroundBmp, kNoBackgroundPicture);

    loaded.showTime = record.IsYes(field::ShowTime);
    loaded.showScore = record.IsYes(field::ShowScore);

    // First start: the first player for this run; the caller writes the players.
    if (record.Get(field::UserDefault).empty()) {
        in.Put(field::UserDefault, kFirstPlayer);
        loaded.playersCreated = true;
    }

    loaded.autoPlayAllGames = in.Integer("AutoPlay_All_Games", kAutoPlayForAllGames);
    if (loaded.autoPlayAllGames == kAutoPlayForAllGames) {
        loaded.autoPlay = in.Text("AutoPlay", kYes) == kYes;
    } else if (loaded.autoPlayAllGames == kAutoPlayPerGame) {
        loaded.autoPlay =
            ReadGameAutoplay(prefs, static_cast<int>(record.GetInt(field::GameId, -1)));
    } else {
        loaded.autoPlay = false;
    }

    in.Put(field::Counter1, kCounterStart);
    in.Put(field::Counter2, kCounterStart);
    loaded.statusBarVisible = record.Get(field::StatusBar) != kNo;
    loaded.shadowMargin = ShadowMarginFor(record);
    return loaded;
}

PreferenceOptions ReadPreferenceOptions(const PreferencesFile& prefs) {
    auto text = [&prefs](std::string_view key, std::string_view fallback) {
        return prefs.ReadString(section::Preference, key, fallback);
    };
    auto integer = [&prefs](std::string_view key, int fallback) {
        return prefs.ReadInteger(section::Preference, key, fallback);
    };
    PreferenceOptions options;
    options.customizedBackground = text("Customized_Background", "");
    options.highlightMark = integer("HighLights_Foundations_Mark", 0);
    options.highlightColour = integer("HighLights_Foundations_Color", 0);
    options.winningAnimation = text("Winning_Animations", kRandomPatternName);
    options.winningSeconds = integer("Winning_Animations_Time", kDefaultWinningSeconds);
    options.cardZoom = ParseCardZoom(text(kCardZoomKey, kAutomaticZoomText));
    return options;
}

bool WriteFirstPlayers(PreferencesFile& prefs) {
    // The write comes a little after the start: a player chosen meanwhile has written the
    // players already, and stays.
    if (!prefs.ReadString(section::Preference, "UserDefault", "").empty()) return true;
    // One write of the file: each write waits for the disk.
    return prefs.WriteStrings({{section::Preference, "UserDefault", kFirstPlayer},
                               {section::Users, "User001", kFirstPlayer},
                               {section::Users, "User002", "Player 2"},
                               {section::Users, "User003", "Player 3"}});
}

bool WritePreference(const SettingsRecord& record, std::string_view key, std::string_view value) {
    if (record.ProgramDir().empty() || record.Get(field::PrefsPath).empty()) return false;
    PreferencesFile prefs(PreferencesPath(record));
    return prefs.WriteString(section::Preference, key, value);
}

bool StoreClosingPreferences(PreferencesFile& prefs, int autoPlayAllGames, bool autoPlayOn,
                             int randomGameType) {
    bool ok = true;
    if (autoPlayAllGames == kAutoPlayForAllGames) {
        ok = prefs.WriteString(section::Preference, "AutoPlay", autoPlayOn ? kYes : kNo);
    }
    return prefs.WriteInteger(section::Settings, "Random_Game_Type", randomGameType) && ok;
}

}  // namespace tindle
