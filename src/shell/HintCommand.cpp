#include "shell/HintCommand.h"

#include <QTimer>

#include <memory>

#include "model/Ports.h"
#include "play/HeadlessPlay.h"
#include "play/TableView.h"
#include "solve/Hint.h"
#include "solve/Solver.h"

namespace tindle {

namespace {

constexpr const char* kNoWinningMove = "No move of this position leads to a won game.";

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

HintCommand::HintCommand(PlayContext& ctx, QObject* parent) : QObject(parent), ctx_(ctx) {}

HintCommand::~HintCommand() {
    Stop();
}

void HintCommand::Stop() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
    cancel_ = false;
}

void HintCommand::Run() {
    Stop();
    if (!ctx_.game.flags.gameInProgress) return;
    std::shared_ptr<HeadlessPlay> copy = CopyOf(ctx_);
    const Piles asked = ctx_.game.piles;
    worker_ = std::thread([this, copy, asked] {
        const SolveResult result = Solve(copy->ctx, {4'000'000, kBudgetMs}, &cancel_);
        if (cancel_) return;
        QMetaObject::invokeMethod(
            this, [this, result, asked] { Show(result, asked); }, Qt::QueuedConnection);
    });
}

void HintCommand::Show(const SolveResult& result, const Piles& asked) {
    if (ctx_.game.piles != asked || !ctx_.game.flags.gameInProgress) return;
    if (result.verdict == SolveVerdict::Lost || !result.firstMove) {
        ctx_.messages.Information(kNoWinningMove);
        return;
    }
    const std::vector<TableRect> places = HintPlaces(ctx_, *result.firstMove);
    for (const TableRect& r : places)
        ctx_.view.InvertCard(r, true);
    QTimer::singleShot(kShownMs, this, [this, places, asked] {
        // Drawn selected by inverting: inverting again gives the table back, unless a move
        // has redrawn it meanwhile.
        if (ctx_.game.piles != asked) {
            ctx_.view.RepaintTable(false);
            ctx_.view.PresentTable();
            return;
        }
        for (const TableRect& r : places)
            ctx_.view.InvertCard(r, false);
    });
}

}  // namespace tindle
