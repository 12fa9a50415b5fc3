#include "shell/MainWindowPlay.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include <algorithm>

#include "model/Game.h"
#include "play/Commands.h"
#include "play/EndGame.h"
#include "play/KeyboardPlay.h"
#include "play/NewGame.h"
#include "play/Pointer.h"
#include "play/SpokenNames.h"
#include "shell/BackgroundSolve.h"
#include "shell/Commands.h"
#include "shell/DemoCommand.h"
#include "shell/HeaderPanels.h"
#include "shell/HelpTopics.h"
#include "shell/HintCommand.h"
#include "shell/HoldAndResume.h"
#include "shell/Hourglass.h"
#include "shell/MainWindow.h"
#include "shell/TableAccessible.h"
#include "shell/TableArea.h"
#include "shell/TfrmStatistics.h"
#include "shell/TindleApp.h"
#include "shell/WinnableDeal.h"
#include "shell/WinningAnimationHost.h"
#include "shell/settings/SettingsRecord.h"

namespace tindle {

namespace {

std::optional<MouseButton> PlayButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return std::nullopt;
    }
}

constexpr const char* kRefusedDrop = "Not allowed there.";

// The keys of keyboard play, pressed without Ctrl or Alt (Shift+Tab comes as Backtab).
std::optional<TableKey> KeyOfTable(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    switch (key) {
        case Qt::Key_Left:
            return TableKey::Left;
        case Qt::Key_Right:
            return TableKey::Right;
        case Qt::Key_Up:
            return TableKey::Up;
        case Qt::Key_Down:
            return TableKey::Down;
        case Qt::Key_Tab:
            return TableKey::Next;
        case Qt::Key_Backtab:
            return TableKey::Previous;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return TableKey::Activate;
        case Qt::Key_Escape:
            return TableKey::Cancel;
        default:
            return {};
    }
}

QRect ToQRect(const TableRect& r) {
    return r.Empty() ? QRect() : QRect(r.left, r.top, r.Width(), r.Height());
}

int PileIndex(const PlayContext& ctx, std::optional<PileRef> pile) {
    if (!pile) return -1;
    const std::vector<PileRef> piles = KeyboardPiles(ctx);
    const auto at = std::find(piles.begin(), piles.end(), *pile);
    return at == piles.end() ? -1 : static_cast<int>(at - piles.begin());
}

// "Jack of Clubs lifted.", "Jack of Clubs and 2 more cards lifted.", "Put down."
std::string LiftText(const PlayContext& ctx) {
    const auto lifted = LiftedBlock(ctx);
    if (!lifted) return "Put down.";
    const Pile& pile = ctx.game.piles.Get(lifted->pile);
    const int more = PileCount(pile) - 1 - lifted->position;
    std::string text = SpokenCardName(PileCardAt(pile, lifted->position));
    if (more > 0)
        text += " and " + std::to_string(more) + (more == 1 ? " more card" : " more cards");
    return text + " lifted.";
}

}  // namespace

