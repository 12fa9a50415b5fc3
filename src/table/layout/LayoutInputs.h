#pragma once

// What the pile layout is computed from. The main window fills it from its own geometry
// (table width = form width minus the side control, H = form height, B = client height - 1,
// T = the bottom edge of the lowest visible bar, or 5 when none is visible); the preview
// picture of the open-a-game dialog passes its own size with H = B and T = 3.

namespace tindle {

struct LayoutInputs {
    int width = 0;   // W: the table's width
    int height = 0;  // H
    int bottom = 0;  // B
    int top = 5;     // T: the first pixel row below the toolbars
    int screenWidth = 0;
    int screenHeight = 0;
    bool previewMode = false;
    int cardWidth = 71;
    int cardHeight = 96;
    int shadowMargin = 0;    // 9 when cards are drawn with shadows, else 0
    int scrollPosition = 0;  // the main vertical scroll bar's position
};

}  // namespace tindle
