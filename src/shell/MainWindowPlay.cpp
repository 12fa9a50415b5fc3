#include "shell/MainWindowPlay.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "model/Game.h"
#include "play/Commands.h"
#include "play/EndGame.h"
#include "play/NewGame.h"
#include "play/Pointer.h"
#include "shell/Commands.h"
#include "shell/DemoCommand.h"
#include "shell/HeaderPanels.h"
#include "shell/HintCommand.h"
#include "shell/HoldAndResume.h"
#include "shell/MainWindow.h"
#include "shell/TableArea.h"
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

}  // namespace

MainWindowPlay::MainWindowPlay(TfrmMain& window, TindleApp& app)
    : QObject(&window), window_(window), app_(app) {
    ctx_ = std::make_unique<PlayContext>(PlayContext{app.game, app.settings, app.mainGame,
                                                     app.catalogue, app.renderer, app.Sounds(),
                                                     app.Messages(), app.time, app.random, *this});
    ConnectTable();
    // The commands of the menu bar and the toolbars that belong to play.
    PlayCommandHooks& hooks = window_.Commands().play;
    hooks.newGame = [this] { NewGame(); };
    hooks.restart = [this] { RestartGameCommand(*ctx_); };
    hooks.dealNumber = [this](const std::string& number) {
        SelectGameNumberCommand(*ctx_, number);
    };
    hooks.undo = [this] { Undo(); };
    hooks.redo = [this] { Redo(); };
    hooks.autoplay = [this] { Autoplay(); };
    // A game in progress is held when the window closes, and resumed at the next start.
    window_.onEndGame = [this] { HoldGameAtClose(window_, *ctx_); };
    window_.onResumeAtStart = [this] { return ResumeHeldGameAtStart(window_, *ctx_); };
    HoldGameAtSessionEnd(window_, *ctx_, this);
    auto* hint = new HintCommand(*ctx_, this);
    connect(window_.Commands().Menu().mnuHint, &QAction::triggered, hint, &HintCommand::Run);
    auto* demo = new DemoCommand(*ctx_, this);
    connect(window_.Commands().Menu().mnuDemo, &QAction::triggered, demo, &DemoCommand::Run);
}

MainWindowPlay::~MainWindowPlay() = default;

void MainWindowPlay::ConnectTable() {
    TableArea* table = window_.imgSfondo;
    // After every press, release and double click the table follows what lies on it.
    connect(table, &TableArea::MouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
                if (const auto b = PlayButton(button)) {
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
            });
    // The toolkit reports the second press of a double click as the double click itself: the
    // double click acts first, then the press that belongs to it (which it may make ignored).
    connect(table, &TableArea::DblClick, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
                const auto b = PlayButton(button);
                if (!b) return;
                if (*b == MouseButton::Left) imgSfondoDblClick(*ctx_);
                imgSfondoMouseDown(*ctx_, *b, modifiers & Qt::ControlModifier, x, y);
                window_.FitTableToPiles();
            });
}

// ---- Commands

// After each command the table follows what lies on it.
void MainWindowPlay::NewGame() {
    DealNumberChoice winnable;
    if (ctx_->settings.IsYes(field::WinnableDealsOnly)) {
        winnable = [this] { return FindWinnableNumber(*ctx_, &window_); };
    }
    NewGameCommand(*ctx_, winnable);
    window_.FitTableToPiles();
}
void MainWindowPlay::Undo() {
    UndoCommand(*ctx_);
    window_.FitTableToPiles();
}
void MainWindowPlay::Redo() {
    RedoCommand(*ctx_);
    window_.FitTableToPiles();
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
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
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
    PlayWinningAnimationOn(window_);
}

void MainWindowPlay::SetInputRouting(InputRouting routing) {
    switch (routing) {
        case InputRouting::Normal:
            window_.Hooks().Restore();
            break;
        case InputRouting::AnimationInterrupt:
            window_.Hooks().Install(MessageHooks::Hook::Animation);
            break;
        case InputRouting::SwallowInput:
            window_.Hooks().Install(MessageHooks::Hook::Deal);
            break;
    }
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
