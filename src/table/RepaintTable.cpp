// The full repaint of a game, at once or as an animated deal.
#include <algorithm>

#include "model/Game.h"
#include "model/Ports.h"
#include "model/SpecialGames.h"
#include "play/Sounds.h"
#include "shell/settings/SettingsRecord.h"
#include "table/CardPictures.h"
#include "table/DealClock.h"
#include "table/EmptyMarks.h"
#include "table/FoundationHighlight.h"
#include "table/TableRenderer.h"
#include "table/layout/Nearest.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

constexpr int kDealPause = 100;
constexpr int kFlipPause = 2;
constexpr int kSlidePause = 1;

bool TableauOrReservesHoldCards(const Game& game) {
    for (int i = 0; i < std::min(game.TableauCount(), kFilaPiles); ++i)
        if (!PileEmpty(game.piles.fila[static_cast<size_t>(i)])) return true;
    for (int i = 0; i < std::min(game.ReserveCount(), kAppoggPiles); ++i)
        if (!PileEmpty(game.piles.appogg[static_cast<size_t>(i)])) return true;
    return false;
}

}  // namespace

TableRenderer::DealPoint TableRenderer::ChooseDealPoint() const {
    DealPoint point;
    auto at = [&](PileRef ref) {
        point.pile = ref;
        point.hasPile = true;
        point.x = layout_.PileX(ref);
        point.y = layout_.PileY(ref);
        return point;
    };
    if (SpecialOf(game_.def) == special::GridRuns) {
        point.x = -Nearest(1.1 * CardWidth());
        point.y = 0;
        return point;
    }
    const bool wasteInstead = PileEmpty(game_.piles.Stock()) && !PileEmpty(game_.piles.Waste());
    if (StockOnTable(1) && wasteInstead) return at({PileKind::MazzoVis, 0});
    if (StockOnTable(0)) return at({PileKind::Mazzo, 0});
    const PileRef reserve{PileKind::Appogg, 0};
    if (game_.ReserveCount() > 0 && layout_.OnTable(reserve) &&
        PileCount(game_.piles.Get(reserve)) <= 1)
        return at(reserve);
    if (StockOnTable(2)) return at({PileKind::MazzoWaste, 0});
    const PileRef foundation{PileKind::Dest, 0};
    if (game_.FoundationCount() > 0 && layout_.OnTable(foundation)) return at(foundation);
    return at({PileKind::Fila, 0});
}

std::vector<TableRenderer::CardSpot> TableRenderer::DealOrder() const {
    std::vector<CardSpot> order;
    for (int i = 0; i < std::min(game_.ReserveCount(), kAppoggPiles); ++i) {
        const PileRef ref{PileKind::Appogg, i};
        if (!layout_.OnTable(ref)) continue;
        const int count = PileCount(game_.piles.Get(ref));
        for (int k = 0; k < std::max(count, 1); ++k)
            order.push_back({ref, k});
    }
    const int columns = std::min(game_.TableauCount(), kFilaPiles);
    auto columnCount = [&](int j) { return PileCount(game_.piles.fila[static_cast<size_t>(j)]); };
    auto onTable = [&](int j) { return layout_.OnTable(PileRef{PileKind::Fila, j}); };
    if (game_.def[gd::DealScanByColumn] != 0) {
        for (int j = 0; j < columns; ++j) {
            if (!onTable(j)) continue;
            for (int k = 0; k < std::max(columnCount(j), 1); ++k)
                order.push_back({{PileKind::Fila, j}, k});
        }
        return order;
    }
    // Row by row: each column's card of that row, and a column's first place when it is empty.
    int rows = 1;
    for (int j = 0; j < columns; ++j)
        rows = std::max(rows, columnCount(j));
    for (int r = 0; r < rows; ++r) {
        for (int j = 0; j < columns; ++j) {
            if (!onTable(j)) continue;
            const int count = columnCount(j);
            if (r < count || (r == 0 && count == 0)) order.push_back({{PileKind::Fila, j}, r});
        }
    }
    return order;
}

