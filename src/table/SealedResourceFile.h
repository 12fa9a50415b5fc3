#pragma once

#include <QString>

#include <cstddef>
#include <memory>

// A sealed Qt resource file (ResourceFileCheck.h) registered with Qt's resource system under a
// root of its own, so that its entries are ":" + root + "/" + the entry's path. The file is
// mapped into memory (privately, read-only), checked whole, and Qt is given the mapping: the
// process holds no copy of it, and only the pages Qt reads afterwards stay in its memory.
// A file replaced by another one (written aside and renamed, as the build and the package do)
// leaves the checked one mapped; a file rewritten in place while the program runs is not
// guarded against, as for the program's own executable.

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

    // Maps, checks and registers the file, unloading one loaded before. Nothing is registered
    // unless Loaded comes back.
    LoadStatus Load(const QString& path, std::size_t maxBytes);
    void Unload();
    bool IsLoaded() const { return mapping_ != nullptr; }
    // Lets the pages read so far leave the process's memory (they are read again from the
    // file when asked for); for after a burst of reading whose results are kept decoded.
    void ReleaseReadPages() const;
    // The absolute path of the loaded file; empty when none is.
    const QString& Path() const { return path_; }
    const QString& Root() const { return root_; }

  private:
    class Mapping;
    static LoadStatus Map(const QString& path, std::size_t maxBytes,
                          std::unique_ptr<const Mapping>& mapping);

    QString root_;
    QString path_;
    // The registered file, which stays mapped while Qt may read it; null when none is.
    std::unique_ptr<const Mapping> mapping_;
};

}  // namespace tindle
