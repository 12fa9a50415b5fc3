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
    if (result.verdict == SolveVerdict::Lost || !result.firstMove) {
        ctx_.messages.Information(NoWinningMoveText(result));
        return;
    }
    // A hint still shown goes first: inverting its places again would take them back.
    if (shown_ != 0) DrawTable();
    const std::vector<TableRect> places = HintPlaces(ctx_, *result.firstMove);
    RevealPlaces(places, reveal);
    for (const TableRect& r : places)
        ctx_.view.InvertCard(r, true);
    shown_ = ++shows_;
    QTimer::singleShot(kShownMs, this, [this, shown = shown_] {
        // Not amid a deal being drawn, the winning animation or cards the mouse holds: they
        // draw the table themselves, and a repaint amid a deal's flights would lay every card
        // before it has flown. A later hint may have taken this one's place meanwhile.
        WhenTableFree(ctx_, this, [this, shown] {
            if (shown == shown_) DrawTable();
        });
    });
}

void HintCommand::DrawTable() {
    // The move was drawn selected by inverting its places, but inverting them again would
    // select them anew on a table drawn afresh meanwhile (a resize, the same deal dealt
    // again): the table is drawn as it lies.
    ctx_.view.RepaintTable(false);
    ctx_.view.PresentTable();
    shown_ = 0;
}

}  // namespace tindle
