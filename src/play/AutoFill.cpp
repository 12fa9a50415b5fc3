// The automatic filling of empty columns by the game's fill rule (FillRule):
//   1        the top card of reserve 1
//   2, 4, 8, 10  the waste's top card, or the stock's when the waste is empty, into the
//            columns past the first FillSkipGroups x FillSkipGroupSize
//   3        the stock's top card, or the waste's when the stock is empty
//   5        three cards, one after the other, from the waste
//   6        the waste's top card, only into columns 1, 7, 8, 14, 15, 21, 22, 28
//   7        the stock's top card, only into columns 11 and later
//   9        four cards, one after the other, from the stock
// Rule 4 stops for good once a grid drop has been made (marker 1 in the undo history); rule
// 8 fills the empty reserves past the skipped ones the same way afterwards.

#include "model/GameEnd.h"
#include "model/History.h"
#include "model/RuleCodes.h"
#include "model/UsedPiles.h"
#include "play/Autoplay.h"
#include "play/ExecutorSteps.h"
#include "play/MoveExecutor.h"
#include "play/MoveName.h"
#include "play/PlayContext.h"
#include "play/TableView.h"

namespace tindle {

namespace {

const PileRef kStock{PileKind::Mazzo, 0};
const PileRef kWaste{PileKind::MazzoVis, 0};

struct FillSource {
    PileRef pile;
    int cards = 1;
};

int SkippedPiles(const Game& game) {
    return game.def[gd::FillSkipGroups] * game.def[gd::FillSkipGroupSize];
}

// The pile the next card comes from for this column (0-based), nullopt when the rule does
// not fill it.
std::optional<FillSource> SourceFor(const Game& game, int rule, int column) {
    const bool wasteEmpty = PileEmpty(game.piles.Waste());
    const bool stockEmpty = PileEmpty(game.piles.Stock());
    switch (rule) {
        case 1:
            return FillSource{{PileKind::Appogg, 0}, 1};
        case 2:
        case 4:
        case 8:
        case 10:
            if (column < SkippedPiles(game)) return std::nullopt;
            return FillSource{wasteEmpty ? kStock : kWaste, 1};
        case 3:
            return FillSource{stockEmpty ? kWaste : kStock, 1};
        case 5:
            return FillSource{kWaste, 3};
        case 6:
            switch (column) {
                case 0:
                case 6:
                case 7:
                case 13:
                case 14:
                case 20:
                case 21:
                case 27:
                    return FillSource{kWaste, 1};
                default:
                    return std::nullopt;
            }
        case 7:
            if (column < 10) return std::nullopt;
            return FillSource{kStock, 1};
        case 9:
            return FillSource{kStock, 4};
        default:
            return std::nullopt;
    }
}

bool RuleWaits(const Game& game, int rule) {
    const bool stockAndWasteEmpty = PileEmpty(game.piles.Stock()) && PileEmpty(game.piles.Waste());
    switch (rule) {
        case 1:
            return PileEmpty(game.piles.appogg[0]);
        case 2:
        case 3:
        case 8:
        case 9:
            return stockAndWasteEmpty;
        case 10:
            if (stockAndWasteEmpty) return true;
            for (int i = 0; i < UsedReserveCount(game); ++i) {
                if (!PileEmpty(game.piles.appogg[static_cast<size_t>(i)])) return true;
            }
            return false;
        case 4:
            return CountMarker(game.undo, marker::GridDrop) > 0;
        default:
            return false;
    }
}

// One card from the source's top flown into the target and put there by the executor.
bool FillOne(PlayContext& ctx, PileRef source, PileRef target, const std::string& move) {
    const Pile& from = ctx.game.piles.Get(source);
    const int card = PileTop(from);
    if (card < 1) return false;
    if (ctx.settings.IsNotNo(field::CardsAnimate)) {
        exec::FlyCard(ctx, card, CardCorner(ctx, source, PileCount(from) - 1),
                      NextCardCorner(ctx, target));
    }
    return Execute(ctx, card, move);
}

}  // namespace

bool AutoFillEmptyColumns(PlayContext& ctx) {
    Game& game = ctx.game;
    const int rule = game.def[gd::FillRule];
    if (rule == 0 || !game.flags.gameInProgress || FillPhaseOpen(game)) return false;
    if (RuleWaits(game, rule)) return false;

    bool found = false;
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        const PileRef column{PileKind::Fila, k};
        if (!PileEmpty(game.piles.Get(column))) continue;
        const auto source = SourceFor(game, rule, k);
        if (!source) continue;
        found = true;
        for (int n = 0; n < source->cards; ++n) {
            if (!FillOne(ctx, source->pile, column, ColumnMove(k))) break;
        }
    }
    if (rule == 8) {
        for (int i = SkippedPiles(game); i < UsedReserveCount(game); ++i) {
            const PileRef reserve{PileKind::Appogg, i};
            if (!PileEmpty(game.piles.Get(reserve))) continue;
            const PileRef source = PileEmpty(game.piles.Waste()) ? kStock : kWaste;
            FillOne(ctx, source, reserve, ReserveMove(i));
        }
    }
    return found;
}

}  // namespace tindle
