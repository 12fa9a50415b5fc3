#include "table/SealedResourceFile.h"

#include <QFileInfo>
#include <QResource>

#include <mutex>
#include <vector>

#include "shell/settings/AtomicFile.h"
#include "table/ResourceFileCheck.h"

namespace tindle {

namespace {

const uchar* Registered(const std::string& bytes) {
    return reinterpret_cast<const uchar*>(bytes.data());
}

// Qt keeps an unregistered file's tree while a QResource still refers to it (an open QFile, a
// sound being decoded); the bytes must then outlive the object that registered them, to the
// end of the process (the list is never destroyed, so not even exit frees them early).
void KeepForever(std::unique_ptr<const std::string> bytes) {
    static std::mutex guard;
    static auto* kept = new std::vector<std::unique_ptr<const std::string>>;
    const std::lock_guard<std::mutex> lock(guard);
    kept->push_back(std::move(bytes));
}

}  // namespace

SealedResourceFile::SealedResourceFile(QString root) : root_(std::move(root)) {}

SealedResourceFile::~SealedResourceFile() {
    Unload();
}

SealedResourceFile::LoadStatus SealedResourceFile::Load(const QString& path, std::size_t maxBytes) {
    Unload();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    std::string bytes;
    switch (ReadFileLimited(absolute.toStdString(), maxBytes, bytes)) {
        case FileReadStatus::Ok:
            break;
        case FileReadStatus::Missing:
            return LoadStatus::Missing;
        case FileReadStatus::Unreadable:
            return LoadStatus::Unreadable;
        case FileReadStatus::TooLarge:
            return LoadStatus::Damaged;
    }
    if (!CheckSealedResourceFile(bytes).Ok()) return LoadStatus::Damaged;
    auto registered = std::make_unique<const std::string>(std::move(bytes));
    if (!QResource::registerResource(Registered(*registered), root_)) return LoadStatus::Damaged;
    bytes_ = std::move(registered);
    path_ = absolute;
    return LoadStatus::Loaded;
}

void SealedResourceFile::Unload() {
    if (!IsLoaded()) return;
    if (!QResource::unregisterResource(Registered(*bytes_), root_)) KeepForever(std::move(bytes_));
    bytes_.reset();
    path_.clear();
}

}  // namespace tindle
