#pragma once

#include <QCursor>

#include <map>

// The numbered pointers of the program, made from the cursor pictures of the resource
// library: 10..15 the pointers the player can choose, 20..25 their twins shown while cards are
// dragged. The chosen number 10 means the system's own arrow.

namespace tindle {

class ResourceLibrary;

inline constexpr int kSystemPointerNumber = 10;
inline constexpr int kDragTwinOffset = 10;

class CursorTable {
  public:
    // Takes the twelve cursors of the library; a picture the library lacks leaves its number
    // empty. They are made when first asked for (the system arrow, the default, needs none).
    void Load(const ResourceLibrary& library);
    bool Has(int number) const;
    // The cursor of a number; the system arrow for a number that is not loaded.
    QCursor Cursor(int number) const;
    // The table's pointer for the chosen number (the Cursor preference): the system arrow for
    // 10, else that cursor; while dragging, the twin (number + 10), or the system arrow for 10.
    QCursor Pointer(int chosen, bool dragging) const;

  private:
    void Make() const;

    const ResourceLibrary* library_ = nullptr;
    mutable bool made_ = false;
    mutable std::map<int, QCursor> cursors_;
};

}  // namespace tindle
