// Changes of single piles and cards after moves: removal, the push-button pile, a card
// fading in, the peek, selected cards shown inverted.
#include <QPainter>

#include <algorithm>

#include "model/Game.h"
#include "model/Ports.h"
#include "model/SpecialGames.h"
#include "shell/settings/SettingsRecord.h"
#include "table/CardPictures.h"
#include "table/PixelCopy.h"
#include "table/TableRenderer.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

// The game whose stock is redrawn with every removal.
constexpr int kStockRedrawGameId = 3;
constexpr int kFadeSteps = 4;
constexpr int kFadePause = 15;

}  // namespace

void TableRenderer::RedrawAfterRemoval(PileRef pile, std::string_view before,
                                       std::string_view after) {
    if (before == after) return;
    Pile& real = game_.piles.Get(pile);
    if (pile.kind == PileKind::Fila && game_.def[gd::TableauFanStyle] == fan::Squared &&
        !PileEmpty(real))
        return;
    // Everything the pile covered before or covers now is drawn afresh.
    QRect area = PileArea(pile);
    const Pile now = real;
    real = Pile(before);
    area |= PileArea(pile);
    real = now;
    RedrawRegion(area);
    if (settings_.GetInt(field::GameId, -1) == kStockRedrawGameId && StockOnTable(0)) {
        Canvas t = TableCanvas();
        StockPileOn(t, 0, StockFace::Back);
        area |= t.touched;
    }
    ShowTableRect(area);
}

void TableRenderer::DrawButtonPile(bool pressed) {
    PileRef button{PileKind::Mazzo, 0};
    if (game_.def[gd::StockUsed] != 1) {
        if (game_.def[gd::WasteUsed] != 1) return;
        button = {PileKind::MazzoVis, 0};
    }
    const int k = button.kind == PileKind::Mazzo ? 0 : 1;
    if (!StockOnTable(k)) return;
    if (!pressed || !PileEmpty(game_.piles.Get(button))) {
        DrawPile(button, DrawTarget::Both);
        return;
    }
    const SavedStockPosition& saved = layout_.savedStock[static_cast<size_t>(k)];
    DrawPicture(pictures_.Mark(MarkSlot::StockHighlight), saved.x, saved.y - Scroll(),
                DrawTarget::Both);
}

void TableRenderer::FadeInCard(int card, int x, int y) {
    const bool back = card < 1 || game_.cards.CardIsFaceDown(card);
    const QImage& picture = back ? pictures_.Back() : pictures_.FaceOfCard(card);
    if (!picture.isNull()) {
        const QRect at(x, y, CardWidth(), CardHeight());
        // The card shows through the table more and more, on the window only.
        for (int step = 1; step < kFadeSteps; ++step) {
            FlushPending();
            CopyPixels(tableImage_, at.translated(0, Scroll()), WindowImage(), at.topLeft());
            QPainter painter(&WindowImage());
            painter.setOpacity(static_cast<double>(step) / kFadeSteps);
            painter.drawImage(at.topLeft(), picture);
            painter.end();
            surface_.RepaintNow(at);
            time_.Wait(kFadePause);
        }
    }
    if (back) {
        DrawCardBack(x, y, CardHeight(), false, DrawTarget::Both);
    } else {
        DrawCard(card, x, y, false, DrawTarget::Both);
    }
}

void TableRenderer::ShowWholeCard(int card, int x, int y) {
    DrawCard(card, x, y, false, DrawTarget::Window);
}

void TableRenderer::InvertCard(const TableRect& rect, bool invert) {
    // Inverting twice gives the card back, so showing and undoing are the same change.
    (void)invert;
    const QRect card(rect.left, rect.top, rect.Width(), rect.Height());
    if (card.isEmpty()) return;
    DrawOn(DrawTarget::Both, [&](Canvas& c) {
        InvertPixels(*c.image, card.translated(c.offsetX, c.offsetY).intersected(c.clip));
        CornersOn(c, card, true, true);
    });
}

std::optional<TableRenderer::CardSpot> TableRenderer::FindSelectedCard(int card) const {
    // The selection itself is held on the first foundation; the card lies elsewhere.
    auto search = [&](PileKind kind, int first, int count) -> std::optional<CardSpot> {
        for (int i = first; i < count; ++i) {
            const PileRef ref{kind, i};
            const int at = PileFind(game_.piles.Get(ref), card);
            if (at >= 0 && layout_.OnTable(ref)) return CardSpot{ref, at};
        }
        return std::nullopt;
    };
    for (int k = 0; k < kMazzoPiles; ++k) {
        const PileRef ref{k == 0   ? PileKind::Mazzo
                          : k == 1 ? PileKind::MazzoVis
                                   : PileKind::MazzoWaste,
                          0};
        const Pile& pile = game_.piles.Get(ref);
        if (PileCount(pile) > 0 && PileTop(pile) == card && StockOnTable(k))
            return CardSpot{ref, PileCount(pile) - 1};
    }
    if (auto spot = search(PileKind::Fila, 0, std::min(game_.TableauCount(), kFilaPiles)))
        return spot;
    if (auto spot = search(PileKind::Appogg, 0, std::min(game_.ReserveCount(), kAppoggPiles)))
        return spot;
    return search(PileKind::Dest, 1, std::min(game_.FoundationCount(), kDestPiles));
}

bool TableRenderer::SelectsCards() const {
    return IsPairingGame(game_.def) || game_.def[gd::SelectionGame] != 0;
}

void TableRenderer::DrawSelection(bool invert) {
    // Only games played by selecting cards keep a selection (on the first foundation);
    // elsewhere that pile is a foundation like the others.
    if (!SelectsCards()) return;
    const Pile selection = game_.piles.dest[0];
    for (int i = 0; i < PileCount(selection); ++i) {
        const int card = PileCardAt(selection, i);
        const auto spot = FindSelectedCard(card);
        if (!spot) continue;
        const QRect r = CardRectOf(spot->pile, spot->position);
        DrawOn(DrawTarget::Both, [&](Canvas& c) {
            if (IsStockFamily(spot->pile.kind)) {
                PileOn(c, spot->pile);
            } else if (game_.cards.CardIsFaceDown(card)) {
                BackOn(c, r.left(), r.top(), CardHeight(), false);
            } else {
                CardOn(c, card, r.left(), r.top(), false);
            }
        });
        if (invert) InvertCard({r.left(), r.top(), r.right() + 1, r.bottom() + 1}, true);
    }
}

}  // namespace tindle
