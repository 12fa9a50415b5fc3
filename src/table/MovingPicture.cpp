// The picture of cards being moved: built when cards are lifted, moved step by step over
// the window (only the uncovered parts and the old shadow are restored from TableImage),
// and flown from one place to another.
#include <algorithm>
#include <cstdlib>

#include "model/Game.h"
#include "model/Ports.h"
#include "table/CardPictures.h"
#include "table/DealClock.h"
#include "table/FlightPath.h"
#include "table/PixelCopy.h"
#include "table/TableRenderer.h"
#include "table/layout/Nearest.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

QRect ToQRect(const TableRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// The parts of `before` that `after` (of the same size) no longer covers: a strip on the
// side it moved away from horizontally and one vertically (an L shape), or all of `before`.
int Uncovered(const QRect& before, const QRect& after, QRect out[2]) {
    if (before.isEmpty()) return 0;
    if (!before.intersects(after)) {
        out[0] = before;
        return 1;
    }
    int n = 0;
    if (after.left() > before.left()) {
        out[n++] =
            QRect(before.left(), before.top(), after.left() - before.left(), before.height());
    } else if (after.right() < before.right()) {
        out[n++] =
            QRect(after.right() + 1, before.top(), before.right() - after.right(), before.height());
    }
    if (after.top() > before.top()) {
        out[n++] = QRect(before.left(), before.top(), before.width(), after.top() - before.top());
    } else if (after.bottom() < before.bottom()) {
        out[n++] = QRect(before.left(), after.bottom() + 1, before.width(),
                         before.bottom() - after.bottom());
    }
    return n;
}

// Restores an override of the shadow setting when a flight ends.
class ShadowsOff {
  public:
    explicit ShadowsOff(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~ShadowsOff() { flag_ = was_; }
    ShadowsOff(const ShadowsOff&) = delete;
    ShadowsOff& operator=(const ShadowsOff&) = delete;

  private:
    bool& flag_;
    bool was_;
};

constexpr QRgb kShadowBlack = 0xff000000u;
constexpr int kDitherDepth = 7;

}  // namespace

// ---------------------------------------------------------------------------------------
// Lifting.

void TableRenderer::BuildDragImage(PileRef pile, int position) {
    const Pile text = game_.piles.Get(pile);
    const int count = PileCount(text);
    if (position < 0 || position >= count) return;
    PointerState& p = game_.pointer;
    const int w = CardWidth();
    const int height = std::max(p.dragImageHeight > 0 ? p.dragImageHeight : CardHeight(), 1);
    const QPoint origin = CardPlace(pile, position);

    // The lifted cards into DragImage, lined up under the first one, on the table's
    // background of their place.
    EnsureDragImage(w, height);
    Canvas d = DragCanvas(origin.x(), origin.y());
    d.clip = QRect(0, 0, w, height);
    CopyFromBackground(d, QRect(origin, QSize(w, height)));
    const int firstExcluded = count - 1 - position;
    const int tidyFirst = layout_.CardLeftX(game_, pile, firstExcluded, false, false);
    QRect lifted;
    for (int i = position; i < count; ++i) {
        const int excluded = count - 1 - i;
        const int x =
            layout_.CardLeftX(game_, pile, excluded, false, false) - tidyFirst + origin.x();
        const int y = layout_.CardTopY(game_, pile, excluded, false);
        const int card = PileCardAt(text, i);
        if (card >= 1 && game_.cards.CardIsFaceDown(card)) {
            BackOn(d, x, y, CardHeight(), false);
        } else {
            CardOn(d, card, x, y, false);
        }
        lifted |= CardRectOf(pile, i);
    }
    lifted |= PileArea(pile);

    // TableImage without them: the pile shortened for the moment, its region drawn afresh.
    // The stock family's places (moved by their thickness) are kept as they are.
    std::array<std::pair<int, int>, kMazzoPiles> stockPlaces{};
    for (int k = 0; k < kMazzoPiles; ++k)
        stockPlaces[static_cast<size_t>(k)] = {layout_.MazzoX(k), layout_.MazzoY(k) + Scroll()};
    Pile& real = game_.piles.Get(pile);
    real = text.substr(0, static_cast<size_t>(position) * kCardChars);
    RedrawRegion(lifted);
    real = text;
    for (int k = 0; k < kMazzoPiles; ++k) {
        layout_.SetMazzoX(k, stockPlaces[static_cast<size_t>(k)].first);
        layout_.SetMazzoY(k, stockPlaces[static_cast<size_t>(k)].second);
    }
}

// ---------------------------------------------------------------------------------------
// One step.

void TableRenderer::DrawShadow(const QRect& r) {
    QImage& window = WindowImage();
    const int margin = kShadowMarginOn;
    const int right = r.right() + 1, bottom = r.bottom() + 1;
    BlendOver(pictures_.Shadow(1), window, QPoint(right, r.top() + margin - 2));
    BlendOver(pictures_.Shadow(2), window, QPoint(r.left() + margin - 1, bottom));
    PutTablePixel(window, right - 1, bottom - 2, kShadowBlack);
    PutTablePixel(window, right - 2, bottom - 1, kShadowBlack);
}

void TableRenderer::DrawDitheredShadow(const QRect& r) {
    QImage& window = WindowImage();
    const int right = r.right() + 1, bottom = r.bottom() + 1;
    const QRect extent = TableRectOf(window);
    const int w = extent.width(), h = extent.height();
    // Right of the picture: every second pixel, in a checkerboard.
    for (int y = std::max(r.top() + kDitherDepth, 0); y < std::min(bottom, h); ++y) {
        for (int x = right + ((right + y) & 1); x < std::min(right + kDitherDepth, w); x += 2)
            if (x >= 0) PutTablePixel(window, x, y, kShadowBlack);
    }
    // Below it; the last two rows end two pixels sooner.
    for (int row = 0; row < kDitherDepth; ++row) {
        const int y = bottom + row;
        if (y < 0 || y >= h) continue;
        const int start = r.left() + 8;
        const int end = right + 6 - (row >= kDitherDepth - 2 ? 2 : 0);
        for (int x = start + ((start + y) & 1); x < std::min(end, w); x += 2)
            if (x >= 0) PutTablePixel(window, x, y, kShadowBlack);
    }
    PutTablePixel(window, right - 1, bottom - 2, kShadowBlack);
    PutTablePixel(window, right - 2, bottom - 1, kShadowBlack);
}

bool TableRenderer::MoveImageTo(int x, int y, bool drop, bool fixCorners) {
    PointerState& p = game_.pointer;
    if (x == p.lastDrawX && y == p.lastDrawY) return false;
    FlushPending();
    const int w = CardWidth();
    const int height = p.dragImageHeight > 0 ? p.dragImageHeight : CardHeight();
    const QRect before = ToQRect(p.dragRect);
    const QRect after(x, y, w, height);
    QImage& window = WindowImage();
    QRect shown = after;

    // What the picture no longer covers, and its old shadow, come back from TableImage.
    QRect parts[2];
    const int n = Uncovered(before, after, parts);
    for (int i = 0; i < n; ++i) {
        const QRect r = parts[i].adjusted(0, 0, 1, 1);
        CopyPixels(tableImage_, r.translated(0, Scroll()), window, r.topLeft());
        shown |= r;
    }
    if ((ShadowsOn() || shadowShown_) && !before.isEmpty()) {
        const int m = kShadowMarginOn;
        const QRect rightStrip(before.right() + 1, before.top(), m, before.height() + m);
        const QRect bottomStrip(before.left(), before.bottom() + 1, before.width() + m, m);
        for (const QRect& r : {rightStrip, bottomStrip}) {
            CopyPixels(tableImage_, r.translated(0, Scroll()), window, r.topLeft());
            shown |= r;
        }
    }

    // The picture at its new place, its corners first taken from what lies under it.
    const QRect picture(0, 0, w, height);
    if (fixCorners) {
        const CornerBlocks corners = CornerBlocksOf(picture, scale_);
        const QPoint shift = ToDevice(QPoint(x, y + Scroll()), scale_);
        for (int i = 0; i < corners.count; ++i) {
            const QRect block = corners.blocks[static_cast<size_t>(i)];
            for (int py = block.top(); py <= block.bottom(); ++py) {
                for (int px = block.left(); px <= block.right(); ++px) {
                    const QPoint t = QPoint(px, py) + shift;
                    if (HasPixel(tableImage_, t.x(), t.y()))
                        PutPixel(dragImage_, px, py, PixelAt(tableImage_, t.x(), t.y()));
                }
            }
        }
    }
    CopyPixels(dragImage_, picture, window, QPoint(x, y));
    p.dragRect = {x, y, x + w, y + height};

    shadowShown_ = false;
    if (drop) {
        CopyPixels(dragImage_, picture, tableImage_, QPoint(x, y + Scroll()));
        for (int i = 0; i < n; ++i)
            InvalidateWindow(parts[i]);
        InvalidateWindow(after);
    } else if (ShadowsOn()) {
        if (height > CardHeight()) {
            DrawDitheredShadow(after);
        } else {
            DrawShadow(after);
        }
        shadowShown_ = true;
        shown |= after.adjusted(0, 0, kShadowMarginOn, kShadowMarginOn);
    }
    p.lastDrawX = x;
    p.lastDrawY = y;
    surface_.RepaintNow(shown);
    return true;
}

// ---------------------------------------------------------------------------------------
// A flight.

void TableRenderer::AnimateMove(int card, int fromX, int fromY, int toX, int toY,
                                const FlightOptions& options) {
    PointerState& p = game_.pointer;
    const int w = CardWidth(), h = CardHeight();
    const int delay =
        static_cast<int>(std::clamp<long long>(settings_.GetInt(field::SpeedMoveCard, 0), 0, 99));
    const int stepDelay = options.fast ? static_cast<int>(Nearest(delay / 4.0)) : delay;
    // A place off the table lies three cards beyond the left or top edge.
    if (IsOffTable(toX)) toX = -3 * w;
    if (IsOffTable(toY)) toY = -3 * h;
    const int landing = options.shadowLanding ? ShadowMargin() : 0;
    toX -= landing;
    toY -= landing;

    if (options.newPicture) {
        EnsureDragImage(w, h);
        Canvas d = DragCanvas(fromX, fromY);
        d.clip = QRect(0, 0, w, h);
        CopyFromBackground(d, QRect(fromX, fromY, w, h));
        if (card < 0 || options.faceDown) {
            BackOn(d, fromX, fromY, h, true);
        } else {
            CardOn(d, card, fromX, fromY, true);
        }
        p.dragImageHeight = h;
        p.grabX = 0;
        p.grabY = 0;
        p.dragRect = {fromX, fromY, fromX + w, fromY + h};
        p.lastDrawX = fromX;
        p.lastDrawY = fromY;
    }

    ShadowsOff noShadows(suppressShadows_);
    const int dx = toX - fromX, dy = toY - fromY;
    const int distance = std::max(std::abs(dx), std::abs(dy));
    if (distance > 0) {
        const int step = FlightStep(distance, options.fast);
        const bool alongX = std::abs(dx) >= std::abs(dy);
        int progress = 0;
        for (;;) {
            progress = std::min(progress + step, distance);
            // A dealt card behind its time skips ahead to where it should be.
            if (dealClock_) progress = std::max(progress, dealClock_->Reached(distance));
            int x, y;
            if (alongX) {
                x = fromX + (dx < 0 ? -progress : progress);
                y = FlightFollow(fromY, toY, progress, distance);
            } else {
                y = fromY + (dy < 0 ? -progress : progress);
                x = FlightFollow(fromX, toX, progress, distance);
            }
            if (dealClock_) {
                dealClock_->Wait(stepDelay);
            } else {
                time_.Wait(stepDelay);
            }
            if (progress >= distance) break;
            MoveImageTo(x, y, false, true);
        }
    }
    if (landing > 0) {
        MoveImageTo(toX, toY, false, true);
        toX += landing;
        toY += landing;
        MoveImageTo(toX, toY, false, true);
        time_.Wait(2 * delay);
    }
    if (!MoveImageTo(toX, toY, options.drop, true) && options.drop) {
        const QRect at(toX, toY, w, p.dragImageHeight > 0 ? p.dragImageHeight : h);
        CopyPixels(dragImage_, QRect(QPoint(0, 0), at.size()), tableImage_,
                   QPoint(toX, toY + Scroll()));
        ShowTableRect(at);
    }
}

}  // namespace tindle