MainWindowPlay::MainWindowPlay(TfrmMain& window, TindleApp& app)
    : QObject(&window), window_(window), app_(app) {
    ctx_ = std::make_unique<PlayContext>(PlayContext{app.game, app.settings, app.mainGame,
                                                     app.catalogue, app.renderer, app.Sounds(),
                                                     app.Messages(), app.time, app.random, *this});
    findWinnableNumber = [this] { return FindWinnableNumber(*ctx_, &window_); };
    ConnectTable();
    window_.imgSfondo->SetPlay(ctx_.get());
    window_.imgSfondo->SetKeyHandler(
        [this](int key, Qt::KeyboardModifiers modifiers) { return TableKey(key, modifiers); });
    window_.imgSfondo->setFocus(Qt::OtherFocusReason);
    // The player's statistics are kept (in the player's file of the data folder).
    ctx_->session.statistics.kept = true;
    // The commands of the menu bar and the toolbars that belong to play.
    PlayCommandHooks& hooks = window_.Commands().play;
    hooks.newGame = [this] { NewGame(); };
    hooks.restart = [this] {
        RestartGameCommand(*ctx_);
        window_.FitTableToPiles();
    };
    hooks.dealNumber = [this](const std::string& number) {
        SelectGameNumberCommand(*ctx_, number);
        window_.FitTableToPiles();
    };
    hooks.undo = [this] { Undo(); };
    hooks.redo = [this] { Redo(); };
    hooks.autoplay = [this] { Autoplay(); };
    // A game in progress is held when the window closes, and resumed at the next start.
    window_.onEndGame = [this] { HoldGameAtClose(window_, *ctx_); };
    window_.onResumeAtStart = [this] { return ResumeHeldGameAtStart(window_, *ctx_); };
    window_.onTableLaidOut = [this] { ShowKeyboardMarks(); };
    HoldGameAtSessionEnd(window_, *ctx_, this);
    auto* hint = new HintCommand(*ctx_, this);
    hint->reveal = [this](const TableRect& r) { window_.ScrollToShow(ToQRect(r)); };
    connect(window_.Commands().Menu().mnuHint, &QAction::triggered, hint, &HintCommand::Run);
    auto* demo = new DemoCommand(*ctx_, this);
    demo->reveal = hint->reveal;
    demo->changed = [this] {
        window_.FitTableToPiles();
        ShowKeyboardMarks();
    };
    connect(window_.Commands().Menu().mnuDemo, &QAction::triggered, demo, &DemoCommand::Run);
    auto searching = [this, hint, demo] {
        window_.ShowSearching(hint->Search().Busy() || demo->Search().Busy());
    };
    hint->Search().busyChanged = searching;
    demo->Search().busyChanged = searching;
    connect(window_.Commands().Menu().mnuShowStatistics, &QAction::triggered, this, [this] {
        TfrmStatistics dialog(*ctx_, &window_);
        dialog.SetHelp([this] { app_.help.ShowTopic(topic::Statistics); });
        dialog.exec();
    });
}

MainWindowPlay::~MainWindowPlay() = default;

void MainWindowPlay::ConnectTable() {
    TableArea* table = window_.imgSfondo;
    // After every press, release and double click the table follows what lies on it.
    connect(table, &TableArea::MouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
                if (const auto b = PlayButton(button)) {
                    // The mouse takes over from the keyboard.
                    HideKeyboardFocus(*ctx_);
                    ShowKeyboardMarks();
                    BeginAnnounced();
                    imgSfondoMouseDown(*ctx_, *b, modifiers & Qt::ControlModifier, x, y);
                    window_.FitTableToPiles();
                }
            });
    connect(table, &TableArea::MouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
                imgSfondoMouseMove(*ctx_, x, y);
            });
    connect(table, &TableArea::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
                if (!PlayButton(button)) return;
                imgSfondoMouseUp(*ctx_, x, y);
                window_.FitTableToPiles();
                EndAnnounced();
            });
    // The toolkit reports the second press of a double click as the double click itself: the
    // double click acts first, then the press that belongs to it (which it may make ignored).
    connect(table, &TableArea::DblClick, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
                const auto b = PlayButton(button);
                if (!b) return;
                BeginAnnounced();
                if (*b == MouseButton::Left) imgSfondoDblClick(*ctx_);
                imgSfondoMouseDown(*ctx_, *b, modifiers & Qt::ControlModifier, x, y);
                window_.FitTableToPiles();
            });
}

