#pragma once

// A rectangle of the table in pixels. It holds its left and top edges but not its right and
// bottom ones (a card at x, y is {x, y, x + CardWidth, y + CardHeight}).

namespace tindle {

struct TableRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool Intersects(const TableRect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    // The smallest rectangle holding both.
    TableRect United(const TableRect& o) const {
        return {left < o.left ? left : o.left, top < o.top ? top : o.top,
                right > o.right ? right : o.right, bottom > o.bottom ? bottom : o.bottom};
    }
    bool operator==(const TableRect&) const = default;
};

}  // namespace tindle
