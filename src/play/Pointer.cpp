#include "play/Pointer.h"

#include "model/Card.h"
#include "model/Game.h"
#include "model/History.h"
#include "model/MoveRules.h"
#include "model/Ports.h"
#include "model/SpecialGames.h"
#include "play/Autoplay.h"
#include "play/DropTargets.h"
#include "play/EndGame.h"
#include "play/FaceUp.h"
#include "play/MoveExecutor.h"
#include "play/PlayContext.h"
#include "play/PlayHistory.h"
#include "play/PlayUi.h"
#include "play/Sounds.h"
#include "play/TableView.h"
#include "table/layout/CardSize.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

void MoveDragPicture(PlayContext& ctx, int x, int y) {
    PointerState& p = ctx.game.pointer;
    ctx.view.MoveImageTo(x, y, false, false);
    p.dragRect = CardRectAt(ctx, {x, y}, p.dragImageHeight);
    p.lastDrawX = x;
    p.lastDrawY = y;
}

// The drag starts: the block's picture is built and lifted (up-left by the shadow).
void StartDrag(PlayContext& ctx, PileRef pile, int position, int x, int y, bool faceDownReserve) {
    Game& game = ctx.game;
    PointerState& p = game.pointer;
    if (p.dragCard == 0) {
        p.lastDrawX = x;
        p.lastDrawY = y;
    }
    const Pile& cards = game.piles.Get(pile);
    const Point corner = CardCorner(ctx, pile, position);
    p.dragCard = PileCardAt(cards, position);
    if (p.dragTopCard == 0) p.dragTopCard = PileTop(cards);
    p.grabX = x - corner.x;
    p.grabY = y - corner.y;
    const bool single = position == PileCount(cards) - 1;
    const TableRect area = PileArea(ctx, pile);
    p.dragImageHeight =
        single ? CardHeight(ctx) : area.bottom - ShadowMarginFor(ctx.settings) - corner.y;
    p.dragRect = CardRectAt(ctx, corner, p.dragImageHeight);
    ctx.view.BuildDragImage(pile, position);

    const int margin = ShadowMarginFor(ctx.settings);
    if (ctx.settings.IsNotNo(field::CardsShadowed)) {
        MoveDragPicture(ctx, corner.x - margin + 2, corner.y - margin + 2);
        p.grabX += margin - 2;
        p.grabY += margin - 2;
        PlayGatedSound(ctx.settings, ctx.sounds, "card_up", field::SoundsCardUp);
    } else if (faceDownReserve || ctx.settings.IsNotNo(field::PilesTT)) {
        MoveDragPicture(ctx, corner.x, corner.y);
    }
}

// The right-button peek: a face-up card of a column, or of a reserve fanned down or to the
// right, shown whole at its place.
void Peek(PlayContext& ctx, const std::optional<PileHit>& hit) {
    Game& game = ctx.game;
    PointerState& p = game.pointer;
    if (hit && hit->card > 0 && ctx.settings.IsYes(field::ShowPartialHiddenCard) &&
        !game.cards.CardIsFaceDown(hit->card)) {
        const int style = game.def[gd::ReserveFanStyle];
        const bool column = hit->pile.kind == PileKind::Fila;
        const bool fannedReserve =
            hit->pile.kind == PileKind::Appogg && (style == fan::Down || style == fan::Right);
        if (column || fannedReserve) {
            const int position = PileFind(game.piles.Get(hit->pile), hit->card);
            const Point at = CardCorner(ctx, hit->pile, position);
            ctx.view.ShowWholeCard(hit->card, at.x, at.y);
            p.peekX = at.x;
            p.peekY = at.y;
        }
    }
    if (p.peekX < 1 && p.peekY < 1) ctx.messages.Beep();
}

// The second-waste games: a column's or reserve's top card is played at once onto the
// second waste when it fits there; any other card only beeps.
bool PlayToSecondWaste(PlayContext& ctx, const PileHit& hit) {
    Game& game = ctx.game;
    const bool liftable = hit.pile.kind == PileKind::Fila || hit.pile.kind == PileKind::Appogg;
    if (!liftable) return false;
    const Pile& pile = game.piles.Get(hit.pile);
    const CardPlace place{hit.pile, PileFind(pile, hit.card)};
    if (hit.card < 1 || !MayLift(game, place, Gesture::Drag) ||
        !Accepts(game, place, {PileKind::MazzoWaste, 0}, Mover::Player)) {
        ctx.messages.Beep();
        return false;
    }
    const Point from = CardCorner(ctx, hit.pile, PileCount(pile) - 1);
    FlightOptions options;
    const Point to = NextCardCorner(ctx, {PileKind::MazzoWaste, 0});
    ctx.view.AnimateMove(hit.card, from.x, from.y, to.x, to.y, options);
    const bool moved = Execute(ctx, {MoveKind::ToSecondWaste, 0, hit.card});
    EndGameIfWon(ctx);
    return moved;
}

