#include "shell/TableAccessible.h"

#include <QAccessible>
#include <QWindow>

#include <vector>

#include "model/Game.h"
#include "play/KeyboardPlay.h"
#include "play/PlayContext.h"
#include "play/SpokenNames.h"
#include "play/TablePlaces.h"
#include "shell/TableArea.h"

namespace tindle {

namespace {

constexpr int kStatusKey = -1;  // the pile index of the status line in the cache
constexpr int kPileItself = -1;

std::vector<PileRef> TablePiles(const TableArea* table) {
    if (!table || !table->Play()) return {};
    return KeyboardPiles(*table->Play());
}

QRect ToScreen(const TableArea* table, const TableRect& r) {
    if (r.Empty()) return {};
    const QRect on = table->ToWidget(QRect(r.left, r.top, r.Width(), r.Height()));
    return {table->mapToGlobal(on.topLeft()), on.size()};
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// A pile, a card of a pile, or the status line: a part of the table without an object of its
// own, found again by its indexes each time it is asked (the table changes under it).
class TablePartAccessible : public QAccessibleInterface {
  public:
    TablePartAccessible(TableArea* table, int pile, int position)
        : table_(table), pile_(pile), position_(position) {}

    bool isValid() const override {
        if (!table_) return false;
        if (IsStatus()) return true;
        const auto ref = PileOf();
        return ref && (IsPile() || position_ < PileCount(Game().piles.Get(*ref)));
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_ ? table_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        if (!table_) return nullptr;
        if (!IsPile() && !IsStatus()) return Owner()->Pile(pile_);
        return QAccessible::queryAccessibleInterface(table_);
    }
    int childCount() const override {
        if (!IsPile()) return 0;
        const auto ref = PileOf();
        return ref ? PileCount(Game().piles.Get(*ref)) : 0;
    }
    QAccessibleInterface* child(int index) const override {
        return IsPile() ? Owner()->Card(pile_, index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (Owner()->Card(pile_, i) == child) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override {
        if (IsStatus()) return QAccessible::StatusBar;
        return IsPile() ? QAccessible::List : QAccessible::ListItem;
    }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (IsStatus()) return t == QAccessible::Name ? Owner()->Announcement() : QString();
        if (t == QAccessible::Name) return IsPile() ? PileName() : CardName();
        if (t == QAccessible::Description && IsPile()) return PileDescription();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid() || IsStatus()) return {};
        const PlayContext& ctx = *table_->Play();
        if (IsPile()) return ToScreen(table_, PileArea(ctx, *PileOf()));
        return ToScreen(table_, CardRectAt(ctx, CardCorner(ctx, *PileOf(), position_)));
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        if (IsPile()) {
            s.focusable = true;
            s.focused = table_->hasFocus() && Focused();
        } else if (!IsStatus()) {
            s.selectable = true;
            const auto lifted = LiftedBlock(*table_->Play());
            s.selected = lifted && lifted->pile == *PileOf() && position_ >= lifted->position;
        }
        return s;
    }

  private:
    bool IsStatus() const { return pile_ == kStatusKey; }
    bool IsPile() const { return position_ == kPileItself && !IsStatus(); }
    TableAccessible* Owner() const {
        return static_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(table_));
    }
    const tindle::Game& Game() const { return table_->Play()->game; }
    std::optional<PileRef> PileOf() const {
        const std::vector<PileRef> piles = TablePiles(table_);
        if (pile_ < 0 || pile_ >= static_cast<int>(piles.size())) return std::nullopt;
        return piles[static_cast<size_t>(pile_)];
    }
    bool Focused() const {
        const auto focus = FocusedPile(*table_->Play());
        return focus && *focus == *PileOf();
    }
    QString PileName() const { return Text(SpokenPileName(Game(), *PileOf())); }
    QString CardName() const {
        return Text(SpokenCardOnTable(Game(), PileCardAt(Game().piles.Get(*PileOf()), position_)));
    }
    QString PileDescription() const {
        const Pile& cards = Game().piles.Get(*PileOf());
        const int count = PileCount(cards);
        if (count == 0) return QStringLiteral("empty");
        QString text =
            count == 1 ? QStringLiteral("1 card") : QStringLiteral("%1 cards").arg(count);
        text += QStringLiteral(", %1 on top").arg(Text(SpokenCardOnTable(Game(), PileTop(cards))));
        const auto lifted = LiftedBlock(*table_->Play());
        if (lifted && lifted->pile == *PileOf())
            text += QStringLiteral(", %1 lifted").arg(count - lifted->position);
        return text;
    }

    QPointer<TableArea> table_;
    int pile_;
    int position_;
};

QAccessibleInterface* TableFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("tindle::TableArea") && object && object->isWidgetType())
        return new TableAccessible(static_cast<TableArea*>(object));
    return nullptr;
}

