#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

// Small drawing pieces shared by the toolbar glyphs, tree icons and other interface
// pictures: a miniature card, a folder, badges.

namespace gen {

enum class MiniFace { Back, Red, Black, Blank };

// A miniature card in the rectangle, turned by angle degrees about its centre.
void MiniCard(QPainter& p, const QRectF& r, MiniFace face, double angle = 0, double line = 1.0);
// A folder, closed or open, filling the rectangle.
void Folder(QPainter& p, const QRectF& r, bool open);
// A round badge with a tick (won) or a cross (not won) in the rectangle.
void Badge(QPainter& p, const QRectF& r, bool won);

// The disabled form of a glyph: grey, lighter, half transparent.
QImage Disabled(const QImage& glyph);

}  // namespace gen
