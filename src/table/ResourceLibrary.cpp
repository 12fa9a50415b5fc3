#include "table/ResourceLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QResource>

#include <atomic>

#include "table/RawPicture.h"
#include "table/ResourceFileCheck.h"

namespace tindle {

namespace {

// The library's pictures are PNG, read by Qt's own PNG reader alone, except the few stored
// uncompressed (RawPicture.h), which are copied straight from the mapped library. Naming the
// format is not enough for the PNG reader alone: Qt then loads every image-format plugin
// installed to ask whether it reads PNG too, which costs the start time and memory; without
// detection it goes to its own.
QImage ReadPng(const QString& path) {
    QImageReader reader(path, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage ReadStoredPicture(const QString& path) {
    // The library is packed without compression: the entry's bytes are the mapped file's.
    const QResource entry(path);
    if (entry.isValid() && entry.compressionAlgorithm() == QResource::NoCompression) {
        const std::string_view bytes(reinterpret_cast<const char*>(entry.data()),
                                     static_cast<std::size_t>(entry.size()));
        if (IsRawPicture(bytes)) return ReadRawPicture(bytes);
    }
    return ReadPng(path);
}

const char* Folder(ResourceKind kind) {
    switch (kind) {
        case ResourceKind::Bitmap:
            return "bmp";
        case ResourceKind::Cursor:
            return "cur";
        case ResourceKind::Sound:
            return "wav";
    }
    return "bmp";
}

// Each library object maps its file under its own root, so that objects never see each other's
// files or unregister each other's.
QString NewRoot() {
    static std::atomic<int> counter{0};
    return QStringLiteral("/tindle-zuv-%1").arg(++counter);
}

}  // namespace

ResourceLibrary::ResourceLibrary() : file_(NewRoot()), fine_(NewRoot()) {}

ResourceLibrary::~ResourceLibrary() = default;

bool ResourceLibrary::Load(const QString& file) {
    Unload();
    if (file_.Load(file, kMaxResourceLibraryBytes) != SealedResourceFile::LoadStatus::Loaded)
        return false;
    finePath_ = QFileInfo(file_.Path())
                    .dir()
                    .filePath(QString::fromUtf8(kFinePicturesLibraryName.data(),
                                                kFinePicturesLibraryName.size()));
    return true;
}

void ResourceLibrary::Unload() {
    releaseEachRead_ = false;
    file_.Unload();
    const std::lock_guard<std::mutex> lock(fineGuard_);
    fine_.Unload();
    fineTried_ = false;
    finePath_.clear();
}

void ResourceLibrary::ReleaseReadPages() const {
    file_.ReleaseReadPages();
    const std::lock_guard<std::mutex> lock(fineGuard_);
    fine_.ReleaseReadPages();
    releaseEachRead_ = true;
}

void ResourceLibrary::OpenFinerPictures() const {
    if (file_.IsLoaded()) FinerFile();
}

const SealedResourceFile* ResourceLibrary::FileFor(ResourceKind kind, std::string_view name) const {
    if (!file_.IsLoaded()) return nullptr;
    if (kind != ResourceKind::Bitmap || FinerPictureScale(name) == 1) return &file_;
    return FinerFile();
}

const SealedResourceFile* ResourceLibrary::FinerFile() const {
    const std::lock_guard<std::mutex> lock(fineGuard_);
    if (!fineTried_) {
        fineTried_ = true;
        // The table is still drawn, from the ordinary pictures scaled: a warning, no box.
        if (fine_.Load(finePath_, kMaxResourceLibraryBytes) !=
            SealedResourceFile::LoadStatus::Loaded)
            qWarning("%s: missing or damaged; the cards are drawn from the ordinary pictures",
                     qPrintable(QDir::toNativeSeparators(finePath_)));
    }
    return fine_.IsLoaded() ? &fine_ : nullptr;
}

QString ResourceLibrary::LoadFailureMessage(const QString& file) {
    return QStringLiteral("Can't find/load ") + QDir::toNativeSeparators(file).toLower();
}

QString ResourceLibrary::PathOf(ResourceKind kind, std::string_view name) const {
    const SealedResourceFile* file = FileFor(kind, name);
    if (file == nullptr) return {};
    return QStringLiteral(":") + file->Root() + "/" + Folder(kind) + "/" +
           QString::fromStdString(CanonicalResourceName(name));
}

bool ResourceLibrary::Contains(ResourceKind kind, std::string_view name) const {
    // A name is a single word: no folder part can reach another kind of resource.
    if (!IsLoaded() || name.empty() || name.find_first_of("/\\") != std::string_view::npos)
        return false;
    const QString path = PathOf(kind, name);
    return !path.isEmpty() && QFile::exists(path);
}

QImage ResourceLibrary::ReadPicture(ResourceKind kind, std::string_view name) const {
    const QString path = PathOf(kind, name);
    QImage picture = ReadStoredPicture(path);
    // The whole file's pages, not only the picture's: the system maps the neighbours of every
    // page read along with it.
    if (releaseEachRead_)
        if (const SealedResourceFile* file = FileFor(kind, name)) file->ReleaseReadPages();
    return picture;
}

QImage ResourceLibrary::Bitmap(std::string_view name) const {
    if (!Contains(ResourceKind::Bitmap, name)) return {};
    return ReadPicture(ResourceKind::Bitmap, name);
}

CursorPicture ResourceLibrary::Cursor(std::string_view name) const {
    if (!Contains(ResourceKind::Cursor, name)) return {};
    CursorPicture cursor;
    cursor.image = ReadPicture(ResourceKind::Cursor, name);
    bool okX = false, okY = false;
    const int x = cursor.image.text("HotSpotX").toInt(&okX);
    const int y = cursor.image.text("HotSpotY").toInt(&okY);
    // A cursor without a readable hot spot points with its top-left corner.
    if (okX && okY && x >= 0 && y >= 0 && x < cursor.image.width() && y < cursor.image.height())
        cursor.hotSpot = QPoint(x, y);
    return cursor;
}

QByteArray ResourceLibrary::Sound(std::string_view name) const {
    if (!Contains(ResourceKind::Sound, name)) return {};
    QFile file(PathOf(ResourceKind::Sound, name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QUrl ResourceLibrary::SoundUrl(std::string_view name) const {
    if (!Contains(ResourceKind::Sound, name)) return {};
    return QUrl(QStringLiteral("qrc") + PathOf(ResourceKind::Sound, name));
}

}  // namespace tindle
