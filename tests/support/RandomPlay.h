#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "model/Game.h"
#include "model/LegalMoves.h"
#include "model/MoveText.h"
#include "model/Random.h"
#include "play/Commands.h"
#include "play/Gestures.h"
#include "play/PlayContext.h"
#include "play/PlayMove.h"

// Random play for soak tests: gestures a player could make (most of them legal moves), the
// table captured to compare before and after.

namespace tindle::test {

struct TableState {
    Piles piles;
    std::array<bool, CardTable::kCards + 1> down{};
    bool operator==(const TableState&) const = default;
};

inline TableState Capture(const Game& game) {
    TableState t;
    t.piles = game.piles;
    for (int c = 1; c <= CardTable::kCards; ++c) {
        t.down[static_cast<size_t>(c)] = game.cards.CardIsFaceDown(c);
    }
    return t;
}

// A card of a column, a reserve's top or the waste's top, or 0 when there is none.
inline int RandomCardOnTable(const Game& game, Random& random) {
    std::vector<int> cards;
    for (int k = 0; k < game.TableauCount(); ++k) {
        const Pile& col = game.piles.fila[static_cast<size_t>(k)];
        for (int p = 0; p < PileCount(col); ++p) {
            if (PileCardAt(col, p) > 0) cards.push_back(PileCardAt(col, p));
        }
    }
    for (int i = 0; i < game.ReserveCount(); ++i) {
        const int top = PileTop(game.piles.appogg[static_cast<size_t>(i)]);
        if (top > 0) cards.push_back(top);
    }
    if (const int top = PileTop(game.piles.Waste()); top > 0) cards.push_back(top);
    if (cards.empty()) return 0;
    return cards[static_cast<size_t>(random.Below(static_cast<int>(cards.size())))];
}

struct Gesture {
    std::string what;        // empty when no gesture was made
    bool acted = false;      // the gesture changed the table by itself
    bool legalDrag = false;  // a drag of LegalMoves, made with the mouse
};

inline bool IsDrag(const Move& m) {
    return m.kind == MoveKind::ToColumn || m.kind == MoveKind::ToFoundation ||
           m.kind == MoveKind::ToReserve || m.kind == MoveKind::ToWaste;
}

inline PileRef DragTarget(const Move& m) {
    switch (m.kind) {
        case MoveKind::ToFoundation:
            return {PileKind::Dest, m.index};
        case MoveKind::ToReserve:
            return {PileKind::Appogg, m.index};
        case MoveKind::ToWaste:
            return {PileKind::MazzoVis, 0};
        default:
            return {PileKind::Fila, m.index};
    }
}

// One random gesture: undo (10 %), redo (5 %), a click on the stock (20 %), a double click on
// a card (10 %), a click on a column (5 %), otherwise one of the legal moves: a drag made with
// the mouse, or the move's click (an undo when there is none).
inline Gesture RandomGesture(PlayContext& ctx, Random& random) {
    Gesture g;
    const int roll = random.Below(100);
    if (roll < 10) {
        g.what = "undo";
        g.acted = UndoCommand(ctx);
    } else if (roll < 15) {
        g.what = "redo";
        g.acted = RedoCommand(ctx);
    } else if (roll < 35) {
        g.what = "click on the stock";
        g.acted = ClickPile(ctx, {PileKind::Mazzo, 0});
    } else if (roll < 45) {
        const int card = RandomCardOnTable(ctx.game, random);
        g.what = "double click on " + std::to_string(card);
        g.acted = card > 0 && DoubleClickCard(ctx, card);
    } else if (roll < 50) {
        const int k = random.Below(std::max(ctx.game.TableauCount(), 1));
        g.what = "click on column " + std::to_string(k + 1);
        g.acted = ClickPile(ctx, {PileKind::Fila, k});
    } else {
        std::vector<Move> moves;
        LegalMoves(ctx.game, moves);
        if (moves.empty()) {  // a position without a legal move is left by undoing
            g.what = "undo, no legal move left";
            g.acted = UndoCommand(ctx);
            return g;
        }
        const Move m = moves[static_cast<size_t>(random.Below(static_cast<int>(moves.size())))];
        g.what = "legal move " + MoveText(m);
        if (IsDrag(m)) {
            g.legalDrag = true;
            g.acted = DragCardTo(ctx, m.card, DragTarget(m));
        } else {
            g.acted = PlayMove(ctx, m);
        }
    }
    return g;
}

}  // namespace tindle::test
