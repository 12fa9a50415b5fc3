#include "solve/MoveOrder.h"

#include <algorithm>
#include <utility>

#include "model/Card.h"
#include "model/CardPlaces.h"
#include "model/Game.h"
#include "model/Legality.h"
#include "model/MoveRules.h"
#include "model/UsedPiles.h"

namespace tindle {

namespace {

// Merits of the heuristics; only their order matters.
constexpr int kToFoundation = 1000;
constexpr int kTurnUp = 900;
constexpr int kUncovers = 400;
constexpr int kEmptiesColumn = 150;
constexpr int kOutOfReserve = 200;
constexpr int kIntoReserve = -100;
constexpr int kIntoEmptyColumn = -50;
constexpr int kWholeColumnToEmpty = -1000;
constexpr int kStock = -300;

}  // namespace

int MoveMerit(const Game& game, const Move& move) {
    return MoveMerit(game, move, MovePlace(game, move));
}

int MoveMerit(const Game& game, const Move& move, const std::optional<CardPlace>& from) {
    switch (move.kind) {
        case MoveKind::ToFoundation:
            return kToFoundation;
        case MoveKind::TurnUp:
            return kTurnUp;
        case MoveKind::StockClick:
        case MoveKind::WasteClick:
            return kStock;
        default:
            break;
    }
    if (!from) return 0;
    int merit = 0;
    const bool toEmptyColumn = move.kind == MoveKind::ToColumn &&
                               PileEmpty(game.piles.fila[static_cast<size_t>(move.index)]);
    if (from->pile.kind == PileKind::Fila) {
        const Pile& pile = game.piles.Get(from->pile);
        if (from->position == 0) {
            if (toEmptyColumn) return kWholeColumnToEmpty;
            merit += kEmptiesColumn;
        } else if (game.cards.CardIsFaceDown(PileCardAt(pile, from->position - 1))) {
            merit += kUncovers;
        }
    }
    if (from->pile.kind == PileKind::Appogg) merit += kOutOfReserve;
    if (move.kind == MoveKind::ToReserve) merit += kIntoReserve;
    if (toEmptyColumn) merit += kIntoEmptyColumn;
    return merit;
}

int PositionMerit(const Game& game) {
    constexpr int kPerFoundationCard = 100;
    constexpr int kPerFaceDown = -20;
    constexpr int kPerReserveCard = -20;
    constexpr int kPerEmptyColumn = 15;
    // Per card above a card that goes home sooner, and per rank that card lies from the last
    // one home: a buried card at the foundations' base holds up its whole suit, a buried card
    // just below the last rank only two cards.
    constexpr int kPerBlocker = -4;
    // The ranks in the order the foundations take them: from foundation 1's base (a rank the
    // deal may set), the Ace where it is no rank.
    const int baseRank = game.def.At(gd::FoundationBase, 0);
    const int first = baseRank >= kAce && baseRank <= kKing ? baseRank : kAce;
    auto turn = [first](int rank) { return (rank - first + kKing) % kKing; };
    int merit = 0;
    for (int j = 0; j < UsedFoundationCount(game); ++j)
        merit += kPerFoundationCard * PileCount(game.piles.dest[static_cast<size_t>(j)]);
    for (int i = 0; i < UsedReserveCount(game); ++i)
        merit += kPerReserveCard * PileCount(game.piles.appogg[static_cast<size_t>(i)]);
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        const Pile& pile = game.piles.fila[static_cast<size_t>(k)];
        const int n = PileCount(pile);
        if (n == 0) merit += kPerEmptyColumn;
        // A card above one that goes home sooner must leave before that card can go.
        int soonest = kKing;
        for (int p = 0; p < n; ++p) {
            const int card = PileCardAt(pile, p);
            if (card < 1) continue;
            if (game.cards.CardIsFaceDown(card)) merit += kPerFaceDown;
            const int t = turn(CardRank(card));
            if (t > soonest) merit += kPerBlocker * (kKing - soonest);
            soonest = std::min(soonest, t);
        }
    }
    return merit;
}

bool IsShuffle(const Game& game, const Move& move) {
    return IsShuffle(game, move, MovePlace(game, move));
}

bool IsShuffle(const Game& game, const Move& move, const std::optional<CardPlace>& from) {
    if (!from) return false;
    if (from->pile.kind == PileKind::Dest) return true;
    if (from->pile.kind != PileKind::Fila || move.kind != MoveKind::ToColumn ||
        from->position == 0) {
        return false;
    }
    const CardPlace beneath{from->pile, from->position - 1};
    const int below = PileCardAt(game.piles.Get(from->pile), beneath.position);
    if (game.cards.CardIsFaceDown(below) || !MayLift(game, beneath, Gesture::Drag)) return false;
    // Splitting a run to send the card it uncovers home is progress, not a rearrangement.
    for (int j = 0; j < UsedFoundationCount(game); ++j) {
        if (CanPlaceOnFoundation(game, j, below, true)) return false;
    }
    return true;
}

std::optional<CardPlace> MovePlace(const Game& game, const Move& move) {
    if (!MoveTarget(move)) return std::nullopt;
    return FindCard(game, move.card);
}

std::optional<PileRef> MoveSource(const Game& game, const Move& move) {
    const auto from = MovePlace(game, move);
    if (!from) return std::nullopt;
    return from->pile;
}

}  // namespace tindle
