#pragma once

#include <QObject>

#include "shell/GameClock.h"
#include "shell/ToolBars.h"

class QAction;
class QMenu;

// The toolbar row of the main window: which toolbar shows (large or small), flat or raised
// buttons, the clock and score panels at its right end, the grey and black header lines
// under it, and the right-click menus of the rows (popTB) and of the two panels (popTime,
// popScore). The switches are called with store = yes by those menus (the preference is
// written) and with store = no at start and by the customize dialog (which writes the file
// itself). After every switch, at start and on every resize the header is arranged again.
//
// The clock panel shows the time of the game in play, ticked once a second by the window's
// timer while the game's clock runs; the score panel the score that play gives it.

namespace tindle {

class TfrmMain;
class TindleApp;

class HeaderPanels : public QObject {
    Q_OBJECT
  public:
    // The designed widths of the panels; a font that needs more room widens them.
    static constexpr int kClockWidth = 80;
    static constexpr int kScoreWidth = 70;
    // The window frame the header was designed for: four pixels each side.
    static constexpr int kDesignedFrameWidth = 8;

    HeaderPanels(TfrmMain& window, TindleApp& app);

    ToolBars& Bars() { return bars_; }
    const ToolBars& Bars() const { return bars_; }

    // The glyphs, once the resource library is loaded: the small row's at once (its buttons
    // change their glyph with their availability, shown or not), the large row's when it is
    // first shown (most players never show it).
    void LoadGlyphs();
    void SwitchToolBarSize(bool large, bool store);
    void SwitchFlat(bool flat, bool store);
    void SwitchClock(bool show, bool store);
    void SwitchScore(bool show, bool store);
    void ArrangeHeader();

    // ---- The clock and the score.
    GameClock& Clock() { return clock_; }
    void ResetClock();  // the clock shows zero hours, minutes and seconds
    void StartClock();  // the start time becomes now
    void StopClock();   // the time so far is shown once more
    void TickClock();   // while the game's clock runs, the time since the start is shown
    void ShowScore(const QString& text);

    bool Large() const { return large_; }
    bool Flat() const;
    // The bottom of the visible toolbar row (0 when neither shows).
    int ToolBarBottom() const;
    // The right end of the visible toolbar: the right edge of its Exit button.
    int ToolBarRight() const;
    // The width the header is arranged for: the screen's (with the designed frame) while a
    // maximised window is starting, the window's otherwise.
    int ReferenceWidth() const;

    QMenu* popTB = nullptr;
    QAction* Largeicons1 = nullptr;
    QAction* Smallicons1 = nullptr;
    QAction* Buttonflat1 = nullptr;
    QAction* Buttonnoflat1 = nullptr;
    QAction* mnuShowTime = nullptr;
    QAction* mnuShowScore = nullptr;
    QMenu* popTime = nullptr;
    QAction* mnuHideTime = nullptr;
    QMenu* popScore = nullptr;
    QAction* mnuHideScore = nullptr;

  private:
    void BuildMenus();
    void SizePanels();
    void ApplyButtonGeometry();
    void WritePreference(const char* key, bool yes);
    void LoadLargeGlyphsWhenShown();

    TfrmMain& window_;
    TindleApp& app_;
    ToolBars bars_;
    GameClock clock_;
    bool large_ = false;
    bool glyphsDue_ = false;  // the library is loaded: shown rows get their glyphs
    bool largeGlyphsLoaded_ = false;
};

}  // namespace tindle
