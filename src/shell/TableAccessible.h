#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <QString>

#include <map>
#include <utility>

// The card table as screen readers see it. The table (a pane named "Card table") has one
// child per pile on the table, in the keyboard's order (KeyboardPiles), named as the player
// says it ("Column 3", "Free cell 1", "Stock"; SpokenNames.h) and described by its cards
// ("5 cards, Queen of Hearts on top", with the lifted ones counted), and a last child, the
// status line, that holds what the table last told. Each pile's children are its cards,
// bottom first, named "Queen of Hearts" or "face down"; lifted cards are selected. The
// focused pile is the table's focus child while the table has the keyboard focus.
//
// Qt 6.4 has no announcement event (QAccessibleAnnouncementEvent came with 6.8): Announce
// puts the text in the status line, whose name change the screen reader speaks, and in the
// table's description.

namespace tindle {

class TableArea;

class TableAccessible : public QAccessibleWidget {
  public:
    explicit TableAccessible(TableArea* table);
    ~TableAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // The pile's interface (index in KeyboardPiles), the card's (position from the bottom)
    // and the status line's; nullptr for an index that is not there.
    QAccessibleInterface* Pile(int pile) const;
    QAccessibleInterface* Card(int pile, int position) const;
    QAccessibleInterface* Status() const;

    const QString& Announcement() const { return announcement_; }
    void SetAnnouncement(const QString& text) { announcement_ = text; }

    TableArea* Table() const;

  private:
    // Child interfaces, made when first asked for and registered with Qt, which owns them;
    // keyed by (pile, position), position -1 for the pile itself, pile -1 for the status.
    QAccessibleInterface* Cached(int pile, int position) const;

    mutable std::map<std::pair<int, int>, QAccessible::Id> ids_;
    QString announcement_;
};

// Installs the factory that gives TableArea its TableAccessible (once per process).
void InstallTableAccessibility();

// Tells the screen reader that the keyboard focus moved to the pile (index in KeyboardPiles).
void NotifyPileFocus(TableArea* table, int pile);
// Speaks the text through the status line (nothing when it is empty).
void Announce(TableArea* table, const QString& text);

}  // namespace tindle
