#include "play/DropTargets.h"

#include <string>

#include "model/Card.h"
#include "model/GameEnd.h"
#include "model/History.h"
#include "model/MoveRules.h"
#include "model/Snapshot.h"
#include "model/SpecialGames.h"
#include "model/UsedPiles.h"
#include "play/MoveExecutor.h"
#include "play/PlayContext.h"
#include "play/Sounds.h"
#include "play/TableView.h"
#include "table/layout/CardSize.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

Mover MoverOf(bool autoplay) {
    return autoplay ? Mover::Autoplay : Mover::Player;
}

bool Animated(const PlayContext& ctx) {
    return ctx.settings.IsNotNo(field::CardsAnimate);
}

TableRect DraggedRect(const PlayContext& ctx) {
    const TableRect& r = ctx.game.pointer.dragRect;
    return {r.left, r.top, r.left + CardWidth(ctx), r.top + ctx.game.pointer.dragImageHeight};
}

TableRect TargetRect(const PlayContext& ctx, DropTarget target) {
    return TopCardRect(ctx, TargetPile(target));
}

// The accepted block put on the target by the executor.
bool Land(PlayContext& ctx, DropTarget target, bool autoplay, int card) {
    if (!Execute(ctx, DropMove(target, autoplay, card))) return false;
    if (target.kind == kDropColumn && SpecialOf(ctx.game.def) == special::GridDrops) {
        SetMarker(ctx.game, marker::GridDrop);
    }
    return true;
}

}  // namespace

PileRef TargetPile(DropTarget target) {
    switch (target.kind) {
        case kDropWaste:
            return {PileKind::MazzoVis, 0};
        case kDropFoundation:
            return {PileKind::Dest, target.index};
        case kDropReserve:
            return {PileKind::Appogg, target.index};
        default:
            return {PileKind::Fila, target.index};
    }
}

std::vector<DropCandidate> DropCandidates(const PlayContext& ctx) {
    const Game& game = ctx.game;
    std::vector<DropCandidate> out;
    auto add = [&](int kind, int index) {
        const DropTarget t{kind, index};
        if (!ctx.layout.OnTable(TargetPile(t))) return;
        out.push_back({t, TargetRect(ctx, t)});
    };
    for (int j = 0; j < UsedFoundationCount(game); ++j)
        add(kDropFoundation, j);
    const int style = game.def[gd::TableauFanStyle];
    if (style != fan::Grid && style != fan::GridNoDrops) {
        for (int k = 0; k < UsedColumnCount(game); ++k)
            add(kDropColumn, k);
    }
    for (int i = 0; i < UsedReserveCount(game); ++i)
        add(kDropReserve, i);
    if (game.def[gd::WasteNotDropTarget] != wasteTarget::Never) add(kDropWaste, 0);
    return out;
}

Move DropMove(DropTarget target, bool autoplay, int card) {
    switch (target.kind) {
        case kDropWaste:
            return {MoveKind::ToWaste, 0, card};
        case kDropFoundation:
            return {autoplay ? MoveKind::ToFoundationAuto : MoveKind::ToFoundation, target.index,
                    card};
        case kDropReserve:
            return {MoveKind::ToReserve, target.index, card};
        default:
            return {MoveKind::ToColumn, target.index, card};
    }
}

bool TryDropTarget(PlayContext& ctx, DropTarget target, bool autoplay, Point from) {
    Game& game = ctx.game;
    const int card = game.pointer.dragCard;
    if (!DropOverlaps(DraggedRect(ctx), TargetRect(ctx, target))) return false;
    if (!Accepts(game, card, TargetPile(target), MoverOf(autoplay))) return false;

    const Point to = NextCardCorner(ctx, TargetPile(target));
    if (Animated(ctx)) {
        FlightOptions options;
        options.newPicture = false;
        ctx.view.AnimateMove(card, from.x, from.y, to.x, to.y, options);
    } else {
        ctx.view.MoveImageTo(to.x, to.y, true, false);
    }
    game.pointer.dragRect = CardRectAt(ctx, to, game.pointer.dragImageHeight);
    return Land(ctx, target, autoplay, card);
}

