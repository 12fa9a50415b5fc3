#include "table/EmptyMarks.h"

#include "model/Card.h"
#include "model/Game.h"
#include "model/SpecialGames.h"
#include "model/StockPasses.h"

namespace tindle {

namespace {

EmptyMarkChoice Slot(MarkSlot slot) {
    return {EmptyMarkChoice::Source::Slot, slot, 0};
}
EmptyMarkChoice Rank(int rank) {
    return {EmptyMarkChoice::Source::Rank, MarkSlot::RankA, rank};
}

EmptyMarkChoice StockMark(const Game& game) {
    const GameDef& def = game.def;
    const int special = SpecialOf(def);
    if (special == special::MonteCarlo || special == special::FourColumnsLeft)
        return {EmptyMarkChoice::Source::SpecialStock, MarkSlot::StockRedeal, 0};
    if (def[gd::RedealMode] == redeal::None || !PassAllowed(game)) {
        const bool nothingToTurn =
            PileEmpty(game.piles.Stock()) && PileCount(game.piles.Waste()) <= 1;
        if (nothingToTurn) return Slot(MarkSlot::StockNoRedeal);
        if (PassAllowed(game)) return Slot(MarkSlot::StockRedeal);
        return Slot(MarkSlot::StockNoRedeal);
    }
    return Slot(MarkSlot::StockRedeal);
}

EmptyMarkChoice WasteMark(const Game& game) {
    const GameDef& def = game.def;
    if (def[gd::StockUsed] == 1) return Slot(MarkSlot::Waste);
    if (def[gd::StockPasses] == passes::NoStock) return Slot(MarkSlot::StockNoRedeal);
    if (def[gd::RedealMode] != redeal::None && def[gd::StockUsed] == 0)
        return Slot(!PassAllowed(game) ? MarkSlot::StockNoRedeal : MarkSlot::StockRedeal);
    return {};
}

EmptyMarkChoice FoundationMark(const Game& game, int i) {
    if (game.def.At(gd::FoundationRule, i) == build::QueenOnEmptyFoundation) return Rank(kQueen);
    const int rank = RankMarkOfBase(game.def.At(gd::FoundationBase, i));
    if (rank == kRankMarkBlank) return {};
    if (rank == kNoRankMark) return Slot(MarkSlot::EmptyFoundation);
    return Rank(rank);
}

EmptyMarkChoice ReserveMark(const Game& game, int i) {
    const int all = game.def.At(gd::ReserveKind, 0);
    if (all == reserveKind::Courts) return Slot(MarkSlot::Reserve9);
    if (all == reserveKind::KingStack) return Slot(MarkSlot::ReserveK);
    switch (game.def.At(gd::ReserveKind, i)) {
        case reserveKind::Jack:
            return Slot(MarkSlot::ReserveJ);
        case reserveKind::Queen:
            return Slot(MarkSlot::ReserveQ);
        case reserveKind::King:
            return Slot(MarkSlot::ReserveK);
        default:
            return Slot(MarkSlot::Reserve);
    }
}

EmptyMarkChoice TableauMark(const Game& game, int i) {
    const int rank = RankMarkOfBase(game.def.At(gd::TableauBase, i));
    if (rank == kRankMarkBlank) return {};
    if (rank != kNoRankMark) return Rank(rank);
    return Slot(game.def.At(gd::TableauBase, 0) != base::NoCard ? MarkSlot::EmptyTableauBase
                                                                : MarkSlot::TableauFree);
}

}  // namespace

int MarkKindOf(PileKind kind) {
    switch (kind) {
        case PileKind::Mazzo:
            return mark::kStock;
        case PileKind::MazzoVis:
            return mark::kWaste;
        case PileKind::MazzoWaste:
            return mark::kSecondWaste;
        case PileKind::Dest:
            return mark::kFoundation;
        case PileKind::Fila:
            return mark::kTableau;
        case PileKind::Appogg:
            return mark::kReserve;
    }
    return mark::kNothing;
}

int RankMarkOfBase(int baseValue) {
    switch (baseValue) {
        case kAce:
        case base::AceMark:
        case base::BalancedAces:
        case base::BalancedDistinctAces:
            return kAce;
        case 2:
        case base::BalancedTwos:
            return 2;
        case kKing:
        case base::KingMark:
        case base::BalancedKings:
            return kKing;
        case base::Blank:
            return kRankMarkBlank;
        default:
            // The other ranks (base::Rank) show themselves; every other code no rank.
            return baseValue >= 3 && baseValue <= kQueen ? baseValue : kNoRankMark;
    }
}

EmptyMarkChoice ChooseEmptyMark(int kind, const Game& game, int pileIndex) {
    switch (kind) {
        case mark::kStock:
            return StockMark(game);
        case mark::kWaste:
            return WasteMark(game);
        case mark::kFoundation:
            return FoundationMark(game, pileIndex);
        case mark::kReserve:
            return ReserveMark(game, pileIndex);
        case mark::kTableau:
            return TableauMark(game, pileIndex);
        case mark::kSecondWaste:
            return Slot(MarkSlot::Waste);
        default:
            return {};
    }
}

}  // namespace tindle
