#include "table/layout/Zoom.h"

#include <algorithm>
#include <charconv>
#include <vector>

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

// How many pairs of the piles' places overlap, and how many places lie left of or above the
// table, in a computed layout.
int MisplacedPlaces(const TMainGame& layout, const GameDef& def) {
    Game empty;
    empty.def = def;
    std::vector<TableRect> places;
    for (const PileRef ref : PilesOnTable(layout, empty))
        if (const auto place = PileExtent(layout, empty, ref)) places.push_back(*place);
    int misplaced = 0;
    for (size_t i = 0; i < places.size(); ++i) {
        if (places[i].left < 0 || places[i].top < 0) ++misplaced;
        for (size_t j = i + 1; j < places.size(); ++j)
            if (places[i].Intersects(places[j])) ++misplaced;
    }
    return misplaced;
}

// The same in the layout of `in`.
int MisplacedPiles(const LayoutInputs& in, const GameDef& def, char cardSizeLetter) {
    TMainGame layout;
    layout.SetFanSteps(cardSizeLetter, def);
    layout.TableLayout(in, def);
    return MisplacedPlaces(layout, def);
}

// `in` grown by `grow(in, extra)` for the least extra, in steps of `step` up to `reach`, at
// which no more piles are misplaced than at `reach` (the game's own overlaps).
template <typename Grow>
LayoutInputs GrownToFit(const LayoutInputs& in, const GameDef& def, char cardSizeLetter, int step,
                        int reach, Grow grow) {
    const int own = MisplacedPiles(grow(in, reach), def, cardSizeLetter);
    if (MisplacedPiles(in, def, cardSizeLetter) <= own) return in;
    for (int extra = step; extra < reach; extra += step) {
        const LayoutInputs grown = grow(in, extra);
        if (MisplacedPiles(grown, def, cardSizeLetter) <= own) return grown;
    }
    return grow(in, reach);
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

LayoutInputs RoomForPiles(const LayoutInputs& in, const GameDef& def, char cardSizeLetter) {
    if (MisplacedPiles(in, def, cardSizeLetter) == 0) return in;
    // Room for every pile of the table side by side, and for as many rows.
    const int piles = TMainGame::kMazzoSlots + TMainGame::kDestSlots + TMainGame::kFilaSlots +
                      TMainGame::kAppoggSlots;
    const LayoutInputs wide =
        GrownToFit(in, def, cardSizeLetter, std::max(in.cardWidth / 4, 1),
                   piles * (in.cardWidth + 20), [](LayoutInputs grown, int extra) {
                       grown.width += extra;
                       return grown;
                   });
    return GrownToFit(wide, def, cardSizeLetter, std::max(in.cardHeight / 4, 1),
                      piles * (in.cardHeight + 20), [](LayoutInputs grown, int extra) {
                          grown.height += extra;
                          grown.bottom += extra;
                          return grown;
                      });
}

int AutomaticZoomPercent(const LayoutInputs& window, const GameDef& def, char cardSizeLetter) {
    for (auto it = kZoomPercents.rbegin(); it != kZoomPercents.rend(); ++it) {
        const LayoutInputs in = ZoomedInputs(window, *it);
        TMainGame layout;
        layout.SetFanSteps(cardSizeLetter, def);
        layout.TableLayout(in, def);
        if (!LayoutFits(layout, def, in)) continue;
        if (MisplacedPlaces(layout, def) == 0) return *it;
        // Piles that lie on one another here may do so on any table (the game's own design).
        const LayoutInputs roomy = RoomForPiles(in, def, cardSizeLetter);
        if (roomy.width == in.width && roomy.height == in.height) return *it;
    }
    return kZoomPercents.front();
}

}  // namespace tindle
