#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

#include "shell/AdvancedForm.h"
#include "shell/MessageHooks.h"
#include "shell/ModalFocus.h"
#include "table/layout/LayoutInputs.h"

class QFrame;
class QLabel;
class QMenuBar;
class QScrollBar;
class QTimer;
class QWheelEvent;

// The main window TfrmMain: the card table with the toolbar row above it (the two toolbars,
// the clock and the score panels), the status bar, the pile-size hint and the hidden scroll
// bar. Its creation (FormCreate) runs the settings initialisation of the program, its first
// activation the score-file care; closing it saves the window state and the closing
// preferences.
//
// Seams for the rest of the program:
// - imgSfondo (TableArea) carries the table's mouse events as signals (MouseDown, MouseMove,
//   MouseUp, DblClick) and paints from the surface of App().renderer, the table renderer the
//   window hosts (sized on every resize; DrawTable draws the whole table afresh).
//   ApplyPointer sets its pointer from the Cursor preference (the twin while dragging, the
//   busy pointer while the solver searches: ShowSearching).
// - The toolbar row (Header(): the two toolbars, the clock and score panels and their menus,
//   the header switches and the clock) and the commands (Commands(): the menu bar, the
//   handlers, the command availability, the Autoplay command's state, and the hooks through
//   which play, the open-a-game dialog and the customize dialog take their commands).
//   Timer1 ticks the clock once a second (then onClockTick, when set).
// - Hooks(): the animation and deal input filters; ExitRequested(): a close refused during an
//   animation, to be carried out (close()) by the game-end handling once it is over, or made
//   while the game-end handling let events run.
// - AutoPlayChecked / SetAutoPlayChecked, UndoAvailable / SetUndoAvailable: the Autoplay
//   command's state and the Undo availability, as Commands() keeps them.
// - onEndGame (a game in progress held or given up at close), onResumeAtStart, onOpenGameAtStart
//   (the game chooser of a new player at the first activation) and onPrepareOpenGameAtStart
//   (its dialog got ready before that activation waits for the window system), onClockTick.
// - Play(): the table's mouse events and the close go to play
//   (MainWindowPlay), which sets the hooks above and the commands' play hooks.

namespace tindle {

class HeaderPanels;
class MainCommands;
class MainWindowPlay;
class TableArea;
class TindleApp;

class TfrmMain : public C_TAdvancedForm<QMainWindow> {
    Q_OBJECT
  public:
    static constexpr int kDesignedWidth = 751;
    static constexpr int kDesignedHeight = 407;

    // Creates the window and runs FormCreate. When that fails (ZUV.RGF or GAMES.DAT missing or
    // unreadable) the message has been shown and Created() is false: the program ends.
    explicit TfrmMain(TindleApp& app, QWidget* parent = nullptr);
    ~TfrmMain() override;

    bool Created() const { return created_; }
    TindleApp& App() { return app_; }

    // Window placement from the preferences (after creation, before the window is shown).
    void PlaceMainWindow();
    // Title "Tindle [name]  [number]" from the settings; set only when it differs.
    void UpdateWindowTitle();
    // The layout inputs of the table for the window's current size, in table pixels at the
    // zoom the Card size preference chooses for the game in play, which is applied to the
    // table's drawing at once.
    LayoutInputs CurrentLayoutInputs();
    // The zoom the table is drawn at, in percent.
    int ZoomPercent() const { return zoomPercent_; }
    // The resize handling: layout for the new size, status bar, header, redraw.
    void FormResize();
    // After play changed the piles: the table and its scroll bars follow what lies on it (a
    // redraw when its size changed).
    void FitTableToPiles();
    // Scrolls a table larger than the window the least that shows the rectangle (in table
    // coordinates) with the keyboard's frame around it: the pile the keys reached.
    void ScrollToShow(const QRect& tableRect);
    // The mouse wheel over such a table scrolls it: up and down where it is taller than the
    // window, else (and for a sideways wheel) left and right. False: the wheel is not used.
    bool ScrollByWheel(QWheelEvent& wheel);
    // The table's pointer from the Cursor preference (its twin while dragging); the desktop's
    // busy pointer instead while the solver searches for Hint or Demo and no card is held, as
    // the table still plays meanwhile.
    void ApplyPointer(bool dragging);
    void ShowSearching(bool searching);

    // The switches of the toolbar row (store: write the preference).
    void SwitchToolBarSize(bool large, bool store);
    void SwitchFlat(bool flat, bool store);
    void SwitchClock(bool show, bool store);
    void SwitchScore(bool show, bool store);
    // Places the clock and score panels and the header lines for the window's width.
    void ArrangeHeader();
    // The bottom of the visible toolbar row: the top of the table's layout.
    int ToolBarBottom() const;

