#include "shell/DemoCommand.h"

#include <QCoreApplication>
#include <QEvent>

#include "model/Ports.h"
#include "play/KeyboardPlay.h"
#include "play/PlayContext.h"
#include "play/PlayMove.h"
#include "shell/BackgroundSolve.h"
#include "solve/Hint.h"
#include "solve/Solver.h"

namespace tindle {

namespace {

constexpr const char* kNoWinFound = "No won line of play was found in time.";

}  // namespace

DemoCommand::DemoCommand(PlayContext& ctx, QObject* parent)
    : QObject(parent), ctx_(ctx), solve_(new BackgroundSolve(ctx, this)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &DemoCommand::Step);
}

DemoCommand::~DemoCommand() {
    Stop();
}

void DemoCommand::Run() {
    Stop();
    solve_->Start(kBudgetMs, [this](const SolveAnswer& result) { Begin(result); });
}

void DemoCommand::Begin(const SolveAnswer& result) {
    if (result.verdict != SolveVerdict::Won) {
        ctx_.messages.Information(result.verdict == SolveVerdict::Lost ? NoWinningMoveText(result)
                                                                       : kNoWinFound);
        return;
    }
    moves_ = result.moves;
    next_ = 0;
    HideKeyboardFocus(ctx_);
    if (changed) changed();
    QCoreApplication::instance()->installEventFilter(this);
    timer_.start(stepMs);
}

void DemoCommand::Step() {
    if (!Running()) return;
    // The last move wins the game: its end (the winning animation) takes the keys and clicks.
    if (next_ + 1 == moves_.size()) QCoreApplication::instance()->removeEventFilter(this);
    const Move move = moves_[next_++];
    RevealPlaces(HintPlaces(ctx_, move), reveal);
    const bool played = PlayDemoMove(ctx_, move);
    if (changed) changed();
    if (!played || next_ == moves_.size() || !ctx_.game.flags.gameInProgress) {
        Stop();
        return;
    }
    // The next step is timed once this one's flights are over, never inside them.
    if (Running()) timer_.start(stepMs);
}

void DemoCommand::Stop() {
    timer_.stop();
    moves_.clear();
    next_ = 0;
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool DemoCommand::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            Stop();
            return true;
        default:
            return QObject::eventFilter(watched, event);
    }
}

}  // namespace tindle
