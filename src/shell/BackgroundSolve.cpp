#include "shell/BackgroundSolve.h"

#include <memory>

#include "play/HeadlessPlay.h"
#include "play/PlayContext.h"
#include "play/PlayUi.h"
#include "play/Pointer.h"
#include "shell/BackgroundThread.h"
#include "solve/LineShortening.h"
#include "solve/Solver.h"

namespace tindle {

std::shared_ptr<HeadlessPlay> SearchCopyOf(const PlayContext& ctx) {
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

void WhenTableFree(const PlayContext& ctx, QObject* context, std::function<void()> then) {
    if (!ctx.ui.TableAnimating() && !PointerHolds(ctx)) {
        then();
        return;
    }
    QTimer::singleShot(BackgroundSolve::kWatchMs, context,
                       [&ctx, context, then] { WhenTableFree(ctx, context, then); });
}

namespace {

// Whether a search with autoplay switched off proves the position of `copy` lost as well, within
// `budgetMs`.
bool LostWithoutAutoplay(HeadlessPlay& copy, long budgetMs, const std::atomic<bool>* cancel) {
    if (budgetMs <= 0) return false;
    copy.ui.autoplayTicked = false;
    return Solve(copy.ctx, {4'000'000, budgetMs}, cancel).verdict == SolveVerdict::Lost;
}

}  // namespace

BackgroundSolve::BackgroundSolve(PlayContext& ctx, QObject* parent)
    : QObject(parent), ctx_(ctx), watch_(new QTimer(this)) {
    watch_->setInterval(kWatchMs);
    connect(watch_, &QTimer::timeout, this, &BackgroundSolve::Watch);
}

BackgroundSolve::~BackgroundSolve() {
    busyChanged = nullptr;
    Stop();
}

void BackgroundSolve::Stop() {
    watch_->stop();
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
    cancel_ = false;
    SetBusy(false);
}

void BackgroundSolve::SetBusy(bool busy) {
    if (busy_ == busy) return;
    busy_ = busy;
    if (busyChanged) busyChanged();
}

void BackgroundSolve::Watch() {
    if (!busy_) {
        watch_->stop();
        return;
    }
    if (!TableAsAsked()) Stop();
}

bool BackgroundSolve::TableAsAsked() const {
    // Every counter but the first-move mark: a call that moves nothing can raise it, and where
    // the first move fills the columns their cards tell it.
    GameCounters now = ctx_.game.counters;
    now.firstMoveMark = askedCounters_.firstMoveMark;
    return ctx_.game.piles == asked_ && now == askedCounters_ && ctx_.game.flags.gameInProgress;
}

void BackgroundSolve::Start(long budgetMs, Done done) {
    const bool askedTheSame =
        TableAsAsked() && AutoplayOn(ctx_) == askedAutoplay_ && budgetMs == askedBudgetMs_;
    if (askedTheSame && busy_) {
        done_ = std::move(done);
        return;
    }
    if (askedTheSame && answered_) {
        // The position just answered: its answer again, as a search would give it once more.
        done_ = std::move(done);
        SetBusy(true);
        const int search = ++searches_;
        WhenTableFree(ctx_, this, [this, answer = *answered_, search] { Answer(answer, search); });
        return;
    }
    Stop();
    answered_.reset();
    if (!ctx_.game.flags.gameInProgress) return;
    std::shared_ptr<HeadlessPlay> copy = SearchCopyOf(ctx_);
    asked_ = ctx_.game.piles;
    askedCounters_ = ctx_.game.counters;
    askedAutoplay_ = AutoplayOn(ctx_);
    askedBudgetMs_ = budgetMs;
    done_ = std::move(done);
    SetBusy(true);
    const int search = ++searches_;
    watch_->start();
    worker_ = StartBackgroundThread([this, copy, budgetMs, search] {
        SolveAnswer result{Solve(copy->ctx, {4'000'000, budgetMs}, &cancel_)};
        ShortenWonLine(copy->ctx, result, kWonLineShorteningMs, &cancel_);
        if (result.verdict == SolveVerdict::Lost && AutoplayOn(copy->ctx)) {
            result.lostWithAutoplayOnly =
                !LostWithoutAutoplay(*copy, budgetMs - result.milliseconds, &cancel_);
        }
        if (cancel_) return;
        // The answer goes by the table as it lies once it is free (the same deal dealt again
        // lies as it was asked about).
        QMetaObject::invokeMethod(
            this,
            [this, result, search] {
                WhenTableFree(ctx_, this, [this, result, search] { Answer(result, search); });
            },
            Qt::QueuedConnection);
    });
}

void BackgroundSolve::Answer(const SolveAnswer& result, int search) {
    // An answer of a search given up meanwhile, or of an earlier one.
    if (!busy_ || search != searches_) return;
    SetBusy(false);
    if (!TableAsAsked()) return;
    answered_ = result;
    // A copy: the answer may ask anew, which sets done_.
    const Done done = done_;
    if (done) done(result);
}

}  // namespace tindle
