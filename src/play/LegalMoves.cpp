#include "play/LegalMoves.h"

#include "model/Card.h"
#include "model/GameEnd.h"
#include "model/Legality.h"
#include "model/SpecialGames.h"
#include "model/StockPasses.h"
#include "model/UsedPiles.h"
#include "play/DropTargets.h"
#include "play/PlayContext.h"
#include "play/Pointer.h"
#include "play/SelectionRules.h"
#include "play/TablePlaces.h"

namespace tindle {

namespace {

int LockedColumns(const Game& game) {
    const int groups = game.def[gd::FillSkipGroups];
    return groups > 0 ? groups * game.def[gd::FillSkipGroupSize] : 0;
}

// Whether a press on the stock may change the table.
bool StockClickMayAct(const Game& game) {
    const GameDef& def = game.def;
    if (def[gd::StockPileCount] < 1) return false;
    const bool stockEmpty = PileEmpty(game.piles.Stock());
    const int special = SpecialOf(def);
    if (def[gd::SelectionGame] != 0 && def[gd::ClickPlay] != 1) {
        switch (special) {
            case special::MonteCarlo:
            case special::FourColumnsLeft:
            case special::TensByDeals:
            case special::RowNeighbours:
            case special::RowNeighboursHearts:
            case special::GridDrops:
            case special::OneFoundationLeft:
            case special::PairsInPlaceOrder:
            case special::PairsKept:
                return true;
            default:
                break;
        }
    }
    if (special == special::Pyramid && !stockEmpty && !PileEmpty(game.piles.dest[0])) return true;
    const int mode = def[gd::RedealMode];
    if (def[gd::WasteUsed] == 1) {
        if (def[gd::TurnOnlyWhenWasteEmpty] == 1 && !PileEmpty(game.piles.Waste())) return false;
        if (!stockEmpty) return true;
        if (mode != redeal::None) return PassAllowed(game);
        return PileCount(game.piles.Waste()) > 1 && PassAllowed(game);
    }
    if ((mode != redeal::None && stockEmpty) || mode == redeal::AlsoWithCards) {
        return PassAllowed(game);
    }
    return !stockEmpty;
}

// The drag lifts of a press (the pick-up rules), for the games that drag.
bool DragLiftable(PlayContext& ctx, PileRef ref, int position) {
    Game& game = ctx.game;
    const Pile& pile = game.piles.Get(ref);
    const int card = PileCardAt(pile, position);
    const bool top = position == PileCount(pile) - 1;
    if (card < 1) return false;
    switch (ref.kind) {
        case PileKind::MazzoVis:
            return top && game.def[gd::WasteLocked] == 0;
        case PileKind::Dest: {
            const int lift = game.def[gd::FoundationLift];
            return top && (lift == foundationLift::Top ||
                           (lift == foundationLift::AboveOne && PileCount(pile) > 1) ||
                           (lift == foundationLift::Joker && CardIsJoker(card)));
        }
        case PileKind::Fila:
            if (top && game.cards.CardIsFaceDown(card)) return false;
            if (top) {
                return ref.index >= LockedColumns(game) && GroupSizeAllowed(game, card, false);
            }
            return RunMayBeLifted(ctx, card, ref.index);
        case PileKind::Appogg: {
            const int rule = game.def[gd::ReserveRule];
            if (!top || rule == reserveRule::NoLift) return false;
            return !game.cards.CardIsFaceDown(card) || rule == reserveRule::FaceDownLift;
        }
        default:
            return false;
    }
}

// The shortcut's "may be sent" rules (click-play games send every click).
bool Sendable(PlayContext& ctx, PileRef ref, int position) {
    Game& game = ctx.game;
    const Pile& pile = game.piles.Get(ref);
    const int card = PileCardAt(pile, position);
    if (card < 1 || game.cards.CardIsFaceDown(card)) return false;
    const bool top = PileTop(pile) == card;
    switch (ref.kind) {
        case PileKind::Dest: {
            const int lift = game.def[gd::FoundationLift];
            return top && (lift == foundationLift::Top ||
                           (lift == foundationLift::AboveOne && PileCount(pile) > 1));
        }
        case PileKind::MazzoVis:
            return top;
        case PileKind::Fila:
            if (game.def[gd::GroupSizeRule] == groupSize::NoRule) return false;
            return top || RunMayBeLifted(ctx, card, ref.index);
        case PileKind::Appogg:
            return top || game.def[gd::ReserveRule] == reserveRule::FaceDownLift;
        default:
            return false;
    }
}

bool FitsOnSecondWaste(const Game& game, int card) {
    const int top = PileTop(game.piles.SecondWaste());
    if (top < 1) return true;
    const int special = SpecialOf(game.def);
    const int a = CardRank(card);
    const int b = CardRank(top);
    const bool aceKing = (a == kAce && b == kKing) || (a == kKing && b == kAce);
    if (special == special::Eddy) return aceKing || a == b + 1 || a == b - 1;
    if (aceKing) return special == special::SecondWasteAround;
    PlaceQuery q;
    q.playerMove = true;
    q.base = base::AnyCard;
    q.ruleCode = build::AnySuit;
    q.directionType = direction::Descending;
    q.topCard = top;
    q.card = card;
    if (CanPlace(game, q)) return true;
    q.topCard = card;
    q.card = top;
    return CanPlace(game, q);
}

bool PairingClickable(const Game& game, PileRef ref, int card) {
    const bool top = PileTop(game.piles.Get(ref)) == card;
    switch (SpecialOf(game.def)) {
        case special::PairsOf14:
            return top && (ref.kind == PileKind::Fila || ref.kind == PileKind::Appogg);
        case special::Pyramid:
            if (ref.kind == PileKind::Fila) return CardUncovered(game, card);
            return top && ref.kind == PileKind::MazzoVis;
        default:
            return false;  // MarkOnly only marks cards
    }
}

class Lister {
  public:
    Lister(PlayContext& ctx, std::vector<Move>& out)
        : ctx_(ctx), game_(ctx.game), out_(out), special_(SpecialOf(game_.def)) {}

