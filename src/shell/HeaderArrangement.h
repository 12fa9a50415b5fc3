#pragma once

// Where the clock and score panels and the two header lines go on the toolbar row, for a
// reference width (the window's width with the frame it was designed for; the screen's while
// a maximised window is still starting). The clock sits at the right end, the score left of
// it (or at the right end when the clock is not shown). A panel is shown only when it is
// wanted and clears the right end of the toolbar by more than a few pixels, so that a
// narrow window never lets a panel cover the toolbar's buttons.

namespace tindle {

struct HeaderInputs {
    int referenceWidth = 0;
    int clockWidth = 0;
    int scoreWidth = 0;
    bool showTime = true;   // Show_Time is "Y"
    bool showScore = true;  // Show_Score is "Y"
    int toolBarRight = 0;   // the right edge of the visible toolbar's Exit button
    int rowBottom = 0;      // top + height of the visible toolbar row; 0 when none is visible
};

struct HeaderPlacement {
    int clockLeft = 0;
    int scoreLeft = 0;
    int greyLineTop = 0;
    int blackLineTop = 0;
    int lineWidth = 0;
    bool clockVisible = false;
    bool scoreVisible = false;
};

inline constexpr int kHeaderRightMargin = 15;  // from the reference width to a panel's right
inline constexpr int kHeaderPanelGap = 5;      // between the score and the clock panel
inline constexpr int kHeaderClearance = 3;     // a panel shows only this far right of the toolbar

HeaderPlacement ArrangeHeaderPanels(const HeaderInputs& in);

}  // namespace tindle
