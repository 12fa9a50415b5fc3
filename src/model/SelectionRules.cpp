#include "model/SelectionRules.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "model/Card.h"
#include "model/Game.h"
#include "model/Legality.h"
#include "model/Pile.h"
#include "model/RuleCodes.h"
#include "model/SpecialGames.h"
#include "model/UsedPiles.h"

// No game of the catalogue needs the codes other than MonteCarlo, TensByDeals, RankPairsFaceUp
// and ElevensAndCourts yet; each is given the test of the family its other rules point to:
//  - RowNeighbours, RowNeighboursHearts (the row dealt into column 1 and won when it is down
//    to four cards): the cards between two cards of one suit or rank;
//  - GridDrops, FourColumnsLeft (grid games: the grid drop marker, the Monte Carlo refill of
//    the stock click) and TouchingPairs: the touching pairs of MonteCarlo in the game's own
//    row width;
//  - OneFoundationLeft, PairsInPlaceOrder, PairsKept (pairs removed two at a time) and
//    RankPairs: pairs of one rank as in RankPairsFaceUp;
//  - SumsOfTen: the sums of ten of TensByDeals; Elevens: the elevens of ElevensAndCourts;
//    Thirteens: the thirteens of the pyramid; Fourteens: the fourteens of PairsOf14.

namespace tindle {

namespace {

constexpr int kMonteCarloWidth = 5;  // special::MonteCarlo's grid is five cells wide

std::vector<int> Cards(std::string_view selection) {
    std::vector<int> out;
    for (int i = 0; i < PileCount(selection); ++i)
        out.push_back(PileCardAt(selection, i));
    return out;
}

// The column (cell) a card lies in, -1 for none.
int ColumnOf(const Game& game, int card) {
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        if (PileContains(game.piles.fila[static_cast<size_t>(k)], card)) return k;
    }
    return -1;
}

SelectionVerdict TouchingPairs(const Game& game, const std::vector<int>& cards, int width) {
    if (cards.size() < 2) return SelectionVerdict::Incomplete;
    if (cards.size() > 2 || CardRank(cards[0]) != CardRank(cards[1])) {
        return SelectionVerdict::Rejected;
    }
    const int a = ColumnOf(game, cards[0]);
    const int b = ColumnOf(game, cards[1]);
    if (a < 0 || b < 0 || a == b || width < 1) return SelectionVerdict::Rejected;
    const bool touch = std::abs(a / width - b / width) <= 1 && std::abs(a % width - b % width) <= 1;
    return touch ? SelectionVerdict::Complete : SelectionVerdict::Rejected;
}

int TenValue(int card) {
    return std::min(CardRank(card), 10);
}

SelectionVerdict SumsOfTen(const std::vector<int>& cards) {
    int total = 0;
    for (int c : cards)
        total += TenValue(c);
    if (cards.size() > 1 && (total == 10 || total == 20 || total == 30)) {
        return SelectionVerdict::Complete;
    }
    return SelectionVerdict::Incomplete;
}

SelectionVerdict SameRankPairs(const std::vector<int>& cards) {
    if (cards.size() < 2) return SelectionVerdict::Incomplete;
    if (cards.size() > 2 || CardRank(cards[0]) != CardRank(cards[1])) {
        return SelectionVerdict::Rejected;
    }
    return SelectionVerdict::Complete;
}

bool IsCourt(int card) {
    return CardRank(card) >= kJack && CardRank(card) <= kKing;
}

SelectionVerdict ElevensAndCourts(const std::vector<int>& cards) {
    const int clicked = cards.back();
    const std::vector<int> others(cards.begin(), cards.end() - 1);
    const bool othersHavePip =
        std::any_of(others.begin(), others.end(), [](int c) { return !IsCourt(c); });
    const bool othersHaveCourt = std::any_of(others.begin(), others.end(), IsCourt);
    if (IsCourt(clicked)) {
        const bool sameRank = std::any_of(others.begin(), others.end(),
                                          [&](int c) { return CardRank(c) == CardRank(clicked); });
        if (othersHavePip || sameRank) return SelectionVerdict::Rejected;
    } else if (othersHaveCourt) {
        return SelectionVerdict::Rejected;
    }
    const bool anyPip = std::any_of(cards.begin(), cards.end(), [](int c) { return !IsCourt(c); });
    if (cards.size() > 3 || (cards.size() == 3 && anyPip)) return SelectionVerdict::Rejected;
    if (cards.size() == 2 && anyPip && CardRank(cards[0]) + CardRank(cards[1]) == 11) {
        return SelectionVerdict::Complete;
    }
    if (cards.size() == 3) return SelectionVerdict::Complete;  // Jack, Queen, King
    return SelectionVerdict::Incomplete;
}

SelectionVerdict SumsOf(const std::vector<int>& cards, int target) {
    int total = 0;
    for (int c : cards)
        total += CardRank(c);
    if (cards.size() > 2 || total > target) return SelectionVerdict::Rejected;
    if (total == target) return SelectionVerdict::Complete;
    return cards.size() == 2 ? SelectionVerdict::Rejected : SelectionVerdict::Incomplete;
}

bool Match(int a, int b) {
    return a > 0 && b > 0 && (CardSuit(a) == CardSuit(b) || CardRank(a) == CardRank(b));
}

// Cards first..last (positions) of the row lie between two cards of one suit or one rank.
bool Enclosed(const Pile& row, int first, int last) {
    if (first < 1 || last + 1 >= PileCount(row)) return false;
    return Match(PileCardAt(row, first - 1), PileCardAt(row, last + 1));
}

SelectionVerdict RowNeighbours(const Game& game, const std::vector<int>& cards) {
    const int column = ColumnOf(game, cards[0]);
    if (column < 0 || cards.size() > 2) return SelectionVerdict::Rejected;
    const Pile& row = game.piles.fila[static_cast<size_t>(column)];
    const int p = PileFind(row, cards[0]);
    if (cards.size() == 1) {
        if (Enclosed(row, p, p)) return SelectionVerdict::Complete;
        if (Enclosed(row, p - 1, p) || Enclosed(row, p, p + 1)) return SelectionVerdict::Incomplete;
        return SelectionVerdict::Rejected;
    }
    const int q = PileFind(row, cards[1]);
    if (q < 0 || std::abs(p - q) != 1) return SelectionVerdict::Rejected;
    return Enclosed(row, std::min(p, q), std::max(p, q)) ? SelectionVerdict::Complete
                                                         : SelectionVerdict::Rejected;
}

}  // namespace

