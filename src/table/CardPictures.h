#pragma once

#include <QImage>
#include <QRect>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/settings/SettingsRecord.h"
#include "table/ResourceLibrary.h"

// The card pictures in memory: the 53 faces, the back, the marks of empty piles, the shadow
// and stock-thickness strips, in the size the player chose. Created once at start-up and
// passed by reference; reloaded when the size, the card set or the back changes. Every
// picture is decoded when it is first asked for (a start that shows no cards never decodes
// the sheets, an empty table only the marks it shows), unless DecodeAhead made it before;
// the library must outlive the pictures.
//
// Drawn at a scale (the zoom times the screen's device pixel ratio), every picture is made
// from the library's smallest version at least that fine (1, 2 or 3 times the card size),
// scaled down with smooth filtering once when it is loaded, and carries the scale as its
// devicePixelRatio. Only the pictures of the scale in use are loaded; a change of scale
// loads them again.

namespace tindle {

class MessagePort;

// The marks in the order they are loaded (and held).
enum class MarkSlot {
    EmptyFoundation = 0,    // "004"
    Waste,                  // "_WASTE"
    StockRedeal,            // "022"
    StockHighlight,         // "005"
    StockNoRedeal,          // "008"
    EmptyTableauBase,       // "004", a second copy
    RankA,                  // "010", then 2..10 ("012".."020")
    ReserveJ = RankA + 10,  // "006", also the rank mark of Jacks
    ReserveQ,               // "003", also the rank mark of Queens
    ReserveK,               // "011", also the rank mark of Kings
    TableauFree,            // "_TABLEAU"
    Reserve,                // "001"
    Reserve9,               // "009"
};
inline constexpr int kMarkCount = 22;

class CardPictures {
  public:
    static constexpr int kFaceCount = 53;  // 52 cards and the joker
    static constexpr int kJokerIndex = 52;

    explicit CardPictures(const ResourceLibrary& library);

    // The library's scale a picture is made from at a drawing scale: the smallest of 1, 2
    // and 3 at least as large, so that pictures are only ever scaled down (3 beyond it).
    static int SourceScaleFor(qreal scale);
    // Image pixels per card pixel of the pictures. A new scale takes effect at the next
    // LoadCardPictures; true when it changed.
    bool SetScale(qreal scale);
    qreal Scale() const { return scale_; }

    int CardWidth() const { return width_; }
    int CardHeight() const { return height_; }
    QRect CardRect() const { return QRect(0, 0, width_, height_); }
    char SizeLetter() const { return letter_; }
    int ShadowMargin() const { return shadowMargin_; }

    // Dimensions from a size letter "B", "M" or "L"; any other text leaves the previous
    // dimensions and gives false.
    bool SetCardSize(std::string_view letter);
    // 9 unless the Cards_Shadowed setting is "N", then 0.
    void ApplyShadowSetting(const SettingsRecord& settings);

    // Dimensions from the Card_Size setting, then every picture, then the spare card.
    void ApplyCardSize(const SettingsRecord& settings);
    // Marks, back, shadows, borders and the faces (the four sheets of the Card setting and
    // the joker) of the current size and scale, each made when first asked for.
    void LoadCardPictures(const SettingsRecord& settings);
    // The back alone (Back_Card setting). Medium backs other than 011 are the big back
    // scaled to the medium size.
    void LoadCardBack(const SettingsRecord& settings);
    // Makes the back and the strips now rather than when first asked for: a worker that loads
    // the pictures while the window is being made, so that the window finds them. Of the
    // marks, only those whose bit (1 << MarkSlot) is set in `marks`: a table shows a few of
    // them, and the others wait for the pile that shows one.
    void DecodeAhead(uint32_t marks = 0) const;
    // The marks made since the last load, one bit per MarkSlot: those the tables have shown.
    uint32_t MadeMarks() const;
    // Opens the library's file of finer pictures ahead of the first picture made from it.
    void OpenFinerSources() const { library_.OpenFinerPictures(); }

    // Face picture 0..52 (suit base + rank - 1, 52 the joker); an empty image otherwise.
    const QImage& Face(int index) const;
    // The face of a card number: 1..52 and 53..104 (second deck) and the jokers 105..108;
    // an empty image for anything else.
    const QImage& FaceOfCard(int cardNumber) const;
    const QImage& Back() const;
    const QImage& Mark(MarkSlot slot) const;
    // The rank mark of rank 1..13 (J, Q, K share the reserve variants); empty otherwise.
    const QImage& RankMark(int rank) const;
    // The mark of a special stock type, loaded from the library each time.
    QImage SpecialStockMark() const;
    // Shadow strips (1 vertical, 2 horizontal) and stock edges (1 horizontal, 2 vertical),
    // with their key colour already made transparent.
    const QImage& Shadow(int form) const;
    const QImage& Border(int form) const;
    // The spare card picture of the drawing code (a copy of face 0 after ApplyCardSize).
    QImage& SpareCard();

    // A bitmap of the library; an empty picture when the name is not held.
    QImage LoadResourcePicture(std::string_view name) const;

  private:
    // A picture of the library at the current scale, width x height table pixels large
    // (transparent where the library's is missing or short).
    QImage Scaled(std::string_view name, int width, int height) const;
    // The library's picture of a name at the scale the current one is made from, with that
    // scale (1 when the finer picture is missing).
    struct Source {
        QImage image;
        int scale = 1;
    };
    Source SourceOf(std::string_view name) const;
    // A card face or back at the current scale: its corner pixels clear, the rest opaque.
    QImage CardPicture(std::string_view name) const;
    QImage Keyed(std::string_view name, QRgb key) const;
    // The faces of one suit (0..3) or the joker (kJokerSheet), cut from the library.
    static constexpr int kJokerSheet = 4;
    void CutFaces(int suit) const;
    const QImage& CutFace(int index) const;
    // A picture made when first asked for, until the next load forgets it.
    struct Lazy {
        QImage image;
        bool made = false;
    };
    template <class Make>
    static const QImage& Made(Lazy& picture, Make make);
    QImage MakeBack() const;

    const ResourceLibrary& library_;
    int width_ = 71;
    int height_ = 96;
    char letter_ = 'B';
    qreal scale_ = 1.0;
    int shadowMargin_ = kShadowMarginOn;
    std::string cardSet_ = "001";
    std::string backNumber_ = "011";
    mutable std::array<QImage, kFaceCount> faces_;
    mutable std::array<bool, 5> facesCut_{};
    mutable std::array<Lazy, kMarkCount> marks_;
    mutable std::array<Lazy, 2> shadows_;
    mutable std::array<Lazy, 2> borders_;
    mutable Lazy back_;
    QImage spare_;
    QImage none_;
};

// Loads a picture file of the player's (a customised background) into bitmap. A name
// without a folder part is programFolder + name + ".bmp"; a name with one is taken as it
// is (backslashes read as folder separators). A missing file shows the fatal "images file"
// box through the message port and gives false, as does a file that is not a picture; the
// caller ends the program. The bitmap is left alone on failure.
bool LoadPictureFile(QImage& bitmap, const std::string& name, const std::string& programFolder,
                     MessagePort& messages);

// The text of the missing-images-file box.
std::string ImagesFileMissingText(const std::string& path);

// A picture file of the player's: a regular file of at most kMaxPictureFileBytes holding a
// picture; a null image otherwise (missing, a folder or device, too long, no picture).
inline constexpr std::size_t kMaxPictureFileBytes = 32u << 20;
QImage ReadPictureFile(const std::string& path);

}  // namespace tindle
