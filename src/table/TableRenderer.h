#pragma once

#include <QImage>
#include <QRect>

#include <array>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "play/TableView.h"
#include "table/BackgroundPainter.h"
#include "table/WindowSurface.h"

// The table on screen. It keeps the composed picture of the table (TableImage, unscrolled
// table coordinates, at least the largest window's size plus 30 pixels each way), what the
// painting of its background put there (kept as a short description rather than a second
// picture: the source of every erase and of the rounded card corners), the picture of cards
// being moved (DragImage) and the window's surface, and draws cards, pile marks, the stock's
// thickness, moving pictures with their shadows, selections, highlights and joker labels
// into them, as play asks through TableView.
//
// Coordinates given to it are window (scrolled) coordinates, as the layout's getters give
// them; drawing into TableImage adds the scroll offset of the layout. "On the window" means
// drawn into the surface and shown at once (the observer repaints that rectangle); a card's
// flight or a drag step shows only the rectangles that changed, never the whole window.
//
// How the window uses it: the table widget implements SurfaceObserver and passes itself to
// SetObserver; its paint event calls PaintWindow (the surface, or the table picture while
// nothing was ever drawn on the window alone, so that the window-sized picture is made only
// when a first card moves); its resize calls SetWindowSize, then the layout, PaintBackground
// and RepaintTable. tindle-cli and the open-a-game preview use it without any window
// (RenderTableImage in TableRender.h).
//
// The bare table: while no game is in play (the start, before a game is chosen) the window
// shows only the background, the empty marks of the tableau and the reserves, the stock
// family and the foundations (ShowBareTable). That picture is painted straight onto the
// window from its description, in bands, and the table picture is not made at all: it is
// made, holding exactly what the window shows, the first time anything is drawn into it or
// asked of it. A start thus never pays for a screen-sized picture and its full copy.

class QPainter;

namespace tindle {

class CardPictures;
class DealClock;
class Game;
class MessagePort;
class SettingsRecord;
class SoundPort;
class TMainGame;
class TimePort;

class TableRenderer : public TableView {
  public:
    // Extra pixels the table picture has beyond the window in each direction.
    static constexpr int kTableImageSlack = 30;

    TableRenderer(Game& game, TMainGame& layout, SettingsRecord& settings, CardPictures& pictures,
                  TimePort& time, SoundPort& sounds, MessagePort& messages);

    // ---- Sizes and the window.
    // The window's table (its client area): the surface takes this size, TableImage grows to
    // at least this size + 30 each way, and the background is painted for this table.
    void SetWindowSize(int width, int height);
    // Whether the main vertical scroll bar shows (the faded background reaches further).
    void SetScrollBarVisible(bool visible);
    // Colours the display shows (256 or fewer: the plain greens, no fade).
    void SetDisplayColours(long long colours);
    void SetObserver(SurfaceObserver* observer) { surface_.SetObserver(observer); }
    // Image pixels per table pixel (the zoom times the screen's device pixel ratio). Every
    // coordinate stays in table pixels; the pictures are made this much finer. The table is
    // drawn afresh after a change (the caller repaints).
    void SetScale(qreal scale);
    qreal Scale() const { return scale_; }

    // The window's surface, with a picture of its own from now on.
    WindowSurface& Surface();
    // Whether the surface has been given a picture of its own (something was drawn on the
    // window alone, or Surface() was asked for).
    bool WindowHasOwnPicture() const;
    // Brings invalidated parts of the surface up to date from TableImage (PaintWindow does).
    void SyncSurface();
    // Paints a region of the window: the surface's picture, or TableImage while the surface
    // has none; a region beyond both is the default green.
    void PaintWindow(QPainter& painter, const QRect& region);

    // The table picture (made now when the bare table is shown without it).
    const QImage& TableImage();
    // Whether the table picture exists (false while the bare table is shown without it).
    bool HasTablePicture() const { return !bareTable_; }
    // The table's background alone, as large as TableImage. It is drawn on request from
    // what the last background painting put on the table; no such picture is kept.
    QImage BackgroundImage() const;

    // Shows the table of no game in play: the background the preferences choose, and with
    // piles, the empty marks of the tableau and the reserves, the stock family and the
    // foundations as they are. The table picture is given up until it is needed again.
    void ShowBareTable(bool withPiles);
    const QImage& DragImage() const { return dragImage_; }
    BackgroundPainter& Backgrounds() { return backgrounds_; }

    // Set by every full repaint of a game.
    bool TableDrawn() const { return tableDrawn_; }

