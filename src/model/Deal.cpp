#include "model/Deal.h"

#include <algorithm>

#include "model/AppendCard.h"
#include "model/Card.h"
#include "model/DealSteps.h"
#include "model/DeckOrder.h"
#include "model/Game.h"
#include "model/Ports.h"
#include "model/Random.h"
#include "model/RuleCodes.h"
#include "model/SpecialGames.h"

namespace tindle {

namespace deal {

DealList::DealList(const DeckOrder& order) : end_(order.Size()) {
    for (int i = 0; i < order.Size(); ++i)
        entries_[static_cast<size_t>(i)] = order.At(i);
}

DealList::DealList(std::span<const int> entries)
    : end_(static_cast<int>(std::min(entries.size(), entries_.size()))) {
    std::copy_n(entries.begin(), end_, entries_.begin());
}

int DealList::TakeAt(int i) {
    int at = begin_ + i;
    int card = entries_[static_cast<size_t>(at)];
    for (int k = at; k + 1 < end_; ++k)
        entries_[static_cast<size_t>(k)] = entries_[static_cast<size_t>(k + 1)];
    --end_;
    return card;
}

int DealList::Find(int card) const {
    return FindIf([card](int c) { return c == card; });
}

int UsedColumns(const GameDef& def) {
    return std::clamp(def[gd::TableauCount], 0, kFilaPiles);
}

int UsedFoundations(const GameDef& def) {
    return std::clamp(def[gd::FoundationCount], 0, kDestPiles);
}

void DealCards(DealState& st, Pile& pile, int count, char flag) {
    for (int i = 0; i < count; ++i) {
        if (st.list.Empty()) {
            st.report.shortfall += count - i;
            return;
        }
        AppendCard(st.game.cards, pile, st.list.TakeFront(), flag);
    }
}

}  // namespace deal

namespace {

using deal::DealCards;
using deal::DealState;

// A foundation based on a joker takes the rank of the first started foundation.
int BaseRank(int card) {
    return CardIsJoker(card) ? base::FirstStarted : CardRank(card);
}
int NextBase(int value) {
    return value == base::FirstStarted ? base::FirstStarted : NextRank(value);
}

// Takes a named card out of the list and puts it on the pile face up; a card the list does not
// hold is not invented but counted.
bool PlaceNamedCard(DealState& st, Pile& pile, int card) {
    int at = card > 0 ? st.list.Find(card) : -1;
    if (at < 0) {
        ++st.report.shortfall;
        return false;
    }
    st.list.TakeAt(at);
    AppendCard(st.game.cards, pile, card, kFaceUp);
    return true;
}

// The card a foundation starting code names, or 0 for none (-1: the deck has no such card).
int StartingCard(DealState& st, int j, int code) {
    const GameDef& def = st.game.def;
    const deal::DealList& list = st.list;
    if (code == foundationStart::FirstCardNextSuits) {
        if (list.Empty()) return -1;
        // The same rank in the following suits: past the last card of the deck the count
        // starts again at the first card, so that the King of spades is followed by the
        // King of hearts and never by card 0.
        int card = list.At(0) + (j + 1) * 13;
        int deck = def[gd::DeckCards];
        if (card > deck && deck > 0) card = (card - 1) % deck + 1;
        return card;
    }
    if (code == foundationStart::Aces || code == foundationStart::AcesOwnColumn) {
        return j * 13 + 1;
    }
    if (code == foundationStart::KingsThenAces) return j <= 3 ? (j + 1) * 13 : j * 13 - 51;
    if (code == foundationStart::FirstCard) return list.Empty() ? -1 : list.At(0);
    if (code == foundationStart::FirstNewSuit) {
        if (list.Empty()) return -1;
        bool taken[4] = {false, false, false, false};
        for (int f = 0; f < j; ++f) {
            int s = CardSuit(PileBottom(st.game.piles.dest[static_cast<size_t>(f)]));
            if (s >= 0 && s < 4 && !PileEmpty(st.game.piles.dest[static_cast<size_t>(f)])) {
                taken[s] = true;
            }
        }
        int at = list.FindIf([&](int c) {
            int s = CardSuit(c);
            return !(s >= 0 && s < 4 && taken[s]);
        });
        return list.At(at >= 0 ? at : list.Size() - 1);
    }
    if (code >= foundationStart::FirstOfRank && code <= foundationStart::FirstOfRankLast) {
        const int rank = code - foundationStart::FirstOfRank + 1;
        int at = list.FindIf([rank](int c) { return CardRank(c) == rank; });
        return at >= 0 ? list.At(at) : -1;
    }
    if (code >= foundationStart::CardNumber) return code - foundationStart::CardNumber;
    // foundationStart::RankOfOwnSuit: that rank in the suit of the foundation's number.
    return j * 13 + code;
}

void PlaceStartingCards(DealState& st) {
    GameDef& def = st.game.def;
    for (int j = 0; j < deal::UsedFoundations(def); ++j) {
        const int code = def.At(gd::FoundationStartCard, j);
        if (code == foundationStart::Empty || code == foundationStart::AcesFromTableau) continue;
        if (code == foundationStart::BaseOfFirst) {
            def.At(gd::FoundationBase, j) = static_cast<int16_t>(def[gd::FoundationBase]);
            continue;
        }
        int card = StartingCard(st, j, code);
        if (card <= 0) {
            ++st.report.shortfall;
            continue;
        }
        Pile& pile = st.game.piles.dest[static_cast<size_t>(j)];
        if (PlaceNamedCard(st, pile, card)) {
            def.At(gd::FoundationBase, j) = static_cast<int16_t>(CardRank(PileBottom(pile)));
        }
    }
}

void PlaceSecondWasteCard(DealState& st) {
    int card = st.game.def[gd::SecondWasteStartCard];
    if (card == secondWasteStart::None) return;
    if (card >= secondWasteStart::CardPlus100) card -= secondWasteStart::CardLast;
    PlaceNamedCard(st, st.game.piles.SecondWaste(), card);
}

void DealSingleCards(DealState& st) {
    Game& game = st.game;
    for (int k = 0; k < kFilaPiles; ++k) {
        const int n = game.def.At(gd::TableauDealCount, k);
        if (n < dealCount::SingleOfRank) continue;
        Pile& column = game.piles.fila[static_cast<size_t>(k)];
        int at = -1;
        bool asked = true;
        if (n >= dealCount::SingleJoker && n <= dealCount::SingleJokerLast) {
            at = st.list.Find(kFirstJoker + n - dealCount::SingleJoker);
        } else if (n < dealCount::SingleJoker - 1) {
            // SingleOfRank; a count past the King's finds no card.
            at = st.list.FindIf(
                [n](int c) { return CardRank(c) + dealCount::SingleOfRank - 1 == n; });
        } else {
            asked = false;  // the counts between the ranks' and the jokers' name no card
        }
        if (at >= 0) {
            AppendCard(game.cards, column, st.list.TakeAt(at));
        } else if (asked) {
            ++st.report.shortfall;
        }
        game.cards.SetPileFaces(column, game.def.At(gd::TableauFaceMode, k), kFaceUp);
    }
}

void DealPiles(DealState& st) {
    Game& game = st.game;
    const GameDef& def = game.def;
    Piles& piles = game.piles;

    const int stockCount = std::max(0, def[gd::StockDealCount]);
    DealCards(st, piles.Stock(), stockCount, kFaceDown);
    if (def[gd::StockFaceDown] == 0) game.cards.SetPileFaces(piles.Stock(), stockCount, kFaceUp);

    const int wasteCount = std::max(0, def[gd::WasteDealCount]);
    DealCards(st, piles.Waste(), wasteCount, kKeepFace);
    game.cards.SetPileFaces(piles.Waste(), wasteCount, kFaceUp);

    for (int k = 0; k < kFilaPiles; ++k) {
        const int n = def.At(gd::TableauDealCount, k);
        if (n < dealCount::Cards || n > dealCount::CardsLast) continue;
        Pile& column = piles.fila[static_cast<size_t>(k)];
        DealCards(st, column, n, kFaceDown);
        game.cards.SetPileFaces(column, def.At(gd::TableauFaceMode, k), kFaceUp);
    }

    const int secondWasteCount = std::max(0, def[gd::SecondWasteDealCount]);
    DealCards(st, piles.SecondWaste(), secondWasteCount, kKeepFace);
    game.cards.SetPileFaces(piles.SecondWaste(), secondWasteCount, kFaceUp);

    for (int i = 0; i < kAppoggPiles; ++i) {
        const int n = def.At(gd::ReserveDealCount, i);
        if (n <= 0) continue;
        Pile& reserve = piles.appogg[static_cast<size_t>(i)];
        DealCards(st, reserve, n, kKeepFace);
        game.cards.SetPileFaces(reserve, def.At(gd::ReserveFaceMode, i), kFaceUp);
    }
}

// One card from the front of the list onto a foundation, face up; its number, or -1.
int DealOneToFoundation(DealState& st, int j) {
    if (st.list.Empty()) {
        ++st.report.shortfall;
        return -1;
    }
    int card = st.list.TakeFront();
    AppendCard(st.game.cards, st.game.piles.dest[static_cast<size_t>(j)], card, kFaceUp);
    return card;
}

void SetFoundationBases(DealState& st) {
    GameDef& def = st.game.def;
    const int used = deal::UsedFoundations(def);
    auto setBase = [&def](int j, int base) {
        def.At(gd::FoundationBase, j) = static_cast<int16_t>(base);
    };
    switch (def[gd::FoundationBaseSet]) {
        case baseSet::FromOneCard: {
            int card = DealOneToFoundation(st, 0);
            if (card < 0) return;
            for (int j = 0; j < kDestPiles; ++j)
                setBase(j, BaseRank(card));
            break;
        }
        case baseSet::FromCardPerFoundation: {
            int first = -1;
            for (int j = 0; j < used; ++j) {
                int card = DealOneToFoundation(st, j);
                if (j == 0) first = card;
            }
            if (first < 0) return;
            for (int j = 0; j < used; ++j)
                setBase(j, BaseRank(first));
            break;
        }
        case baseSet::AfterReserves:
            // Only foundations that have a reserve of the same index, and only when that
            // reserve holds a card: there is no rank to follow otherwise.
            for (int j = 0; j < std::min(used, kAppoggPiles); ++j) {
                const Pile& reserve = st.game.piles.appogg[static_cast<size_t>(j)];
                if (PileEmpty(reserve)) continue;
                setBase(j, NextBase(BaseRank(PileBottom(reserve))));
            }
            break;
        case baseSet::TwoGroups: {
            int card = DealOneToFoundation(st, 0);
            if (card < 0) return;
            for (int j = 1; j <= 3; ++j)
                setBase(j, BaseRank(card));
            for (int j = 4; j <= 7; ++j)
                setBase(j, NextBase(BaseRank(card)));
            break;
        }
        default:
            break;
    }
}

void SetTableauBasesBelowFirst(GameDef& def) {
    for (int k = 0; k < kFilaPiles; ++k) {
        if (def.At(gd::TableauBase, k) == base::BelowFirstFoundation) {
            def.At(gd::TableauBase, k) = static_cast<int16_t>(PrevRank(def[gd::FoundationBase]));
        }
    }
}

// Takes a card out of whichever pile holds it (or out of the cards not yet dealt).
bool TakeCardFromAnywhere(DealState& st, int card) {
    Piles& piles = st.game.piles;
    auto takeFrom = [card](Pile& pile) {
        int at = PileFind(pile, card);
        if (at < 0) return false;
        PileRemoveAt(pile, at);
        return true;
    };
    for (auto& p : piles.mazzo) {
        if (takeFrom(p)) return true;
    }
    for (auto& p : piles.dest) {
        if (takeFrom(p)) return true;
    }
    for (auto& p : piles.fila) {
        if (takeFrom(p)) return true;
    }
    for (auto& p : piles.appogg) {
        if (takeFrom(p)) return true;
    }
    int at = st.list.Find(card);
    if (at < 0) return false;
    st.list.TakeAt(at);
    return true;
}

// special::RowNeighboursHearts: the King of hearts goes to the bottom of the stock and the Queen of
// hearts starts the first column.
void KingUnderStockQueenOnFirstColumn(DealState& st) {
    constexpr int kQueenOfHearts = MakeCard(kHearts, kQueen);
    constexpr int kKingOfHearts = MakeCard(kHearts, kKing);
    Game& game = st.game;
    if (TakeCardFromAnywhere(st, kKingOfHearts)) {
        game.piles.Stock().insert(0, CardText(kKingOfHearts));
        // It lies in the stock like the stock's own cards.
        game.cards.SetCardFace(kKingOfHearts,
                               game.def[gd::StockFaceDown] == 0 ? kFaceUp : kFaceDown);
    } else {
        ++st.report.shortfall;
    }
    if (TakeCardFromAnywhere(st, kQueenOfHearts)) {
        AppendCard(game.cards, game.piles.fila[0], kQueenOfHearts, kFaceUp);
    } else {
        ++st.report.shortfall;
    }
}

void ReportProblems(const DealState& st) {
    const DealReport& r = st.report;
    if (st.context.messages == nullptr || (r.shortfall == 0 && r.unplaced == 0)) return;
    std::string text = "The definition of the game \"" + st.context.gameName + "\" is faulty:";
    if (r.shortfall > 0) {
        text += " its deal asks for " + std::to_string(r.shortfall) +
                " card(s) more than the deck holds; they were left out.";
    }
    if (r.unplaced > 0) {
        text += " " + std::to_string(r.unplaced) +
                " card(s) of the deck found no pile and were left out.";
    }
    st.context.messages->Information(text);
}

}  // namespace

DealReport DealGame(Game& game, const GameNumber& number, const DealContext& context) {
    DealReport report;
    game.piles.Clear();
    game.cards.SetAllFaceUp();

    DeckOrder order = fnGameNumberCardsArray(game.def, number, context.messages);
    if (order.DeckError()) {
        report.deckError = true;
    } else {
        deal::DealList list(order);
        DealState st{game, list, report, context};

        deal::ReduceDeck(st);
        PlaceStartingCards(st);
        PlaceSecondWasteCard(st);
        DealSingleCards(st);
        DealPiles(st);
        SetFoundationBases(st);
        SetTableauBasesBelowFirst(game.def);
        if (game.def[gd::FoundationExtraCard] == 1) {
            DealCards(st, game.piles.dest[0], 1, kFaceUp);
        }
        if (SpecialOf(game.def) == special::ReserveAces) deal::ReserveAcesToFoundations(game);
        const int firstStart = game.def.At(gd::FoundationStartCard, 0);
        if (firstStart == foundationStart::Aces || firstStart == foundationStart::AcesOwnColumn ||
            firstStart == foundationStart::KingsThenAces) {
            deal::AutomaticFoundationMoves(game);
        } else if (firstStart == foundationStart::AcesFromTableau) {
            deal::MoveTableauAces(game);
        }
        if (SpecialOf(game.def) == special::RowNeighboursHearts) {
            KingUnderStockQueenOnFirstColumn(st);
        }
        deal::ArrangeDeal(st);
        ReportProblems(st);
    }

    if (context.postDealStep) context.postDealStep(game);
    return report;
}

}  // namespace tindle
