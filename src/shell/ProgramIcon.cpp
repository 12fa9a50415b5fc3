#include "shell/ProgramIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <string_view>

#include "table/ResourceLibrary.h"
#include "table/ResourceNames.h"

namespace tindle {

namespace {

struct IconPicture {
    std::string_view name;
    int side;
};
// Largest first: the picture for a size is the smallest one at least that large.
constexpr IconPicture kIconPictures[] = {{kIconPicture, kIconPictureSide},
                                         {kSmallIconPicture, kSmallIconPictureSide}};

class LibraryIconEngine : public QIconEngine {
  public:
    explicit LibraryIconEngine(const ResourceLibrary& library) : library_(library) {}

    QIconEngine* clone() const override { return new LibraryIconEngine(library_); }
    QString key() const override { return QStringLiteral("tindle-library"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const IconPicture& picture : kIconPictures)
            if (library_.Contains(ResourceKind::Bitmap, picture.name))
                sizes.push_back(QSize(picture.side, picture.side));
        return sizes;
    }

    bool isNull() override { return availableSizes(QIcon::Normal, QIcon::Off).isEmpty(); }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QSize source = SourceSize(size, mode, state);
        return source.isEmpty() ? QSize() : source.scaled(size, Qt::KeepAspectRatio);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QSize source = SourceSize(size, mode, state);
        if (source.isEmpty()) return QPixmap();
        const std::string_view name =
            source.width() == kIconPictureSide ? kIconPicture : kSmallIconPicture;
        QImage image = library_.Bitmap(name);
        if (image.isNull()) return QPixmap();
        if (image.size() != size)
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return QPixmap::fromImage(std::move(image));
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const QPixmap picture = pixmap(rect.size(), mode, state);
        if (!picture.isNull()) painter->drawPixmap(rect, picture);
    }

  private:
    // The size of the picture a pixmap of `size` is made from: the smallest at least as
    // large, else the largest; empty when the library has none.
    QSize SourceSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
        const QList<QSize> sizes = availableSizes(mode, state);
        if (sizes.isEmpty()) return QSize();
        QSize chosen = sizes.front();
        for (const QSize& candidate : sizes)
            if (candidate.width() >= size.width() && candidate.height() >= size.height())
                chosen = candidate;
        return chosen;
    }

    const ResourceLibrary& library_;
};

}  // namespace

QIcon ProgramIcon(const ResourceLibrary& library) {
    return QIcon(new LibraryIconEngine(library));
}

}  // namespace tindle
