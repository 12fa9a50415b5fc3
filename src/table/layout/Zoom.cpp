#include "table/layout/Zoom.h"

#include <algorithm>
#include <charconv>

#include "model/Game.h"
#include "model/RuleCodes.h"
#include "model/UsedPiles.h"
#include "table/layout/PileHitTest.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

// A whole suit fanned face up: the room a column fanned downwards should have.
constexpr int kFitRunCards = 13;

int Divided(int value, int percent) {
    return value * 100 / percent;
}

}  // namespace

int ParseCardZoom(std::string_view stored) {
    int percent = 0;
    const auto [end, error] =
        std::from_chars(stored.data(), stored.data() + stored.size(), percent);
    if (error != std::errc() || end != stored.data() + stored.size()) return kAutomaticZoom;
    const bool offered =
        std::find(kZoomPercents.begin(), kZoomPercents.end(), percent) != kZoomPercents.end();
    return offered ? percent : kAutomaticZoom;
}

std::string CardZoomText(int percent) {
    if (percent == kAutomaticZoom) return std::string(kAutomaticZoomText);
    return std::to_string(percent);
}

LayoutInputs ZoomedInputs(const LayoutInputs& window, int percent) {
    if (percent == 100) return window;
    LayoutInputs in = window;
    in.width = Divided(window.width, percent);
    in.height = Divided(window.height, percent);
    in.bottom = Divided(window.bottom + 1, percent) - 1;
    in.top = (window.top * 100 + percent - 1) / percent;
    in.screenWidth = Divided(window.screenWidth, percent);
    in.screenHeight = Divided(window.screenHeight, percent);
    return in;
}

bool LayoutFits(const TMainGame& layout, const GameDef& def, const LayoutInputs& in) {
    // The piles' places alone: a game with no cards dealt.
    Game empty;
    empty.def = def;
    const auto extent = TableExtent(layout, empty);
    if (!extent) return true;
    if (extent->left < 0 || extent->top < 0 || extent->right > in.width ||
        extent->bottom > in.bottom + 1)
        return false;
    if (FanStyleOf(PileKind::Fila, def) != fan::Down) return true;
    const int run = layout.cardHeight + (kFitRunCards - 1) * layout.faceUpStepY;
    for (int k = 0; k < UsedColumnCount(empty); ++k) {
        const PileRef column{PileKind::Fila, k};
        if (layout.OnTable(column) && layout.PileY(column) + run > in.bottom + 1) return false;
    }
    return true;
}

int AutomaticZoomPercent(const LayoutInputs& window, const GameDef& def, char cardSizeLetter) {
    for (auto it = kZoomPercents.rbegin(); it != kZoomPercents.rend(); ++it) {
        const LayoutInputs in = ZoomedInputs(window, *it);
        TMainGame layout;
        layout.SetFanSteps(cardSizeLetter, def);
        layout.TableLayout(in, def);
        if (LayoutFits(layout, def, in)) return *it;
    }
    return kZoomPercents.front();
}

}  // namespace tindle
