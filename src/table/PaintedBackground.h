#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

// What a painting of the table's background put on the table picture, kept as a short
// description (a colour with its fade rows, or a picture tiled or placed once) rather than a
// second screen-sized picture. Any part of it can be drawn again on request: erasing a card
// and rounding a card's corners take their pixels from here.
//
// Pixels are given in table-picture coordinates. The table picture was `extent` large when
// it was painted; anything beyond that (a picture grown since) is black, as a grown table
// picture is until its next painting.

namespace tindle {

class PaintedBackground {
  public:
    // Black everywhere: nothing painted yet.
    PaintedBackground() = default;

    // A plain colour; with a fade, the rows of fadeRect (from the top, starting at row 0) go
    // from the colour to fadeBottom in 256 bands, and the rest stays the colour.
    static PaintedBackground Colour(QSize extent, const QColor& colour);
    static PaintedBackground Faded(QSize extent, const QColor& colour, const QRect& fadeRect,
                                   const QColor& fadeBottom);
    // A picture repeated from the top-left corner over the whole table.
    static PaintedBackground Tiled(QSize extent, const QImage& tile);
    // A picture drawn once at the top-left corner, the colour around it.
    static PaintedBackground Placed(QSize extent, const QImage& picture, const QColor& around);
    // Exactly these pixels (a table that was left as it was).
    static PaintedBackground Copy(const QImage& pixels);

    QSize Extent() const { return extent_; }

    // Draws the background's source rectangle at `at` into dst (a 32-bit image), clipped to
    // dst and to clip when it is valid.
    void Draw(const QRect& source, QImage& dst, QPoint at, const QRect& clip = QRect()) const;
    // One pixel of it.
    QRgb Pixel(int x, int y) const;
    // When every row of the rectangle is one colour across it (a plain colour, faded or not,
    // inside the painted extent): a column whose pixels are those rows' colours, the same
    // column for every such rectangle over the same rows with the same colours. What is drawn
    // over such a place depends on its top, its height and this column alone.
    std::optional<int> PlainRowsColumn(const QRect& rect) const;
    // The background as a picture of the given size.
    QImage ToImage(QSize size) const;

  private:
    enum class Kind { Colour, Tiled, Placed, Copy };
    // Writes count pixels of row y from column x on.
    void DrawRow(int y, int x, int count, QRgb* out) const;

    Kind kind_ = Kind::Colour;
    QSize extent_;
    QRgb colour_ = 0xff000000u;
    std::vector<QRgb> fadeRows_;  // the colour of each row of the fade, from row 0
    int fadeWidth_ = 0;           // the fade covers columns 0 .. fadeWidth_ - 1
    QImage picture_;              // RGB32: the tile, the placed picture or the copy
};

}  // namespace tindle