// A left press, by the pile that was hit: a click on the stock or the empty waste, the turn-up
// of a face-down column top, or the lift of the card (MayLift) that starts a drag. Answers
// whether the press changed the table (a lift does not).
bool PickUp(PlayContext& ctx, const PileHit& hit, int x, int y) {
    Game& game = ctx.game;
    if (hit.pile.kind == PileKind::Mazzo) return StockClick(ctx);
    if (IsSecondWasteGame(game.def)) return PlayToSecondWaste(ctx, hit);
    if (IsPairingGame(game.def)) return PairingClick(ctx, hit);

    const Pile& pile = game.piles.Get(hit.pile);
    const int position = PileFind(pile, hit.card);
    const bool top = position >= 0 && position == PileCount(pile) - 1;
    game.pointer.dragTopCard = 0;
    if (hit.pile.kind == PileKind::MazzoVis && PileEmpty(pile)) {
        // The empty waste with the stock used up: the redeal request of a redeal mode.
        if (PileEmpty(game.piles.Stock()) && game.def[gd::RedealMode] != redeal::None) {
            return Execute(ctx, {MoveKind::RedealRequest, 0, 0});
        }
        return false;
    }
    if (hit.pile.kind == PileKind::Fila) {
        if (hit.card < 1 || position < 0) {
            ctx.messages.Beep();
            return false;
        }
        if (top && game.cards.CardIsFaceDown(hit.card)) {
            if (!TurnUpColumnTop(ctx, hit.pile.index)) return false;
            ClearRedoMoves(ctx);
            return true;
        }
    }
    if (position < 0 || !MayLift(game, {hit.pile, position}, Gesture::Drag)) return false;
    // A face-down reserve card (reserveRule::FaceDownLift) is drawn at its place.
    const bool faceDownReserve =
        hit.pile.kind == PileKind::Appogg && game.cards.CardIsFaceDown(hit.card);
    StartDrag(ctx, hit.pile, position, x, y, faceDownReserve);
    return false;
}

}  // namespace

bool imgSfondoMouseDown(PlayContext& ctx, MouseButton button, bool ctrl, int x, int y) {
    Game& game = ctx.game;
    PointerState& p = game.pointer;
    ctx.ui.HidePileSizeHint();
    if (!game.flags.gameInProgress || p.dragCard != 0) return false;
    if (game.flags.doubleClickMark) {
        game.flags.doubleClickMark = false;
        return false;
    }
    PlayerAction action(ctx, PlayerAction::Start::New);
    ctx.ui.TickClock();
    p.dragMoved = false;
    p.pressX = x;
    p.pressY = y;
    const auto hit = HitTestTable(ctx.layout, game, x, y);
    if (button == MouseButton::Right && !ctrl && !IsPeekGame(game.def)) {
        return RightClickShortcut(ctx, hit);
    }
    if (button != MouseButton::Left) {
        if (button == MouseButton::Right && ctrl && !hit) return false;
        Peek(ctx, hit);
        return false;
    }
    if (!hit) return false;
    if (game.def[gd::ClickPlay] == 1) {
        // The stock keeps its own click: a shortcut cannot send it anywhere.
        if (hit->pile.kind == PileKind::Mazzo) return StockClick(ctx);
        return ClickPlayShortcut(ctx, hit);
    }
    p.dragImageHeight = CardHeight(ctx);
    if (game.def[gd::SelectionGame] != 0) return SelectionClick(ctx, *hit);
    return PickUp(ctx, *hit, x, y);
}

void imgSfondoMouseMove(PlayContext& ctx, int x, int y) {
    Game& game = ctx.game;
    PointerState& p = game.pointer;
    if (p.dragCard != 0) {
        p.dragMoved = true;
        ctx.ui.SetDragCursor();
        MoveDragPicture(ctx, x - p.grabX, y - p.grabY);
        return;
    }
    if (p.stockPressed) {
        const PileRef button{game.def[gd::StockUsed] == 1 ? PileKind::Mazzo : PileKind::MazzoVis,
                             0};
        if (!TopCardRect(ctx, button).Contains(x, y)) {
            ctx.view.DrawButtonPile(false);
            p.stockPressed = false;
        }
        return;
    }
    if (game.flags.gameInProgress) {
        ctx.ui.PointerHover(x, y);
        p.hoverX = x;
        p.hoverY = y;
    }
}

bool imgSfondoMouseUp(PlayContext& ctx, int, int) {
    Game& game = ctx.game;
    PointerState& p = game.pointer;
    PlayerAction action(ctx, PlayerAction::Start::Continued);
    ctx.ui.RestorePointerShape();
    bool acted = false;
    if (p.stockPressed) {
        ctx.view.DrawButtonPile(false);
        ctx.time.Wait(50);
        acted = Execute(ctx, {MoveKind::TurnToWaste, 0, 0});
        p.stockPressed = false;
    }
    if (p.dragCard != 0) {
        const bool placed = p.dragMoved && DropCard(ctx, false);
        if (placed) {
            acted = true;
            EndGameIfWon(ctx);
        } else {
            FlyBack(ctx);
        }
        p.dragCard = 0;
        p.dragTopCard = 0;
    }
    if (p.peekX != 0 || p.peekY != 0) {
        ctx.view.RefreshRect(CardRectAt(ctx, {p.peekX, p.peekY}));
        p.peekX = 0;
        p.peekY = 0;
    }
    AutoFillAndAutoplay(ctx);
    // Whatever set the win flag since the press (a stock click, a fill, a move whose win the
    // end test does not look at), the game ends at the release.
    EndGameIfWon(ctx);
    return acted;
}

bool PointerHolds(const PlayContext& ctx) {
    const PointerState& p = ctx.game.pointer;
    return p.dragCard != 0 || p.stockPressed;
}

bool CancelPointerHold(PlayContext& ctx) {
    if (!PointerHolds(ctx)) return false;
    PointerState& p = ctx.game.pointer;
    ctx.ui.RestorePointerShape();
    if (p.stockPressed) {
        ctx.view.DrawButtonPile(false);
        p.stockPressed = false;
    }
    if (p.dragCard != 0) {
        FlyBack(ctx);
        p.dragCard = 0;
        p.dragTopCard = 0;
    }
    return true;
}

bool imgSfondoDblClick(PlayContext& ctx) {
    PlayerAction action(ctx, PlayerAction::Start::New);
    return DoubleClickShortcut(ctx);
}

}  // namespace tindle
