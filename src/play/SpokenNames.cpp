#include "play/SpokenNames.h"

#include <array>
#include <map>
#include <utility>
#include <vector>

#include "model/Card.h"
#include "model/Game.h"
#include "model/RuleCodes.h"

namespace tindle {

namespace {

constexpr std::array<const char*, 13> kRankNames = {"Ace", "2", "3",  "4",    "5",     "6",   "7",
                                                    "8",   "9", "10", "Jack", "Queen", "King"};
constexpr std::array<const char*, 4> kSuitNames = {"Hearts", "Diamonds", "Clubs", "Spades"};

// Every pile of the lists, in the order the changes are told.
std::vector<PileRef> AllPiles() {
    std::vector<PileRef> piles;
    for (PileKind kind : {PileKind::Mazzo, PileKind::MazzoVis, PileKind::MazzoWaste})
        piles.push_back({kind, 0});
    for (int i = 0; i < kAppoggPiles; ++i)
        piles.push_back({PileKind::Appogg, i});
    for (int i = 0; i < kDestPiles; ++i)
        piles.push_back({PileKind::Dest, i});
    for (int i = 0; i < kFilaPiles; ++i)
        piles.push_back({PileKind::Fila, i});
    return piles;
}

// The pile (its index in AllPiles) that holds each card, and the cards of each pile bottom
// first.
std::map<int, size_t> WhereCardsLie(const Piles& piles, const std::vector<PileRef>& all) {
    std::map<int, size_t> where;
    for (size_t i = 0; i < all.size(); ++i) {
        const Pile& pile = piles.Get(all[i]);
        for (int p = 0; p < PileCount(pile); ++p) {
            const int card = PileCardAt(pile, p);
            if (card > 0 && !where.contains(card)) where[card] = i;
        }
    }
    return where;
}

}  // namespace

std::string SpokenPileName(const Game& game, PileRef pile) {
    const std::string number = std::to_string(pile.index + 1);
    switch (pile.kind) {
        case PileKind::Mazzo:
            return "Stock";
        case PileKind::MazzoVis:
            return "Waste";
        case PileKind::MazzoWaste:
            return "Second waste";
        case PileKind::Dest:
            return "Foundation " + number;
        case PileKind::Fila:
            return "Column " + number;
        case PileKind::Appogg:
            return (game.def.At(gd::ReserveKind, pile.index) == reserveKind::FreeCell
                        ? "Free cell "
                        : "Reserve ") +
                   number;
    }
    return {};
}

std::string SpokenCardName(int card) {
    if (CardIsJoker(card)) return "Joker";
    const int rank = CardRank(card);
    const int suit = CardSuit(card);
    if (rank < kAce || rank > kKing || suit < 0) return {};
    return std::string(kRankNames[static_cast<size_t>(rank - 1)]) + " of " +
           kSuitNames[static_cast<size_t>(suit)];
}

std::string SpokenCardOnTable(const Game& game, int card) {
    return game.cards.CardIsFaceDown(card) ? "face down" : SpokenCardName(card);
}

std::string DescribeTableChange(const Piles& before, const Game& game) {
    const std::vector<PileRef> all = AllPiles();
    const std::map<int, size_t> from = WhereCardsLie(before, all);
    const std::map<int, size_t> to = WhereCardsLie(game.piles, all);
    // The moved cards of each (from, to) pair, lowest first as they lie on the new pile.
    std::map<std::pair<size_t, size_t>, std::vector<int>> moves;
    std::vector<std::pair<size_t, size_t>> order;
    for (size_t i = 0; i < all.size(); ++i) {
        const Pile& pile = game.piles.Get(all[i]);
        for (int p = 0; p < PileCount(pile); ++p) {
            const int card = PileCardAt(pile, p);
            const auto was = from.find(card);
            if (card <= 0 || was == from.end() || to.at(card) != i || was->second == i) continue;
            const std::pair<size_t, size_t> key{was->second, i};
            if (!moves.contains(key)) order.push_back(key);
            moves[key].push_back(card);
        }
    }
    std::string text;
    for (const auto& key : order) {
        const std::vector<int>& cards = moves[key];
        const std::string source = SpokenPileName(game, all[key.first]);
        const std::string target = SpokenPileName(game, all[key.second]);
        if (!text.empty()) text += " ";
        if (cards.size() > 3 || game.cards.CardIsFaceDown(cards.front())) {
            text += std::to_string(cards.size()) + (cards.size() == 1 ? " card" : " cards");
        } else {
            text += SpokenCardName(cards.front());
            if (cards.size() > 1)
                text += " and " + std::to_string(cards.size() - 1) +
                        (cards.size() == 2 ? " more card" : " more cards");
        }
        text += " from " + source + " to " + target + ".";
    }
    return text;
}

}  // namespace tindle
