#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "model/Piles.h"
#include "table/layout/ColumnJitter.h"
#include "table/layout/LayoutFrame.h"
#include "table/layout/LayoutInputs.h"

// The layout object: where every pile of the current game lies on the table and how the
// cards of a pile are spread. One instance lives for the whole program (a preview or a test
// may make its own); it is recomputed at every game load and window resize. Other parts of
// the program add their own per-game fields to it.
//
// Coordinates are pixels of a card's top-left corner, stored as signed 16-bit values in
// unscrolled table coordinates. The Y getters subtract the scroll offset; the X getters and
// all setters take values as they are. A coordinate below -9999 means "not on this table":
// such a pile is neither drawn nor hit.

namespace tindle {

class Game;
class GameDef;
class SettingsRecord;

// Off-table values: every layout starts from one distinct value per pile kind, and an
// arrangement marks a slot it leaves unused with kOffTable.
constexpr int kOffTable = -10000;
constexpr int kOffTableStock = -10000;
constexpr int kOffTableDest = -10001;
constexpr int kOffTableFila = -10002;
constexpr int kOffTableAppogg = -10003;
constexpr bool IsOffTable(int coordinate) {
    return coordinate < -9999;
}

// A stock-family pile's place as the animations need it after the layout.
struct SavedStockPosition {
    int16_t x = kOffTable;
    int16_t scrolledY = kOffTable;
    int16_t y = kOffTable;  // unscrolled
};

class TMainGame {
  public:
    static constexpr int kDestSlots = 17;    // foundations 1..16 (one spare)
    static constexpr int kAppoggSlots = 11;  // reserves 1..10 (one spare)
    static constexpr int kMazzoSlots = 4;    // Mazzo, Mazzo_Vis, Mazzo_Waste (one spare)
    static constexpr int kFilaSlots = 30;    // tableau columns 1..28 (two spare)

    TMainGame();

    // ---- Positions (0-based index). Out-of-range indexes read as kOffTable and are not
    // written.
    int DestX(int i) const { return Read(destX_, i); }
    int DestY(int i) const { return Scrolled(Read(destY_, i)); }
    int AppoggX(int i) const { return Read(appoggX_, i); }
    int AppoggY(int i) const { return Scrolled(Read(appoggY_, i)); }
    int MazzoX(int i) const { return Read(mazzoX_, i); }
    int MazzoY(int i) const { return Scrolled(Read(mazzoY_, i)); }
    int FilaX(int i) const { return Read(filaX_, i); }
    int FilaY(int i) const { return Scrolled(Read(filaY_, i)); }
    void SetDestX(int i, int v) { Write(destX_, i, v); }
    void SetDestY(int i, int v) { Write(destY_, i, v); }
    void SetAppoggX(int i, int v) { Write(appoggX_, i, v); }
    void SetAppoggY(int i, int v) { Write(appoggY_, i, v); }
    void SetMazzoX(int i, int v) { Write(mazzoX_, i, v); }
    void SetMazzoY(int i, int v) { Write(mazzoY_, i, v); }
    void SetFilaX(int i, int v) { Write(filaX_, i, v); }
    void SetFilaY(int i, int v) { Write(filaY_, i, v); }

    // The unscrolled Y of a pile and its X (stock family, foundation, column or reserve).
    int StoredPileY(PileRef ref) const;
    int PileX(PileRef ref) const;
    int PileY(PileRef ref) const { return Scrolled(StoredPileY(ref)); }
    bool OnTable(PileRef ref) const;
    void SetPilePosition(PileRef ref, int x, int y);

    // Every position to its kind's off-table value.
    void ResetPositions();

    // ---- Layout.
    // Fan steps for the card size letter ('B', 'M', 'L') and the game's fan styles. Another
    // letter keeps the step sizes of the last valid one.
    void SetFanSteps(char cardSizeLetter, const GameDef& def);

    // Computes every pile position, the column rooms and the scroll offset for a table.
    void TableLayout(const LayoutInputs& in, const GameDef& def);

    // The frame values of the last layout (rows, margin, occupied rows, ...).
    const LayoutFrame& Frame() const { return frame_; }

