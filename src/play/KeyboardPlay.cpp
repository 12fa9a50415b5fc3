#include "play/KeyboardPlay.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "model/Game.h"
#include "model/Move.h"
#include "model/MoveRules.h"
#include "model/Ports.h"
#include "model/SpecialGames.h"
#include "model/UsedPiles.h"
#include "play/Gestures.h"
#include "play/PlayContext.h"
#include "play/PlayMove.h"
#include "play/Pointer.h"
#include "play/TablePlaces.h"
#include "table/layout/CardSize.h"
#include "table/layout/PileHitTest.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

KeyboardFocus& State(PlayContext& ctx) {
    return ctx.session.keyboard;
}

// The focused pile, moved to the first pile of the table when it is no longer on it (another
// game, another layout).
std::optional<PileRef> CheckedFocus(PlayContext& ctx) {
    const std::vector<PileRef> piles = KeyboardPiles(ctx);
    if (piles.empty()) return std::nullopt;
    KeyboardFocus& k = State(ctx);
    if (std::find(piles.begin(), piles.end(), k.pile) == piles.end()) k.pile = piles.front();
    return k.pile;
}

// The place of a pile that the arrows measure from: one card at the start of its cards.
TableRect PilePlace(const PlayContext& ctx, PileRef pile) {
    const auto extent = PileExtent(ctx.layout, ctx.game, pile);
    if (!extent) return {};
    return CardRectAt(ctx, {extent->left, extent->top});
}

// The pile nearest to `from` in the direction of the arrow: among the piles whose place lies
// that way, the one with the least distance along the arrow plus twice the distance across
// it (so that a pile in the same row or column wins over a nearer one off to the side).
std::optional<PileRef> NearestPile(const PlayContext& ctx, PileRef from, TableKey key) {
    const TableRect origin = PilePlace(ctx, from);
    const int ox = origin.left + origin.Width() / 2;
    const int oy = origin.top + origin.Height() / 2;
    std::optional<PileRef> best;
    long bestScore = std::numeric_limits<long>::max();
    for (const PileRef pile : KeyboardPiles(ctx)) {
        if (pile == from) continue;
        const TableRect place = PilePlace(ctx, pile);
        const int dx = place.left + place.Width() / 2 - ox;
        const int dy = place.top + place.Height() / 2 - oy;
        int along = 0;
        int across = 0;
        switch (key) {
            case TableKey::Left:
                along = -dx, across = dy;
                break;
            case TableKey::Right:
                along = dx, across = dy;
                break;
            case TableKey::Up:
                along = -dy, across = dx;
                break;
            default:
                along = dy, across = dx;
                break;
        }
        if (along <= 0) continue;
        const long score = along + 2L * std::abs(across);
        if (score < bestScore) {
            bestScore = score;
            best = pile;
        }
    }
    return best;
}

bool MoveFocus(PlayContext& ctx, TableKey key) {
    const auto focus = CheckedFocus(ctx);
    if (!focus) return false;
    const std::vector<PileRef> piles = KeyboardPiles(ctx);
    if (key == TableKey::Next || key == TableKey::Previous) {
        const auto at = std::find(piles.begin(), piles.end(), *focus) - piles.begin();
        const auto n = static_cast<long>(piles.size());
        const long step = key == TableKey::Next ? 1 : n - 1;
        State(ctx).pile = piles[static_cast<size_t>((at + step) % n)];
    } else if (const auto next = NearestPile(ctx, *focus, key)) {
        State(ctx).pile = *next;
    }
    return true;
}

// The lowest position from which the pile's cards may be lifted together (the longest block
// the lift rules allow); -1 when not even the top card may be lifted.
int LowestLiftable(const Game& game, PileRef pile) {
    int position = PileCount(game.piles.Get(pile)) - 1;
    if (position < 0 || !MayLift(game, {pile, position}, Gesture::Drag)) return -1;
    while (position > 0 && MayLift(game, {pile, position - 1}, Gesture::Drag))
        --position;
    return position;
}

