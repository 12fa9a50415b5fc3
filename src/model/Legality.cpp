#include "model/Legality.h"

#include <algorithm>

#include "model/LegalityRules.h"

// CanPlace in the order of its checks, the context the rules read, and the pile-level
// questions of pointer input and autoplay.

namespace tindle {

namespace legality {

namespace {

const Pile kNoPile;

template <size_t N>
const Pile& PileAt(const std::array<Pile, N>& list, int i) {
    if (i < 0 || i >= static_cast<int>(N)) return kNoPile;
    return list[static_cast<size_t>(i)];
}

}  // namespace

const Pile& Foundation(const Game& game, int j) {
    return PileAt(game.piles.dest, j);
}
const Pile& Column(const Game& game, int k) {
    return PileAt(game.piles.fila, k);
}
const Pile& Reserve(const Game& game, int i) {
    return PileAt(game.piles.appogg, i);
}

int UsedFoundations(const Game& game) {
    return std::clamp(game.FoundationCount(), 0, kDestPiles);
}
int UsedColumns(const Game& game) {
    return std::clamp(game.TableauCount(), 0, kFilaPiles);
}
int UsedReserves(const Game& game) {
    return std::clamp(game.ReserveCount(), 0, kAppoggPiles);
}

int CardBelow(const Pile& pile, int card) {
    int at = PileFind(pile, card);
    return at > 0 ? PileCardAt(pile, at - 1) : 0;
}

int PlaceContext::Source() const {
    if (source_ == kNotLookedUp) source_ = game.Locate(q.card);
    return source_;
}

PileKind PlaceContext::DestinationKind() const {
    if (!q.foundationMode) return PileKind::Fila;
    return q.topCard == -1 ? PileKind::Appogg : PileKind::Dest;
}

const Pile& PlaceContext::Destination() const {
    switch (DestinationKind()) {
        case PileKind::Fila:
            return Column(game, q.destIndex);
        case PileKind::Appogg:
            return Reserve(game, q.destIndex);
        default:
            return Foundation(game, q.destIndex);
    }
}

}  // namespace legality

namespace {

// StockRestriction: FoundationsAfterStock keeps tableau cards off the foundations (and
// reserves) while the stock or the waste holds cards; AllAfterStock keeps them from going
// anywhere.
bool StockRestrictionRefuses(const Game& game, const PlaceQuery& q) {
    const int restriction = game.def[gd::StockRestriction];
    const bool applies =
        (restriction == stockRestriction::FoundationsAfterStock && q.foundationMode) ||
        restriction == stockRestriction::AllAfterStock ||
        restriction == stockRestriction::AllAfterStockToo;
    if (!applies) return false;
    if (legality::StockEmpty(game) && legality::WasteEmpty(game)) return false;
    return LocIsTableau(game.Locate(q.card));
}

}  // namespace

bool CanPlace(const Game& game, const PlaceQuery& q) {
    if (q.card == q.topCard) return false;
    if (StockRestrictionRefuses(game, q)) return false;

    const legality::PlaceContext c(game, q);
    // A value the table of codes does not name (refused by the compiler) builds by the
    // standard rule.
    if (legality::RuleFn rule = legality::BuildingRule(q.ruleCode)) return rule(c);
    return legality::StandardRule(c);
}

bool JudgesByTheTwoCards(int code) {
    return legality::BuildingRule(code) == legality::RuleStandard;
}

bool CanPlaceOnFoundation(const Game& game, int j, int card, bool playerMove) {
    return CanPlaceOnFoundationTop(game, j, PileTop(legality::Foundation(game, j)), card,
                                   playerMove);
}

bool CanPlaceOnFoundationTop(const Game& game, int j, int top, int card, bool playerMove) {
    PlaceQuery q;
    q.topCard = top;
    q.card = card;
    q.base = game.def.At(gd::FoundationBase, j);
    q.playerMove = playerMove;
    q.destIndex = j;
    q.wrapFlag = game.def.At(gd::WrapFlag, j) != wrap::None;
    q.foundationMode = true;
    q.ruleCode = game.def.At(gd::FoundationRule, j);
    q.directionType = game.def.At(gd::FoundationDirection, j);
    q.firstBase = game.def[gd::FoundationBase];
    return CanPlace(game, q);
}

bool CanPlaceOnColumn(const Game& game, int k, int card, bool playerMove) {
    return CanPlaceOnColumnTop(game, k, PileTop(legality::Column(game, k)), card, playerMove);
}

bool CanPlaceOnColumnTop(const Game& game, int k, int top, int card, bool playerMove) {
    PlaceQuery q;
    q.topCard = top;
    q.card = card;
    q.base = game.def.At(gd::TableauBase, k);
    q.playerMove = playerMove;
    q.destIndex = k;
    q.wrapFlag = game.def.At(gd::WrapFlag, k) != wrap::None;
    q.foundationMode = false;
    q.ruleCode = game.def.At(gd::TableauRule, k);
    q.directionType = game.def.At(gd::TableauDirection, k);
    q.firstBase = game.def[gd::FoundationBase];
    return CanPlace(game, q);
}

bool CanPlaceOnReserve(const Game& game, int i, int card, bool playerMove) {
    PlaceQuery q;
    q.topCard = -1;
    q.card = card;
    q.base = base::AnyCard;
    q.playerMove = playerMove;
    q.destIndex = i;
    q.wrapFlag = true;
    q.foundationMode = true;
    q.ruleCode = game.def.At(gd::ReserveKind, i);
    q.directionType = -1;
    q.firstBase = game.def[gd::FoundationBase];
    return CanPlace(game, q);
}

}  // namespace tindle