bool MainWindowPlay::TableKey(int key, Qt::KeyboardModifiers modifiers) {
    const auto tableKey = KeyOfTable(key, modifiers);
    if (!tableKey) return false;
    PlayContext& ctx = *ctx_;
    TableArea* table = window_.imgSfondo;
    const auto focusBefore = FocusedPile(ctx);
    const auto liftBefore = LiftedBlock(ctx);
    // A drop moves the cards: their mark goes before they fly.
    if (*tableKey == TableKey::Activate && liftBefore)
        table->SetKeyboardMarks(ToQRect(KeyboardFocusRect(ctx)), QRect());
    BeginAnnounced();
    const bool used = TableKeyPress(ctx, *tableKey);
    window_.FitTableToPiles();
    ShowKeyboardMarks();
    window_.ScrollToShow(table->FocusMark());
    const auto focus = FocusedPile(ctx);
    if (focus && (!focusBefore || *focus != *focusBefore))
        NotifyPileFocus(table, PileIndex(ctx, focus));
    const auto lift = LiftedBlock(ctx);
    const bool liftChanged = lift.has_value() != liftBefore.has_value() ||
                             (lift && lift->position != liftBefore->position);
    // A drop announces its moves, a refused one says so (besides the beep); a lift, a resize
    // or a put-down says what is lifted now.
    const bool dropped = liftBefore && !lift && focus && *focus != liftBefore->pile;
    const bool refused = *tableKey == TableKey::Activate && liftBefore && lift;
    EndAnnounced(refused                   ? std::string(kRefusedDrop)
                 : liftChanged && !dropped ? LiftText(ctx)
                                           : std::string());
    return used;
}

void MainWindowPlay::ShowKeyboardMarks() {
    window_.imgSfondo->SetKeyboardMarks(ToQRect(KeyboardFocusRect(*ctx_)),
                                        ToQRect(LiftedBlockRect(*ctx_)));
}

void MainWindowPlay::BeginAnnounced() {
    if (before_) return;
    before_ = ctx_->game.piles;
    beforeDeal_ = ctx_->settings.Get(field::GameId) + ctx_->settings.Get(field::GameNumber);
}

void MainWindowPlay::EndAnnounced(const std::string& extra) {
    std::string text;
    // Another deal is no move: only the changes within one deal are told.
    if (before_ &&
        beforeDeal_ == ctx_->settings.Get(field::GameId) + ctx_->settings.Get(field::GameNumber))
        text = DescribeTableChange(*before_, ctx_->game);
    before_.reset();
    if (!extra.empty()) text += (text.empty() ? "" : " ") + extra;
    Announce(window_.imgSfondo, QString::fromStdString(text));
}

// ---- Commands

// After each command the table follows what lies on it.
void MainWindowPlay::NewGame() {
    NewGameCommand(*ctx_, WinnableDealChoice());
    window_.FitTableToPiles();
}

DealNumberChoice MainWindowPlay::WinnableDealChoice() const {
    if (!ctx_->settings.IsYes(field::WinnableDealsOnly)) return {};
    // Asked once the game to deal is loaded: a game opened from the chooser is the one in play.
    return [this]() -> std::optional<std::string> {
        if (!WinnableSearchPays(ShareOfGameInPlay())) return std::nullopt;
        return findWinnableNumber();
    };
}

std::optional<WinnableShare> MainWindowPlay::ShareOfGameInPlay() const {
    if (!winnableShares_) {
        winnableShares_ =
            ReadWinnableShares(ctx_->catalogue.File().parent_path() / kWinnableSharesFileName);
    }
    const int gameId = static_cast<int>(ctx_->settings.GetInt(field::GameId, -1));
    return FindWinnableShare(*winnableShares_, gameId, ctx_->catalogue.GameName(gameId));
}

void MainWindowPlay::Undo() {
    BeginAnnounced();
    UndoCommand(*ctx_);
    window_.FitTableToPiles();
    ShowKeyboardMarks();
    EndAnnounced();
}
void MainWindowPlay::Redo() {
    BeginAnnounced();
    RedoCommand(*ctx_);
    window_.FitTableToPiles();
    ShowKeyboardMarks();
    EndAnnounced();
}
void MainWindowPlay::Autoplay() {
    AutoplayCommand(*ctx_);
    window_.FitTableToPiles();
}

// ---- PlayUi

void MainWindowPlay::RefreshCaption() {
    window_.UpdateWindowTitle();
}

