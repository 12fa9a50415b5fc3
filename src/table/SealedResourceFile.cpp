#include "table/SealedResourceFile.h"

#include <QFile>
#include <QFileInfo>
#include <QResource>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <vector>

#include "table/ResourceFileCheck.h"

namespace tindle {

// A read-only private mapping of a whole file.
class SealedResourceFile::Mapping {
  public:
    Mapping(void* address, std::size_t size) : address_(address), size_(size) {}
    ~Mapping() { ::munmap(address_, size_); }
    Mapping(const Mapping&) = delete;
    Mapping& operator=(const Mapping&) = delete;

    const uchar* Data() const { return static_cast<const uchar*>(address_); }
    std::string_view Bytes() const { return {static_cast<const char*>(address_), size_}; }
    // The pages read so far leave the process's memory; what Qt reads later comes back from
    // the system's file cache, page by page.
    void Release() const { ::madvise(address_, size_, MADV_DONTNEED); }

  private:
    void* address_;
    std::size_t size_;
};

namespace {

// Qt keeps an unregistered file's tree while a QResource still refers to it (an open QFile, a
// sound being decoded); the mapping must then outlive the object that registered it, to the
// end of the process (the list is never destroyed, so not even exit unmaps it early).
template <class Mapping>
void KeepForever(std::unique_ptr<const Mapping> mapping) {
    static std::mutex guard;
    static auto* kept = new std::vector<std::unique_ptr<const Mapping>>;
    const std::lock_guard<std::mutex> lock(guard);
    kept->push_back(std::move(mapping));
}

}  // namespace

SealedResourceFile::SealedResourceFile(QString root) : root_(std::move(root)) {}

SealedResourceFile::~SealedResourceFile() {
    Unload();
}

SealedResourceFile::LoadStatus SealedResourceFile::Map(const QString& path, std::size_t maxBytes,
                                                       std::unique_ptr<const Mapping>& mapping) {
    // Opened without waiting (a FIFO with no writer would block the open itself); whatever the
    // name leads to is then asked through the open descriptor.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? LoadStatus::Missing : LoadStatus::Unreadable;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return LoadStatus::Unreadable;
    }
    const auto size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    if (size > maxBytes || size < kResourceSealSize) {
        ::close(fd);
        return LoadStatus::Damaged;
    }
    void* address = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (address == MAP_FAILED) return LoadStatus::Unreadable;
    mapping = std::make_unique<const Mapping>(address, size);
    return LoadStatus::Loaded;
}

SealedResourceFile::LoadStatus SealedResourceFile::Load(const QString& path, std::size_t maxBytes) {
    Unload();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    std::unique_ptr<const Mapping> mapping;
    if (const LoadStatus mapped = Map(absolute, maxBytes, mapping); mapped != LoadStatus::Loaded)
        return mapped;
    if (!CheckSealedResourceFile(mapping->Bytes()).Ok()) return LoadStatus::Damaged;
    if (!QResource::registerResource(mapping->Data(), root_)) return LoadStatus::Damaged;
    mapping->Release();
    mapping_ = std::move(mapping);
    path_ = absolute;
    return LoadStatus::Loaded;
}

void SealedResourceFile::ReleaseReadPages() const {
    if (IsLoaded()) mapping_->Release();
}

void SealedResourceFile::Unload() {
    if (!IsLoaded()) return;
    if (!QResource::unregisterResource(mapping_->Data(), root_)) KeepForever(std::move(mapping_));
    mapping_.reset();
    path_.clear();
}

}  // namespace tindle