    // ---- Card positions inside a pile.
    // Y (scrolled) and X of a card of a pile, given how many cards at the top are excluded
    // (the ones being dragged) and whether cards are being lifted. Without lifting the
    // result is the place of the topmost remaining card; while lifting, the place where the
    // first excluded card lies. Piles are named "Fila"n, "Dest"n, "Appogg"n, "Mazzo",
    // "Mazzo_Vis" (and "Mazzo_Waste"); an unknown name gives kOffTable, a pile off the table
    // its off-table coordinate.
    int CardTopY(const Game& game, std::string_view pileName, int excluded, bool lifting) const;
    int CardTopY(const Game& game, PileRef ref, int excluded, bool lifting) const;
    // X applies the untidy-column offsets to downward-fanned columns unless the Piles_TT
    // preference is "N".
    int CardLeftX(const Game& game, const SettingsRecord& settings, std::string_view pileName,
                  int excluded, bool lifting) const;
    int CardLeftX(const Game& game, const SettingsRecord& settings, PileRef ref, int excluded,
                  bool lifting) const;
    int CardLeftX(const Game& game, PileRef ref, int excluded, bool lifting,
                  bool untidyColumns) const;

    // ---- Fields.
    int16_t faceUpStepY = 0;                 // downward fan: step below a face-up card
    int16_t faceUpStepX = 0;                 // rightward fan: step after a face-up card
    int16_t faceDownStepY = 0;               // downward fan: step below a face-down card
    int16_t faceDownStepX = 0;               // rightward fan: step after a face-down card
    int16_t filaRoomY = 0;                   // vertical room of a column fanned downwards
    int16_t filaRoomX = 0;                   // horizontal room of a column fanned to the right
    int16_t previewMode = 0;                 // 1 while laid out for the open-a-game preview picture
    int16_t spreadGap = 6;                   // gap between cards laid side by side
    std::array<int16_t, 2> stackStep{3, 3};  // X and Y step of an offset stack
    std::array<int16_t, 2> diagonalStep{};   // X and Y step of a diagonal fan
    int16_t scrollOffset = 0;  // vertical scroll position taken at the end of the layout
    int16_t tableBottom = 0;   // lowest card bottom drawn so far (unscrolled)
    std::array<SavedStockPosition, 3> savedStock{};  // Mazzo, Mazzo_Vis, Mazzo_Waste
    int16_t cardWidth = 71;                          // the card size of the last layout
    int16_t cardHeight = 96;
    ColumnJitter columnJitter;  // regenerated by every new game

  private:
    template <size_t N>
    static int Read(const std::array<int16_t, N>& a, int i) {
        return i >= 0 && i < static_cast<int>(N) ? a[static_cast<size_t>(i)] : kOffTable;
    }
    // Coordinates are 16-bit; a value outside that range is held at its nearest end rather
    // than wrapped onto the other side of the table.
    template <size_t N>
    static void Write(std::array<int16_t, N>& a, int i, int v) {
        if (i < 0 || i >= static_cast<int>(N)) return;
        a[static_cast<size_t>(i)] = static_cast<int16_t>(std::clamp<int>(v, INT16_MIN, INT16_MAX));
    }
    int Scrolled(int y) const { return y - scrollOffset; }

    std::array<int16_t, kDestSlots> destX_{};
    std::array<int16_t, kDestSlots> destY_{};
    std::array<int16_t, kAppoggSlots> appoggX_{};
    std::array<int16_t, kAppoggSlots> appoggY_{};
    std::array<int16_t, kMazzoSlots> mazzoX_{};
    std::array<int16_t, kMazzoSlots> mazzoY_{};
    std::array<int16_t, kFilaSlots> filaX_{};
    std::array<int16_t, kFilaSlots> filaY_{};
    char fanStepLetter_ = 'B';
    LayoutFrame frame_;
};

// The fan style of a pile kind: tableau, foundation or reserve style of the game; 0 (no
// spread) for the stock family.
int FanStyleOf(PileKind kind, const GameDef& def);

}  // namespace tindle
