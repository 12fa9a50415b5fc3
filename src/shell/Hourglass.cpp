#include "shell/Hourglass.h"

#include <QBitmap>
#include <QGuiApplication>

#include <array>
#include <string_view>

namespace tindle {

namespace {

// '#' black, '.' white, ' ' clear: the frame, the glass, and the sand running down.
// clang-format off
constexpr std::array<std::string_view, 23> kRows{{
    "#################",
    "#...............#",
    "#################",
    " #.............# ",
    " #.###########.# ",
    " #..#########..# ",
    "  #..#######..#  ",
    "   #..#####..#   ",
    "    #..###..#    ",
    "     #..#..#     ",
    "      #.#.#      ",
    "       #.#       ",
    "      #...#      ",
    "     #..#..#     ",
    "    #...#...#    ",
    "   #....#....#   ",
    "  #.....#.....#  ",
    " #.....###.....# ",
    " #...#######...# ",
    " #.###########.# ",
    "#################",
    "#...............#",
    "#################",
}};
// clang-format on

constexpr bool RowsEven() {
    for (std::string_view row : kRows)
        if (row.size() != kRows[0].size()) return false;
    return true;
}
static_assert(RowsEven(), "every row of the hourglass has the same width");

// X shows a pointer of any size, but most displays' pointers are 32 pixels square.
constexpr int kSide = 32;

QCursor MakeHourglass() {
    // The pointer's two pictures, a row of bytes after another, the first pixel in the lowest
    // bit: a set bit is black (shape) and shown (mask).
    std::array<uchar, kSide * kSide / 8> shape{};
    std::array<uchar, kSide * kSide / 8> mask{};
    const int left = (kSide - static_cast<int>(kRows[0].size())) / 2;
    const int top = (kSide - static_cast<int>(kRows.size())) / 2;
    for (int y = 0; y < static_cast<int>(kRows.size()); ++y)
        for (int x = 0; x < static_cast<int>(kRows[y].size()); ++x) {
            const char c = kRows[y][x];
            if (c == ' ') continue;
            const int bit = (top + y) * kSide + left + x;
            const auto value = static_cast<uchar>(1u << (bit % 8));
            mask[bit / 8] |= value;
            if (c == '#') shape[bit / 8] |= value;
        }
    const QSize size(kSide, kSide);
    return QCursor(QBitmap::fromData(size, shape.data(), QImage::Format_MonoLSB),
                   QBitmap::fromData(size, mask.data(), QImage::Format_MonoLSB), kSide / 2,
                   kSide / 2);
}

}  // namespace

QCursor HourglassPointer() {
    // Made once: the window library makes the display a pointer for every new picture it is
    // given and keeps it, so one made per long operation (every deal) would pile up there.
    static const QCursor pointer = MakeHourglass();
    return pointer;
}

Hourglass::Hourglass() {
    QGuiApplication::setOverrideCursor(HourglassPointer());
}

void Hourglass::Restore() {
    if (shown_) QGuiApplication::restoreOverrideCursor();
    shown_ = false;
}

}  // namespace tindle