bool PairingClickable(const Game& game, PileRef pile, int card) {
    const bool top = card > 0 && PileTop(game.piles.Get(pile)) == card;
    switch (SpecialOf(game.def)) {
        case special::PairsOf14:
            return top && (pile.kind == PileKind::Fila || pile.kind == PileKind::Appogg);
        case special::Pyramid:
            if (pile.kind == PileKind::Fila) return CardUncovered(game, card);
            return top && (pile.kind == PileKind::MazzoVis || pile.kind == PileKind::Mazzo);
        default:
            return card > 0;
    }
}

std::optional<MoveKind> SelectionStockMove(int specialGame) {
    switch (specialGame) {
        case special::MonteCarlo:
        case special::FourColumnsLeft:
            return MoveKind::CloseGridGaps;
        case special::TensByDeals:
        case special::RowNeighbours:
        case special::RowNeighboursHearts:
        case special::GridDrops:
        case special::OneFoundationLeft:
        case special::PairsInPlaceOrder:
        case special::PairsKept:
            return MoveKind::DealColumns;
        default:
            return std::nullopt;
    }
}

SelectionFamily FamilyOf(int specialGame) {
    switch (specialGame) {
        case special::MonteCarlo:
        case special::TouchingPairs:
        case special::GridDrops:
        case special::FourColumnsLeft:
            return SelectionFamily::TouchingPairs;
        case special::SumsOfTen:
        case special::TensByDeals:
            return SelectionFamily::SumsOfTen;
        case special::Elevens:
        case special::ElevensAndCourts:
            return SelectionFamily::ElevensAndCourts;
        case special::Thirteens:
            return SelectionFamily::SumsOfThirteen;
        case special::Fourteens:
            return SelectionFamily::SumsOfFourteen;
        case special::RowNeighbours:
        case special::RowNeighboursHearts:
            return SelectionFamily::RowNeighbours;
        default:
            return SelectionFamily::SameRankPairs;
    }
}

bool SelectsFaceUpOnly(SelectionFamily family) {
    return family == SelectionFamily::SameRankPairs || family == SelectionFamily::ElevensAndCourts;
}

SelectionVerdict JudgeSelection(const Game& game, std::string_view selection) {
    const std::vector<int> cards = Cards(selection);
    if (cards.empty()) return SelectionVerdict::Incomplete;
    const int special = game.def[gd::SpecialGame];
    switch (FamilyOf(special)) {
        case SelectionFamily::TouchingPairs: {
            const int width = special == special::MonteCarlo || game.def[gd::GridRowWidth] < 1
                                  ? kMonteCarloWidth
                                  : game.def[gd::GridRowWidth];
            return TouchingPairs(game, cards, width);
        }
        case SelectionFamily::SumsOfTen:
            return SumsOfTen(cards);
        case SelectionFamily::SameRankPairs:
            return SameRankPairs(cards);
        case SelectionFamily::ElevensAndCourts:
            return ElevensAndCourts(cards);
        case SelectionFamily::SumsOfThirteen:
            return SumsOf(cards, 13);
        case SelectionFamily::SumsOfFourteen:
            return SumsOf(cards, 14);
        case SelectionFamily::RowNeighbours:
            return RowNeighbours(game, cards);
    }
    return SelectionVerdict::Rejected;
}

}  // namespace tindle
