#pragma once

#include <QString>

#include <cstddef>
#include <memory>
#include <string>

// A sealed Qt resource file (ResourceFileCheck.h) registered with Qt's resource system under a
// root of its own, so that its entries are ":" + root + "/" + the entry's path. The file is
// read once and checked, and Qt is given those very bytes: what Qt reads is what was checked,
// even when the file changes on disk afterwards.

namespace tindle {

class SealedResourceFile {
  public:
    enum class LoadStatus {
        Loaded,
        Missing,     // no such file
        Unreadable,  // not a regular file, or it cannot be read
        Damaged,     // too large, its seal does not match, or its tree does not hold together
    };

    explicit SealedResourceFile(QString root);
    ~SealedResourceFile();
    SealedResourceFile(const SealedResourceFile&) = delete;
    SealedResourceFile& operator=(const SealedResourceFile&) = delete;

    // Reads, checks and registers the file, unloading one loaded before. Nothing is registered
    // unless Loaded comes back.
    LoadStatus Load(const QString& path, std::size_t maxBytes);
    void Unload();
    bool IsLoaded() const { return bytes_ != nullptr; }
    // The absolute path of the loaded file; empty when none is.
    const QString& Path() const { return path_; }
    const QString& Root() const { return root_; }

  private:
    QString root_;
    QString path_;
    // The registered file, whose bytes never move while Qt may read them; null when none is.
    std::unique_ptr<const std::string> bytes_;
};

}  // namespace tindle
