#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "play/NewGame.h"
#include "play/PlayContext.h"
#include "play/PlayUi.h"
#include "shell/WinnableShares.h"

// Play on the main window: the table area's mouse events handed to pointer input, its keys to
// keyboard play (with the focus and the lifted cards drawn and told to screen readers, and
// what each action changed announced), play drawing
// through the table renderer the window hosts, and the window's side of play (PlayUi):
// caption, score and clock labels, command states, pointer shapes, input hooks, the close
// asked for during an animation. The main window makes one once its creation succeeded and
// keeps it for its life. The commands (New game, Undo, Redo, Autoplay) call the entry points
// below (it hands them to the window's commands); the clock, the score and the command states
// are the window's header and commands.

namespace tindle {

class TfrmMain;
class TindleApp;

class MainWindowPlay : public QObject, public PlayUi {
    Q_OBJECT
  public:
    MainWindowPlay(TfrmMain& window, TindleApp& app);
    ~MainWindowPlay() override;

    PlayContext& Context() { return *ctx_; }

    // ---- Entry points of the commands.
    void NewGame();
    void Undo();
    void Redo();
    void Autoplay();

    // Opens the game chooser in place of the window's Open command (tests count it here).
    std::function<void()> openGameDialog;

    // Winnable deals only: how the number of a new deal is chosen while the option is on
    // (nothing while it is off). New game and a game opened from the chooser deal by it;
    // Restart and Select game number keep the number the player asked for. A game whose
    // measured winnable share is too low for the search (WinnableSearchPays) is dealt as usual.
    DealNumberChoice WinnableDealChoice() const;
    // The search that choice runs (FindWinnableNumber; tests put a quicker one).
    DealNumberChoice findWinnableNumber;

    // ---- PlayUi.
    void RefreshCaption() override;
    void ShowScore(std::string_view text) override;
    void ResetClock() override;
    void StartClock() override;
    void StopClock() override;
    void TickClock() override;
    int ClockSeconds() const override;
    void SetAutoplayAvailable(bool available) override;
    void SetUndoAvailable(bool available) override;
    void SetHistoryStepsAvailable(bool undo, bool redo) override;
    void SetGameCommandsAvailable(bool available) override;
    void SetCustomizeAvailable(bool available) override;
    bool AutoplayTicked() const override;
    bool AutoplayEnabled() const override;
    void SetAutoplayTicked(bool on) override;
    void BeginBusyCursor() override;
    void RestoreCursor() override;
    void SetDragCursor() override;
    void RestorePointerShape() override;
    void HidePileSizeHint() override;
    void PointerHover(int, int) override {}
    int ScreenWidth() const override;
    LayoutInputs TableLayoutInputs() const override;
    void CardSizeChanged() override;
    void ScrollExtentChanged(int) override {}
    void OpenGameDialog() override;
    void PlayWinningAnimation() override;
    void SetInputRouting(InputRouting routing) override;
    bool TableAnimating() const override;
    bool ExitRequested() const override;
    void ClearExitRequested() override;
    void CloseMainWindow() override;

    // Handles a key of the table (Qt::Key and modifiers); false when it is not a table key.
    bool TableKey(int key, Qt::KeyboardModifiers modifiers);

  private:
    void ConnectTable();
    // The keyboard's focus frame and lifted cards drawn as they now stand.
    void ShowKeyboardMarks();
    // What an action of the player changes is told to screen readers: the table before it is
    // kept, and the moves it made are announced at its end, with `extra` after them.
    void BeginAnnounced();
    void EndAnnounced(const std::string& extra = {});
    // The solver's measured share of the game in play, read once from beside GAMES.DAT.
    std::optional<WinnableShare> ShareOfGameInPlay() const;

    TfrmMain& window_;
    TindleApp& app_;
    std::unique_ptr<PlayContext> ctx_;
    int busy_ = 0;
    std::optional<Piles> before_;
    std::string beforeDeal_;
    mutable std::optional<WinnableShares> winnableShares_;
};

}  // namespace tindle
