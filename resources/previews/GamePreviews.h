#pragma once

#include <QColor>
#include <QImage>

#include <filesystem>
#include <string>

// The preview pictures of the open-a-game dialog, drawn from the games themselves: each game
// of GAMES.DAT is dealt from a fixed game number, laid out for the preview's size in
// preview mode with the little cards, and drawn by the table drawing code on a table of one
// key colour. The dialog makes that colour (the picture's top-left pixel) transparent and
// shows its own background through it; the translucent marks of empty piles keep their
// transparency in the picture, so that the dialog's background shows through them too.

namespace tindle {

class CardPictures;
class Catalogue;
class SettingsRecord;

namespace previews {

// The deal every preview shows.
inline constexpr const char* kPreviewGameNumber = "0000000004711";
inline constexpr char kPreviewCardSize = 'L';
// The table colour of the previews: a colour no card picture, mark or edge uses.
inline const QColor kKeyColour{255, 0, 254};

struct PreviewPicture {
    QImage image;       // null on failure
    std::string error;  // what failed
};

// The program's defaults with the little cards, no shadows (a shadow would blend into the
// key colour and show as a coloured fringe) and a plain table of the key colour.
void PreviewSettings(SettingsRecord& settings, const std::filesystem::path& programDir);

// The preview of one catalogue game. pictures must hold the little cards (kPreviewCardSize)
// without shadows. The picture is at most the preview's size: the table's columns that hold
// nothing are cut away on both sides, so that the dialog centres what is drawn.
PreviewPicture RenderGamePreview(const Catalogue& catalogue, int gameId, CardPictures& pictures,
                                 const std::filesystem::path& programDir);

// The picture of what lies on the table, from the same table drawn on black and on white:
// where both agree the pixel is opaque, where they differ by the whole range the table shows
// (the pixel becomes the opaque key colour), and in between the difference is the pixel's
// transparency (the translucent marks of empty piles keep it). Pictures of different sizes
// give a picture of the key colour.
QImage SeparateFromTable(const QImage& onBlack, const QImage& onWhite, QRgb key);

// The columns of the picture that hold something other than the key colour, as [left, right);
// an all-key picture gives [0, width).
std::pair<int, int> UsedColumns(const QImage& image, QRgb key);

}  // namespace previews
}  // namespace tindle
