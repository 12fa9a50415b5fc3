#include "shell/ToolBars.h"

#include <QFrame>
#include <QIcon>
#include <QPixmap>
#include <QToolButton>

#include "table/ResourceLibrary.h"

namespace tindle {

namespace {

constexpr int kLargeRowFlat = 46;
constexpr int kLargeRowRaised = 45;
constexpr int kSmallRowFlat = 24;
constexpr int kSmallRowRaised = 25;
constexpr int kSmallButtonFlat = 22;
constexpr int kSmallButtonRaised = 23;
constexpr int kTopSmallRowOnly = 1;
constexpr int kTopOtherwise = 2;

constexpr int kRowLeft = 3;         // the first button's left
constexpr int kSeparatorWidth = 8;  // the room a separator takes between two groups
constexpr int kSeparatorInset = 2;  // the separator's line is this much shorter at each end

// A button's command, or the separator between two groups.
enum class Slot { Button, Separator };
struct RowItem {
    Slot slot;
    ToolbarCommand command;
};
constexpr RowItem Btn(ToolbarCommand c) {
    return {Slot::Button, c};
}
constexpr RowItem kSep{Slot::Separator, ToolbarCommand::New};

// Both rows group New/Open, Undo/Redo, Autoplay/Rules and Exit; the small row closes with a
// separator after Exit.
constexpr std::array<RowItem, 10> kLargeRowItems{
    Btn(ToolbarCommand::New),      Btn(ToolbarCommand::Open),  kSep,
    Btn(ToolbarCommand::Undo),     Btn(ToolbarCommand::Redo),  kSep,
    Btn(ToolbarCommand::Autoplay), Btn(ToolbarCommand::Rules), kSep,
    Btn(ToolbarCommand::Exit)};
constexpr std::array<RowItem, 11> kSmallRowItems{Btn(ToolbarCommand::New),
                                                 Btn(ToolbarCommand::Open),
                                                 kSep,
                                                 Btn(ToolbarCommand::Undo),
                                                 Btn(ToolbarCommand::Redo),
                                                 kSep,
                                                 Btn(ToolbarCommand::Autoplay),
                                                 Btn(ToolbarCommand::Rules),
                                                 kSep,
                                                 Btn(ToolbarCommand::Exit),
                                                 kSep};

constexpr std::array<const char*, 7> kButtonStems{"tbNew",      "tbOpen",  "tbUndo", "tbRedo",
                                                  "tbAutoPlay", "tbRules", "tbExit"};

QToolButton* MakeButton(QFrame* row, const QString& name) {
    auto* button = new QToolButton(row);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    return button;
}

template <size_t N>
void BuildRow(ToolBarRow& row, QFrame* panel, bool large, const std::array<RowItem, N>& items) {
    row.large = large;
    row.panel = panel;
    const QString suffix = large ? QString() : QStringLiteral("1");
    const int glyph = large ? kLargeGlyphSize : kSmallGlyphSize;
    for (const RowItem& item : items) {
        if (item.slot == Slot::Separator) {
            auto* separator = new QFrame(panel);
            separator->setObjectName(QStringLiteral("sep_tb_%1_%2")
                                         .arg(large ? "large" : "small")
                                         .arg(row.separators.size() + 1));
            separator->setFrameShape(QFrame::VLine);
            separator->setFrameShadow(QFrame::Sunken);
            row.separators.push_back(separator);
            continue;
        }
        const auto index = static_cast<size_t>(item.command);
        QToolButton* button = MakeButton(panel, QString::fromLatin1(kButtonStems[index]) + suffix);
        button->setIconSize(QSize(glyph, glyph));
        row.buttons[index] = button;
    }
    row.Button(ToolbarCommand::Autoplay)->setCheckable(true);
}

template <size_t N>
void PlaceRow(ToolBarRow& row, const std::array<RowItem, N>& items, int top, int buttonHeight) {
    const int buttonWidth = row.large ? kLargeButtonWidth : kSmallButtonWidth;
    int x = kRowLeft;
    size_t separator = 0;
    for (const RowItem& item : items) {
        if (item.slot == Slot::Separator) {
            row.separators[separator++]->setGeometry(x, top + kSeparatorInset, kSeparatorWidth,
                                                     buttonHeight - 2 * kSeparatorInset);
            x += kSeparatorWidth;
        } else {
            row.Button(item.command)->setGeometry(x, top, buttonWidth, buttonHeight);
            x += buttonWidth;
        }
    }
}

// The small row's Undo, Redo and Autoplay buttons change their glyph with their availability.
bool SwapsOwnGlyph(const ToolBarRow& row, ToolbarCommand command) {
    return !row.large && (command == ToolbarCommand::Undo || command == ToolbarCommand::Redo ||
                          command == ToolbarCommand::Autoplay);
}

QPixmap Picture(const ResourceLibrary& library, const std::string& name) {
    return QPixmap::fromImage(library.Bitmap(name));
}

}  // namespace

std::vector<QToolButton*> ToolBars::AllButtons() const {
    std::vector<QToolButton*> all(large.buttons.begin(), large.buttons.end());
    all.insert(all.end(), small.buttons.begin(), small.buttons.end());
    all.insert(all.end(), largerEdition.begin(), largerEdition.end());
    return all;
}

ToolBarGeometry ToolBarGeometryFor(bool flat, bool smallRowOnly) {
    ToolBarGeometry g;
    g.largeRowHeight = flat ? kLargeRowFlat : kLargeRowRaised;
    g.smallRowHeight = flat ? kSmallRowFlat : kSmallRowRaised;
    g.smallButtonHeight = flat ? kSmallButtonFlat : kSmallButtonRaised;
    g.buttonTop = smallRowOnly ? kTopSmallRowOnly : kTopOtherwise;
    return g;
}

ToolBars BuildToolBars(QFrame* pnlTB, QFrame* pnlTB1) {
    ToolBars bars;
    BuildRow(bars.large, pnlTB, true, kLargeRowItems);
    BuildRow(bars.small, pnlTB1, false, kSmallRowItems);
    // The larger edition's Restart and Save buttons: never shown here.
    for (auto [panel, name] : {std::pair{pnlTB, "tbRestart"}, std::pair{pnlTB1, "tbRestart1"},
                               std::pair{pnlTB1, "tbSave1"}}) {
        QToolButton* button = MakeButton(panel, QString::fromLatin1(name));
        button->setEnabled(false);
        button->hide();
        bars.largerEdition.push_back(button);
    }
    ApplyToolBarGeometry(bars, ToolBarGeometryFor(true, true));
    return bars;
}

void LoadToolBarRowGlyphs(ToolBarRow& row, const ResourceLibrary& library) {
    for (ToolbarCommand command : kToolbarCommands) {
        QToolButton* button = row.Button(command);
        if (SwapsOwnGlyph(row, command)) {
            SetButtonGlyph(button, library, ToolbarGlyphName(command, false, button->isEnabled()));
            continue;
        }
        QIcon icon;
        icon.addPixmap(Picture(library, ToolbarGlyphName(command, row.large, true)), QIcon::Normal);
        icon.addPixmap(Picture(library, ToolbarGlyphName(command, row.large, false)),
                       QIcon::Disabled);
        button->setIcon(icon);
    }
}

void SetButtonGlyph(QToolButton* button, const ResourceLibrary& library, const std::string& name) {
    const QPixmap picture = Picture(library, name);
    QIcon icon;
    icon.addPixmap(picture, QIcon::Normal);
    icon.addPixmap(picture, QIcon::Disabled);
    button->setIcon(icon);
    button->setProperty("glyph", QString::fromStdString(name));
}

void ApplyToolBarGeometry(ToolBars& bars, const ToolBarGeometry& g) {
    bars.large.panel->resize(bars.large.panel->width(), g.largeRowHeight);
    bars.small.panel->resize(bars.small.panel->width(), g.smallRowHeight);
    PlaceRow(bars.large, kLargeRowItems, g.buttonTop, kLargeButtonHeight);
    PlaceRow(bars.small, kSmallRowItems, g.buttonTop, g.smallButtonHeight);
}

void SetToolBarFlat(ToolBars& bars, bool flat) {
    for (QToolButton* button : bars.AllButtons())
        button->setAutoRaise(flat);
}

void SetToolBarHints(ToolBars& bars, bool show) {
    for (const ToolBarRow* row : {&bars.large, &bars.small}) {
        for (size_t i = 0; i < row->buttons.size(); ++i) {
            row->buttons[i]->setToolTip(
                show ? QString::fromLatin1(kToolbarHints[i].data(),
                                           static_cast<int>(kToolbarHints[i].size()))
                     : QString());
        }
    }
}

}  // namespace tindle
