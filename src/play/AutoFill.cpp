// The automatic filling of empty columns by the game's fill rule (FillRule, fill:: in
// RuleCodes.def): the source of each empty column's card (SourceFor), when a rule waits
// (RuleWaits), and the reserves that WasteOrStockAndReserves fills afterwards. The columns
// past the first FillSkipGroups x FillSkipGroupSize are the only ones the waste-or-stock rules
// fill; UntilGridDrop stops for good once a grid drop has been made (marker::GridDrop in the
// undo history).

#include "model/GameEnd.h"
#include "model/History.h"
#include "model/RuleCodes.h"
#include "model/UsedPiles.h"
#include "play/Autoplay.h"
#include "play/ExecutorSteps.h"
#include "play/MoveExecutor.h"
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
        case fill::FromReserveOne:
            return FillSource{{PileKind::Appogg, 0}, 1};
        case fill::FromWasteOrStock:
        case fill::UntilGridDrop:
        case fill::WasteOrStockAndReserves:
        case fill::WhileReservesEmpty:
            if (column < SkippedPiles(game)) return std::nullopt;
            return FillSource{wasteEmpty ? kStock : kWaste, 1};
        case fill::FromStockOrWaste:
            return FillSource{stockEmpty ? kWaste : kStock, 1};
        case fill::ThreeFromWaste:
            return FillSource{kWaste, 3};
        case fill::WasteIntoEdgeColumns:
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
        case fill::StockFromColumnEleven:
            if (column < 10) return std::nullopt;
            return FillSource{kStock, 1};
        case fill::FourFromStock:
            return FillSource{kStock, 4};
        default:
            return std::nullopt;
    }
}

bool RuleWaits(const Game& game, int rule) {
    const bool stockAndWasteEmpty = PileEmpty(game.piles.Stock()) && PileEmpty(game.piles.Waste());
    switch (rule) {
        case fill::FromReserveOne:
            return PileEmpty(game.piles.appogg[0]);
        case fill::FromWasteOrStock:
        case fill::FromStockOrWaste:
        case fill::WasteOrStockAndReserves:
        case fill::FourFromStock:
            return stockAndWasteEmpty;
        case fill::WhileReservesEmpty:
            if (stockAndWasteEmpty) return true;
            for (int i = 0; i < UsedReserveCount(game); ++i) {
                if (!PileEmpty(game.piles.appogg[static_cast<size_t>(i)])) return true;
            }
            return false;
        case fill::UntilGridDrop:
            return CountMarker(game.undo, marker::GridDrop) > 0;
        default:
            return false;
    }
}

// One card from the source's top flown into the target and put there by the executor.
bool FillOne(PlayContext& ctx, PileRef source, PileRef target) {
    const Pile& from = ctx.game.piles.Get(source);
    const int card = PileTop(from);
    if (card < 1) return false;
    if (ctx.settings.IsNotNo(field::CardsAnimate)) {
        exec::FlyCard(ctx, card, CardCorner(ctx, source, PileCount(from) - 1),
                      NextCardCorner(ctx, target));
    }
    const MoveKind kind = target.kind == PileKind::Fila ? MoveKind::ToColumn : MoveKind::ToReserve;
    return Execute(ctx, {kind, target.index, card});
}

}  // namespace

bool AutoFillEmptyColumns(PlayContext& ctx) {
    Game& game = ctx.game;
    const int rule = game.def[gd::FillRule];
    if (rule == fill::None || !game.flags.gameInProgress || FillPhaseOpen(game)) return false;
    if (RuleWaits(game, rule)) return false;

    bool found = false;
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        const PileRef column{PileKind::Fila, k};
        if (!PileEmpty(game.piles.Get(column))) continue;
        const auto source = SourceFor(game, rule, k);
        if (!source) continue;
        found = true;
        for (int n = 0; n < source->cards; ++n) {
            if (!FillOne(ctx, source->pile, column)) break;
        }
    }
    if (rule == fill::WasteOrStockAndReserves) {
        for (int i = SkippedPiles(game); i < UsedReserveCount(game); ++i) {
            const PileRef reserve{PileKind::Appogg, i};
            if (!PileEmpty(game.piles.Get(reserve))) continue;
            const PileRef source = PileEmpty(game.piles.Waste()) ? kStock : kWaste;
            FillOne(ctx, source, reserve);
        }
    }
    return found;
}

}  // namespace tindle
