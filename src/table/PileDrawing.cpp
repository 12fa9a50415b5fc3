// Piles at their places: the stock family with its thickness, fanned piles card by card,
// empty marks, and the redraw of a region of the table.
#include <algorithm>
#include <vector>

#include <QRegion>

#include "model/Game.h"
#include "table/CardPictures.h"
#include "table/EmptyMarks.h"
#include "table/FoundationHighlight.h"
#include "table/PixelCopy.h"
#include "table/StockThickness.h"
#include "table/TableRenderer.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

// The band above and left of the stack that a shrinking stack leaves behind.
constexpr int kStockBand = 15;
// Where the thickness strips are cut: their last row (or column) is the bottom card's edge.
constexpr int kBorderLastLine = 15;
// The thickness strips reach this far left of (and above) the bottom card.
constexpr int kAcrossOverhang = 11;
constexpr int kDownOverhang = 13;
// How far the cards of an untidy column may lie left or right of the column.
constexpr int kUntidySlack = 2;

constexpr PileRef StockRef(int k) {
    return {k == 0 ? PileKind::Mazzo : k == 1 ? PileKind::MazzoVis : PileKind::MazzoWaste, 0};
}

int StockIndex(PileKind kind) {
    return kind == PileKind::Mazzo ? 0 : kind == PileKind::MazzoVis ? 1 : 2;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Places.

QPoint TableRenderer::CardPlace(PileRef ref, int position) const {
    const int excluded = PileCount(game_.piles.Get(ref)) - 1 - position;
    return QPoint(layout_.CardLeftX(game_, settings_, ref, excluded, false),
                  layout_.CardTopY(game_, ref, excluded, false));
}

QRect TableRenderer::CardRectOf(PileRef ref, int position) const {
    return QRect(CardPlace(ref, position), QSize(CardWidth(), CardHeight()));
}

bool TableRenderer::StockOnTable(int k) const {
    const SavedStockPosition& saved = layout_.savedStock[static_cast<size_t>(k)];
    return !IsOffTable(saved.x) && !IsOffTable(saved.y);
}

QRect TableRenderer::StockArea(int k) const {
    if (!StockOnTable(k)) return QRect();
    const SavedStockPosition& saved = layout_.savedStock[static_cast<size_t>(k)];
    return QRect(saved.x - kStockBand, saved.y - Scroll() - kStockBand, CardWidth() + kStockBand,
                 CardHeight() + kStockBand);
}

QRect TableRenderer::StackRect(int k) const {
    if (!StockOnTable(k)) return QRect();
    const SavedStockPosition& saved = layout_.savedStock[static_cast<size_t>(k)];
    const int d = StockThickness(PileCount(game_.piles.Get(StockRef(k))), layout_.previewMode != 0);
    return QRect(saved.x - d, saved.y - Scroll() - d, CardWidth() + d, CardHeight() + d);
}

QRect TableRenderer::PileArea(PileRef ref) const {
    if (IsStockFamily(ref.kind)) return StockArea(StockIndex(ref.kind));
    if (!layout_.OnTable(ref)) return QRect();
    QRect area(layout_.PileX(ref), layout_.PileY(ref), CardWidth(), CardHeight());
    const int count = PileCount(game_.piles.Get(ref));
    if (count > 0) area |= CardRectOf(ref, count - 1);
    return area.adjusted(-kUntidySlack, 0, kUntidySlack, 0);
}

std::vector<PileRef> TableRenderer::PilesInOrder() const {
    std::vector<PileRef> piles;
    for (int k = 0; k < kMazzoPiles; ++k)
        if (StockOnTable(k)) piles.push_back(StockRef(k));
    auto add = [&](PileKind kind, int count, int capacity) {
        for (int i = 0; i < std::min(count, capacity); ++i) {
            const PileRef ref{kind, i};
            if (layout_.OnTable(ref)) piles.push_back(ref);
        }
    };
    add(PileKind::Dest, game_.FoundationCount(), kDestPiles);
    add(PileKind::Appogg, game_.ReserveCount(), kAppoggPiles);
    add(PileKind::Fila, game_.TableauCount(), kFilaPiles);
    return piles;
}

// ---------------------------------------------------------------------------------------
// The stock family.

void TableRenderer::StockPileOn(Canvas& c, int k, StockFace face) {
    if (!StockOnTable(k)) return;
    const SavedStockPosition& saved = layout_.savedStock[static_cast<size_t>(k)];
    const PileRef ref = StockRef(k);
    const Pile& pile = game_.piles.Get(ref);
    const int count = PileCount(pile);
    const int d = StockThickness(count, layout_.previewMode != 0);
    layout_.SetMazzoX(k, saved.x - d);
    layout_.SetMazzoY(k, saved.y - d);
    const int w = CardWidth(), h = CardHeight();
    const int sx = saved.x, sy = saved.y - Scroll();

    // What an earlier, thicker stack covered above and left of this one, except where another
    // stack of the family lies: piles placed closer than the band (a stock and waste above
    // neighbouring columns) would otherwise lose the edges along their lower and right sides.
    QRegion band(QRect(sx - kStockBand, sy - kStockBand, w + kStockBand, kStockBand + 1 - d));
    band += QRect(sx - kStockBand, sy - kStockBand, kStockBand + 1 - d, h + kStockBand);
    for (int other = 0; other < kMazzoPiles; ++other) {
        if (other != k) band -= StackRect(other);
    }
    for (const QRect& r : band)
        CopyFromBackground(c, r);
    if (d > 0) {
        // The edges of the cards under the top one, along its lower and right sides.
        const QImage& across = pictures_.Border(1);
        const QImage& down = pictures_.Border(2);
        BlendOnto(c,
                  CopyTableRect(across,
                                QRect(0, kBorderLastLine - d, TableRectOf(across).width(), d + 1)),
                  sx - kAcrossOverhang, sy - d + h - 1);
        BlendOnto(
            c,
            CopyTableRect(down, QRect(kBorderLastLine - d, 0, d + 1, TableRectOf(down).height())),
            sx - d + w - 1, sy - kDownOverhang);
    }
    if (count == 0) {
        EmptyMarkOn(c, MarkKindOf(ref.kind), sx, sy, 0);
        return;
    }
    const int top = PileTop(pile);
    const bool back =
        face == StockFace::Back || (face == StockFace::Stored && game_.cards.CardIsFaceDown(top));
    if (back) {
        BackOn(c, sx - d, sy - d, h, false);
    } else {
        CardOn(c, top, sx - d, sy - d, false);
    }
    if (count == 1) CornersOn(c, QRect(sx - d, sy - d, w, h), true, true);
}

// ---------------------------------------------------------------------------------------
// Other piles.

void TableRenderer::PileCornersOn(Canvas& c, PileRef ref, int topPosition) {
    CornersOn(c, CardRectOf(ref, 0), true, false);
    CornersOn(c, CardRectOf(ref, topPosition), false, true);
}

void TableRenderer::PileCardOn(Canvas& c, PileRef ref, int position) {
    if (IsStockFamily(ref.kind)) {
        StockPileOn(c, StockIndex(ref.kind), StockFace::Stored);
        return;
    }
    if (!layout_.OnTable(ref)) return;
    const Pile& pile = game_.piles.Get(ref);
    if (PileEmpty(pile)) {
        EmptyMarkOn(c, MarkKindOf(ref.kind), layout_.PileX(ref), layout_.PileY(ref), ref.index);
        return;
    }
    const int card = PileCardAt(pile, position);
    const QPoint at = CardPlace(ref, position);
    if (card < 1) return;  // a gap of a grid
    if (game_.cards.CardIsFaceDown(card)) {
        BackOn(c, at.x(), at.y(), CardHeight(), false);
    } else {
        CardOn(c, card, at.x(), at.y(), false);
    }
    PileCornersOn(c, ref, position);
}

void TableRenderer::PileOn(Canvas& c, PileRef ref) {
    if (IsStockFamily(ref.kind)) {
        StockPileOn(c, StockIndex(ref.kind), StockFace::Stored);
        return;
    }
    const int count = PileCount(game_.piles.Get(ref));
    if (count == 0) {
        PileCardOn(c, ref, 0);
        return;
    }
    for (int i = 0; i < count; ++i)
        PileCardOn(c, ref, i);
}

void TableRenderer::DrawPile(PileRef pile, DrawTarget target) {
    DrawOn(target, [&](Canvas& c) { PileOn(c, pile); });
}

void TableRenderer::DrawPileTop(PileRef pile, DrawTarget target) {
    DrawOn(target, [&](Canvas& c) {
        const int count = PileCount(game_.piles.Get(pile));
        PileCardOn(c, pile, count > 0 ? count - 1 : 0);
    });
}

void TableRenderer::StockAndFoundationsOn(Canvas& c, bool dealing) {
    for (int k = 0; k < kMazzoPiles; ++k)
        StockPileOn(c, k, dealing ? StockFace::FaceUp : StockFace::Stored);
    for (int i = 0; i < std::min(game_.FoundationCount(), kDestPiles); ++i) {
        const PileRef ref{PileKind::Dest, i};
        if (layout_.OnTable(ref)) PileOn(c, ref);
    }
}

void TableRenderer::DrawStockAndFoundations(DrawTarget target, bool dealing) {
    DrawOn(target, [&](Canvas& c) { StockAndFoundationsOn(c, dealing); });
}

void TableRenderer::EmptyTableauAndReservesOn(Canvas& c) {
    for (int i = 0; i < std::min(game_.TableauCount(), kFilaPiles); ++i) {
        const PileRef ref{PileKind::Fila, i};
        if (layout_.OnTable(ref))
            EmptyMarkOn(c, mark::kTableau, layout_.PileX(ref), layout_.PileY(ref), i);
    }
    for (int i = 0; i < std::min(game_.ReserveCount(), kAppoggPiles); ++i) {
        const PileRef ref{PileKind::Appogg, i};
        if (layout_.OnTable(ref))
            EmptyMarkOn(c, mark::kReserve, layout_.PileX(ref), layout_.PileY(ref), i);
    }
}

void TableRenderer::DrawEmptyTableauAndReserves(DrawTarget target) {
    DrawOn(target, [&](Canvas& c) { EmptyTableauAndReservesOn(c); });
}

void TableRenderer::DrawEmptyStockMark() {
    DrawPile({PileKind::Mazzo, 0}, DrawTarget::Both);
}

// ---------------------------------------------------------------------------------------
// A region drawn afresh.

void TableRenderer::RedrawWholeTable() {
    PaintBackground();
    RedrawRegion(QRect(0, 0, windowWidth_, windowHeight_));
    PresentTable();
}

void TableRenderer::RedrawRegion(const QRect& windowRect) {
    MakeTablePicture();
    const QRect tableRect = windowRect.translated(0, Scroll()).intersected(TableExtent());
    if (tableRect.isEmpty()) return;
    CopyBackground(tableRect, tableImage_, tableRect.topLeft());
    Canvas c = TableCanvas();
    c.clip = tableRect;
    const QRect area = tableRect.translated(0, -Scroll());
    std::vector<int> highlighted;
    for (const PileRef ref : PilesInOrder()) {
        if (!PileArea(ref).intersects(area)) continue;
        PileOn(c, ref);
        if (ref.kind == PileKind::Dest && IsFoundationComplete(ref.index))
            highlighted.push_back(ref.index);
    }
    if (highlighted.empty()) return;
    const HighlightPreference pref = ReadHighlightPreference(settings_);
    if (pref.style == kHighlightNone) return;
    for (int i : highlighted)
        HighlightOn(c, i, pref.style, pref.colour);
}

}  // namespace tindle