// A key press on these piles is the click of the mouse: the stock, the empty waste, a
// face-down column top, and every pile of the games played by clicks, pairs, selections and
// the second waste.
bool ActsAsClick(const PlayContext& ctx, PileRef pile) {
    const Game& game = ctx.game;
    const Pile& cards = game.piles.Get(pile);
    if (pile.kind == PileKind::Mazzo) return true;
    if (game.def[gd::ClickPlay] == 1 || game.def[gd::SelectionGame] != 0 ||
        IsPairingGame(game.def) || IsSecondWasteGame(game.def))
        return true;
    if (pile.kind == PileKind::MazzoVis && PileEmpty(cards)) return true;
    return pile.kind == PileKind::Fila && !PileEmpty(cards) &&
           game.cards.CardIsFaceDown(PileTop(cards));
}

// The block from this place of its pile to the top is lifted.
void LiftFrom(PlayContext& ctx, CardPlace place) {
    KeyboardFocus& k = State(ctx);
    k.liftedCard = PileCardAt(ctx.game.piles.Get(place.pile), place.position);
    k.liftedPlace = place;
}

void Lift(PlayContext& ctx, PileRef pile) {
    const int position = LowestLiftable(ctx.game, pile);
    if (position < 0) {
        ctx.messages.Beep();
        return;
    }
    LiftFrom(ctx, {pile, position});
}

// The move that puts a block on the pile, as a drag onto it would; nullopt for the piles no
// block is dropped on.
std::optional<Move> DropOn(PileRef pile, int card) {
    switch (pile.kind) {
        case PileKind::Fila:
            return Move{MoveKind::ToColumn, pile.index, card};
        case PileKind::Dest:
            return Move{MoveKind::ToFoundation, pile.index, card};
        case PileKind::Appogg:
            return Move{MoveKind::ToReserve, pile.index, card};
        case PileKind::MazzoVis:
            return Move{MoveKind::ToWaste, 0, card};
        default:
            return std::nullopt;
    }
}

void Drop(PlayContext& ctx, PileRef target) {
    KeyboardFocus& k = State(ctx);
    const int card = k.liftedCard;
    // The block is no longer lifted while it flies; a refused drop keeps it lifted.
    k.liftedCard = 0;
    const auto move = DropOn(target, card);
    if (!move || !PlayMove(ctx, *move)) {
        ctx.messages.Beep();
        k.liftedCard = card;
    }
}

void Activate(PlayContext& ctx, PileRef focus) {
    const auto lifted = LiftedBlock(ctx);
    if (lifted && lifted->pile == focus) {
        State(ctx).liftedCard = 0;
    } else if (lifted) {
        Drop(ctx, focus);
    } else if (ActsAsClick(ctx, focus)) {
        ClickPile(ctx, focus);
    } else {
        Lift(ctx, focus);
    }
}

// Up and Down on the lifted block's own pile take one card more or one fewer while they can;
// otherwise they move the focus.
bool ResizeLift(PlayContext& ctx, TableKey key) {
    const auto lifted = LiftedBlock(ctx);
    if (!lifted || lifted->pile != State(ctx).pile) return false;
    const Game& game = ctx.game;
    const Pile& cards = game.piles.Get(lifted->pile);
    int position = lifted->position;
    if (key == TableKey::Up && position > 0 &&
        MayLift(game, {lifted->pile, position - 1}, Gesture::Drag)) {
        --position;
    } else if (key == TableKey::Down && position < PileCount(cards) - 1) {
        ++position;
    } else {
        return false;
    }
    LiftFrom(ctx, {lifted->pile, position});
    return true;
}

}  // namespace

std::vector<PileRef> KeyboardPiles(const PlayContext& ctx) {
    std::vector<PileRef> piles;
    if (!ctx.game.flags.gameInProgress) return piles;
    auto add = [&](PileKind kind, int count) {
        for (int i = 0; i < count; ++i) {
            const PileRef ref{kind, i};
            if (ctx.layout.OnTable(ref)) piles.push_back(ref);
        }
    };
    add(PileKind::Mazzo, 1);
    add(PileKind::MazzoVis, 1);
    add(PileKind::MazzoWaste, 1);
    add(PileKind::Appogg, UsedReserveCount(ctx.game));
    add(PileKind::Dest, UsedFoundationCount(ctx.game));
    add(PileKind::Fila, UsedColumnCount(ctx.game));
    return piles;
}

