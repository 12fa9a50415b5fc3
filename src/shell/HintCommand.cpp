#include "shell/HintCommand.h"

#include <QTimer>

#include "model/Ports.h"
#include "play/PlayContext.h"
#include "play/TableView.h"
#include "shell/BackgroundSolve.h"
#include "solve/Hint.h"
#include "solve/Solver.h"

namespace tindle {

const char* const kNoWinningMove = "No move of this position leads to a won game.";
const char* const kNoWinningMoveWithAutoplay =
    "No move of this position leads to a won game while autoplay is on.";

const char* NoWinningMoveText(const SolveAnswer& answer) {
    return answer.lostWithAutoplayOnly ? kNoWinningMoveWithAutoplay : kNoWinningMove;
}

void RevealPlaces(const std::vector<TableRect>& places, const RevealPlace& reveal) {
    if (!reveal || places.empty()) return;
    TableRect all = places.front();
    for (const TableRect& r : places)
        all = all.United(r);
    reveal(all);
    reveal(places.front());
}

HintCommand::HintCommand(PlayContext& ctx, QObject* parent)
    : QObject(parent), ctx_(ctx), solve_(new BackgroundSolve(ctx, this)) {}

void HintCommand::Run() {
    solve_->Start(kBudgetMs, [this](const SolveAnswer& result) { Show(result); });
}

void HintCommand::Show(const SolveAnswer& result) {
    const Piles asked = ctx_.game.piles;
    if (result.verdict == SolveVerdict::Lost || !result.firstMove) {
        ctx_.messages.Information(NoWinningMoveText(result));
        return;
    }
    const std::vector<TableRect> places = HintPlaces(ctx_, *result.firstMove);
    RevealPlaces(places, reveal);
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
