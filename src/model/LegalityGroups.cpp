#include <algorithm>

#include "model/LegalityRules.h"
#include "model/RuleCodes.h"

// Lifting several cards at once: whether a run is built by its column's rule, how many cards
// may be lifted together, and which cards of a pyramid are free to be clicked.

namespace tindle {

namespace {

// The pile a PileLocator names; nullptr for a card that lies in none.
const Pile* PileAtLocator(const Game& game, int loc) {
    if (loc == kLocStock) return &game.piles.Stock();
    if (loc == kLocWaste) return &game.piles.Waste();
    if (LocIsTableau(loc)) return &legality::Column(game, loc - 1);
    if (LocIsFoundation(loc)) return &legality::Foundation(game, -loc - 1);
    if (LocIsReserve(loc)) return &legality::Reserve(game, -loc - 21);
    return nullptr;
}

int EmptyUsedColumns(const Game& game) {
    int n = 0;
    for (int k = 0; k < legality::UsedColumns(game); ++k) {
        if (!legality::HoldsCards(legality::Column(game, k))) ++n;
    }
    return n;
}

int EmptyUsedReserves(const Game& game) {
    int n = 0;
    for (int i = 0; i < legality::UsedReserves(game); ++i) {
        if (!legality::HoldsCards(legality::Reserve(game, i))) ++n;
    }
    return n;
}

}  // namespace

bool GroupRuleChecksRuns(const GameDef& def) {
    const int rule = def[gd::GroupRule];
    return rule == groupRule::ByColumnRule || rule == groupRule::InSuit;
}

bool CanMoveGroup(const Game& game, int firstCard, int column) {
    if (!GroupRuleChecksRuns(game.def)) return true;
    if (column < 0 || column >= kFilaPiles) return false;

    const Pile& pile = legality::Column(game, column);
    const int first = PileFind(pile, firstCard);
    if (first < 0) return false;

    PlaceQuery q;
    q.base = game.def.At(gd::TableauBase, column);
    q.playerMove = false;
    q.destIndex = column;
    q.wrapFlag = game.def.At(gd::WrapFlag, column) != wrap::None;
    q.foundationMode = false;
    q.ruleCode = game.def[gd::GroupRule] == groupRule::InSuit
                     ? build::SameSuit
                     : game.def.At(gd::TableauRule, column);
    q.directionType = game.def.At(gd::TableauDirection, column);
    q.firstBase = game.def[gd::FoundationBase];
    for (int i = first; i + 1 < PileCount(pile); ++i) {
        q.topCard = PileCardAt(pile, i);
        q.card = PileCardAt(pile, i + 1);
        if (!CanPlace(game, q)) return false;
    }
    return true;
}

namespace {

// The group size rule for a run of n cards whose first card lies at position `at` of its pile
// (a column when inColumn).
bool GroupSizeRuleAllows(const Game& game, int firstCard, int n, int at, bool inColumn,
                         bool toEmptyColumn) {
    const int rule = game.def[gd::GroupSizeRule];
    if (rule == groupSize::AnyRun || rule == groupSize::NoRule) return true;
    if (rule >= groupSize::AtMost) return n <= rule;
    if (rule == groupSize::KingOrSingle) return n == 1 || CardRank(firstCard) == kKing;
    if (rule == groupSize::WholeColumnOrSingle) return inColumn && (n == 1 || at == 0);

    const int e = EmptyUsedColumns(game);
    const int f = EmptyUsedReserves(game);
    if (rule == groupSize::ByFreeCells) {
        const int limit = e == 0 ? f + 1 : (toEmptyColumn ? f + e : f + e + 1);
        return n <= limit;
    }
    if (rule == groupSize::ByFreeCellsSameOnEmpty) return n <= (e == 0 ? f + 1 : f + e);
    // groupSize::ByEmptyColumns, and any other negative value the table does not name.
    return n <= std::max(e, 1);
}

}  // namespace

bool GroupSizeAllowed(const Game& game, int firstCard, bool toEmptyColumn) {
    const int loc = game.Locate(firstCard);
    const Pile* pile = PileAtLocator(game, loc);
    const int at = pile ? PileFind(*pile, firstCard) : -1;
    const int n = at >= 0 ? PileCount(*pile) - at : 1;
    return GroupSizeRuleAllows(game, firstCard, n, at, LocIsTableau(loc), toEmptyColumn);
}

namespace legality {

bool GroupSizeAllowedAt(const Game& game, const CardPlace& place, bool toEmptyColumn) {
    const int card = PileCardAt(game.piles.Get(place.pile), place.position);
    return GroupSizeRuleAllows(game, card, BlockSize(game, place), place.position,
                               place.pile.kind == PileKind::Fila, toEmptyColumn);
}

}  // namespace legality

bool CardUncovered(const Game& game, int card) {
    if (card < 1) return false;
    const int rows = legality::UsedColumns(game);
    for (int r = rows - 1; r >= 0; --r) {
        const int p = PileFind(legality::Column(game, r), card);
        if (p < 0) continue;
        bool rowsBelowCleared = true;
        for (int below = r + 1; below < rows; ++below) {
            if (!PileOnlyGaps(legality::Column(game, below))) rowsBelowCleared = false;
        }
        if (rowsBelowCleared) return true;
        const Pile& next = legality::Column(game, r + 1);
        return PileCardAt(next, p) == 0 && PileCardAt(next, p + 1) == 0;
    }
    return false;
}

}  // namespace tindle
