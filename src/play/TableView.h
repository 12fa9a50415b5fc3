#pragma once

#include <string_view>

#include "model/Piles.h"
#include "model/TableRect.h"

// The table view: how play reaches the screen. The engine decides what changes; the front
// end's drawing code (src/table) implements this interface on its off-screen images
// (TableImage: the composed table; BackgroundImage: the background alone; DragImage: cards
// being moved) and the window. tindle-cli and the engine tests use quiet or recording
// implementations.
//
// Coordinates are window (scrolled) coordinates of a card's top-left corner, as the layout's
// getters give them. "On the window" means drawn so that it appears at once (during an
// animation the window is updated rectangle by rectangle, never as a whole). The drawing code
// reads the game, the layout and the settings it was given at construction; it never changes
// a pile.

namespace tindle {

enum class DrawTarget {
    Window,  // only the window
    Table,   // only TableImage (the window shows it at the next present or refresh)
    Both,
};

// How a card's flight is drawn (AnimateMove).
struct FlightOptions {
    bool faceDown = false;       // fly the card back instead of its face
    bool newPicture = true;      // load the card (or back) into DragImage first; false: fly the
                                 // picture already there (a lifted block)
    bool shadowLanding = false;  // land up-left by the shadow margin, then settle
    bool drop = true;            // leave the picture in TableImage at the end
    bool fast = false;           // the quicker step and quarter waits of the deal
};

class TableView {
  public:
    virtual ~TableView() = default;

    // ---- The whole table
    // Paints the chosen background into BackgroundImage and TableImage.
    virtual void PaintBackground() = 0;
    // The full repaint of a game in progress; with deal, the cards fly from the deal point to
    // their places one by one.
    virtual void RepaintTable(bool deal) = 0;
    // The whole table drawn afresh as the piles lie, also when no game is in progress (a game
    // that just ended): the background, every pile, the highlights; then shown on the window,
    // so that nothing an animation left on it remains.
    virtual void RedrawWholeTable() = 0;
    // Copies TableImage to the window.
    virtual void PresentTable() = 0;
    // Copies one rectangle of TableImage to the window.
    virtual void RefreshRect(const TableRect& rect) = 0;

    // ---- Cards and piles
    virtual void DrawCard(int card, int x, int y, bool moving, DrawTarget target) = 0;
    virtual void DrawCardBack(int x, int y, int height, bool moving, DrawTarget target) = 0;
    // Every card of the pile at its fanned place, or its empty mark (the stock family with
    // its thickness).
    virtual void DrawPile(PileRef pile, DrawTarget target) = 0;
    // Only the pile's top card at its place, or its empty mark.
    virtual void DrawPileTop(PileRef pile, DrawTarget target) = 0;
    // A pile lost cards (before -> after): erases what it no longer covers and redraws what the
    // erased area touched.
    virtual void RedrawAfterRemoval(PileRef pile, std::string_view before,
                                    std::string_view after) = 0;
    // The empty stock's mark (when the stock has just run out), on the window and TableImage.
    virtual void DrawEmptyStockMark() = 0;
    // The push-button pile (empty stock, or empty waste) drawn pressed or released.
    virtual void DrawButtonPile(bool pressed) = 0;
    // A card appearing on a pile that was empty.
    virtual void FadeInCard(int card, int x, int y) = 0;

    // ---- Moving pictures (the drag state lives in Game::pointer)
    // Lifting: the table is drawn without the cards of `pile` from `position` to the top, and
    // those cards into DragImage (pointer.dragImageHeight tells its height).
    virtual void BuildDragImage(PileRef pile, int position) = 0;
    // One step of a moving picture (false when it moved by less than a pixel).
    virtual bool MoveImageTo(int x, int y, bool drop, bool fixCorners) = 0;
    // A card's (or the dragged block's) flight from one point to another at the card speed.
    // A target off the table flies three card sizes beyond the left or top edge.
    virtual void AnimateMove(int card, int fromX, int fromY, int toX, int toY,
                             const FlightOptions& options) = 0;

    // ---- Marks
    // A selected card shown inverted on the window and TableImage, or restored.
    virtual void InvertCard(const TableRect& rect, bool invert) = 0;
    // Every card of the current selection inverted (or restored).
    virtual void DrawSelection(bool invert) = 0;
    // The completed-foundation highlight on one foundation (index from 0) or, for -1, on all.
    virtual void HighlightFoundations(int index) = 0;
    // The labels telling which card a joker on a foundation stands for.
    virtual void DrawJokerLabels() = 0;
    // The right-button peek: a partly covered card drawn whole on the window.
    virtual void ShowWholeCard(int card, int x, int y) = 0;
};

// A table view that draws nothing (tindle-cli, headless tests).
class QuietTableView : public TableView {
  public:
    void PaintBackground() override {}
    void RepaintTable(bool) override {}
    void RedrawWholeTable() override {}
    void PresentTable() override {}
    void RefreshRect(const TableRect&) override {}
    void DrawCard(int, int, int, bool, DrawTarget) override {}
    void DrawCardBack(int, int, int, bool, DrawTarget) override {}
    void DrawPile(PileRef, DrawTarget) override {}
    void DrawPileTop(PileRef, DrawTarget) override {}
    void RedrawAfterRemoval(PileRef, std::string_view, std::string_view) override {}
    void DrawEmptyStockMark() override {}
    void DrawButtonPile(bool) override {}
    void FadeInCard(int, int, int) override {}
    void BuildDragImage(PileRef, int) override {}
    bool MoveImageTo(int, int, bool, bool) override { return true; }
    void AnimateMove(int, int, int, int, int, const FlightOptions&) override {}
    void InvertCard(const TableRect&, bool) override {}
    void DrawSelection(bool) override {}
    void HighlightFoundations(int) override {}
    void DrawJokerLabels() override {}
    void ShowWholeCard(int, int, int) override {}
};

}  // namespace tindle
