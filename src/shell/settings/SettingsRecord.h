#pragma once

#include <array>
#include <string>
#include <string_view>

#include "shell/settings/PreferenceOptions.h"

// The settings record: three text blocks of 250 characters in which every setting has a
// fixed position (1-based) and width. Positions 1..249 lie in block 1, 251..499 in block 2,
// 501..750 in block 3; positions 250 and 500 and anything outside the blocks hold nothing
// (a put there changes nothing, a get reads empty). Yes/no settings hold "Y" or "N".

namespace tindle {

struct SettingField {
    int position;
    int width;
};

class SettingsRecord {
  public:
    static constexpr int kBlockChars = 250;

    SettingsRecord() { Reset(); }
    // All blocks blank, no program directory, no data folder, the options at their defaults.
    void Reset();

    // Leading blanks of the text are removed, then it is padded with blanks or cut to width.
    void SettingPut(int position, int width, std::string_view text);
    // The field's characters without trailing blanks.
    std::string SettingGet(int position, int width) const;

    void Put(SettingField f, std::string_view text) { SettingPut(f.position, f.width, text); }
    std::string Get(SettingField f) const { return SettingGet(f.position, f.width); }

    // "Y" is on; anything else (also empty) is off.
    bool IsYes(SettingField f) const { return Get(f) == "Y"; }
    // Only "N" is off.
    bool IsNotNo(SettingField f) const { return Get(f) != "N"; }
    // The field read as a decimal integer (leading blanks and a sign allowed), or fallback.
    long long GetInt(SettingField f, long long fallback = 0) const;

    // The program directory with its trailing separator. It goes into field::ProgramDir as
    // well, but that field holds 200 characters; paths are built from the full copy kept
    // here so that a deep install directory never yields a cut, wrong path.
    void SetProgramDir(std::string_view dir);
    // The full directory when the field still holds it, otherwise the field's text.
    std::string ProgramDir() const;

    // The folder that holds DATA and the version stamp (ProgramPaths): the program directory
    // unless another folder was set. It has no field: the preferences path of the record
    // (field::PrefsPath) is relative to it.
    void SetDataFolder(std::string_view dir) { dataFolder_.assign(dir); }
    std::string DataFolder() const { return dataFolder_.empty() ? ProgramDir() : dataFolder_; }

    // The preferences of play and drawing that no field holds.
    PreferenceOptions options;

  private:
    std::array<std::string, 3> blocks_;
    std::string programDir_;
    std::string dataFolder_;
    std::string programDirField_;  // the field's text when programDir_ was set
};

// Decimal digits padded with leading zeros to the width, a minus sign first for negative
// numbers ("-001" for -1 in width 4); asterisks across the width when it does not fit.
std::string ZeroPad(long long number, int width);

// Parses a whole decimal integer (leading blanks and one sign allowed, nothing after it).
bool ParseInteger(std::string_view text, long long& value);

// A whole decimal integer within lo..hi with no blank before it, as the program's own data
// files write their numbers.
bool ParseIntegerIn(std::string_view text, int lo, int hi, int& value);

// The named fields of the record.
namespace field {
constexpr SettingField PrefsPath{1, 20};  // "DATA\CFG.DAT", relative to DataFolder()
constexpr SettingField BackCard{21, 3};
constexpr SettingField CardSet{24, 3};
constexpr SettingField BackgroundDef{27, 1};
constexpr SettingField BackgroundCol{28, 15};
constexpr SettingField BackgroundBmp{43, 4};
constexpr SettingField BackgroundFixedCol{47, 15};
constexpr SettingField GameId{62, 4};
constexpr SettingField ShowTime{66, 1};
constexpr SettingField CardsAnimate{67, 1};
constexpr SettingField Language{68, 6};
constexpr SettingField SpeedMoveCard{74, 2};
constexpr SettingField StatusBar{76, 1};
constexpr SettingField UserDefault{77, 30};
constexpr SettingField Counter1{112, 4};
constexpr SettingField Counter2{116, 4};
constexpr SettingField ScoringSystem{120, 2};
constexpr SettingField Score{122, 6};
constexpr SettingField CardSize{128, 1};
constexpr SettingField SavedCardSet{129, 3};
constexpr SettingField SavedBackCard{132, 3};
constexpr SettingField FadeBackground{135, 1};
constexpr SettingField ShowScore{136, 1};
constexpr SettingField UndoEnabled{137, 1};
constexpr SettingField UndoAvailable{138, 1};
constexpr SettingField RedoAvailable{139, 1};
constexpr SettingField SoundsEnabled{141, 1};
constexpr SettingField SoundsAbout{142, 1};
constexpr SettingField SoundsAutoplay{143, 1};
constexpr SettingField SoundsGameWon{144, 1};
constexpr SettingField SoundsNewGame{145, 1};
constexpr SettingField SoundsRedo{146, 1};
constexpr SettingField SoundsRestart{147, 1};
constexpr SettingField SoundsSplash{148, 1};
constexpr SettingField SoundsShuffle{149, 1};
constexpr SettingField SoundsUndo{151, 1};
constexpr SettingField RandomBackground{152, 1};
constexpr SettingField GameNumber{153, 15};
constexpr SettingField SoundsHiScores{171, 1};
constexpr SettingField Cursor{172, 2};
constexpr SettingField SoundsNewHiScores{174, 1};
constexpr SettingField SoundsPairing{175, 1};
constexpr SettingField SoundsStock{176, 1};
constexpr SettingField SoundsTableau{177, 1};
constexpr SettingField CardsShadowed{178, 1};
constexpr SettingField PilesTT{179, 1};
constexpr SettingField SoundsFaceUp{180, 1};
constexpr SettingField SoundsCardDown{181, 1};
constexpr SettingField SoundsCardUp{182, 1};
constexpr SettingField SoundsRedeal{183, 1};
constexpr SettingField SoundsFoundation{184, 1};
constexpr SettingField ConfirmQuitGame{185, 1};
constexpr SettingField ConfirmEnterHiScores{186, 1};
constexpr SettingField RandomCard{187, 1};
constexpr SettingField RandomDeck{188, 1};
constexpr SettingField GameName{189, 50};
constexpr SettingField AutomaticFaceUp{239, 1};
constexpr SettingField SavedCardSize{240, 1};
constexpr SettingField DealAnimation{241, 1};
constexpr SettingField RedealAnimation{242, 1};
constexpr SettingField VertScrollBar{243, 1};
constexpr SettingField ShowToolTips{244, 1};
constexpr SettingField ShowPilesSize{245, 1};
constexpr SettingField CustomizedBackground{246, 1};
constexpr SettingField RightClickToFoundations{247, 1};
constexpr SettingField RightClickToTableaus{248, 1};
constexpr SettingField DoubleClickToFoundations{249, 1};
constexpr SettingField DoubleClickToTableaus{251, 1};
constexpr SettingField SoundsRedealWithoutAnimation{252, 1};
constexpr SettingField ShowMainPopupMenu{253, 1};
constexpr SettingField ShowPartialHiddenCard{255, 1};
// New game deals only numbers the solver has won ("Y").
constexpr SettingField WinnableDealsOnly{258, 1};
constexpr SettingField ProgramDir{501, 200};  // with trailing separator
}  // namespace field

}  // namespace tindle
