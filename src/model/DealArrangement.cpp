// The arrangement step at the end of a deal (DealArrangement, arrangement:: in RuleCodes.def).
#include <algorithm>
#include <vector>

#include "model/AppendCard.h"
#include "model/Card.h"
#include "model/DealSteps.h"
#include "model/MoveRules.h"
#include "model/Random.h"
#include "model/RuleCodes.h"

namespace tindle::deal {

namespace {

constexpr int kGridRows = 9;  // rows of the grid of KingsBecomeGapsNineRows

// In every used column and foundation whose bottom card is a King, the King goes to the
// bottom of the stock, the stock's top card is turned face down, and a pile left empty takes
// the first card of the stock (from its bottom) that is not a King, face up. Cards lying
// above such a King stay in their pile.
void KingsUnderStock(Game& game) {
    Piles& piles = game.piles;
    Pile& stock = piles.Stock();
    auto arrange = [&](Pile& pile) {
        const int king = PileBottom(pile);
        if (CardRank(king) != kKing) return;
        PileRemoveAt(pile, 0);
        stock.insert(0, CardText(king));
        game.cards.SetCardFace(PileTop(stock), kFaceDown);
        if (!PileEmpty(pile)) return;
        for (int i = 0; i < PileCount(stock); ++i) {
            const int card = PileCardAt(stock, i);
            if (card == 0 || CardRank(card) == kKing) continue;
            PileRemoveAt(stock, i);
            AppendCard(game.cards, pile, card, kFaceUp);
            return;
        }
    };
    for (int k = 0; k < UsedColumns(game.def); ++k)
        arrange(piles.fila[static_cast<size_t>(k)]);
    for (int j = 0; j < UsedFoundations(game.def); ++j)
        arrange(piles.dest[static_cast<size_t>(j)]);
}

// The first card of the given rank starts the first column; the rest of the list follows in
// order, a new column starting before every further card of that rank.
void ColumnsStartingWith(DealState& st, int rank) {
    Game& game = st.game;
    DealList& list = st.list;
    int column = 0;
    int at = list.FindIf([rank](int c) { return CardRank(c) == rank; });
    if (at >= 0) {
        AppendCard(game.cards, game.piles.fila[0], list.TakeAt(at), kFaceUp);
    }
    while (!list.Empty()) {
        const int card = list.TakeFront();
        if (CardRank(card) == rank) ++column;
        if (column >= kFilaPiles) {
            ++st.report.unplaced;
            continue;
        }
        AppendCard(game.cards, game.piles.fila[static_cast<size_t>(column)], card, kFaceUp);
    }
    AutomaticFoundationMoves(game);
}

// The cards of the columns are gathered and dealt back into the same places so that no column
// holds two cards of one rank where that can be helped: each place takes the first gathered
// card whose rank its column does not hold yet; places left over take the remaining cards in
// their gathered order.
void DistinctRanksPerColumn(Game& game) {
    const int columns = UsedColumns(game.def);
    std::vector<int> gathered;
    std::vector<int> heights(static_cast<size_t>(columns));
    for (int k = 0; k < columns; ++k) {
        Pile& pile = game.piles.fila[static_cast<size_t>(k)];
        heights[static_cast<size_t>(k)] = PileCount(pile);
        for (int i = 0; i < PileCount(pile); ++i)
            gathered.push_back(PileCardAt(pile, i));
        pile.assign(pile.size(), '0');
    }
    std::vector<bool> used(gathered.size(), false);
    for (int k = 0; k < columns; ++k) {
        Pile& pile = game.piles.fila[static_cast<size_t>(k)];
        for (int slot = 0; slot < heights[static_cast<size_t>(k)]; ++slot) {
            for (size_t g = 0; g < gathered.size(); ++g) {
                if (used[g]) continue;
                const int rank = CardRank(gathered[g]);
                bool clash = false;
                for (int i = 0; i < slot && !clash; ++i) {
                    clash = PileCardAt(pile, i) != 0 && CardRank(PileCardAt(pile, i)) == rank;
                }
                if (clash) continue;
                used[g] = true;
                PileReplaceAt(pile, slot, gathered[g]);
                break;
            }
        }
    }
    size_t next = 0;
    for (int k = 0; k < columns; ++k) {
        Pile& pile = game.piles.fila[static_cast<size_t>(k)];
        for (int slot = 0; slot < heights[static_cast<size_t>(k)]; ++slot) {
            if (PileCardAt(pile, slot) != 0) continue;
            while (next < gathered.size() && used[next])
                ++next;
            if (next == gathered.size()) return;
            used[next] = true;
            PileReplaceAt(pile, slot, gathered[next]);
        }
    }
}

// Every card left in the list goes face up to the column of its rank (rank - offset).
void ColumnPerRank(DealState& st, int offset) {
    while (!st.list.Empty()) {
        const int card = st.list.TakeFront();
        if (card == 0) continue;  // a free entry of the order is no card
        const int column = CardRank(card) - offset;
        if (column < 0 || column >= kFilaPiles) {
            ++st.report.unplaced;
            continue;
        }
        AppendCard(st.game.cards, st.game.piles.fila[static_cast<size_t>(column)], card, kFaceUp);
    }
}

void BottomCardsToFoundations(Game& game) {
    const int n = std::min(UsedColumns(game.def), UsedFoundations(game.def));
    for (int k = 0; k < n; ++k) {
        Pile& column = game.piles.fila[static_cast<size_t>(k)];
        const int card = PileBottom(column);
        if (card <= 0 ||
            !Accepts(game, CardPlace{{PileKind::Fila, k}, 0}, {PileKind::Dest, k}, Mover::Deal)) {
            continue;
        }
        PileRemoveAt(column, 0);
        AppendCard(game.cards, game.piles.dest[static_cast<size_t>(k)], card, kFaceUp);
    }
}

void RankBecomesGaps(Game& game, int rank) {
    for (int k = 0; k < UsedColumns(game.def); ++k) {
        Pile& pile = game.piles.fila[static_cast<size_t>(k)];
        for (int i = 0; i < PileCount(pile); ++i) {
            if (CardRank(PileCardAt(pile, i)) == rank) PileReplaceAt(pile, i, 0);
        }
    }
}

void EmptyColumnOfCard(Game& game) {
    int card = game.def[gd::TableauCount];
    if (card > 13) card += 13;
    for (int k = 0; k < UsedColumns(game.def); ++k) {
        Pile& pile = game.piles.fila[static_cast<size_t>(k)];
        if (!PileEmpty(pile) && PileBottom(pile) == card) {
            pile.clear();
            return;
        }
    }
}

void EmptyRandomColumn(Game& game, Random* random) {
    const int columns = UsedColumns(game.def);
    if (columns < 2) return;  // the last column is never chosen: nothing to choose from
    Random fallback;
    Random& r = random != nullptr ? *random : fallback;
    game.piles.fila[static_cast<size_t>(r.Between(0, columns - 2))].clear();
}

void FoundationsShowOrder(DealState& st) {
    for (int j = 0; j < UsedFoundations(st.game.def) && j < st.list.Size(); ++j) {
        AppendCard(st.game.cards, st.game.piles.dest[static_cast<size_t>(j)], st.list.At(j),
                   kFaceUp);
    }
}

void KingsBecomeGapsNineRows(Game& game) {
    RankBecomesGaps(game, kKing);
    for (int k = 0; k < UsedColumns(game.def); ++k) {
        Pile& pile = game.piles.fila[static_cast<size_t>(k)];
        if (PileCount(pile) < kGridRows) pile.resize(kGridRows * kCardChars, '0');
    }
}

}  // namespace

void ArrangeDeal(DealState& st) {
    Game& game = st.game;
    switch (game.def[gd::DealArrangement]) {
        case arrangement::KingsUnderStock:
            KingsUnderStock(game);
            break;
        case arrangement::ColumnsFromKings:
            ColumnsStartingWith(st, kKing);
            break;
        case arrangement::ColumnsFromQueens:
            ColumnsStartingWith(st, kQueen);
            break;
        case arrangement::DistinctRanksPerColumn:
            DistinctRanksPerColumn(game);
            break;
        case arrangement::ColumnPerRankFromTwo:
            ColumnPerRank(st, 2);
            break;
        case arrangement::ColumnPerRankFromAce:
            ColumnPerRank(st, 1);
            break;
        case arrangement::BottomCardsToFoundations:
            BottomCardsToFoundations(game);
            break;
        case arrangement::AcesBecomeGaps:
            RankBecomesGaps(game, kAce);
            break;
        case arrangement::FirstCardsEmptyColumn:
            EmptyColumnOfCard(game);
            break;
        case arrangement::EmptyRandomColumn:
            EmptyRandomColumn(game, st.context.random);
            break;
        case arrangement::FoundationsShowOrder:
            FoundationsShowOrder(st);
            break;
        case arrangement::KingsBecomeGapsNineRows:
            KingsBecomeGapsNineRows(game);
            break;
        default:
            break;
    }
}

}  // namespace tindle::deal