bool DropCard(PlayContext& ctx, bool autoplay) {
    const TableRect dragged = DraggedRect(ctx);
    for (const DropTarget& t : RankDropTargets(dragged, DropCandidates(ctx))) {
        const TableRect& r = ctx.game.pointer.dragRect;
        if (TryDropTarget(ctx, t, autoplay, {r.left, r.top})) return true;
    }
    return false;
}

bool SendCardTo(PlayContext& ctx, int card, DropTarget target, bool autoplay) {
    Game& game = ctx.game;
    const auto place = FindCard(game, card);
    if (!place) return false;
    const PileRef targetPile = TargetPile(target);
    if (!ctx.layout.OnTable(targetPile)) return false;
    if (!Accepts(game, *place, targetPile, MoverOf(autoplay))) return false;
    // A search shows nothing: the block, placed over the pile it is sent to, always overlaps it
    // and is accepted, so it lands at once, without its picture, its flight or a second asking.
    if (ctx.session.searching) return Land(ctx, target, autoplay, card);

    const Point from = CardCorner(ctx, place->pile, place->position);
    PointerState& p = game.pointer;
    p.dragCard = card;
    p.dragTopCard = 0;
    p.grabX = 0;
    p.grabY = 0;
    const int blockSize = BlockSize(game, *place);
    p.dragImageHeight =
        blockSize == 1 ? CardHeight(ctx)
                       : PileArea(ctx, place->pile).bottom - ShadowMarginFor(ctx.settings) - from.y;
    const TableRect over = TargetRect(ctx, target);
    p.dragRect = CardRectAt(ctx, {over.left, over.top}, p.dragImageHeight);
    ctx.view.BuildDragImage(place->pile, place->position);
    const bool moved = TryDropTarget(ctx, target, autoplay, from);
    if (!moved) {
        // The picture was taken off the table: put the block back where it lies.
        p.dragRect = CardRectAt(ctx, from, p.dragImageHeight);
        ctx.view.DrawPile(place->pile, DrawTarget::Both);
    }
    p.dragCard = 0;
    p.dragTopCard = 0;
    return moved;
}

void FlyBack(PlayContext& ctx) {
    Game& game = ctx.game;
    PointerState& p = game.pointer;
    const auto place = FindCard(game, p.dragCard, CardSearch::FlyBack);
    if (!place) return;
    const Point to = CardCorner(ctx, place->pile, place->position);
    if (Animated(ctx)) {
        FlightOptions options;
        options.newPicture = false;
        ctx.view.AnimateMove(p.dragCard, p.dragRect.left, p.dragRect.top, to.x, to.y, options);
    }
    p.dragRect = CardRectAt(ctx, to, p.dragImageHeight);
    // The block's own cards at their places (the cards below them never left).
    const Pile& pile = game.piles.Get(place->pile);
    for (int i = place->position; i < PileCount(pile); ++i) {
        const int card = PileCardAt(pile, i);
        const Point at = CardCorner(ctx, place->pile, i);
        if (card > 0 && game.cards.CardIsFaceDown(card)) {
            ctx.view.DrawCardBack(at.x, at.y, CardHeight(ctx), false, DrawTarget::Table);
        } else {
            ctx.view.DrawCard(card, at.x, at.y, false, DrawTarget::Table);
        }
    }
    const int margin = ShadowMarginFor(ctx.settings);
    TableRect area = PileArea(ctx, place->pile);
    area.left -= margin + 6;
    area.right += 12;  // the shadow margin is in the pile's area already
    ctx.view.RefreshRect(area);
    if (place->pile.kind == PileKind::MazzoVis) {
        if (PileCount(game.piles.Waste()) == 1)
            ctx.view.DrawPile({PileKind::Mazzo, 0}, DrawTarget::Both);
        if (PileEmpty(game.piles.Stock())) ctx.view.DrawEmptyStockMark();
    }
    if (ctx.settings.IsNotNo(field::CardsShadowed)) {
        PlayGatedSound(ctx.settings, ctx.sounds, "card_down", field::SoundsCardDown);
    }
}

}  // namespace tindle
