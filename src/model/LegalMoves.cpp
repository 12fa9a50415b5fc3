#include "model/LegalMoves.h"

#include "model/Game.h"
#include "model/Legality.h"
#include "model/MoveRules.h"
#include "model/SelectionRules.h"
#include "model/SpecialGames.h"
#include "model/StockPasses.h"
#include "model/UsedPiles.h"

namespace tindle {

namespace {

// Whether a press on the stock may change the table (a click that turns out to change nothing,
// such as one whose deal codes deal to no pile, answers false when played).
bool StockClickMayAct(const Game& game) {
    const GameDef& def = game.def;
    if (def[gd::StockPileCount] < 1) return false;
    const bool stockEmpty = PileEmpty(game.piles.Stock());
    const int special = SpecialOf(def);
    if (def[gd::SelectionGame] != 0 && def[gd::ClickPlay] != 1 && SelectionStockMove(special)) {
        return true;
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

MoveKind MoveTo(PileKind kind) {
    switch (kind) {
        case PileKind::Dest:
            return MoveKind::ToFoundation;
        case PileKind::Appogg:
            return MoveKind::ToReserve;
        case PileKind::MazzoVis:
            return MoveKind::ToWaste;
        default:
            return MoveKind::ToColumn;
    }
}

class Lister {
  public:
    Lister(const Game& game, std::vector<Move>& out, PlaceMemo* memo)
        : game_(game), out_(out), memo_(memo) {}

    void Run() {
        const GameDef& def = game_.def;
        // The memo's questions name the top cards, which no listing changes: read once.
        if (memo_) {
            for (int k = 0; k < UsedColumnCount(game_); ++k)
                columnTops_[static_cast<size_t>(k)] =
                    PileTop(game_.piles.fila[static_cast<size_t>(k)]);
            for (int j = 0; j < UsedFoundationCount(game_); ++j)
                foundationTops_[static_cast<size_t>(j)] =
                    PileTop(game_.piles.dest[static_cast<size_t>(j)]);
        }
        if (StockClickMayAct(game_)) out_.push_back({MoveKind::StockClick, 0, 0});
        const bool selection = def[gd::SelectionGame] != 0;
        const bool clickPlay = def[gd::ClickPlay] == 1;
        if (!selection && !clickPlay && !IsPairingGame(def) && !IsSecondWasteGame(def) &&
            PileEmpty(game_.piles.Waste()) && PileEmpty(game_.piles.Stock()) &&
            def[gd::RedealMode] != redeal::None && PassAllowed(game_)) {
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
            Card({ref, p});
    }

    void Card(const CardPlace& place) {
        const GameDef& def = game_.def;
        const Pile& pile = game_.piles.Get(place.pile);
        const int card = PileCardAt(pile, place.position);
        if (card < 1) return;
        const bool top = place.position == PileCount(pile) - 1;
        const bool faceDown = game_.cards.CardIsFaceDown(card);
        if (def[gd::ClickPlay] == 1) {
            if (MayLift(game_, place, Gesture::Shortcut)) FirstTaker(place);
            return;
        }
        if (def[gd::SelectionGame] != 0) {
            if (place.pile.kind != PileKind::Fila) return;
            // A face-down card below the top is no selection of the face-up families.
            const bool faceUpOnly = SelectsFaceUpOnly(FamilyOf(SpecialOf(def)));
            if (!(faceUpOnly && faceDown && !top)) out_.push_back({MoveKind::Select, 0, card});
            return;
        }
        if (IsSecondWasteGame(def)) {
            if (MayLift(game_, place, Gesture::Drag) &&
                Accepts(game_, place, {PileKind::MazzoWaste, 0}, Mover::Player)) {
                out_.push_back({MoveKind::ToSecondWaste, 0, card});
            }
            return;
        }
        if (IsPairingGame(def)) {
            // special::MarkOnly's clicks change nothing of the table.
            if (SpecialOf(def) != special::MarkOnly && PairingClickable(game_, place.pile, card)) {
                out_.push_back({MoveKind::Select, 0, card});
            }
            return;
        }
        if (place.pile.kind == PileKind::Fila && top && faceDown) {
            out_.push_back({MoveKind::TurnUp, place.pile.index, 0});
            return;
        }
        if (MayLift(game_, place, Gesture::Drag)) EveryTaker(place);
    }

    bool Try(const CardPlace& from, PileRef target) {
        const int card = PileCardAt(game_.piles.Get(from.pile), from.position);
        if (memo_ && !MayTake(target, card)) return false;
        if (!Accepts(game_, from, target, Mover::Player)) return false;
        out_.push_back({MoveTo(target.kind), target.index, card});
        return true;
    }

    // False when the memo knows the pile refuses the card.
    bool MayTake(PileRef target, int card) const {
        if (target.kind == PileKind::Fila) {
            return memo_->MayTake(game_, target, columnTops_[static_cast<size_t>(target.index)],
                                  card);
        }
        if (target.kind == PileKind::Dest) {
            return memo_->MayTake(game_, target, foundationTops_[static_cast<size_t>(target.index)],
                                  card);
        }
        return true;
    }

    // Every pile that takes the lifted block but its own, in the order of the drop candidates
    // (the tableau of the grid styles and a waste that is no candidate left out).
    void EveryTaker(const CardPlace& from) {
        auto tryOther = [&](PileRef target) {
            if (target != from.pile) Try(from, target);
        };
        // A foundation takes a single card only (FoundationAccepts): a run is not asked.
        if (BlockSize(game_, from) == 1) {
            for (int j = 0; j < UsedFoundationCount(game_); ++j)
                tryOther({PileKind::Dest, j});
        }
        const int style = game_.def[gd::TableauFanStyle];
        if (style != fan::Grid && style != fan::GridNoDrops) {
            for (int k = 0; k < UsedColumnCount(game_); ++k)
                tryOther({PileKind::Fila, k});
        }
        for (int i = 0; i < UsedReserveCount(game_); ++i)
            tryOther({PileKind::Appogg, i});
        if (game_.def[gd::WasteNotDropTarget] != wasteTarget::Never) {
            tryOther({PileKind::MazzoVis, 0});
        }
    }

    // The click-play shortcut: the first pile that takes the card, in the shortcuts' order
    // (foundations and reserves only for a single card; columns that hold cards first).
    void FirstTaker(const CardPlace& from) {
        const bool single = BlockSize(game_, from) == 1;
        const int ownColumn = from.pile.kind == PileKind::Fila ? from.pile.index : -1;
        if (single) {
            for (int j = 0; j < UsedFoundationCount(game_); ++j) {
                if (Try(from, {PileKind::Dest, j})) return;
            }
        }
        for (int pass = 0; pass < 2; ++pass) {
            for (int k = 0; k < UsedColumnCount(game_); ++k) {
                if (k == ownColumn) continue;
                if (PileEmpty(game_.piles.fila[static_cast<size_t>(k)]) != (pass == 1)) continue;
                if (Try(from, {PileKind::Fila, k})) return;
            }
        }
        if (single) {
            for (int i = 0; i < UsedReserveCount(game_); ++i) {
                if (Try(from, {PileKind::Appogg, i})) return;
            }
        }
        Try(from, {PileKind::MazzoVis, 0});
    }

    const Game& game_;
    std::vector<Move>& out_;
    PlaceMemo* memo_;
    std::array<int, kFilaPiles> columnTops_{};
    std::array<int, kDestPiles> foundationTops_{};
};

}  // namespace

PlaceMemo::PlaceMemo(const Game& game) {
    // A restriction that holds column cards back while the stock holds cards reads more than
    // the two cards; the foundations' restriction holds back their drops too.
    const int restriction = game.def[gd::StockRestriction];
    if (restriction == stockRestriction::None) {
        bool any = false;
        for (int j = 0; j < UsedFoundationCount(game); ++j) {
            homeKnown_[static_cast<size_t>(j)] = FoundationDropByTheTwoCards(game, j);
            any = any || homeKnown_[static_cast<size_t>(j)];
        }
        if (any) {
            homeAnswers_.assign(static_cast<size_t>(kDestPiles * kCardCodes * kCardCodes),
                                kUnknown);
        }
    }
    if (restriction != stockRestriction::None &&
        restriction != stockRestriction::FoundationsAfterStock) {
        return;
    }
    bool any = false;
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        known_[static_cast<size_t>(k)] = JudgesByTheTwoCards(game.def.At(gd::TableauRule, k));
        any = any || known_[static_cast<size_t>(k)];
    }
    if (any) answers_.assign(static_cast<size_t>(kFilaPiles * kCardCodes * kCardCodes), kUnknown);
}

template <typename Rule>
bool PlaceMemo::Remembered(std::vector<uint8_t>& answers, int index, int top, int card, Rule rule) {
    // An empty pile is judged by its base, a card outside the table by the rules themselves.
    if (top < 1 || top >= kCardCodes || card < 1 || card >= kCardCodes) return true;
    uint8_t& answer = answers[static_cast<size_t>((index * kCardCodes + top) * kCardCodes + card)];
    if (answer == kUnknown) answer = rule() ? kTaken : kRefused;
    return answer == kTaken;
}

bool PlaceMemo::MayTake(const Game& game, PileRef pile, int card) {
    const bool column = pile.kind == PileKind::Fila && pile.index >= 0 && pile.index < kFilaPiles;
    const bool home = pile.kind == PileKind::Dest && pile.index >= 0 && pile.index < kDestPiles;
    if (!column && !home) return true;
    return MayTake(game, pile, PileTop(game.piles.Get(pile)), card);
}

bool PlaceMemo::MayTake(const Game& game, PileRef pile, int top, int card) {
    const int i = pile.index;
    if (pile.kind == PileKind::Fila && i >= 0 && i < kFilaPiles && known_[static_cast<size_t>(i)]) {
        return Remembered(answers_, i, top, card,
                          [&] { return CanPlaceOnColumn(game, i, card, true); });
    }
    if (pile.kind == PileKind::Dest && i >= 0 && i < kDestPiles &&
        homeKnown_[static_cast<size_t>(i)]) {
        return Remembered(homeAnswers_, i, top, card,
                          [&] { return CanPlaceOnFoundation(game, i, card, true); });
    }
    return true;
}

void LegalMoves(const Game& game, std::vector<Move>& out, PlaceMemo* memo) {
    out.clear();
    if (!game.flags.gameInProgress) return;
    Lister(game, out, memo).Run();
}

}  // namespace tindle
