#pragma once

#include <string_view>

#include "table/layout/LayoutInputs.h"

// The main window as play needs it: everything of the window that is not the card table
// (the table is TableView) and that the rules reach: the caption, the score label, the
// clock, which commands are available, the Autoplay command's state, pointer shapes, the
// pile-size hint, the window's geometry, the open-a-game dialog, the winning animation, how
// input is routed while play animates, and the close request made during an animation.
//
// The main window implements it; QuietPlayUi serves tindle-cli and tests.

namespace tindle {

// How the application's input (key presses and mouse-button presses) is routed.
enum class InputRouting {
    Normal,
    // A key or button press stops the running animation and is swallowed (winning animation).
    AnimationInterrupt,
    // Key and button presses are swallowed and nothing stops (animated deal, removals of
    // selected cards), so that what runs always completes.
    SwallowInput,
};

class PlayUi {
  public:
    virtual ~PlayUi() = default;

    // ---- Caption and score
    // The caption from the settings record (program name, game name, game number).
    virtual void RefreshCaption() = 0;
    // lblScore shows the text (the score as stored in the settings record).
    virtual void ShowScore(std::string_view text) = 0;

    // ---- Clock
    virtual void ResetClock() = 0;  // the time label shows zero hours, minutes and seconds
    virtual void StartClock() = 0;  // the start time becomes now
    virtual void StopClock() = 0;   // the end time becomes now; the elapsed time is refreshed
    virtual void TickClock() = 0;   // the one-second timer runs once; the label is repainted
    // The time the clock shows, in seconds (0 for a window without a clock).
    virtual int ClockSeconds() const { return 0; }

    // ---- Command availability
    virtual void SetAutoplayAvailable(bool available) = 0;
    // Undo and Redo as the game allows them (its definition, the undo mode).
    virtual void SetUndoAvailable(bool available) = 0;
    // Whether there is a step to undo and one to redo in the game in progress: Undo and Redo
    // are offered only when they would do something (and the game allows them).
    virtual void SetHistoryStepsAvailable(bool undo, bool redo) = 0;
    // New game, Rules, Undo/Redo and Autoplay together (off while no game was ever chosen).
    virtual void SetGameCommandsAvailable(bool available) = 0;
    virtual void SetCustomizeAvailable(bool available) = 0;
    // Commands of the larger edition, hidden in this one (a window may ignore them): Save,
    // Insert bookmark and Hold and exit; Pause and Quit game; Insert bookmark alone.
    virtual void SetSaveAvailable(bool) {}
    virtual void SetPauseQuitAvailable(bool) {}
    virtual void SetBookmarkAvailable(bool) {}

    // ---- The Autoplay command
    virtual bool AutoplayTicked() const = 0;
    virtual bool AutoplayEnabled() const = 0;
    // Ticks or unticks it as the command does: the menu check mark, both toolbar buttons and
    // the per-game store. Running autoplay is the caller's.
    virtual void SetAutoplayTicked(bool on) = 0;

    // ---- Pointer shapes and the hover hint
    virtual void BeginBusyCursor() = 0;      // the hourglass
    virtual void RestoreCursor() = 0;        // the shape from before BeginBusyCursor
    virtual void SetDragCursor() = 0;        // the pointer while cards are dragged (Cursor + 10)
    virtual void RestorePointerShape() = 0;  // the pointer of the Cursor preference
    virtual void HidePileSizeHint() = 0;     // hides the pile-size panel, restarts the hover timer
    // The pointer moved over the table while no button is down.
    virtual void PointerHover(int x, int y) = 0;

    // ---- Geometry
    virtual int ScreenWidth() const = 0;
    // What the pile layout is computed from for the window as it is now.
    virtual LayoutInputs TableLayoutInputs() const = 0;
    // The card size letter of the settings record changed: load that size's pictures.
    virtual void CardSizeChanged() = 0;
    // The lowest extent of the piles (unscrolled pixels) for the vertical scroll range.
    virtual void ScrollExtentChanged(int bottom) = 0;

    // ---- Flows
    virtual void OpenGameDialog() = 0;
    // The winning animation; runs until it ends or an input press interrupts it.
    virtual void PlayWinningAnimation() = 0;
    virtual void SetInputRouting(InputRouting routing) = 0;
    // Input is routed away from play (InputRouting other than Normal): the table is being
    // animated, and window events run between the animation's steps. What a timer would do to
    // the table meanwhile waits for the animation's end.
    virtual bool TableAnimating() const = 0;
    // A close of the main window was asked for during an animation (and refused then), or
    // made while play let the window's events run: play shows nothing more.
    virtual bool ExitRequested() const = 0;
    virtual void ClearExitRequested() = 0;
    virtual void CloseMainWindow() = 0;
};

// A window that shows nothing: the Autoplay command's state and the table's geometry are
// plain values, every other request is ignored.
class QuietPlayUi : public PlayUi {
  public:
    bool autoplayTicked = false;
    bool autoplayEnabled = true;
    int screenWidth = 1024;
    LayoutInputs layoutInputs;
    InputRouting inputRouting = InputRouting::Normal;

    void RefreshCaption() override {}
    void ShowScore(std::string_view) override {}
    void ResetClock() override {}
    void StartClock() override {}
    void StopClock() override {}
    void TickClock() override {}
    void SetAutoplayAvailable(bool available) override { autoplayEnabled = available; }
    void SetUndoAvailable(bool) override {}
    void SetHistoryStepsAvailable(bool, bool) override {}
    void SetGameCommandsAvailable(bool available) override { autoplayEnabled = available; }
    void SetCustomizeAvailable(bool) override {}
    bool AutoplayTicked() const override { return autoplayTicked; }
    bool AutoplayEnabled() const override { return autoplayEnabled; }
    void SetAutoplayTicked(bool on) override { autoplayTicked = on; }
    void BeginBusyCursor() override {}
    void RestoreCursor() override {}
    void SetDragCursor() override {}
    void RestorePointerShape() override {}
    void HidePileSizeHint() override {}
    void PointerHover(int, int) override {}
    int ScreenWidth() const override { return screenWidth; }
    LayoutInputs TableLayoutInputs() const override { return layoutInputs; }
    void CardSizeChanged() override {}
    void ScrollExtentChanged(int) override {}
    void OpenGameDialog() override {}
    void PlayWinningAnimation() override {}
    void SetInputRouting(InputRouting routing) override { inputRouting = routing; }
    bool TableAnimating() const override { return inputRouting != InputRouting::Normal; }
    bool ExitRequested() const override { return false; }
    void ClearExitRequested() override {}
    void CloseMainWindow() override {}
};

}  // namespace tindle