TableAccessible* TableInterface(TableArea* table) {
    return dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(table));
}

}  // namespace

TableAccessible::TableAccessible(TableArea* table) : QAccessibleWidget(table, QAccessible::Pane) {}

TableAccessible::~TableAccessible() {
    for (const auto& [key, id] : ids_)
        if (QAccessible::accessibleInterface(id)) QAccessible::deleteAccessibleInterface(id);
}

TableArea* TableAccessible::Table() const {
    return static_cast<TableArea*>(widget());
}

QString TableAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return QStringLiteral("Card table");
    if (t == QAccessible::Description) return announcement_;
    return QAccessibleWidget::text(t);
}

int TableAccessible::childCount() const {
    return static_cast<int>(TablePiles(Table()).size()) + 1;
}

QAccessibleInterface* TableAccessible::child(int index) const {
    const int piles = static_cast<int>(TablePiles(Table()).size());
    if (index == piles) return Status();
    return Pile(index);
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i)
        if (this->child(i) == child) return i;
    return -1;
}

QAccessibleInterface* TableAccessible::focusChild() const {
    const TableArea* table = Table();
    if (!table->Play() || !table->hasFocus()) return nullptr;
    const auto focus = FocusedPile(*table->Play());
    if (!focus) return nullptr;
    const std::vector<PileRef> piles = TablePiles(table);
    for (size_t i = 0; i < piles.size(); ++i)
        if (piles[i] == *focus) return Pile(static_cast<int>(i));
    return nullptr;
}

QAccessibleInterface* TableAccessible::childAt(int x, int y) const {
    for (int i = 0; i + 1 < childCount(); ++i) {
        QAccessibleInterface* pile = Pile(i);
        if (pile && pile->rect().contains(x, y)) return pile;
    }
    return nullptr;
}

QAccessibleInterface* TableAccessible::Pile(int pile) const {
    if (pile < 0 || pile >= static_cast<int>(TablePiles(Table()).size())) return nullptr;
    return Cached(pile, kPileItself);
}

QAccessibleInterface* TableAccessible::Card(int pile, int position) const {
    QAccessibleInterface* owner = Pile(pile);
    if (!owner || position < 0 || position >= owner->childCount()) return nullptr;
    return Cached(pile, position);
}

QAccessibleInterface* TableAccessible::Status() const {
    return Cached(kStatusKey, kPileItself);
}

QAccessibleInterface* TableAccessible::Cached(int pile, int position) const {
    const std::pair<int, int> key{pile, position};
    if (const auto found = ids_.find(key); found != ids_.end()) {
        if (QAccessibleInterface* iface = QAccessible::accessibleInterface(found->second))
            return iface;
    }
    auto* iface = new TablePartAccessible(Table(), pile, position);
    ids_[key] = QAccessible::registerAccessibleInterface(iface);
    return iface;
}

void InstallTableAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(TableFactory);
        return true;
    }();
    (void)installed;
}

void NotifyPileFocus(TableArea* table, int pile) {
    TableAccessible* iface = TableInterface(table);
    if (!iface) return;
    if (QAccessibleInterface* child = iface->Pile(pile)) {
        QAccessibleEvent event(child, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void Announce(TableArea* table, const QString& text) {
    TableAccessible* iface = TableInterface(table);
    if (!iface || text.isEmpty()) return;
    iface->SetAnnouncement(text);
    QAccessibleEvent status(iface->Status(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&status);
    QAccessibleEvent description(table, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
}

}  // namespace tindle
