#pragma once

#include <QPainterPath>
#include <QRectF>

// The suit symbols and the letters and figures of the card indices, as vector paths, so
// that every size is drawn from the same shapes and no font is involved.

namespace gen {

enum SuitIndex { kHeart = 0, kDiamond = 1, kClub = 2, kSpade = 3 };

// The suit symbol in the box (0, 0, 100, 100), ready to be filled.
QPainterPath SuitShape(int suit);
// The suit symbol fitted into the rectangle.
QPainterPath SuitIn(int suit, const QRectF& box);
// Clubs and spades at the size of a card index (under 12 pixels wide), drawn on whole
// pixels from patterns that keep them apart: the club's round top and the gaps between its
// leaves, the spade's point. Outlines of that size blur into the same blot. The pattern is
// centred on c; an empty path for the red suits and for larger sizes.
QPainterPath PixelSuit(int suit, QPointF c, double width);

// The centre line of a letter or figure, 100 units high (y grows downwards), starting at
// x = 0; its width in the same units. Knows A, 0-9, J, Q, K, O, E, R and "10" (as '1' '0'
// condensed into one glyph, key 'T').
QPainterPath GlyphLine(char c);
double GlyphWidth(char c);

// A filled index glyph: height pixels tall including the stroke, its top-left corner at
// origin, condensed horizontally by squeeze (1 = natural width). Returns the outline.
QPainterPath IndexGlyph(char c, QPointF origin, double height, double stroke, double squeeze = 1.0);
// The width in pixels that IndexGlyph takes with these arguments.
double IndexGlyphWidth(char c, double height, double stroke, double squeeze = 1.0);

// The glyph key of a rank 1..13 ('A', '2'..'9', 'T' for ten, 'J', 'Q', 'K').
char RankGlyph(int rank);

}  // namespace gen
