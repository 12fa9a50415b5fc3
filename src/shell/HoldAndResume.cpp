#include "shell/HoldAndResume.h"

#include <QGuiApplication>
#include <QLabel>
#include <QSessionManager>

#include <string>

#include "model/Ports.h"
#include "play/EndGame.h"
#include "play/GameStatistics.h"
#include "play/HeldGame.h"
#include "play/PlayContext.h"
#include "shell/HeaderPanels.h"
#include "shell/MainWindow.h"

namespace tindle {

namespace {

bool Holdable(const PlayContext& ctx) {
    return ctx.game.flags.gameInProgress && !ctx.game.flags.gameWon;
}

}  // namespace

void HoldGameAtClose(TfrmMain& window, PlayContext& ctx) {
    if (Holdable(ctx)) {
        if (HoldGame(ctx, window.Header().Clock().Seconds())) {
            ctx.game.flags.gameInProgress = false;
            ctx.game.flags.clockRunning = false;
            return;
        }
        ctx.messages.Information("The game in progress cannot be kept: " +
                                 HeldGamePath(ctx.settings).string() + " cannot be written.");
    }
    EndGame(ctx);
}

bool ResumeHeldGameAtStart(TfrmMain& window, PlayContext& ctx) {
    std::string problem;
    const auto held = ReadHeldGame(ctx.settings, problem);
    if (!held) {
        if (!problem.empty()) ctx.messages.Information(HeldGameDiscardedMessage(problem));
        StatisticsAtStart(ctx, -1);
        return false;
    }
    if (!ResumeHeldGame(ctx, *held, problem)) {
        DiscardHeldGame(ctx.settings);
        ctx.messages.Information(HeldGameDiscardedMessage(problem));
        StatisticsAtStart(ctx, -1);
        return false;
    }
    StatisticsAtStart(ctx, held->gameId);
    GameClock& clock = window.Header().Clock();
    clock.Carry(held->seconds);
    window.lblTempo->setText(clock.ElapsedText());
    // The table laid out for the resumed game and drawn.
    window.FormResize();
    return true;
}

void HoldGameAtSessionEnd(TfrmMain& window, PlayContext& ctx, QObject* receiver) {
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, receiver,
                     [&window, &ctx](QSessionManager&) {
                         if (Holdable(ctx)) HoldGame(ctx, window.Header().Clock().Seconds());
                     });
}

}  // namespace tindle
