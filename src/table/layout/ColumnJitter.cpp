#include "table/layout/ColumnJitter.h"

#include "model/Random.h"

namespace tindle {

void ColumnJitter::Regenerate(Random& random) {
    for (auto& row : rows_) {
        row[0] = 0;
        int sum = 0;
        int previous = random.Below(4);
        for (int i = 1; i < kEntries; ++i) {
            int c = random.Below(4);
            // A move to the left (3) never follows another; after anything but a move to the
            // left, only a move to the left or no move may come.
            if (previous > 2 && c > 2) {
                c = 0;
            } else if (c > 0 && previous <= 2 && c <= 2) {
                c = 0;
            }
            previous = c;
            int d = c <= 2 ? c : -(c - 2);
            sum += d;
            if (sum > 2) {
                d -= 2;
                sum -= 2;
            } else if (sum < -2) {
                d += 2;
                sum += 2;
            }
            row[static_cast<size_t>(i)] = static_cast<int16_t>(d);
        }
    }
}

int ColumnJitter::Entry(int row, int i) const {
    if (row < 1 || row > kRows || i < 0 || i >= kEntries) return 0;
    return rows_[static_cast<size_t>(row - 1)][static_cast<size_t>(i)];
}

int ColumnJitter::ColumnOffset(int column, int depth) const {
    if (depth > 12) depth %= 12;
    if (depth < 0 || column < 0) return 0;
    const int row = (column < 7 ? column : column % 6) + 1;
    return Entry(row, depth);
}

}  // namespace tindle
