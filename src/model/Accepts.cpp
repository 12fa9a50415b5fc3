// Whether a pile takes a block of cards: the rules of each destination kind on top of the
// building rule CanPlace.

#include "model/Card.h"
#include "model/GameEnd.h"
#include "model/Legality.h"
#include "model/LegalityRules.h"
#include "model/MoveRules.h"
#include "model/RuleCodes.h"
#include "model/Snapshot.h"
#include "model/SpecialGames.h"
#include "model/UsedPiles.h"

namespace tindle {

namespace legality {

namespace {

constexpr int kFoundationDeckLimit = 52;  // UpFromAceAround: a foundation of one deck at most

// The foundations take a card while they hold fewer than FoundationCapacity cards.
bool CappedDrop(const Game& game, int card, int j, bool playerMove) {
    if (PileCount(game.piles.dest[static_cast<size_t>(j)]) >= game.def[gd::FoundationCapacity]) {
        return false;
    }
    return CanPlaceOnFoundation(game, j, card, playerMove);
}

bool UncappedDrop(const Game& game, int card, int j, bool playerMove) {
    return CanPlaceOnFoundation(game, j, card, playerMove);
}

bool UncappedToOneDeck(const Game& game, int card, int j, bool playerMove) {
    if (PileCount(game.piles.dest[static_cast<size_t>(j)]) >= kFoundationDeckLimit) return false;
    return CanPlaceOnFoundation(game, j, card, playerMove);
}

bool QueenOnEmpty(const Game& game, int card, int j, bool) {
    return CardRank(card) == kQueen && PileEmpty(game.piles.dest[static_cast<size_t>(j)]);
}

// Any card but an Ace is discarded while some column top of its suit is higher, or an Ace.
bool DiscardBelowHigher(const Game& game, int card, int, bool) {
    if (CardRank(card) == kAce) return false;
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        const int top = PileTop(game.piles.fila[static_cast<size_t>(k)]);
        if (top < 1 || CardSuit(top) != CardSuit(card)) continue;
        if (CardRank(top) > CardRank(card) || CardRank(top) == kAce) return true;
    }
    return false;
}

struct FoundationDropEntry {
    build::Code code;
    FoundationDropFn rule;
};

// The building rule codes whose foundations have a drop rule of their own; every other code
// is capped by FoundationCapacity.
constexpr FoundationDropEntry kFoundationDrops[] = {
    {build::QueenOnEmptyFoundation, QueenOnEmpty},
    {build::UpFromAceAround, UncappedToOneDeck},
    {build::DiscardBelowHigher, DiscardBelowHigher},
    {build::UpThenKingThenDown, UncappedDrop},
};

bool Single(const CardPlace& from, const Game& game) {
    return BlockSize(game, from) == 1;
}

bool EmptyReserve(const Game& game, int i) {
    return PileEmpty(game.piles.appogg[static_cast<size_t>(i)]);
}

int FirstReserveCount(const Game& game) {
    return PileCount(game.piles.appogg[0]);
}

bool ReserveFreeCell(const Game& game, const CardPlace& from, int i, bool) {
    return Single(from, game) && EmptyReserve(game, i);
}
bool ReserveClosed(const Game&, const CardPlace&, int, bool) {
    return false;
}
bool ReserveKingStack(const Game& game, const CardPlace& from, int, bool) {
    return Single(from, game) &&
           CardRank(PileCardAt(game.piles.Get(from.pile), from.position)) == kKing &&
           FirstReserveCount(game) < 3;
}
bool ReserveCourts(const Game& game, const CardPlace& from, int i, bool) {
    return Single(from, game) && EmptyReserve(game, i) &&
           CardIsFaceCard(PileCardAt(game.piles.Get(from.pile), from.position));
}
bool ReserveOpen(const Game&, const CardPlace&, int, bool) {
    return true;
}
bool ReserveFiveStack(const Game& game, const CardPlace& from, int, bool) {
    return Single(from, game) && FirstReserveCount(game) < 5;
}
bool ReserveByBuildRule(const Game& game, const CardPlace& from, int i, bool playerMove) {
    const int card = PileCardAt(game.piles.Get(from.pile), from.position);
    return Single(from, game) && EmptyReserve(game, i) &&
           CanPlaceOnReserve(game, i, card, playerMove);
}
bool ReserveFromWaste(const Game&, const CardPlace& from, int, bool) {
    return from.pile.kind == PileKind::MazzoVis;
}
template <int Rank>
bool ReserveOneRank(const Game& game, const CardPlace& from, int i, bool) {
    return Single(from, game) && EmptyReserve(game, i) &&
           CardRank(PileCardAt(game.piles.Get(from.pile), from.position)) == Rank;
}

struct ReserveDropEntry {
    reserveKind::Code kind;
    ReserveDropFn rule;
};

constexpr ReserveDropEntry kReserveDrops[] = {
    {reserveKind::FreeCell, ReserveFreeCell},
    {reserveKind::Closed, ReserveClosed},
    {reserveKind::KingStack, ReserveKingStack},
    {reserveKind::Courts, ReserveCourts},
    {reserveKind::Open, ReserveOpen},
    {reserveKind::FiveStack, ReserveFiveStack},
    {reserveKind::ByBuildRule, ReserveByBuildRule},
    {reserveKind::FromWaste, ReserveFromWaste},
    {reserveKind::Jack, ReserveOneRank<kJack>},
    {reserveKind::Queen, ReserveOneRank<kQueen>},
    {reserveKind::King, ReserveOneRank<kKing>},
};

}  // namespace

FoundationDropFn FoundationDropRule(int code) {
    if (BuildingRule(code) == nullptr) return nullptr;  // every named code has a building rule
    for (const FoundationDropEntry& e : kFoundationDrops) {
        if (e.code == code) return e.rule;
    }
    return CappedDrop;
}

bool FoundationCapacityApplies(int code) {
    return FoundationDropRule(code) == CappedDrop;
}

bool FoundationDropAsksBuildingRule(int code) {
    const FoundationDropFn rule = FoundationDropRule(code);
    return rule == CappedDrop || rule == UncappedDrop || rule == UncappedToOneDeck;
}

ReserveDropFn ReserveDropRule(int kind) {
    for (const ReserveDropEntry& e : kReserveDrops) {
        if (e.kind == kind) return e.rule;
    }
    return nullptr;
}

}  // namespace legality

