#pragma once

#include <QIcon>

namespace tindle {

class ResourceLibrary;

// The program icon of every window, at the two sizes the library holds. Its pictures are
// decoded from the library each time the window system asks for them (when a window is made
// or the icon is set) and are not kept: the large picture alone would hold a quarter of a
// megabyte for the whole run, where the window system keeps its own copy. No picture in the
// library gives a null icon. The library must outlive the icon.
QIcon ProgramIcon(const ResourceLibrary& library);

}  // namespace tindle
