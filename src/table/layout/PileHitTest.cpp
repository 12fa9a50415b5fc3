#include "table/layout/PileHitTest.h"

#include "model/Game.h"
#include "model/RuleCodes.h"
#include "model/UsedPiles.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

bool FansDown(int style) {
    return style == fan::Down || style == fan::Squared || style == fan::Stacked ||
           style == fan::FirstStepped;
}
bool FansRight(int style) {
    return style == fan::Right || style == fan::SideBySide || style == fan::Diagonal;
}

TableRect CardRect(const TMainGame& tm, int x, int y) {
    return {x, y, x + tm.cardWidth, y + tm.cardHeight};
}

// The band of card i (not the top card) of a pile of this style, along its fan.
int BandOf(const TMainGame& tm, const Game& game, int style, int position, int card) {
    const bool faceDown = game.cards.CardIsFaceDown(card);
    switch (style) {
        case fan::Down:
        case fan::Squared:
            return faceDown ? tm.faceDownStepY : tm.faceUpStepY;
        case fan::FirstStepped:
            return position == 0 ? tm.faceUpStepY : 0;
        case fan::Stacked:
            return tm.stackStep[1];
        case fan::Right:
            return faceDown ? tm.faceDownStepX : tm.faceUpStepX;
        case fan::Diagonal:
            return tm.diagonalStep[0];
        case fan::SideBySide:
            return tm.cardWidth;
        default:
            return 0;
    }
}

}  // namespace

std::optional<TableRect> PileExtent(const TMainGame& tm, const Game& game, PileRef ref) {
    if (!tm.OnTable(ref)) return std::nullopt;
    const int x = tm.PileX(ref);
    const int y = tm.PileY(ref);
    const Pile& pile = game.piles.Get(ref);
    const int style = FanStyleOf(ref.kind, game.def);
    if (IsStockFamily(ref.kind) || ref.kind == PileKind::Dest) {
        return CardRect(tm, tm.CardLeftX(game, ref, 0, false, false),
                        tm.CardTopY(game, ref, 0, false));
    }
    TableRect r = CardRect(tm, x, y);
    if (PileEmpty(pile)) return r;
    if (FansDown(style)) r.bottom = tm.CardTopY(game, ref, 0, false) + tm.cardHeight;
    if (FansRight(style)) r.right = tm.CardLeftX(game, ref, 0, false, false) + tm.cardWidth;
    return r;
}

std::vector<PileRef> PilesOnTable(const TMainGame& tm, const Game& game) {
    std::vector<PileRef> piles;
    auto take = [&](PileRef ref) {
        if (tm.OnTable(ref)) piles.push_back(ref);
    };
    for (int i = 0; i < kMazzoPiles; ++i)
        take({static_cast<PileKind>(i), 0});
    for (int j = 0; j < UsedFoundationCount(game); ++j)
        take({PileKind::Dest, j});
    for (int k = 0; k < UsedColumnCount(game); ++k)
        take({PileKind::Fila, k});
    for (int i = 0; i < UsedReserveCount(game); ++i)
        take({PileKind::Appogg, i});
    return piles;
}

std::optional<TableRect> TableExtent(const TMainGame& tm, const Game& game) {
    std::optional<TableRect> all;
    for (const PileRef ref : PilesOnTable(tm, game)) {
        const auto r = PileExtent(tm, game, ref);
        if (!r) continue;
        all = all ? all->United(*r) : *r;
    }
    return all;
}

std::optional<CardHit> FanSearch(const TMainGame& tm, const Game& game, PileRef ref, int x, int y) {
    if (!tm.OnTable(ref)) return std::nullopt;
    const Pile& pile = game.piles.Get(ref);
    const int count = PileCount(pile);
    if (count == 0) return std::nullopt;
    const int style = FanStyleOf(ref.kind, game.def);
    const int px = tm.PileX(ref);
    const int py = tm.PileY(ref);
    const int top = count - 1;

    if (FansDown(style)) {
        if (x < px || x >= px + tm.cardWidth) return std::nullopt;
        int t = py;
        for (int i = 0; i < count; ++i) {
            const int card = PileCardAt(pile, i);
            const int band = i == top ? tm.cardHeight : BandOf(tm, game, style, i, card);
            if (y >= t && y < t + band) {
                if (style == fan::Squared)
                    return CardHit{top, PileCardAt(pile, top), CardRect(tm, px, py)};
                return CardHit{i, card, CardRect(tm, px, t)};
            }
            t += band;
        }
        return std::nullopt;
    }
    if (FansRight(style)) {
        if (y < py || y >= py + tm.cardHeight) return std::nullopt;
        int l = px;
        for (int i = 0; i < count; ++i) {
            const int card = PileCardAt(pile, i);
            const int band = i == top ? tm.cardWidth : BandOf(tm, game, style, i, card);
            if (x >= l && x < l + band) return CardHit{i, card, CardRect(tm, l, py)};
            l += band + (style == fan::SideBySide ? tm.spreadGap : 0);
        }
        return std::nullopt;
    }
    // No spread: every card lies at the pile's place, the top one visible.
    const TableRect r = CardRect(tm, px, py);
    if (!r.Contains(x, y)) return std::nullopt;
    return CardHit{top, PileCardAt(pile, top), r};
}

std::optional<PileHit> HitTestTable(const TMainGame& tm, const Game& game, int x, int y) {
    for (PileKind kind : {PileKind::Mazzo, PileKind::MazzoVis, PileKind::MazzoWaste}) {
        const PileRef ref{kind, 0};
        const auto r = PileExtent(tm, game, ref);
        if (r && r->Contains(x, y)) return PileHit{ref, PileTop(game.piles.Get(ref)), *r};
    }

    const int columns = game.TableauCount();
    const int style = game.def[gd::TableauFanStyle];
    const bool tryOn = style == fan::SideBySide || style == fan::Grid;
    for (int n = 0; n < columns; ++n) {
        const int i = style == fan::SideBySide ? columns - 1 - n : n;
        const PileRef ref{PileKind::Fila, i};
        const auto r = PileExtent(tm, game, ref);
        if (!r) continue;
        if (style != fan::Grid && !r->Contains(x, y)) continue;
        if (const auto hit = FanSearch(tm, game, ref, x, y)) {
            return PileHit{ref, hit->card, hit->rect};
        }
        if (!tryOn) break;
    }

    for (int i = 0; i < kDestPiles; ++i) {
        const PileRef ref{PileKind::Dest, i};
        const auto r = PileExtent(tm, game, ref);
        if (r && r->Contains(x, y)) return PileHit{ref, PileTop(game.piles.Get(ref)), *r};
    }

    for (int i = 0; i < kAppoggPiles; ++i) {
        const PileRef ref{PileKind::Appogg, i};
        if (PileEmpty(game.piles.Get(ref))) continue;
        const auto r = PileExtent(tm, game, ref);
        if (!r || !r->Contains(x, y)) continue;
        if (const auto hit = FanSearch(tm, game, ref, x, y)) {
            return PileHit{ref, hit->card, hit->rect};
        }
    }
    return std::nullopt;
}

}  // namespace tindle