    MessageHooks& Hooks() { return hooks_; }
    // Play on this window: pointer input, the commands' entry points and the window's side of
    // play (made once the window's creation succeeded; null before).
    MainWindowPlay* Play() { return play_.get(); }
    // A close refused during an animation and still to be carried out, or one carried out
    // already while play went on inside an event it let run (the moment before the winning
    // animation): what play would show next is not shown.
    bool ExitRequested() const { return exitRequested_ || closed_; }
    void ClearExitRequested() { exitRequested_ = false; }
    // While a deal is drawn card by card, window events run between its steps (a key or click
    // cuts it short); a resize or close waits for its end, where DealDrawn carries it out.
    bool DealBeingDrawn() const { return hooks_.Installed() == MessageHooks::Hook::Deal; }
    void DealDrawn();
    bool AutoPlayChecked() const;
    // The Autoplay command's state shown and stored as the command does (running autoplay is
    // the caller's).
    void SetAutoPlayChecked(bool on);
    bool UndoAvailable() const;
    void SetUndoAvailable(bool on);
    HeaderPanels& Header() { return *header_; }
    MainCommands& Commands() { return *commands_; }
    // The GameId whose definition the table's layout was computed from (-1 none).
    int LayoutGameId() const { return layoutGameId_; }

    std::function<void()> onEndGame;
    std::function<void()> onOpenGameAtStart;
    // The first activation of a start that is to show the game chooser, before anything else
    // it does: the chooser's dialog made and its showing prepared.
    std::function<void()> onPrepareOpenGameAtStart;
    // The first activation resumes a game held at the last exit (true: it did, and the game
    // chooser is not offered).
    std::function<bool()> onResumeAtStart;
    std::function<void()> onClockTick;
    // The table was laid out anew for the window's size or the card size and drawn: what is
    // drawn over it at a pile's place (the keyboard's marks) moves with the piles.
    std::function<void()> onTableLaidOut;

    // ---- Components.
    QMenuBar* MainMenu1 = nullptr;
    QWidget* pnlClient = nullptr;  // the client area holding everything below
    TableArea* imgSfondo = nullptr;
    QFrame* pnlTB = nullptr;
    QFrame* pnlTB1 = nullptr;
    QFrame* pnlLineaGrigia = nullptr;
    QFrame* pnlLineaNera = nullptr;
    QFrame* pnlTempo = nullptr;
    QLabel* lblTempo2 = nullptr;
    QLabel* lblTempo = nullptr;
    QFrame* pnlScore = nullptr;
    QLabel* lblScore2 = nullptr;
    QLabel* lblScore = nullptr;
    QFrame* pnlStatusBar = nullptr;
    QFrame* pnlPilesSize = nullptr;
    QLabel* lblPilesSize1 = nullptr;
    QLabel* lblPilesSize2 = nullptr;
    QScrollBar* scrBarMain = nullptr;  // scrolls the table up and down
    QScrollBar* scrBarHorz = nullptr;  // and left and right
    QWidget* scrCorner = nullptr;      // the square where both bars meet, over the table
    QTimer* Timer1 = nullptr;

  signals:
    // The close was accepted and FormClose has run.
    void Closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateComponents();
    bool FormCreate();
    void FormShow();
    void FormPaint();
    bool FormCloseQuery();
    void FormClose();
    void m_AppActivate();
    void FirstActivation();
    // The first activation, once the table's first picture is on the screen (or after a while
    // if none comes); an activation the window system reports before that waits for it.
    void RunFirstActivation();
    // The files a start writes (the players of a first start, the version stamp, the removal
    // of earlier versions' files): each write waits for the disk, so they follow the first
    // activation's pictures, or the close when that comes first.
    void WriteStartFiles();
    void Timer1Timer();
    void SaveWindowState();
    // Loads the stored game's definition and lays the table out for it (empty piles).
    void LoadStoredGameLayout();
    void ComputeLayout();
    // The layout inputs of the window at zoom 100 (widget pixels).
    LayoutInputs WindowLayoutInputs() const;
    // The zoom the preference asks for; for Automatic, the largest at which the game fits.
    int ChooseZoomPercent(const LayoutInputs& window) const;
    // The table drawn at a zoom: the widget, the renderer's scale and the pictures' scale.
    void ApplyZoom(int percent);
    // The renderer taken over from the start's worker and joined to the table widget.
    void HostRenderer();
    // While the start is pending, resizes are handled only before the table's first picture.
    bool FirstPictureDue() const;
    // The table's pictures sized for the screen and the window.
    void SizeTableBuffers();
    // The whole table drawn afresh and shown: the game in progress, or else the stored game's
    // piles as they lie (their empty marks before a deal, the last game's cards after it).
    void DrawTable();
    void PlaceClientChildren();
    // The table and its scroll bars: the table is as large as the client area less the bars,
    // or as everything of the game on it when that is larger, and the bars show then. Answers
    // whether a bar came or went (the layout's width changes with the vertical one).
    bool PlaceTable();
    long long DisplayColours() const;
    bool LowColourDisplay() const;

    TindleApp& app_;
    MessageHooks hooks_;
    // Keys go to the open dialog also after a click on a window it blocks.
    ModalFocus modalFocus_;
    std::unique_ptr<MainWindowPlay> play_;
    bool created_ = false;
    bool closed_ = false;
    bool shownOnce_ = false;
    bool firstActivationDue_ = false;
    bool startFilesPending_ = false;
    bool playersToWrite_ = false;
    bool exitRequested_ = false;
    bool resizeHeldBack_ = false;  // the window was resized while a deal was drawn
    bool pointerDragging_ = false;
    bool searching_ = false;
    HeaderPanels* header_ = nullptr;
    MainCommands* commands_ = nullptr;
    bool rendererHosted_ = false;
    int layoutGameId_ = -1;
    QSize layoutSize_;  // the table size of the last layout
    int zoomPercent_ = 100;
    long long pilesSizeIdleMs_ = 0;
};

}  // namespace tindle
