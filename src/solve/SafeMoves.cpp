#include "solve/SafeMoves.h"

#include <vector>

#include "model/CardPlaces.h"
#include "model/Game.h"
#include "model/Legality.h"
#include "model/RuleCodes.h"
#include "model/SpecialGames.h"
#include "model/UsedPiles.h"

namespace tindle {

namespace {

bool PlainRules(const Game& game) {
    const GameDef& def = game.def;
    if (SpecialOf(def) != special::Standard || def[gd::SelectionGame] != 0 ||
        def[gd::ClickPlay] != 0 || def[gd::UsesJokers] != 0 ||
        (def[gd::StockPileCount] > 0 && def[gd::WasteNotDropTarget] != wasteTarget::Never)) {
        return false;
    }
    for (int i = 0; i < UsedReserveCount(game); ++i) {
        const int kind = def.At(gd::ReserveKind, i);
        if (kind != reserveKind::FreeCell && kind != reserveKind::Closed) return false;
    }
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        if (!JudgesByTheTwoCards(def.At(gd::TableauRule, k))) return false;
    }
    return true;
}

void MarkCards(const Pile& pile, std::vector<int>& cards) {
    for (int p = 0; p < PileCount(pile); ++p) {
        const int c = PileCardAt(pile, p);
        if (c >= 1) cards.push_back(c);
    }
}

// The cards not on the foundations.
std::vector<int> CardsInPlay(const Game& game) {
    std::vector<int> cards;
    for (const Pile& pile : game.piles.mazzo)
        MarkCards(pile, cards);
    for (int k = 0; k < UsedColumnCount(game); ++k)
        MarkCards(game.piles.fila[static_cast<size_t>(k)], cards);
    for (int i = 0; i < UsedReserveCount(game); ++i)
        MarkCards(game.piles.appogg[static_cast<size_t>(i)], cards);
    return cards;
}

// Whether any card still in play could be built on `card` in some column.
bool MayCarryACard(const Game& game, int card, const std::vector<int>& inPlay) {
    const GameDef& def = game.def;
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        PlaceQuery q;
        q.topCard = card;
        q.base = def.At(gd::TableauBase, k);
        q.playerMove = true;
        q.destIndex = k;
        q.wrapFlag = def.At(gd::WrapFlag, k) != wrap::None;
        q.ruleCode = def.At(gd::TableauRule, k);
        q.directionType = def.At(gd::TableauDirection, k);
        q.firstBase = def[gd::FoundationBase];
        for (const int other : inPlay) {
            if (other == card) continue;
            q.card = other;
            if (CanPlace(game, q)) return true;
        }
    }
    return false;
}

}  // namespace

int SafeFoundationMove(const Game& game, const std::vector<Move>& moves) {
    std::vector<int> inPlay;
    for (size_t i = 0; i < moves.size(); ++i) {
        if (moves[i].kind != MoveKind::ToFoundation) continue;
        // A card moving between foundations is no card brought home.
        const auto from = FindCard(game, moves[i].card);
        if (!from || from->pile.kind == PileKind::Dest) continue;
        if (inPlay.empty()) {
            if (!PlainRules(game)) return -1;
            inPlay = CardsInPlay(game);
        }
        if (!MayCarryACard(game, moves[i].card, inPlay)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace tindle
