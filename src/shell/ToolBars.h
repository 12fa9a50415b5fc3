#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "table/ResourceNames.h"

class QFrame;
class QToolButton;

// The two toolbar rows of the main window, holding the same commands: pnlTB with large
// buttons (tbNew, tbOpen, ...; 44 x 42) and pnlTB1 with small ones (tbNew1, tbOpen1, ...;
// 23 wide). Separators group New/Open, Undo/Redo, Autoplay/Rules and Exit. The buttons show
// the glyphs of the resource library and a one-word hint. The buttons of the larger edition
// that this one keeps hidden (tbRestart, tbRestart1, tbSave1) are made hidden and disabled.
//
// Button geometry depends on the style: flat buttons are a pixel lower than raised ones in
// the small row, and the rows are as high as their buttons need.

namespace tindle {

class ResourceLibrary;

inline constexpr std::array<std::string_view, 7> kToolbarHints{"New",      "Open",  "Undo", "Redo",
                                                               "Autoplay", "Rules", "Exit"};
inline constexpr int kLargeButtonWidth = 44;
inline constexpr int kLargeButtonHeight = 42;
inline constexpr int kSmallButtonWidth = 23;

struct ToolBarRow {
    bool large = false;
    QFrame* panel = nullptr;
    std::array<QToolButton*, 7> buttons{};  // in the order of kToolbarCommands
    std::vector<QFrame*> separators;

    QToolButton* Button(ToolbarCommand command) const {
        return buttons[static_cast<size_t>(command)];
    }
};

struct ToolBars {
    ToolBarRow large;
    ToolBarRow small;
    std::vector<QToolButton*> largerEdition;  // hidden and disabled

    // Every button of both rows, the hidden ones included.
    std::vector<QToolButton*> AllButtons() const;
};

struct ToolBarGeometry {
    int largeRowHeight = 0;
    int smallRowHeight = 0;
    int smallButtonHeight = 0;
    int buttonTop = 0;
};

// Rows 46 (flat) or 45 (raised) high for large buttons, 24 or 25 for small ones; small buttons
// 22 or 23 high; every button at the top 1 when only the small row shows, 2 otherwise.
ToolBarGeometry ToolBarGeometryFor(bool flat, bool smallRowOnly);

// Makes the buttons and separators of both rows (no glyphs yet: the library is loaded later).
ToolBars BuildToolBars(QFrame* pnlTB, QFrame* pnlTB1);

// Every button's glyph of one row from the library: its picture, and its "_DIS" picture when
// disabled.
void LoadToolBarRowGlyphs(ToolBarRow& row, const ResourceLibrary& library);

// The button shows the named picture whether enabled or not (the small row's Undo, Redo and
// Autoplay buttons swap their pictures themselves). The name is kept as the button's
// "glyph" property.
void SetButtonGlyph(QToolButton* button, const ResourceLibrary& library, const std::string& name);

void ApplyToolBarGeometry(ToolBars& bars, const ToolBarGeometry& geometry);
void SetToolBarFlat(ToolBars& bars, bool flat);
// The hints show only when wanted (Show_ToolTips).
void SetToolBarHints(ToolBars& bars, bool show);

}  // namespace tindle
