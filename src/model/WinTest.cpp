#include <array>

#include "model/Card.h"
#include "model/GameEnd.h"
#include "model/RuleCodes.h"
#include "model/UsedPiles.h"
#include "shell/settings/SettingsRecord.h"

// The win test of every win-condition code (special::). Codes not listed below use the
// standard test: stock, waste, every used column and every used reserve empty (what lies on
// the foundations and the second waste does not matter).

namespace tindle {

namespace {

bool ColumnsAll(const Game& game, bool (*pred)(const Pile&)) {
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        if (!pred(game.piles.fila[static_cast<size_t>(k)])) return false;
    }
    return true;
}

bool ReservesEmpty(const Game& game) {
    for (int i = 0; i < UsedReserveCount(game); ++i) {
        if (!PileEmpty(game.piles.appogg[static_cast<size_t>(i)])) return false;
    }
    return true;
}

bool StockAndWasteEmpty(const Game& game) {
    return PileEmpty(game.piles.Stock()) && PileEmpty(game.piles.Waste());
}

bool StandardWin(const Game& game, bool gapsCountAsEmpty) {
    if (!StockAndWasteEmpty(game) || !ReservesEmpty(game)) return false;
    if (gapsCountAsEmpty) return ColumnsAll(game, [](const Pile& p) { return PileOnlyGaps(p); });
    return ColumnsAll(game, [](const Pile& p) { return PileEmpty(p); });
}

}  // namespace

bool ColumnIsNineDown(const Pile& pile) {
    if (PileCount(pile) != 9) return false;
    for (int i = 0; i < 9; ++i) {
        if (CardRank(PileCardAt(pile, i)) != 9 - i) return false;
    }
    return true;
}

bool IsGameWon(const Game& game, const SettingsRecord& settings) {
    const auto& fila = game.piles.fila;
    switch (game.def[gd::SpecialGame]) {
        case special::Pyramid:  // removed cards leave gaps
            return StandardWin(game, true);
        case special::ColumnsFilled:
            return ColumnsAll(game, [](const Pile& p) { return PileCount(p) >= 1; });
        case special::RowNeighbours:
        case special::RowNeighboursHearts:
            return PileEmpty(game.piles.Stock()) && PileCount(fila[0]) <= 4;
        case special::OneCardEach:
            return ColumnsAll(game, [](const Pile& p) { return PileCount(p) == 1; });
        case special::AcesAlone:
            return PileEmpty(game.piles.Stock()) && ColumnsAll(game, [](const Pile& p) {
                       return PileCount(p) == 1 && CardRank(PileTop(p)) == kAce;
                   });
        case special::NeverWonPeek:
        case special::TopsMake91:
        case special::GridRuns:
        case special::PairsKept:
            return false;
        case special::ScoreRedColumns:
        case special::ScoreSecondWaste:
        case special::ScoreZero:
        case special::ScorePairsLessDeals:
        case special::ScoreSevensLessDeals:
        case special::FaceDownTargets:
        case special::ScoreZeroByScore:
        case special::PairsInPlaceOrder: {
            const auto score = ScoreOf(game, settings);
            return score && *score >= game.def[gd::TargetScore];
        }
        case special::OneFoundationLeft:
            for (int j = 1; j < UsedFoundationCount(game); ++j) {
                if (!PileEmpty(game.piles.dest[static_cast<size_t>(j)])) return false;
            }
            return true;
        case special::NineDown:
            for (int k = 0; k < UsedColumnCount(game); ++k) {
                if (ColumnIsNineDown(fila[static_cast<size_t>(k)])) return true;
            }
            return false;
        case special::FourColumnsLeft: {
            int holding = 0;
            for (int k = 0; k < UsedColumnCount(game); ++k) {
                holding += !PileEmpty(fila[static_cast<size_t>(k)]);
            }
            return holding == 4;
        }
        case special::ColumnExchange:
            for (int k = 0; k < 24; ++k) {
                if (PileCount(fila[static_cast<size_t>(k)]) != 4) return false;
            }
            return true;
        default:
            return StandardWin(game, false);
    }
}

bool FillPhaseOpen(const Game& game) {
    return game.def[gd::FillPhaseRule] != 0 && game.counters.firstMoveMark == 0;
}

}  // namespace tindle
