#include "shell/CursorTable.h"

#include <QPixmap>

#include "table/ResourceLibrary.h"
#include "table/ResourceNames.h"

namespace tindle {

void CursorTable::Load(const ResourceLibrary& library) {
    library_ = &library;
    made_ = false;
    cursors_.clear();
}

void CursorTable::Make() const {
    if (made_ || !library_) return;
    made_ = true;
    for (const CursorResource& resource : kCursors) {
        const CursorPicture picture = library_->Cursor(resource.name);
        if (picture.IsNull()) continue;
        cursors_.emplace(resource.number, QCursor(QPixmap::fromImage(picture.image),
                                                  picture.hotSpot.x(), picture.hotSpot.y()));
    }
}

bool CursorTable::Has(int number) const {
    Make();
    return cursors_.count(number) != 0;
}

QCursor CursorTable::Cursor(int number) const {
    Make();
    auto found = cursors_.find(number);
    return found == cursors_.end() ? QCursor(Qt::ArrowCursor) : found->second;
}

QCursor CursorTable::Pointer(int chosen, bool dragging) const {
    if (chosen == kSystemPointerNumber) return QCursor(Qt::ArrowCursor);
    return Cursor(dragging ? chosen + kDragTwinOffset : chosen);
}

}  // namespace tindle