    // ---- TableView.
    void PaintBackground() override;
    void RepaintTable(bool deal) override;
    void RedrawWholeTable() override;
    void PresentTable() override;
    void RefreshRect(const TableRect& rect) override;
    void DrawCard(int card, int x, int y, bool moving, DrawTarget target) override;
    void DrawCardBack(int x, int y, int height, bool moving, DrawTarget target) override;
    void DrawPile(PileRef pile, DrawTarget target) override;
    void DrawPileTop(PileRef pile, DrawTarget target) override;
    void RedrawAfterRemoval(PileRef pile, std::string_view before, std::string_view after) override;
    void DrawEmptyStockMark() override;
    void DrawButtonPile(bool pressed) override;
    void FadeInCard(int card, int x, int y) override;
    void BuildDragImage(PileRef pile, int position) override;
    bool MoveImageTo(int x, int y, bool drop, bool fixCorners) override;
    void AnimateMove(int card, int fromX, int fromY, int toX, int toY,
                     const FlightOptions& options) override;
    void InvertCard(const TableRect& rect, bool invert) override;
    void DrawSelection(bool invert) override;
    void HighlightFoundations(int index) override;
    void DrawJokerLabels() override;
    void ShowWholeCard(int card, int x, int y) override;

    // ---- Further drawing operations (window coordinates).
    // A card-sized mark picture drawn over the bare table at the place.
    void DrawPicture(const QImage& picture, int x, int y, DrawTarget target);
    // The mark of an empty pile of a mark kind (EmptyMarks.h) at a place.
    void DrawEmptyMark(int kind, int x, int y, int pileIndex, DrawTarget target);
    void DrawEmptyTableauAndReserves(DrawTarget target);
    // The stock family (with its thickness) and every foundation.
    void DrawStockAndFoundations(DrawTarget target, bool dealing);
    // The corner pixels of a card rectangle taken from BackgroundImage.
    void RestoreCorners(const QRect& card, DrawTarget target);
    // TableImage within the rectangle drawn afresh: the background, then every pile that
    // reaches into it, in the order of a full repaint, and the highlights. Nothing outside
    // the rectangle changes; the window is not touched.
    void RedrawRegion(const QRect& windowRect);

  private:
    // Where a drawing lands: an image, the offset from window coordinates to its pixels, and
    // the pixels that may change. The window rectangles drawn are collected in `touched`.
    struct Canvas {
        QImage* image = nullptr;
        int offsetX = 0;
        int offsetY = 0;
        QRect clip;
        bool tracksTableBottom = true;
        QRect touched;
        QPoint ToImage(int x, int y) const { return QPoint(x + offsetX, y + offsetY); }
        // The table pixels of the image that may change.
        QRect Bounds() const;
    };
    enum class StockFace { Stored, FaceUp, Back };
    enum class PictureKind { Opaque, Blended, Empty };

    Canvas TableCanvas();
    Canvas WindowCanvas();
    Canvas DragCanvas(int originX, int originY);
    int Scroll() const;
    int CardWidth() const;
    int CardHeight() const;
    int ShadowMargin() const;
    bool ShadowsOn() const;

    // Draws with a function on the images a target names, then shows the window part.
    template <class Draw>
    void DrawOn(DrawTarget target, Draw&& draw) {
        if (target == DrawTarget::Window) {
            FlushPending();
            Canvas c = WindowCanvas();
            draw(c);
            surface_.RepaintNow(c.touched);
            return;
        }
        Canvas c = TableCanvas();
        draw(c);
        if (target == DrawTarget::Both) ShowTableRect(c.touched);
    }
    // The surface's own picture, made from TableImage when it has none yet.
    QImage& WindowImage();
    // The table picture's rectangle (also while it is not made).
    QRect TableExtent() const { return QRect(QPoint(0, 0), tableSize_); }
    // Makes the table picture of the bare table when it does not exist.
    void MakeTablePicture();
    // The bare table's region of the window painted band by band.
    void PaintBareTable(QPainter& painter, const QRect& region);
    void BareTableOn(Canvas& c);
    void EmptyTableauAndReservesOn(Canvas& c);
    void ShowTableRect(const QRect& windowRect);
    void InvalidateWindow(const QRect& windowRect);
    void FlushPending();

