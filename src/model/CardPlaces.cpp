#include "model/CardPlaces.h"

#include <array>

#include "model/Game.h"
#include "model/Snapshot.h"

namespace tindle {

namespace {

template <size_t N>
std::optional<CardPlace> SearchList(const std::array<Pile, N>& list, PileKind kind, int card,
                                    int first = 0) {
    for (size_t i = static_cast<size_t>(first); i < N; ++i) {
        const int at = PileFind(list[i], card);
        if (at >= 0) return CardPlace{PileRef{kind, static_cast<int>(i)}, at};
    }
    return std::nullopt;
}

std::optional<CardPlace> SearchOne(const Pile& pile, PileKind kind, int card) {
    const int at = PileFind(pile, card);
    if (at < 0) return std::nullopt;
    return CardPlace{PileRef{kind, 0}, at};
}

}  // namespace

std::optional<CardPlace> FindCard(const Game& game, int card, CardSearch order) {
    if (card < 1) return std::nullopt;
    const Piles& p = game.piles;
    const int firstFoundation = FoundationOneExcluded(game.def) ? 1 : 0;
    std::optional<CardPlace> found;
    auto stock = [&] { return SearchOne(p.Stock(), PileKind::Mazzo, card); };
    auto waste = [&] { return SearchOne(p.Waste(), PileKind::MazzoVis, card); };
    auto second = [&] { return SearchOne(p.SecondWaste(), PileKind::MazzoWaste, card); };
    auto columns = [&] { return SearchList(p.fila, PileKind::Fila, card); };
    auto foundations = [&] { return SearchList(p.dest, PileKind::Dest, card, firstFoundation); };
    auto reserves = [&] { return SearchList(p.appogg, PileKind::Appogg, card); };
    if (order == CardSearch::Removal) {
        if ((found = waste())) return found;
        if ((found = columns())) return found;
        if ((found = foundations())) return found;
        if ((found = stock())) return found;
        if ((found = second())) return found;
        return reserves();
    }
    if ((found = stock())) return found;
    if ((found = waste())) return found;
    if ((found = columns())) return found;
    if ((found = foundations())) return found;
    return reserves();
}

RemovedFrom RemovedFromKind(PileKind kind) {
    switch (kind) {
        case PileKind::Mazzo:
            return kFromStock;
        case PileKind::MazzoVis:
            return kFromWaste;
        case PileKind::MazzoWaste:
            return kFromSecondWaste;
        case PileKind::Fila:
            return kFromColumn;
        case PileKind::Dest:
            return kFromFoundation;
        case PileKind::Appogg:
            return kFromReserve;
    }
    return kFromNowhere;
}

RemovedFrom RemoveCard(Game& game, int card, RemoveForm form) {
    const auto place = FindCard(game, card, CardSearch::Removal);
    if (!place) return kFromNowhere;
    Pile& pile = game.piles.Get(place->pile);
    switch (form) {
        case RemoveForm::TestOnly:
            break;
        case RemoveForm::Cut:
            PileRemoveAt(pile, place->position);
            break;
        case RemoveForm::LeaveGap:
            PileReplaceAt(pile, place->position, 0);
            break;
        case RemoveForm::CutWithGapBefore:
            PileRemoveAt(pile, place->position);
            if (place->position > 0 && PileCardAt(pile, place->position - 1) == 0) {
                PileRemoveAt(pile, place->position - 1);
            }
            break;
    }
    return RemovedFromKind(place->pile.kind);
}

int BlockSize(const Game& game, const CardPlace& place) {
    return PileCount(game.piles.Get(place.pile)) - place.position;
}

}  // namespace tindle