    void Run() {
        if (StockClickMayAct(game_)) out_.push_back({MoveKind::StockClick, 0, 0});
        const bool selection = game_.def[gd::SelectionGame] != 0;
        const bool clickPlay = game_.def[gd::ClickPlay] == 1;
        if (!selection && !clickPlay && !IsPairingGame(game_.def) &&
            !IsSecondWasteGame(game_.def) && PileEmpty(game_.piles.Waste()) &&
            PileEmpty(game_.piles.Stock()) && game_.def[gd::RedealMode] != redeal::None &&
            PassAllowed(game_)) {
            out_.push_back({MoveKind::WasteClick, 0, 0});
        }
        EachCard({PileKind::MazzoVis, 0});
        for (int j = 0; j < UsedFoundationCount(game_); ++j)
            EachCard({PileKind::Dest, j});
        for (int k = 0; k < UsedColumnCount(game_); ++k)
            EachCard({PileKind::Fila, k});
        for (int i = 0; i < UsedReserveCount(game_); ++i)
            EachCard({PileKind::Appogg, i});
    }

  private:
    void EachCard(PileRef ref) {
        const Pile& pile = game_.piles.Get(ref);
        for (int p = 0; p < PileCount(pile); ++p)
            Card(ref, p);
    }

    void Card(PileRef ref, int position) {
        const Pile& pile = game_.piles.Get(ref);
        const int card = PileCardAt(pile, position);
        if (card < 1) return;
        const bool top = position == PileCount(pile) - 1;
        const bool faceDown = game_.cards.CardIsFaceDown(card);
        if (game_.def[gd::ClickPlay] == 1) {
            if (Sendable(ctx_, ref, position)) FirstTaker(ref, card);
            return;
        }
        if (game_.def[gd::SelectionGame] != 0) {
            if (ref.kind != PileKind::Fila) return;
            const bool faceUpOnly = SelectsFaceUpOnly(FamilyOf(special_));
            if (!(faceUpOnly && faceDown && !top)) out_.push_back({MoveKind::Select, 0, card});
            return;
        }
        if (IsSecondWasteGame(game_.def)) {
            const bool liftable = ref.kind == PileKind::Fila || ref.kind == PileKind::Appogg;
            if (liftable && top && !faceDown && FitsOnSecondWaste(game_, card)) {
                out_.push_back({MoveKind::ToSecondWaste, 0, card});
            }
            return;
        }
        if (IsPairingGame(game_.def)) {
            if (PairingClickable(game_, ref, card)) out_.push_back({MoveKind::Select, 0, card});
            return;
        }
        if (ref.kind == PileKind::Fila && top && faceDown) {
            out_.push_back({MoveKind::TurnUp, ref.index, 0});
            return;
        }
        if (!DragLiftable(ctx_, ref, position)) return;
        EveryTaker(ref, card);
    }

