#include "shell/CursorTable.h"

#include <QPixmap>

#include "table/ResourceLibrary.h"
#include "table/ResourceNames.h"

namespace tindle {

void CursorTable::Load(const ResourceLibrary& library) {
    cursors_.clear();
    for (const CursorResource& resource : kCursors) {
        const CursorPicture picture = library.Cursor(resource.name);
        if (picture.IsNull()) continue;
        cursors_.emplace(resource.number, QCursor(QPixmap::fromImage(picture.image),
                                                  picture.hotSpot.x(), picture.hotSpot.y()));
    }
}

QCursor CursorTable::Cursor(int number) const {
    auto found = cursors_.find(number);
    return found == cursors_.end() ? QCursor(Qt::ArrowCursor) : found->second;
}

QCursor CursorTable::Pointer(int chosen, bool dragging) const {
    if (chosen == kSystemPointerNumber) return QCursor(Qt::ArrowCursor);
    return Cursor(dragging ? chosen + kDragTwinOffset : chosen);
}

}  // namespace tindle