    PictureKind KindOf(const QImage& picture);
    void BlitCard(Canvas& c, const QImage& picture, int x, int y, int height, bool moving);
    void BlitPicture(Canvas& c, const QImage& picture, int x, int y);
    void BlendOnto(Canvas& c, const QImage& picture, int x, int y);
    void CopyFromBackground(Canvas& c, const QRect& windowRect);
    // The background's pixels of a TableImage rectangle drawn into dst at `at` (clipped).
    void CopyBackground(const QRect& tableRect, QImage& dst, QPoint at,
                        const QRect& clip = QRect()) const;
    // Whether a TableImage image pixel has a background pixel (lies inside the table picture).
    bool HasBackgroundPixel(int x, int y) const;
    void RaiseTableBottom(const Canvas& c, int y);
    // The background pixel (image pixels) under an image pixel of a canvas.
    QPoint BackgroundPixelOf(const Canvas& c, QPoint devicePixel) const;
    QSize DeviceTableSize() const;
    // DragImage at least width x height table pixels, at the current scale.
    void EnsureDragImage(int width, int height);

    void CardOn(Canvas& c, int card, int x, int y, bool moving);
    void BackOn(Canvas& c, int x, int y, int height, bool moving);
    void MarkPictureOn(Canvas& c, const QImage& picture, int x, int y);
    const QImage* MarkOverBackground(const QImage& picture, const QRect& windowRect, qreal scale);
    void EmptyMarkOn(Canvas& c, int kind, int x, int y, int pileIndex);
    void CornersOn(Canvas& c, const QRect& card, bool upper, bool lower);
    void StockPileOn(Canvas& c, int k, StockFace face);
    void PileCardOn(Canvas& c, PileRef ref, int position);
    void PileOn(Canvas& c, PileRef ref);
    void PileCornersOn(Canvas& c, PileRef ref, int topPosition);
    void StockAndFoundationsOn(Canvas& c, bool dealing);
    void HighlightOn(Canvas& c, int foundation, int style, int colourIndex);

    // Places.
    QRect CardRectOf(PileRef ref, int position) const;
    QPoint CardPlace(PileRef ref, int position) const;
    QRect PileArea(PileRef ref) const;
    QRect StockArea(int k) const;
    // The rectangle stock-family pile k covers with its top card and edges as it now stands.
    QRect StackRect(int k) const;
    bool StockOnTable(int k) const;
    bool IsFoundationComplete(int i) const;
    // Every pile on the table in the order of a full repaint: stock family, foundations,
    // reserves, tableau.
    std::vector<PileRef> PilesInOrder() const;

    // A card of the selection and where it lies.
    struct CardSpot {
        PileRef pile;
        int position = 0;
    };
    std::optional<CardSpot> FindSelectedCard(int card) const;
    bool SelectsCards() const;

    // The deal.
    struct DealPoint {
        int x = 0;
        int y = 0;
        PileRef pile;
        bool hasPile = false;
    };
    DealPoint ChooseDealPoint() const;
    // The order the cards of the table are laid in (each pile's first place also when empty).
    std::vector<CardSpot> DealOrder() const;
    void DealCard(PileRef ref, int position, const DealPoint& from);

    // Moving pictures.
    void DrawShadow(const QRect& windowRect);
    void DrawDitheredShadow(const QRect& windowRect);

    Game& game_;
    TMainGame& layout_;
    SettingsRecord& settings_;
    CardPictures& pictures_;
    TimePort& time_;
    SoundPort& sounds_;
    MessagePort& messages_;

    QImage tableImage_;
    QSize tableSize_{1, 1};  // what TableImage has, or will have when it is made
    bool bareTable_ = true;  // the bare table is shown and the table picture is not made
    bool bareWithPiles_ = false;
    QImage dragImage_;
    WindowSurface surface_;
    BackgroundPainter backgrounds_;
    int windowWidth_ = 0;
    int windowHeight_ = 0;
    qreal scale_ = 1.0;

    bool tableDrawn_ = false;
    bool suppressShadows_ = false;    // during a card's flight
    DealClock* dealClock_ = nullptr;  // during an animated deal
    bool shadowShown_ = false;        // the last step of the moving picture drew a shadow
    int jokerLabelKey_ = 0;
    bool jokerLabelKeySet_ = false;
    std::unordered_map<qint64, PictureKind> pictureKinds_;
    // Marks drawn over plain background rows, most recent last (MarkOverBackground): kept
    // only while the bare table is painted.
    bool keepBlendedMarks_ = false;
    struct BlendedMark {
        qint64 picture = 0;
        QPoint under;  // the background's top and plain column (PlainRowsColumn) it was made on
        QImage image;
    };
    std::vector<BlendedMark> blendedMarks_;
};

}  // namespace tindle