namespace {

bool FoundationAccepts(const Game& game, const CardPlace& from, int j, bool playerMove) {
    if (BlockSize(game, from) != 1) return false;
    const int card = PileCardAt(game.piles.Get(from.pile), from.position);
    const legality::FoundationDropFn rule =
        legality::FoundationDropRule(game.def.At(gd::FoundationRule, j));
    // A code the table does not name (refused by the compiler) is capped like the others.
    if (rule == nullptr)
        return legality::FoundationDropRule(build::SameSuit)(game, card, j, playerMove);
    return rule(game, card, j, playerMove);
}

bool ColumnAccepts(const Game& game, const CardPlace& from, int k, bool playerMove) {
    const Pile& pile = game.piles.fila[static_cast<size_t>(k)];
    const int top = PileTop(pile);
    if (top > 0 && game.cards.CardIsFaceDown(top) &&
        SpecialOf(game.def) != special::FaceDownTargets) {
        return false;
    }
    const int limit = game.def[gd::ColumnMaxCards];
    if (limit != columnLimit::NoLimit && PileCount(pile) >= limit) return false;
    if (top > 0 && top == PileTop(game.piles.Get(from.pile))) return false;
    const int blockSize = BlockSize(game, from);
    if (game.def.At(gd::TableauRule, k) == build::DownAnySuit && blockSize > 1 &&
        !PileEmpty(pile)) {
        return false;
    }
    const int card = PileCardAt(game.piles.Get(from.pile), from.position);
    if (!CanPlaceOnColumn(game, k, card, playerMove)) return false;
    if (blockSize > 1 && GroupRuleChecksRuns(game.def) && from.pile.kind == PileKind::Fila &&
        !CanMoveGroup(game, card, from.pile.index)) {
        return false;
    }
    if (blockSize > 1 && PileEmpty(pile) && game.def[gd::GroupSizeRule] == groupSize::ByFreeCells &&
        !legality::GroupSizeAllowedAt(game, from, true)) {
        return false;
    }
    return true;
}

bool ReserveAccepts(const Game& game, const CardPlace& from, int i, bool playerMove) {
    const legality::ReserveDropFn rule = legality::ReserveDropRule(game.def.At(gd::ReserveKind, i));
    // A kind the table does not name (refused by the compiler) is a free cell.
    if (rule == nullptr)
        return legality::ReserveDropRule(reserveKind::FreeCell)(game, from, i, playerMove);
    return rule(game, from, i, playerMove);
}

// wasteDrops::SuitNeighbours: a single card of the waste top's suit, one rank apart.
bool WasteAccepts(const Game& game, const CardPlace& from) {
    if (game.def[gd::WasteAcceptsDrops] != wasteDrops::SuitNeighbours ||
        BlockSize(game, from) != 1) {
        return false;
    }
    const int card = PileCardAt(game.piles.Get(from.pile), from.position);
    const int top = PileTop(game.piles.Waste());
    if (top < 1 || CardSuit(top) != CardSuit(card)) return false;
    const int rank = CardRank(top);
    return rank == NextRank(CardRank(card)) || rank == PrevRank(CardRank(card));
}

// The second-waste games: a card fits on Mazzo_Waste one rank from its top card.
// SecondWasteByRule and SecondWasteAround join them by the standard rank step in any suit,
// either way (SecondWasteAround also the Ace and the King); Eddy by one rank, Ace and King
// joined.
bool SecondWasteAccepts(const Game& game, const CardPlace& from) {
    if (!IsSecondWasteGame(game.def) || BlockSize(game, from) != 1) return false;
    const int card = PileCardAt(game.piles.Get(from.pile), from.position);
    const int top = PileTop(game.piles.SecondWaste());
    if (top < 1) return true;
    const int special = SpecialOf(game.def);
    const int a = CardRank(card);
    const int b = CardRank(top);
    const bool aceKing = (a == kAce && b == kKing) || (a == kKing && b == kAce);
    if (special == special::Eddy) return aceKing || a == b + 1 || a == b - 1;
    if (aceKing) return special == special::SecondWasteAround;
    PlaceQuery q;
    q.playerMove = true;
    q.base = base::AnyCard;
    q.ruleCode = build::AnySuit;
    q.directionType = direction::Descending;
    q.topCard = top;
    q.card = card;
    if (CanPlace(game, q)) return true;
    q.topCard = card;
    q.card = top;
    return CanPlace(game, q);
}

// The deal's own moves ask the building rule of the pile alone.
bool BuildingRuleTakes(const Game& game, int card, PileRef target) {
    switch (target.kind) {
        case PileKind::Dest:
            return CanPlaceOnFoundation(game, target.index, card, false);
        case PileKind::Fila:
            return CanPlaceOnColumn(game, target.index, card, false);
        case PileKind::Appogg:
            return CanPlaceOnReserve(game, target.index, card, false);
        default:
            return false;
    }
}

}  // namespace

