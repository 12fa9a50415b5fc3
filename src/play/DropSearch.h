#pragma once

#include <vector>

#include "model/TableRect.h"

// The geometry of a drop: whether a dragged block overlaps a pile's target place, how much,
// and the order in which the overlapped piles are tried. Rectangles here include their right
// and bottom edges.

namespace tindle {

// Kinds of drop targets; on equal overlap the higher kind is preferred.
enum DropKind : int {
    kDropWaste = 2,
    kDropColumn = 4,
    kDropFoundation = 5,
    kDropReserve = 6,
};

struct DropTarget {
    int kind = kDropColumn;
    int index = 0;  // 0-based pile of its kind
    bool operator==(const DropTarget&) const = default;
};

struct DropCandidate {
    DropTarget target;
    TableRect rect;  // the target's top-card place
};

// True when a corner of the dragged rectangle lies inside the target (edges included), or,
// when one of the dragged rectangle's vertical edges lies within the target's width, when
// one of the points at its top, 50 pixels below, 100 below, ... down to its bottom lies
// within the target's height. A block wider than the target on both sides does not count.
bool DropOverlaps(const TableRect& dragged, const TableRect& target);

// The overlap's measure: by the corner found inside (top-left, bottom-right, top-right,
// bottom-left, in that order of testing), or by the edge found by sampling; 0 when they do
// not overlap.
int DropOverlapMeasure(const TableRect& dragged, const TableRect& target);

// The largest overlaps first, then the higher kind (reserve, foundation, column, waste),
// then the higher index; at most four.
std::vector<DropTarget> RankDropTargets(const TableRect& dragged,
                                        const std::vector<DropCandidate>& candidates);

}  // namespace tindle
