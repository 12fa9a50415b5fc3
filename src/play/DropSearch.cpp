#include "play/DropSearch.h"

#include <algorithm>
#include <tuple>

namespace tindle {

namespace {

constexpr int kSampleStep = 50;
constexpr int kMaxTargets = 4;
constexpr int kMaxMeasure = 999999;  // the measure is compared in six digits

struct Edges {
    int l, t, r, b;
    explicit Edges(const TableRect& rect)
        : l(rect.left), t(rect.top), r(rect.right), b(rect.bottom) {}
    bool Inside(int x, int y) const { return x >= l && x <= r && y >= t && y <= b; }
    bool WithinWidth(int x) const { return x >= l && x <= r; }
    bool WithinHeight(int y) const { return y >= t && y <= b; }
};

bool SampledEdgeOverlap(const TableRect& d, const Edges& e) {
    for (int y = d.top; y <= d.bottom; y += kSampleStep) {
        if (e.WithinHeight(y)) return true;
    }
    return false;
}

}  // namespace

bool DropOverlaps(const TableRect& d, const TableRect& target) {
    const Edges e(target);
    if (e.Inside(d.left, d.top) || e.Inside(d.right, d.top) || e.Inside(d.left, d.bottom) ||
        e.Inside(d.right, d.bottom)) {
        return true;
    }
    if (!e.WithinWidth(d.left) && !e.WithinWidth(d.right)) return false;
    return SampledEdgeOverlap(d, e);
}

int DropOverlapMeasure(const TableRect& d, const TableRect& target) {
    const Edges e(target);
    const int L = d.left, T = d.top, R = d.right, B = d.bottom;
    if (e.Inside(L, T)) return (e.r - L) * (e.b - T);
    if (e.Inside(R, B)) return (R - e.l) * (B - e.t);
    if (e.Inside(R, T)) return (e.b - T) * (R - e.l);
    if (e.Inside(L, B)) return (e.r - L) * (B - e.t);
    if (!DropOverlaps(d, target)) return 0;
    if (e.WithinWidth(L)) return (e.r - L) * (B - T);
    return (R - e.l) * (B - T);
}

std::vector<DropTarget> RankDropTargets(const TableRect& dragged,
                                        const std::vector<DropCandidate>& candidates) {
    struct Keyed {
        int measure;
        DropTarget target;
    };
    std::vector<Keyed> keyed;
    for (const DropCandidate& c : candidates) {
        if (!DropOverlaps(dragged, c.rect)) continue;
        const int measure = std::clamp(DropOverlapMeasure(dragged, c.rect), 0, kMaxMeasure);
        keyed.push_back({measure, c.target});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return std::tie(a.measure, a.target.kind, a.target.index) >
               std::tie(b.measure, b.target.kind, b.target.index);
    });
    std::vector<DropTarget> ranked;
    for (const Keyed& k : keyed) {
        if (static_cast<int>(ranked.size()) == kMaxTargets) break;
        ranked.push_back(k.target);
    }
    return ranked;
}

}  // namespace tindle
