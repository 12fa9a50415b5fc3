#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table/layout/CardSize.h"

// Every name the program asks of the resource library ZUV.RGF, in one place. The generator
// under resources/ draws a picture, cursor or sound for each of them and refuses to finish
// when one is missing; the program builds its look-ups from the same functions.
//
// Names are Windows-style and looked up without regard to case ("DB011" and "db011" are the
// same picture). Pure standard C++, so that the generator can compile it without Qt.

namespace tindle {

enum class ResourceKind { Bitmap, Cursor, Sound };

// One resource the library must hold. A width or height of 0 means "any size".
struct RequiredResource {
    ResourceKind kind;
    std::string name;
    int width = 0;
    int height = 0;
};

// ---------------------------------------------------------------------------------------
// Card sizes and card pictures.

struct CardSizeSpec {
    char letter;
    int width;
    int height;
};

constexpr CardSizeSpec CardSizeSpecOf(char letter) {
    const CardDimensions d = CardSizeFor(letter).value_or(CardDimensions{});
    return {letter, d.width, d.height};
}

// The three sizes in the order big, medium, little (dimensions from the layout's table).
inline constexpr std::array<CardSizeSpec, 3> kCardSizes{
    {CardSizeSpecOf('B'), CardSizeSpecOf('M'), CardSizeSpecOf('L')}};

// The dimensions of a size letter ("B", "M", "L"); nothing for any other text.
std::optional<CardSizeSpec> CardSizeByLetter(std::string_view letter);

// The card pictures (face sheets, jokers, backs, marks, shadows and stock borders) are held
// also finer, for tables drawn at a zoom or on screens of several device pixels per pixel:
// NAME + "_2X" twice as large in each direction, NAME + "_3X" three times.
inline constexpr std::array<int, 3> kPictureScales{1, 2, 3};
std::string FinerPictureName(std::string_view name, int scale);  // "DB011_2X"; scale 1: NAME
// The scale a name is held at: 2 for "DB011_2X", 3 for "DB011_3X", 1 for any other name.
int FinerPictureScale(std::string_view name);
// The finer pictures are a library of their own beside ZUV.RGF, opened only by a table drawn
// finer than its card pixels; ZUV.RGF holds everything else.
inline constexpr std::string_view kFinePicturesLibraryName = "ZUV2X.RGF";

// Suit letters of the face sheets in load order (hearts, diamonds, clubs, spades).
inline constexpr std::array<char, 4> kSuitLetters{'H', 'D', 'C', 'S'};

// Card sets held by the library: 1 the standard set, 3 the plain high-contrast set.
inline constexpr std::array<int, 2> kCardSets{1, 3};

struct NamedCode {
    int code;
    std::string_view name;
};

// Card backs with the names the Customize dialog gives them.
inline constexpr std::array<NamedCode, 8> kCardBacks{{{1, "Leonardo da Vinci"},
                                                      {3, "Snowman"},
                                                      {6, "Plaiting 2"},
                                                      {7, "Classic blue"},
                                                      {11, "Plaiting 1"},
                                                      {14, "Roses"},
                                                      {19, "Tropical fish"},
                                                      {20, "Lake"}}};
// The only back with a picture of its own in the medium size; the others are scaled.
inline constexpr int kOwnMediumBack = 11;

// Background pictures (tiled) with the names the Customize dialog gives them.
inline constexpr std::array<NamedCode, 9> kBackgroundPictures{{{102, "Moquette"},
                                                               {263, "Marble 1"},
                                                               {277, "Leaves"},
                                                               {287, "Metal gold"},
                                                               {296, "Moquette 1"},
                                                               {302, "Pattern 1"},
                                                               {304, "Brick wall 1"},
                                                               {311, "Parquet"},
                                                               {324, "Meadow"}}};

// The marks of empty piles, in the order the card pictures load them ("004" twice: the
// empty foundation and the empty tableau with a base rank).
inline constexpr std::array<std::string_view, 22> kMarkLoadOrder{
    "004", "_WASTE", "022", "005", "008", "004", "010", "012", "013",      "014", "015",
    "016", "017",    "018", "019", "020", "006", "003", "011", "_TABLEAU", "001", "009"};
// The stock mark of games with a special stock type; loaded afresh each time it is drawn.
inline constexpr std::string_view kSpecialStockMark = "021";
// Every distinct mark code held per size (the load order's codes plus the special stock).
std::vector<std::string_view> AllMarkCodes();
// The rank mark of rank 1..13 (A, 2..10, J, Q, K); empty for anything else.
std::string_view RankMarkCode(int rank);

std::string FaceSheetName(char size, int cardSet, char suitLetter);  // "CB001H"
std::string CardBackName(char size, int back);                       // "DB011"
std::string MarkName(char size, std::string_view code);              // "WB_WASTE"
std::string ShadowName(char size, int form);                         // "SHADOW_B1"
std::string BorderName(char size, int form);                         // "3D_BORDER_B2"
std::string JokerName(char size);                                    // "JOKER_B"

// Shadow strips, drawn right of and below a card: form 1 is the vertical strip (placed at
// the card's right edge, 7 pixels below its top), form 2 the horizontal one (placed 8
// pixels right of the card's left edge, along its bottom). White is transparent; the other
// pixels are black with an alpha that fades away from the card.
inline constexpr int kShadowDepth = 9;
int ShadowWidth(const CardSizeSpec& size, int form);
int ShadowHeight(const CardSizeSpec& size, int form);

// Stock-thickness strips, pure blue transparent, 16 pixels deep. Form 1 (horizontal,
// CardWidth + 11 wide) shows the bottom edges of the cards under the top one: its row r
// holds the edge of a card from column r - 4 to column r - 4 + CardWidth - 1, so that the
// rows 15 - d .. 15 cut for a stack d cards thick line up when the strip is drawn at
// (saved x - 11, top card's bottom - 1). Form 2 (vertical, CardHeight + 13 high) is the
// same for the right edges: column c holds rows c - 2 .. c - 2 + CardHeight - 1, drawn at
// (top card's right - 1, saved y - 13).
inline constexpr int kBorderDepth = 16;
int BorderWidth(const CardSizeSpec& size, int form);
int BorderHeight(const CardSizeSpec& size, int form);

// Small suit pictures of the joker labels, suit index 0..3.
inline constexpr std::array<std::string_view, 4> kSuitPictures{"SUIT_HEARTS", "SUIT_DIAMONDS",
                                                               "SUIT_CLUBS", "SUIT_SPADES"};
inline constexpr int kSuitPictureSize = 9;

std::string BackgroundName(int number);  // "B302"

// ---------------------------------------------------------------------------------------
// Cursors: numbers 10..15 the normal forms, 20..25 the twins shown while dragging.

struct CursorResource {
    int number;
    std::string_view name;
};
inline constexpr std::array<CursorResource, 12> kCursors{{{10, "CUR_ARROW1A"},
                                                          {11, "CUR_ARROW2A"},
                                                          {12, "CUR_RIGHT_HAND1A"},
                                                          {13, "CUR_RIGHT_HAND2A"},
                                                          {14, "CUR_LEFT_HAND1A"},
                                                          {15, "CUR_LEFT_HAND2A"},
                                                          {20, "CUR_ARROW1B"},
                                                          {21, "CUR_ARROW2B"},
                                                          {22, "CUR_RIGHT_HAND1B"},
                                                          {23, "CUR_RIGHT_HAND2B"},
                                                          {24, "CUR_LEFT_HAND1B"},
                                                          {25, "CUR_LEFT_HAND2B"}}};
inline constexpr int kCursorSize = 32;

// ---------------------------------------------------------------------------------------
// Sounds (WAVE, 16-bit PCM mono).

inline constexpr std::array<std::string_view, 16> kSounds{
    "Splash", "About",    "New",    "Won",      "Shuffle", "Pairing", "Tableau",   "Foundation",
    "Eddy",   "Autoplay", "Redeal", "Red_no_a", "Stock",   "card_up", "card_down", "Face_up"};
// The sounds played in a loop; they repeat without a seam.
inline constexpr std::array<std::string_view, 2> kLoopedSounds{"Shuffle", "Redeal"};

// ---------------------------------------------------------------------------------------
// Interface pictures.

enum class ToolbarCommand { New, Open, Undo, Redo, Autoplay, Rules, Exit };
inline constexpr std::array<ToolbarCommand, 7> kToolbarCommands{
    ToolbarCommand::New,      ToolbarCommand::Open,  ToolbarCommand::Undo, ToolbarCommand::Redo,
    ToolbarCommand::Autoplay, ToolbarCommand::Rules, ToolbarCommand::Exit};
// Glyph sizes of the large (44 x 42) and small (23 x 22) toolbar buttons.
inline constexpr int kLargeGlyphSize = 32;
inline constexpr int kSmallGlyphSize = 16;
// The glyph of a toolbar button. The small row's Undo, Redo and Autoplay glyphs keep the
// names the main window swaps in ("TB_UNDO", "TB_UNDO_DIS", "TB_REDO", "TB_REDO_DIS",
// "TB_AUTOPLAY1", "TB_AUTOPLAY_DIS1"); the others follow "TB_NEW" (large) and "TB_NEW1"
// (small), with "_DIS" before the size digit for the disabled form. Large Undo and Redo are
// "TB_UNDO_LARGE" and "TB_REDO_LARGE".
std::string ToolbarGlyphName(ToolbarCommand command, bool large, bool enabled);

// The tree icons of the open-a-game dialog in image-list order (16 x 16 each).
const std::vector<std::string>& TreeImageListNames();
// The icon of a game type (2..22, 800); "TREE1" for a type without an icon of its own.
std::string TreeTypeIconName(int gameType);
inline constexpr int kTreeIconSize = 16;

// Rating pictures of the open-a-game dialog (48 x 13), by value of the game's field.
inline constexpr std::array<std::string_view, 3> kGameTimePictures{
    "PROG_TIME_LONG", "PROG_TIME_MEDIUM", "PROG_TIME_QUICK"};
inline constexpr std::array<std::string_view, 3> kDifficultyPictures{
    "PROG_DIFF_EASY", "PROG_DIFF_MEDIUM", "PROG_DIFF_HARD"};
inline constexpr std::array<std::string_view, 5> kSkillPictures{
    "PROG_SKILL_DIFFICULT", "PROG_SKILL_MOSTLYSKILL", "PROG_SKILL_MODERATE",
    "PROG_SKILL_MOSTLYCHANCE", "PROG_SKILL_CHANCEONLY"};
inline constexpr std::array<std::string_view, 5> kWinningPictures{
    "PROG_CHAN_VERYHIGH", "PROG_CHAN_HIGH", "PROG_CHAN_MEDIUM", "PROG_CHAN_LOW",
    "PROG_CHAN_VERYLOW"};
inline constexpr int kRatingWidth = 48;
inline constexpr int kRatingHeight = 13;

// Pictures of the advice box by page (0 colour depth, 1 screen size).
inline constexpr std::array<std::string_view, 2> kAdvicePictures{"Color", "640x480"};
inline constexpr int kAdviceWidth = 96;
inline constexpr int kAdviceHeight = 128;

// The preview of a game's table in the open-a-game dialog: "GAME" and the GameId in four
// digits ("GAME0005"). The generator draws one for every game of GAMES.DAT; the dialog shows
// it in a frame of kGamePreviewWidth x kGamePreviewHeight, with the colour of its top-left
// pixel transparent. A game without one shows the frame's background only.
std::string GamePreviewName(int gameId);
inline constexpr int kGamePreviewWidth = 300;
inline constexpr int kGamePreviewHeight = 185;

inline constexpr std::string_view kFreewarePicture = "Freeware";
inline constexpr int kFreewareWidth = 220;
inline constexpr int kFreewareHeight = 150;
inline constexpr std::string_view kSplashPicture = "SPLASH";
inline constexpr int kSplashWidth = 480;
inline constexpr int kSplashHeight = 300;
// The program icon: 256 pixels for installing, 32 for the window.
inline constexpr std::string_view kIconPicture = "ICON";
inline constexpr std::string_view kSmallIconPicture = "ICON32";
inline constexpr int kIconPictureSide = 256;
inline constexpr int kSmallIconPictureSide = 32;

// ---------------------------------------------------------------------------------------

// Everything above, with the pixel size each picture must have.
std::vector<RequiredResource> RequiredResources();

// The canonical spelling of a name inside the library: upper case ASCII.
std::string CanonicalResourceName(std::string_view name);

}  // namespace tindle