void MainWindowPlay::ShowScore(std::string_view text) {
    window_.Header().ShowScore(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    // Every move and deal shows the score: the keyboard's marks follow the table.
    ShowKeyboardMarks();
}

void MainWindowPlay::ResetClock() {
    window_.Header().ResetClock();
}

void MainWindowPlay::StartClock() {
    window_.Header().StartClock();
}

void MainWindowPlay::StopClock() {
    window_.Header().StopClock();
}

void MainWindowPlay::TickClock() {
    window_.Header().TickClock();
}

int MainWindowPlay::ClockSeconds() const {
    return window_.Header().Clock().Seconds();
}

void MainWindowPlay::SetAutoplayAvailable(bool available) {
    MainCommands& commands = window_.Commands();
    commands.SetAutoplayAvailable(available);
    // A game's definition was just loaded (it decides the availability): where autoplay is
    // kept per game, that game's own state follows.
    commands.ApplyStoredGameAutoplay();
}

bool MainWindowPlay::AutoplayEnabled() const {
    return window_.Commands().AutoplayAvailable();
}

void MainWindowPlay::SetUndoAvailable(bool available) {
    window_.Commands().SetUndoAvailable(available);
}

void MainWindowPlay::SetHistoryStepsAvailable(bool undo, bool redo) {
    window_.Commands().SetHistoryStepsAvailable(undo, redo);
}

void MainWindowPlay::SetGameCommandsAvailable(bool available) {
    window_.Commands().SetGameCommandsAvailable(available);
}

void MainWindowPlay::SetCustomizeAvailable(bool available) {
    window_.Commands().SetCustomizeAvailable(available);
}

bool MainWindowPlay::AutoplayTicked() const {
    return window_.AutoPlayChecked();
}

void MainWindowPlay::SetAutoplayTicked(bool on) {
    window_.SetAutoPlayChecked(on);
}

void MainWindowPlay::BeginBusyCursor() {
    QGuiApplication::setOverrideCursor(HourglassPointer());
    ++busy_;
}

void MainWindowPlay::RestoreCursor() {
    if (busy_ == 0) return;
    --busy_;
    QGuiApplication::restoreOverrideCursor();
}

void MainWindowPlay::SetDragCursor() {
    window_.ApplyPointer(true);
}

void MainWindowPlay::RestorePointerShape() {
    window_.ApplyPointer(false);
}

void MainWindowPlay::HidePileSizeHint() {
    if (window_.pnlPilesSize && window_.pnlPilesSize->isVisible()) window_.pnlPilesSize->hide();
}

int MainWindowPlay::ScreenWidth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

LayoutInputs MainWindowPlay::TableLayoutInputs() const {
    return window_.CurrentLayoutInputs();
}

void MainWindowPlay::CardSizeChanged() {
    app_.pictures.ApplyCardSize(app_.settings);
}

void MainWindowPlay::OpenGameDialog() {
    // The game chooser is the Open command's (present once the dialog is there).
    if (openGameDialog) {
        openGameDialog();
    } else {
        window_.Commands().mnuOpenClick();
    }
}

void MainWindowPlay::PlayWinningAnimation() {
    HideKeyboardFocus(*ctx_);
    ShowKeyboardMarks();
    EndAnnounced("Game won.");
    PlayWinningAnimationOn(window_);
}

void MainWindowPlay::SetInputRouting(InputRouting routing) {
    switch (routing) {
        case InputRouting::Normal: {
            const bool dealDrawn = window_.DealBeingDrawn();
            window_.Hooks().Restore();
            if (dealDrawn) window_.DealDrawn();
            break;
        }
        case InputRouting::AnimationInterrupt:
            window_.Hooks().Install(MessageHooks::Hook::Animation);
            break;
        case InputRouting::SwallowInput:
            window_.Hooks().Install(MessageHooks::Hook::Deal);
            break;
    }
}

bool MainWindowPlay::TableAnimating() const {
    return window_.Hooks().Installed() != MessageHooks::Hook::None;
}

bool MainWindowPlay::ExitRequested() const {
    return window_.ExitRequested();
}

void MainWindowPlay::ClearExitRequested() {
    window_.ClearExitRequested();
}

void MainWindowPlay::CloseMainWindow() {
    window_.close();
}

}  // namespace tindle