void TableRenderer::DealCard(PileRef ref, int position, const DealPoint& from) {
    const int card = PileCardAt(game_.piles.Get(ref), position);
    if (card < 1) return;
    const bool faceDown = game_.cards.CardIsFaceDown(card);
    const int w = CardWidth(), h = CardHeight();
    auto drawAt = [&](int x, int y, bool back) {
        DrawOn(DrawTarget::Window, [&](Canvas& c) {
            if (back) {
                BackOn(c, x, y, h, false);
            } else {
                CardOn(c, card, x, y, false);
            }
        });
    };
    // Taken off the deal point: shown, covered by the next back, then slid off.
    dealClock_->StartCard();
    drawAt(from.x, from.y, faceDown);
    dealClock_->Wait(kFlipPause);
    drawAt(from.x, from.y, true);
    const int slidX = from.x + Nearest(w / 7.0);
    const int slidY = from.y + Nearest(h / 7.0);
    drawAt(slidX, slidY, faceDown);
    dealClock_->Wait(kSlidePause);

    const QPoint to = CardPlace(ref, position);
    FlightOptions flight;
    flight.faceDown = faceDown;
    flight.fast = true;
    AnimateMove(card, slidX, slidY, to.x(), to.y(), flight);

    Canvas t = TableCanvas();
    if (faceDown) {
        BackOn(t, to.x(), to.y(), h, false);
    } else {
        CardOn(t, card, to.x(), to.y(), false);
    }
    PileCornersOn(t, ref, position);
    InvalidateWindow(t.touched);
}

void TableRenderer::RepaintTable(bool deal) {
    if (!game_.flags.gameInProgress) return;
    layout_.scrollOffset = 0;
    layout_.tableBottom = 0;
    const bool dealing = deal && TableauOrReservesHoldCards(game_);

    if (deal && game_.def[gd::TableauFanStyle] != fan::SideBySide)
        DrawEmptyTableauAndReserves(dealing ? DrawTarget::Both : DrawTarget::Table);
    {
        Canvas t = TableCanvas();
        StockAndFoundationsOn(t, dealing);
    }

    DealPoint from;
    if (dealing) {
        from = ChooseDealPoint();
        Canvas t = TableCanvas();
        BackOn(t, from.x, from.y, CardHeight(), false);
        PresentTable();
        time_.Wait(kDealPause);
        PlayGatedSound(settings_, sounds_, "Shuffle", field::SoundsShuffle, SoundMode::Loop);
    }
    const bool fromFirstColumn = from.hasPile && from.pile == PileRef{PileKind::Fila, 0};
    // Whether the card at that place flies from the deal point (rather than being laid).
    auto flies = [&](const CardSpot& spot) {
        return dealing && !PileEmpty(game_.piles.Get(spot.pile)) &&
               !(fromFirstColumn && spot.pile == from.pile);
    };
    const std::vector<CardSpot> order = DealOrder();
    // A key or click during the deal sets the flag (the window's deal hook): the card in the
    // air lands, and the rest are laid in their places at once.
    game_.flags.dealCutShort = false;
    DealClock clock(time_, static_cast<int>(std::count_if(order.begin(), order.end(), flies)),
                    &game_.flags.dealCutShort);
    // A deal's waits let the window's events run; a repaint one of them asks for still leaves
    // the deal its own clock.
    DealClock* const outer = dealClock_;
    dealClock_ = &clock;
    for (const CardSpot& spot : order) {
        if (flies(spot) && !clock.CutShort()) {
            DealCard(spot.pile, spot.position, from);
        } else if (dealing) {
            DrawOn(DrawTarget::Both, [&](Canvas& c) { PileCardOn(c, spot.pile, spot.position); });
        } else {
            Canvas t = TableCanvas();
            PileCardOn(t, spot.pile, spot.position);
        }
    }
    dealClock_ = outer;

    if (dealing) {
        StopGatedSounds(settings_, sounds_);
        if (from.hasPile) DrawPile(from.pile, DrawTarget::Both);
    }
    tableDrawn_ = true;
    // A full repaint ends with the highlights of every completed foundation.
    if (settings_.options.highlightMark != kHighlightNone) HighlightFoundations(-1);
    PresentTable();
}

}  // namespace tindle
