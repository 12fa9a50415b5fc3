#pragma once

#include <map>
#include <string>

#include "model/Game.h"
#include "model/Snapshot.h"

// What must hold of the table after every move, undo and redo of any game: no card lost or
// doubled, the face flags as the game's piles keep them, and undo followed by redo giving back
// the same table.

namespace tindle::test {

namespace invariants {

template <size_t N>
void CountList(const std::array<Pile, N>& list, std::map<int, int>& counts, size_t first = 0) {
    for (size_t i = first; i < N; ++i) {
        for (int p = 0; p < PileCount(list[i]); ++p) {
            const int card = PileCardAt(list[i], p);
            if (card != 0) ++counts[card];
        }
    }
}

inline std::string Describe(PileRef ref) {
    return PileName(ref);
}

}  // namespace invariants

inline std::map<int, int> CardCounts(const Game& game) {
    std::map<int, int> counts;
    invariants::CountList(game.piles.mazzo, counts);
    invariants::CountList(game.piles.dest, counts, FoundationOneExcluded(game.def) ? 1 : 0);
    invariants::CountList(game.piles.fila, counts);
    invariants::CountList(game.piles.appogg, counts);
    return counts;
}

inline std::string CheckTable(const Game& game, const std::map<int, int>& deck) {
    const std::map<int, int> counts = CardCounts(game);
    for (const auto& [card, n] : counts) {
        if (n != 1) return "card " + std::to_string(card) + " lies " + std::to_string(n) + " times";
        if (!deck.count(card)) return "card " + std::to_string(card) + " is not of the deck";
    }
    for (const auto& [card, n] : deck) {
        if (!counts.count(card)) return "card " + std::to_string(card) + " is lost";
    }

    // Foundations and both wastes hold face-up cards.
    auto allUp = [&](PileRef ref) -> std::string {
        const Pile& pile = game.piles.Get(ref);
        for (int p = 0; p < PileCount(pile); ++p) {
            const int card = PileCardAt(pile, p);
            if (card > 0 && game.cards.CardIsFaceDown(card)) {
                return "face-down card " + std::to_string(card) + " on " +
                       invariants::Describe(ref);
            }
        }
        return "";
    };
    for (int j = 0; j < kDestPiles; ++j) {
        if (auto e = allUp({PileKind::Dest, j}); !e.empty()) return e;
    }
    if (auto e = allUp({PileKind::MazzoVis, 0}); !e.empty()) return e;
    if (auto e = allUp({PileKind::MazzoWaste, 0}); !e.empty()) return e;

    // The stock's cards all face down, or all face up when the game turns its stock up.
    const Pile& stock = game.piles.Stock();
    const bool stockDown = game.def[gd::StockFaceDown] != 0;
    for (int p = 0; p < PileCount(stock); ++p) {
        const int card = PileCardAt(stock, p);
        if (card > 0 && game.cards.CardIsFaceDown(card) != stockDown) {
            return "stock card " + std::to_string(card) + " has the wrong face";
        }
    }

    // Columns dealt with face-down cards under face-up ones keep them so: no face-down card
    // above a face-up one.
    bool ordered = true;
    for (int k = 0; k < game.TableauCount(); ++k) {
        if (game.def.At(gd::TableauFaceMode, k) < 0) ordered = false;
    }
    if (ordered) {
        for (int k = 0; k < kFilaPiles; ++k) {
            const Pile& col = game.piles.fila[static_cast<size_t>(k)];
            bool seenUp = false;
            for (int p = 0; p < PileCount(col); ++p) {
                const int card = PileCardAt(col, p);
                if (card < 1) continue;
                if (game.cards.CardIsFaceDown(card)) {
                    if (seenUp)
                        return "face-down card above a face-up one in Fila" + std::to_string(k + 1);
                } else {
                    seenUp = true;
                }
            }
        }
    }
    return "";
}

}  // namespace tindle::test
