// The deal's own moves to the foundations: cards of the tableau offered to the foundations,
// the Aces of the tableau with replacement cards, and the reserve Aces of special::ReserveAces.
#include <algorithm>

#include "model/AppendCard.h"
#include "model/Card.h"
#include "model/DealSteps.h"
#include "model/MoveRules.h"
#include "model/RuleCodes.h"

namespace tindle::deal {

namespace {

// The foundations a card is offered to, in order: [first, last) of the used ones, or none.
struct FoundationRange {
    int first = 0;
    int last = 0;
};

FoundationRange OfferedFoundations(const GameDef& def, int column, int groupIndex) {
    const int used = UsedFoundations(def);
    FoundationRange r{0, used};
    switch (def.At(gd::FoundationStartCard, 0)) {
        case foundationStart::AcesOwnColumn:
            r = {column, column + 1};
            break;
        case foundationStart::KingsThenAces:
            if (groupIndex >= 0 && groupIndex <= 3) {
                r = {0, 4};
            } else if (groupIndex >= 6 && groupIndex <= 9) {
                r = {4, 8};
            } else {
                r = {0, 8};
            }
            break;
        default:
            break;
    }
    r.last = std::min(r.last, used);
    return r;
}

// Moves the card at position p of column k to the first foundation of the range that takes
// it. True when it moved.
bool OfferToFoundations(Game& game, int k, int p, FoundationRange range) {
    Pile& column = game.piles.fila[static_cast<size_t>(k)];
    const int card = PileCardAt(column, p);
    if (card <= 0) return false;
    for (int j = range.first; j < range.last; ++j) {
        if (!Accepts(game, CardPlace{{PileKind::Fila, k}, p}, {PileKind::Dest, j}, Mover::Deal)) {
            continue;
        }
        PileRemoveAt(column, p);
        AppendCard(game.cards, game.piles.dest[static_cast<size_t>(j)], card, kFaceUp);
        return true;
    }
    return false;
}

int TallestColumn(const Game& game, int columns) {
    int h = 0;
    for (int k = 0; k < columns; ++k) {
        h = std::max(h, PileCount(game.piles.fila[static_cast<size_t>(k)]));
    }
    return h;
}

int FirstFoundationTaking(const Game& game, const CardPlace& from) {
    for (int j = 0; j < UsedFoundations(game.def); ++j) {
        if (Accepts(game, from, {PileKind::Dest, j}, Mover::Deal)) return j;
    }
    return -1;
}

}  // namespace

void AutomaticFoundationMoves(Game& game) {
    const int columns = UsedColumns(game.def);
    const int h = TallestColumn(game, columns);
    // After a move the inner index steps back, so that the card that slid into the freed
    // place is looked at too.
    if (game.def[gd::DealScanByColumn] != 0) {
        for (int k = 0; k < columns; ++k) {
            for (int p = 0; p <= h; ++p) {
                if (OfferToFoundations(game, k, p, OfferedFoundations(game.def, k, p))) --p;
            }
        }
    } else {
        for (int p = 0; p <= h; ++p) {
            for (int k = 0; k < columns; ++k) {
                if (OfferToFoundations(game, k, p, OfferedFoundations(game.def, k, k))) --k;
            }
        }
    }
}

void MoveTableauAces(Game& game) {
    const int columns = UsedColumns(game.def);
    Piles& piles = game.piles;
    // Depth by depth, column by column. A moved Ace's place is taken by the card above it,
    // which is looked at again, so that no Ace is passed over; a replacement card goes on top
    // and is met when the scan reaches its depth.
    for (int depth = 0; depth < TallestColumn(game, columns); ++depth) {
        for (int k = 0; k < columns; ++k) {
            Pile& column = piles.fila[static_cast<size_t>(k)];
            const int card = PileCardAt(column, depth);
            if (card <= 0 || CardRank(card) != kAce) continue;
            const int j = FirstFoundationTaking(game, CardPlace{{PileKind::Fila, k}, depth});
            if (j < 0) continue;
            PileRemoveAt(column, depth);
            AppendCard(game.cards, piles.dest[static_cast<size_t>(j)], card, kFaceUp);
            Pile& source = !PileEmpty(piles.Stock()) ? piles.Stock() : piles.Waste();
            if (!PileEmpty(source)) AppendCard(game.cards, column, PilePopTop(source), kFaceUp);
            --k;
        }
    }
}

void ReserveAcesToFoundations(Game& game) {
    Piles& piles = game.piles;
    Pile& reserve = piles.appogg[0];

    // The Aces of the first reserve, from its bottom, each alone on foundations 2, 3, ...
    int next = 1;
    int acesMoved = 0;
    for (int i = 0; i < PileCount(reserve) && next < kDestPiles;) {
        const int card = PileCardAt(reserve, i);
        if (CardRank(card) != kAce) {
            ++i;
            continue;
        }
        PileRemoveAt(reserve, i);
        Pile& foundation = piles.dest[static_cast<size_t>(next++)];
        foundation.clear();
        AppendCard(game.cards, foundation, card, kFaceUp);
        ++acesMoved;
    }

    // The waste from its bottom: Aces to foundation 1, other cards replace the reserve's Aces.
    // After a card is taken the scan still moves one place on, so the card that slid into the
    // freed place is passed over.
    Pile& waste = piles.Waste();
    int outstanding = acesMoved;
    bool aceOnFirst = false;
    for (int p = 0; p < PileCount(waste); ++p) {
        const int card = PileCardAt(waste, p);
        if (CardRank(card) == kAce) {
            PileRemoveAt(waste, p);
            AppendCard(game.cards, piles.dest[0], card, kFaceUp);
            aceOnFirst = true;
        } else if (outstanding > 0) {
            PileRemoveAt(waste, p);
            AppendCard(game.cards, reserve, card);
            game.cards.SetPileFaces(reserve, PileCount(reserve), kFaceUp);
            --outstanding;
        }
        if (aceOnFirst && outstanding == 0) break;
    }
}

}  // namespace tindle::deal
