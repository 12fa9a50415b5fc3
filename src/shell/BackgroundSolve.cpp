#include "shell/BackgroundSolve.h"

#include <memory>

#include "play/HeadlessPlay.h"
#include "solve/Solver.h"

namespace tindle {

namespace {

// A copy of the game in play that the solver may play on: the player's preferences (automatic
// face-up, autoplay) without flights or sounds.
std::shared_ptr<HeadlessPlay> CopyOf(const PlayContext& ctx) {
    auto copy = std::make_shared<HeadlessPlay>();
    copy->game = ctx.game;
    copy->settings = ctx.settings;
    for (const SettingField f : {field::CardsAnimate, field::CardsShadowed, field::DealAnimation,
                                 field::RedealAnimation, field::SoundsEnabled}) {
        copy->settings.Put(f, "N");
    }
    copy->layout = ctx.layout;
    copy->catalogue = ctx.catalogue;
    copy->ui.autoplayTicked = ctx.ui.AutoplayTicked();
    copy->ui.autoplayEnabled = ctx.ui.AutoplayEnabled();
    copy->ctx.session = ctx.session;
    return copy;
}

}  // namespace

BackgroundSolve::BackgroundSolve(PlayContext& ctx, QObject* parent) : QObject(parent), ctx_(ctx) {}

BackgroundSolve::~BackgroundSolve() {
    Stop();
}

void BackgroundSolve::Stop() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
    cancel_ = false;
}

void BackgroundSolve::Start(long budgetMs, Done done) {
    Stop();
    if (!ctx_.game.flags.gameInProgress) return;
    std::shared_ptr<HeadlessPlay> copy = CopyOf(ctx_);
    const Piles asked = ctx_.game.piles;
    worker_ = std::thread([this, copy, asked, budgetMs, done] {
        const SolveResult result = Solve(copy->ctx, {4'000'000, budgetMs}, &cancel_);
        if (cancel_) return;
        QMetaObject::invokeMethod(
            this,
            [this, result, asked, done] {
                if (ctx_.game.piles == asked && ctx_.game.flags.gameInProgress) done(result);
            },
            Qt::QueuedConnection);
    });
}

}  // namespace tindle