bool TableKeyPress(PlayContext& ctx, TableKey key) {
    if (!ctx.game.flags.gameInProgress) return false;
    // While the mouse holds cards the keys would play under them: only Escape counts, and it
    // sends the held cards back.
    if (PointerHolds(ctx)) {
        if (key == TableKey::Cancel) CancelPointerHold(ctx);
        return true;
    }
    const auto focus = CheckedFocus(ctx);
    if (!focus) return false;
    KeyboardFocus& k = State(ctx);
    k.shown = true;
    switch (key) {
        case TableKey::Activate:
            Activate(ctx, *focus);
            return true;
        case TableKey::Cancel: {
            const bool lifted = LiftedBlock(ctx).has_value();
            k.liftedCard = 0;
            return lifted;
        }
        case TableKey::Up:
        case TableKey::Down:
            if (ResizeLift(ctx, key)) return true;
            return MoveFocus(ctx, key);
        default:
            return MoveFocus(ctx, key);
    }
}

void HideKeyboardFocus(PlayContext& ctx) {
    KeyboardFocus& k = State(ctx);
    k.shown = false;
    k.liftedCard = 0;
}

std::optional<PileRef> FocusedPile(const PlayContext& ctx) {
    const KeyboardFocus& k = ctx.session.keyboard;
    if (!k.shown) return std::nullopt;
    const std::vector<PileRef> piles = KeyboardPiles(ctx);
    if (std::find(piles.begin(), piles.end(), k.pile) == piles.end()) return std::nullopt;
    return k.pile;
}

std::optional<CardPlace> LiftedBlock(const PlayContext& ctx) {
    const KeyboardFocus& k = ctx.session.keyboard;
    if (k.liftedCard == 0 || !ctx.game.flags.gameInProgress) return std::nullopt;
    // The block stays lifted only while its lowest card lies where it was and may still be
    // lifted (an Undo, a new game or the mouse may have changed the table meanwhile).
    const Pile& pile = ctx.game.piles.Get(k.liftedPlace.pile);
    if (k.liftedPlace.position >= PileCount(pile) ||
        PileCardAt(pile, k.liftedPlace.position) != k.liftedCard ||
        !MayLift(ctx.game, k.liftedPlace, Gesture::Drag))
        return std::nullopt;
    return k.liftedPlace;
}

// What a pile's cards cover as drawn, without the room kept for a moving card's shadow (which
// may reach into the next pile where piles stand close). A stock-family pile's top card lies
// up and left of the pile's place by the stack's thickness, and the edges of the cards under
// it show down to the card at that place.
static TableRect DrawnPileRect(const PlayContext& ctx, PileRef pile) {
    const auto extent = PileExtent(ctx.layout, ctx.game, pile);
    if (!extent) return {};
    TableRect r = *extent;
    if (IsStockFamily(pile.kind)) {
        const int placeX = ctx.layout.savedStock[static_cast<size_t>(pile.kind)].x;
        const int thickness = IsOffTable(placeX) ? 0 : std::max(0, placeX - r.left);
        r.right += thickness;
        r.bottom += thickness;
    }
    return r;
}

TableRect KeyboardFocusRect(const PlayContext& ctx) {
    const auto focus = FocusedPile(ctx);
    return focus ? DrawnPileRect(ctx, *focus) : TableRect{};
}

TableRect LiftedBlockRect(const PlayContext& ctx) {
    const auto lifted = LiftedBlock(ctx);
    if (!lifted) return {};
    const Point corner = CardCorner(ctx, lifted->pile, lifted->position);
    const TableRect area = PileArea(ctx, lifted->pile);
    const int margin = ShadowMarginFor(ctx.settings);
    return {corner.x, corner.y, std::max(corner.x + CardWidth(ctx), area.right - margin),
            std::max(corner.y + CardHeight(ctx), area.bottom - margin)};
}

}  // namespace tindle
