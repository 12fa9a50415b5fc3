#pragma once

#include <QImage>
#include <QPainter>

// The program icon: two aces on a rounded square of table felt. The library holds it at 256
// and 32 pixels (the about box, the windows); the desktop's icon theme gets it at every size
// it asks for and as a scalable picture (tindle-icons).

namespace gen {

// Draws the icon into the square (0, 0, side, side) of the painter. Small icons (32 pixels
// and less) get bolder outlines and no index letters, which would only blur.
void DrawProgramIcon(QPainter& p, int side);

// The icon as a picture of side x side pixels, transparent around the felt.
QImage ProgramIcon(int side);

}  // namespace gen