    void Add(int card, DropTarget t) {
        MoveKind kind = MoveKind::ToColumn;
        switch (t.kind) {
            case kDropFoundation:
                kind = MoveKind::ToFoundation;
                break;
            case kDropReserve:
                kind = MoveKind::ToReserve;
                break;
            case kDropWaste:
                kind = MoveKind::ToWaste;
                break;
            default:
                break;
        }
        out_.push_back({kind, t.kind == kDropWaste ? 0 : t.index, card});
    }

    // Every pile that takes the lifted card but its own, in the order of the drop candidates.
    void EveryTaker(PileRef from, int card) {
        auto tryOther = [&](DropTarget t) {
            if (TargetPile(t) != from) Try(card, t);
        };
        for (int j = 0; j < UsedFoundationCount(game_); ++j)
            tryOther({kDropFoundation, j});
        const int style = game_.def[gd::TableauFanStyle];
        if (style != fan::Grid && style != fan::GridNoDrops) {
            for (int k = 0; k < UsedColumnCount(game_); ++k)
                tryOther({kDropColumn, k});
        }
        for (int i = 0; i < UsedReserveCount(game_); ++i)
            tryOther({kDropReserve, i});
        if (game_.def[gd::WasteNotDropTarget] != wasteTarget::Never) tryOther({kDropWaste, 0});
    }

    bool Try(int card, DropTarget t) {
        if (!DropAccepted(ctx_, card, t, true)) return false;
        Add(card, t);
        return true;
    }

    // The click-play shortcut: the first pile that takes the card, in the shortcut's order.
    void FirstTaker(PileRef from, int card) {
        const auto place = FindCard(game_, card);
        if (!place) return;
        const bool single = BlockSize(game_, *place) == 1;
        const int ownColumn = from.kind == PileKind::Fila ? from.index : -1;
        if (single) {
            for (int j = 0; j < UsedFoundationCount(game_); ++j) {
                if (Try(card, {kDropFoundation, j})) return;
            }
        }
        for (int pass = 0; pass < 2; ++pass) {
            for (int k = 0; k < UsedColumnCount(game_); ++k) {
                if (k == ownColumn) continue;
                if (PileEmpty(game_.piles.fila[static_cast<size_t>(k)]) != (pass == 1)) continue;
                if (Try(card, {kDropColumn, k})) return;
            }
        }
        if (single) {
            for (int i = 0; i < UsedReserveCount(game_); ++i) {
                if (Try(card, {kDropReserve, i})) return;
            }
        }
        Try(card, {kDropWaste, 0});
    }

    PlayContext& ctx_;
    Game& game_;
    std::vector<Move>& out_;
    const int special_;
};

}  // namespace

void LegalMoves(PlayContext& ctx, std::vector<Move>& out) {
    out.clear();
    if (!ctx.game.flags.gameInProgress) return;
    Lister(ctx, out).Run();
}

}  // namespace tindle
