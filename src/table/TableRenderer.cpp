// The renderer's images, canvases and the road from TableImage to the window.
#include "table/TableRenderer.h"

#include <QPainter>

#include <algorithm>
#include <vector>

#include "model/Game.h"
#include "shell/settings/SettingsRecord.h"
#include "table/CardPictures.h"
#include "table/PixelCopy.h"
#include "table/TableColours.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

QImage BlankTable(QSize size, qreal scale) {
    QImage image = NewScaledImage(size.expandedTo(QSize(1, 1)), scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// The picture grown to at least size (table pixels), keeping what it held.
void GrowKeeping(QImage& image, QSize size) {
    const QRect held = TableRectOf(image);
    if (held.width() >= size.width() && held.height() >= size.height()) return;
    QImage grown = BlankTable(size.expandedTo(held.size()), ScaleOf(image));
    CopyPixels(image, held, grown, QPoint(0, 0));
    image = std::move(grown);
}

}  // namespace

TableRenderer::TableRenderer(Game& game, TMainGame& layout, SettingsRecord& settings,
                             CardPictures& pictures, TimePort& time, SoundPort& sounds,
                             MessagePort& messages)
    : game_(game),
      layout_(layout),
      settings_(settings),
      pictures_(pictures),
      time_(time),
      sounds_(sounds),
      messages_(messages),
      dragImage_(BlankTable(QSize(1, 1), 1.0)),
      backgrounds_(settings, messages, [&pictures](std::string_view name) {
          return pictures.LoadResourcePicture(name);
      }) {}

// ---------------------------------------------------------------------------------------
// Sizes.

void TableRenderer::SetWindowSize(int width, int height) {
    windowWidth_ = std::max(width, 1);
    windowHeight_ = std::max(height, 1);
    surface_.Resize(windowWidth_, windowHeight_);
    // The table picture follows the window (it never shrinks): a table the size of the
    // screen would hold mostly pixels no window shows.
    tableSize_ = tableSize_.expandedTo(
        QSize(windowWidth_ + kTableImageSlack, windowHeight_ + kTableImageSlack));
    if (!bareTable_) GrowKeeping(tableImage_, tableSize_);
    // The background is described in the pixels of the images it is drawn into.
    BackgroundGeometry g = backgrounds_.Geometry();
    g.tableWidth = ToDevice(windowWidth_, scale_);
    g.tableHeight = ToDevice(windowHeight_, scale_);
    backgrounds_.SetGeometry(g);
}

void TableRenderer::SetScale(qreal scale) {
    if (scale <= 0 || scale == scale_) return;
    scale_ = scale;
    // Every picture is made again at the new scale by the repaint that follows.
    surface_.SetScale(scale);
    if (!bareTable_) tableImage_ = BlankTable(tableSize_, scale_);
    dragImage_ = BlankTable(QSize(1, 1), scale_);
    pictureKinds_.clear();
    SetWindowSize(windowWidth_, windowHeight_);
}

QSize TableRenderer::DeviceTableSize() const {
    return DeviceSize(tableSize_, scale_);
}

void TableRenderer::EnsureDragImage(int width, int height) {
    const QRect held = TableRectOf(dragImage_);
    if (held.width() != width || held.height() < height || ScaleOf(dragImage_) != scale_)
        dragImage_ = NewScaledImage(QSize(width, height), scale_, QImage::Format_RGB32);
}

void TableRenderer::SetScrollBarVisible(bool visible) {
    BackgroundGeometry g = backgrounds_.Geometry();
    g.scrollBarVisible = visible;
    backgrounds_.SetGeometry(g);
}

void TableRenderer::SetDisplayColours(long long colours) {
    BackgroundGeometry g = backgrounds_.Geometry();
    g.displayColours = colours;
    backgrounds_.SetGeometry(g);
}

int TableRenderer::Scroll() const {
    return layout_.scrollOffset;
}
int TableRenderer::CardWidth() const {
    return pictures_.CardWidth();
}
int TableRenderer::CardHeight() const {
    return pictures_.CardHeight();
}
bool TableRenderer::ShadowsOn() const {
    return !suppressShadows_ && settings_.IsNotNo(field::CardsShadowed);
}
int TableRenderer::ShadowMargin() const {
    return ShadowMarginFor(settings_);
}

// ---------------------------------------------------------------------------------------
// Canvases and the window.

QRect TableRenderer::Canvas::Bounds() const {
    return clip.intersected(TableRectOf(*image));
}

TableRenderer::Canvas TableRenderer::TableCanvas() {
    MakeTablePicture();
    Canvas c;
    c.image = &tableImage_;
    c.offsetY = Scroll();
    c.clip = TableRectOf(tableImage_);
    return c;
}

TableRenderer::Canvas TableRenderer::WindowCanvas() {
    Canvas c;
    c.image = &WindowImage();
    c.clip = surface_.Rect();
    return c;
}

TableRenderer::Canvas TableRenderer::DragCanvas(int originX, int originY) {
    Canvas c;
    c.image = &dragImage_;
    c.offsetX = -originX;
    c.offsetY = -originY;
    c.clip = TableRectOf(dragImage_);
    c.tracksTableBottom = false;
    return c;
}

QImage& TableRenderer::WindowImage() {
    MakeTablePicture();
    surface_.MakeImage(tableImage_, QPoint(0, Scroll()));
    return surface_.Image();
}

WindowSurface& TableRenderer::Surface() {
    WindowImage();
    return surface_;
}

bool TableRenderer::WindowHasOwnPicture() const {
    return surface_.HasImage();
}

const QImage& TableRenderer::TableImage() {
    MakeTablePicture();
    return tableImage_;
}

void TableRenderer::PaintWindow(QPainter& painter, const QRect& region) {
    if (bareTable_) {
        PaintBareTable(painter, region);
        return;
    }
    SyncSurface();
    const QImage& source = surface_.HasImage() ? surface_.Image() : tableImage_;
    const QPoint origin = surface_.HasImage() ? QPoint(0, 0) : QPoint(0, Scroll());
    const QRect from = region.translated(origin);
    if (!surface_.Rect().contains(region) || !TableRectOf(source).contains(from))
        painter.fillRect(region, DefaultTableGreen(kManyColours));
    // The source rectangle is in the image's own pixels; at the painter's zoom they fall
    // one to one on the screen's.
    painter.drawImage(QRectF(region), source, QRectF(ToDevice(from, ScaleOf(source))));
}

void TableRenderer::FlushPending() {
    if (!surface_.HasPending()) return;
    const QRegion pending = surface_.TakePending();
    // Without a picture of its own the window shows the table picture: nothing to bring over.
    if (!surface_.HasImage()) return;
    for (const QRect& r : pending)
        CopyPixels(tableImage_, r.translated(0, Scroll()), surface_.Image(), r.topLeft());
}

void TableRenderer::SyncSurface() {
    FlushPending();
}

void TableRenderer::ShowTableRect(const QRect& windowRect) {
    if (windowRect.isEmpty()) return;
    FlushPending();
    if (surface_.HasImage())
        CopyPixels(tableImage_, windowRect.translated(0, Scroll()), surface_.Image(),
                   windowRect.topLeft());
    surface_.RepaintNow(windowRect);
}

void TableRenderer::InvalidateWindow(const QRect& windowRect) {
    if (windowRect.isEmpty()) return;
    surface_.AddPending(windowRect);
    surface_.Update(windowRect);
}

void TableRenderer::PresentTable() {
    surface_.TakePending();
    if (surface_.HasImage())
        CopyPixels(tableImage_, QRect(0, Scroll(), surface_.Width(), surface_.Height()),
                   surface_.Image(), QPoint(0, 0));
    surface_.RepaintNow(surface_.Rect());
}

void TableRenderer::RefreshRect(const TableRect& rect) {
    ShowTableRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

void TableRenderer::PaintBackground() {
    // A background that cannot be painted leaves the table as it was: it has to exist.
    MakeTablePicture();
    backgrounds_.PaintBackground(tableImage_);
    // Whatever labels stood on the table are gone with it.
    jokerLabelKeySet_ = false;
}

// ---------------------------------------------------------------------------------------
// Pixels.

TableRenderer::PictureKind TableRenderer::KindOf(const QImage& picture) {
    if (picture.isNull() || picture.depth() != 32) return PictureKind::Empty;
    const auto known = pictureKinds_.find(picture.cacheKey());
    if (known != pictureKinds_.end()) return known->second;
    // Card pictures leave only their rounded corners clear; those are set by the drawing
    // anyway, so they do not make a picture "blended".
    const CornerBlocks corners = CornerBlocksOf(TableRectOf(picture), ScaleOf(picture));
    auto isCorner = [&corners](int x, int y) { return InCornerBlocks(corners, QPoint(x, y)); };
    // A picture with nothing visible (a missing one) draws nothing; one that is only
    // translucent (the marks of empty piles) is blended like any other.
    bool anyVisible = false, anyClear = false;
    const bool hasAlpha = picture.hasAlphaChannel();
    for (int y = 0; y < picture.height() && !(anyVisible && anyClear); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int alpha = hasAlpha ? qAlpha(line[x]) : 255;
            if (alpha > 0) anyVisible = true;
            if (alpha < 255 && !isCorner(x, y)) anyClear = true;
        }
    }
    PictureKind kind = PictureKind::Opaque;
    if (!anyVisible) {
        kind = PictureKind::Empty;
    } else if (anyClear) {
        kind = PictureKind::Blended;
    }
    if (pictureKinds_.size() > 512) pictureKinds_.clear();
    pictureKinds_.emplace(picture.cacheKey(), kind);
    return kind;
}

void TableRenderer::RaiseTableBottom(const Canvas& c, int y) {
    if (!c.tracksTableBottom) return;
    const int bottom = y + CardHeight() + Scroll();
    layout_.tableBottom = static_cast<int16_t>(
        std::clamp<int>(std::max<int>(layout_.tableBottom, bottom), INT16_MIN, INT16_MAX));
}

void TableRenderer::BlitCard(Canvas& c, const QImage& picture, int x, int y, int height,
                             bool moving) {
    const PictureKind kind = KindOf(picture);
    if (kind == PictureKind::Empty || height <= 0) return;
    const QRect pictureRect = TableRectOf(picture);
    height = std::min(height, pictureRect.height());
    const QPoint at = c.ToImage(x, y);
    const QRect card(at, QSize(pictureRect.width(), height));
    const QRect clip = c.Bounds();
    if (!card.intersects(clip)) return;
    const qreal scale = ScaleOf(*c.image);
    const CornerBlocks corners = CornerBlocksOf(card, scale);
    const QRect deviceClip = ToDevice(clip, scale);
    // What lies under the corners before the card is drawn.
    std::vector<QRgb> under;
    for (int i = 0; i < corners.count; ++i) {
        const QRect block = corners.blocks[static_cast<size_t>(i)];
        for (int py = block.top(); py <= block.bottom(); ++py)
            for (int px = block.left(); px <= block.right(); ++px)
                under.push_back(PixelAt(*c.image, px, py));
    }
    if (kind == PictureKind::Opaque) {
        CopyPixels(picture, QRect(0, 0, pictureRect.width(), height), *c.image, at, clip);
    } else {
        BlendOver(CopyTableRect(picture, QRect(0, 0, pictureRect.width(), height)), *c.image, at,
                  clip);
    }
    size_t next = 0;
    for (int i = 0; i < corners.count; ++i) {
        const QRect block = corners.blocks[static_cast<size_t>(i)];
        for (int py = block.top(); py <= block.bottom(); ++py) {
            for (int px = block.left(); px <= block.right(); ++px) {
                QRgb value = under[next++];
                const QPoint p(px, py);
                if (!deviceClip.contains(p)) continue;
                if (!corners.IsUpper(i)) {
                    // Lower corners show the background, or grey at the lower right while
                    // moving.
                    const QPoint b = BackgroundPixelOf(c, p);
                    if (moving &&
                        corners.corner[static_cast<size_t>(i)] == CardCorners::LowerRight) {
                        value = kMovingCornerGrey;
                    } else if (HasBackgroundPixel(b.x(), b.y())) {
                        value = backgrounds_.Painted().Pixel(b.x(), b.y());
                    }
                }
                PutPixel(*c.image, px, py, value);
            }
        }
    }
    c.touched |= QRect(x, y, pictureRect.width(), height);
}

QPoint TableRenderer::BackgroundPixelOf(const Canvas& c, QPoint devicePixel) const {
    const qreal scale = ScaleOf(*c.image);
    return devicePixel - ToDevice(QPoint(c.offsetX, c.offsetY), scale) +
           ToDevice(QPoint(0, Scroll()), scale);
}

void TableRenderer::BlitPicture(Canvas& c, const QImage& picture, int x, int y) {
    const PictureKind kind = KindOf(picture);
    if (kind == PictureKind::Empty) return;
    const QPoint at = c.ToImage(x, y);
    const QRect clip = c.Bounds();
    const QRect pictureRect = TableRectOf(picture);
    if (kind == PictureKind::Opaque) {
        CopyPixels(picture, pictureRect, *c.image, at, clip);
    } else {
        BlendOver(picture, *c.image, at, clip);
    }
    c.touched |= QRect(QPoint(x, y), pictureRect.size());
}

void TableRenderer::BlendOnto(Canvas& c, const QImage& picture, int x, int y) {
    if (picture.isNull()) return;
    BlendOver(picture, *c.image, c.ToImage(x, y), c.Bounds());
    c.touched |= QRect(QPoint(x, y), TableRectOf(picture).size());
}

void TableRenderer::CopyFromBackground(Canvas& c, const QRect& windowRect) {
    if (windowRect.isEmpty()) return;
    const QPoint at = c.ToImage(windowRect.left(), windowRect.top());
    CopyBackground(windowRect.translated(0, Scroll()), *c.image, at, c.Bounds());
    c.touched |= windowRect;
}

QImage TableRenderer::BackgroundImage() const {
    QImage image = backgrounds_.Painted().ToImage(DeviceTableSize());
    image.setDevicePixelRatio(scale_);
    return image;
}

bool TableRenderer::HasBackgroundPixel(int x, int y) const {
    return QRect(QPoint(0, 0), DeviceTableSize()).contains(x, y);
}

void TableRenderer::CopyBackground(const QRect& tableRect, QImage& dst, QPoint at,
                                   const QRect& clip) const {
    // Only the table picture's own area has a background.
    const QRect from = tableRect.intersected(TableExtent());
    if (from.isEmpty()) return;
    // The background is described in image pixels.
    const qreal scale = ScaleOf(dst);
    backgrounds_.Painted().Draw(ToDevice(from, scale), dst,
                                ToDevice(at + (from.topLeft() - tableRect.topLeft()), scale),
                                clip.isValid() ? ToDevice(clip, scale) : QRect());
}

}  // namespace tindle
