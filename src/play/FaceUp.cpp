#include "play/FaceUp.h"

#include "model/History.h"
#include "model/UsedPiles.h"
#include "play/PlayContext.h"
#include "play/PlayHistory.h"
#include "play/Sounds.h"
#include "play/TablePlaces.h"
#include "play/TableView.h"

namespace tindle {

bool TurnUpColumnTop(PlayContext& ctx, int column) {
    Game& game = ctx.game;
    if (column < 0 || column >= kFilaPiles) return false;
    const PileRef ref{PileKind::Fila, column};
    const Pile& pile = game.piles.Get(ref);
    const int card = PileTop(pile);
    if (card < 1 || !game.cards.CardIsFaceDown(card)) return false;

    RecordMove(ctx);
    game.cards.SetCardFace(card, kFaceUp);
    const Point at = CardCorner(ctx, ref, PileCount(pile) - 1);
    ctx.view.DrawCard(card, at.x, at.y, false, DrawTarget::Window);
    PlayGatedSound(ctx.settings, ctx.sounds, "Face_up", field::SoundsFaceUp);
    ctx.view.DrawCard(card, at.x, at.y, false, DrawTarget::Table);
    if (PileCount(pile) == 1) ctx.view.DrawPile(ref, DrawTarget::Both);
    return true;
}

bool AutomaticFaceUpOn(const PlayContext& ctx) {
    return ctx.settings.IsNotNo(field::AutomaticFaceUp) && ctx.game.def[gd::AutoFaceUp] != 0;
}

bool TurnUpColumnTops(PlayContext& ctx) {
    if (!AutomaticFaceUpOn(ctx)) return false;
    bool turned = false;
    for (int k = 0; k < UsedColumnCount(ctx.game); ++k)
        turned |= TurnUpColumnTop(ctx, k);
    return turned;
}

}  // namespace tindle