bool Accepts(const Game& game, const CardPlace& from, PileRef target, Mover mover) {
    const int card = PileCardAt(game.piles.Get(from.pile), from.position);
    if (card < 1) return false;
    if (mover == Mover::Deal) return BuildingRuleTakes(game, card, target);
    // While the tableau-filling phase is open only a column card may go, to a foundation.
    if (FillPhaseOpen(game) &&
        (from.pile.kind != PileKind::Fila || target.kind != PileKind::Dest)) {
        return false;
    }
    const bool playerMove = mover == Mover::Player;
    switch (target.kind) {
        case PileKind::Dest:
            if (target.index < 0 || target.index >= UsedFoundationCount(game)) return false;
            // Foundation 1 of the games that keep their selection there takes no card.
            if (target.index == 0 && FoundationOneExcluded(game.def)) return false;
            return FoundationAccepts(game, from, target.index, playerMove);
        case PileKind::Fila:
            if (target.index < 0 || target.index >= UsedColumnCount(game)) return false;
            return ColumnAccepts(game, from, target.index, playerMove);
        case PileKind::Appogg:
            if (target.index < 0 || target.index >= UsedReserveCount(game)) return false;
            return ReserveAccepts(game, from, target.index, playerMove);
        case PileKind::MazzoVis:
            return WasteAccepts(game, from);
        case PileKind::MazzoWaste:
            return SecondWasteAccepts(game, from);
        case PileKind::Mazzo:
            return false;
    }
    return false;
}

bool Accepts(const Game& game, int card, PileRef target, Mover mover) {
    const auto from = FindCard(game, card);
    return from && Accepts(game, *from, target, mover);
}

bool FoundationDropByTheTwoCards(const Game& game, int j) {
    const int code = game.def.At(gd::FoundationRule, j);
    return JudgesByTheTwoCards(code) && legality::FoundationDropAsksBuildingRule(code);
}

int JumpedCell(const Game& game, int card, int column) {
    if (column < 0 || column >= kFilaPiles) return -1;
    if (game.def.At(gd::TableauRule, column) != build::GridJump) return -1;
    if (!CanPlaceOnColumn(game, column, card, true)) return -1;
    return legality::JumpedGridCell(game, card, column);
}

}  // namespace tindle
